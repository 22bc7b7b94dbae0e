// Opening, closing and the window's own buttons and links; the monitoring cycle is in
// form3_cycle.cpp, the fetches in form3_fetch.cpp.

#include "form3.h"

#include "click_label.h"
#include "endpoints.h"
#include "handler_guard.h"
#include "launcher.h"
#include "monitor_files.h"
#include "monitor_settings.h"
#include "msgbox.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace {

template <typename Sender, typename Signal>
void connectHandler(Form3 *form, Sender *sender, Signal signal, void (Form3::*handler)())
{
    QObject::connect(sender, signal, form, guarded([form, handler] { (form->*handler)(); }));
}

} // namespace

void Form3::connectHandlers()
{
    connectHandler(this, Command1, &QPushButton::clicked, &Form3::Command1_Click);
    connectHandler(this, Command2, &QPushButton::clicked, &Form3::Command2_Click);
    connectHandler(this, Command3, &QPushButton::clicked, &Form3::Command3_Click);
    connectHandler(this, Command4, &QPushButton::clicked, &Form3::Command4_Click);
    connectHandler(this, Command5, &QPushButton::clicked, &Form3::Command5_Click);
    connectHandler(this, Label2, &ClickLabel::clicked, &Form3::Label2_Click);
    connectHandler(this, Label5, &ClickLabel::clicked, &Form3::Label5_Click);
    connectHandler(this, Label6, &ClickLabel::clicked, &Form3::Label6_Click);
    connectHandler(this, Timer1, &QTimer::timeout, &Form3::Timer1_Timer);
    connectHandler(this, Timer2, &QTimer::timeout, &Form3::Timer2_Timer);
    connectHandler(this, Timer3, &QTimer::timeout, &Form3::Timer3_Timer);
    connectHandler(this, Timer4, &QTimer::timeout, &Form3::Timer4_Timer);
}

void Form3::Form_Load()
{
    placeAtTopRightCorner();
    Timer1->stop();
    Timer2->stop();
    Timer3->stop();
    Timer4->stop();
    Text1->setText(storedNovelName());
    Text5->setText(storedCheckInterval());
}

void Form3::placeAtTopRightCorner()
{
    const int screenWidth = QGuiApplication::primaryScreen()->geometry().width();
    move(screenWidth - frameGeometry().width(), 0);
}

void Form3::Command3_Click()
{
    switchEverythingOff();
    returnToIdle();
    deleteFileThroughInterpreter(kRememberedPageFile);
    Text1->clear();
    MsgBox(QStringLiteral("已删除其他小说记录，请重新输入小说名进行更新检测"));
}

void Form3::Label2_Click()
{
    Q_EMIT queryWindowRequested();
}

void Form3::Label5_Click()
{
    Q_EMIT queryWindowRequested();
}

void Form3::Label6_Click()
{
    openAddressInBrowser(endpointAddress(Endpoint::MicroblogPage));
}

void Form3::closeEvent(QCloseEvent *event)
{
    // Nothing is saved on closing; the timers and any fetch in flight end with the window.
    switchEverythingOff();
    QWidget::closeEvent(event);
}
