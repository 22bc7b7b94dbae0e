#pragma once

#include "common/controls.h"

#include <QElapsedTimer>
#include <QSet>
#include <QStringList>
#include <QWidget>

class Browser;
class ClickLabel;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

// The query window: the title box with the remembered titles, the site query shown in the
// embedded browser, the version notice and the promotion links.
class Form1 : public QWidget {
    Q_OBJECT
public:
    explicit Form1(QWidget *parent = nullptr);

    // Every control as the window was laid out.
    static const QList<ControlDesign> &design();

public Q_SLOTS:
    void Form_Load();
    void Combo1_LostFocus();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Timer1_Timer();
    void Timer2_Timer();
    void Web3_DocumentComplete(bool ok);
    void Label4_Click();
    void Label5_Click(); // either download label, Label5 or Label8
    void Label6_Click();
    void Label7_Click();

Q_SIGNALS:
    void monitorRequested();
    void supportWindowRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void buildLinkPanel();
    void buildHiddenControls();
    QList<QWidget *> tabOrder() const;
    void setTabOrder();
    void layTabChain() const;
    void wireHandlers();
    void compareVersions();
    void fillTitleList(const QString &listFile);
    QStringList rememberedTitles() const;
    void showTitleFromItsStart(const QString &title);
    void CycleColor(QLabel *target, int first, int second, int third, int fourth);

    QLabel *Label1 = nullptr;
    QComboBox *Combo1 = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;
    QPushButton *Command3 = nullptr;
    ClickLabel *Label4 = nullptr;
    QGroupBox *Frame1 = nullptr;
    Browser *WebBrowser1 = nullptr;
    QWidget *Picture1 = nullptr;
    QLabel *Label3 = nullptr;
    ClickLabel *Label5 = nullptr;
    ClickLabel *Label8 = nullptr;
    ClickLabel *Label6 = nullptr;
    ClickLabel *Label7 = nullptr;
    QLabel *Label2 = nullptr;
    QTimer *Timer1 = nullptr;
    QTimer *Timer2 = nullptr;
    Browser *Web3 = nullptr;
    QLineEdit *Text1 = nullptr;
    QLineEdit *Text2 = nullptr;
    QLineEdit *Text3 = nullptr;
    QLineEdit *Text4 = nullptr;

    // Since the window's creation, from which its timers count.
    QElapsedTimer m_sinceCreation;
    // Titles of the list file past what the drop-down can hold; every add writes them back.
    QStringList m_titlesBeyondList;
    // Titles deleted from the file in this run. The drop-down keeps them until the next start,
    // but no add may write them back.
    QSet<QString> m_deletedTitles;
};
