#pragma once

#include "common/controls.h"

#include <QWidget>

class Browser;
class ClickLabel;

// The small window that asks the user to support and follow the author. It floats above
// the other windows until it is closed.
class Form2 : public QWidget {
    Q_OBJECT
public:
    explicit Form2(QWidget *parent = nullptr);

    // Every control as the window was laid out.
    static const QList<ControlDesign> &design();

public Q_SLOTS:
    void Form_Load();
    void Label1_Click();

private:
    Browser *WebBrowser1 = nullptr;
    ClickLabel *Label1 = nullptr;
};
