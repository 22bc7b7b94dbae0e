#pragma once

#include "common/controls.h"
#include "popup/resize_arithmetic.h"
#include "popup/slide.h"

#include <QObjectList>
#include <QWidget>

#include <optional>

class ClickLabel;
class QLabel;
class QTimer;

// The notification popup: names the novel and its newest chapter line in red, rises from
// below the screen's bottom-right corner, and on a close request sinks away again.
class Form4 : public QWidget {
    Q_OBJECT
public:
    explicit Form4(QWidget *parent = nullptr);

    // Every control as the window was laid out.
    static const QList<ControlDesign> &design();

    SlideState slideState() const { return m_slideState; }

public Q_SLOTS:
    void ResizeInit();
    void ResizeForm();

    void Form_Load();
    void Form_Resize();
    void Form_Unload(QCloseEvent *event);
    void Label2_Click(); // either red label, the chapter line or the title
    void Timer1_Timer();

Q_SIGNALS:
    // The window is out of sight: the program ends now.
    void slidOut();

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void createControls();
    void connectHandlers();
    // The form's controls in their design order, which resizing walks.
    QObjectList controls() const;
    void placeBelowScreenCorner();

    QTimer *Timer1 = nullptr;
    ClickLabel *Label3 = nullptr;
    QLabel *Label1 = nullptr;
    ClickLabel *Label2 = nullptr;

    SlideState m_slideState = SlideState::Loading;
    std::optional<float> m_lastSinkingTop;
    ResizeReference m_resizeReference;
};
