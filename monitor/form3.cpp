// Opening, closing and the window's own buttons and links; the monitoring cycle is in
// form3_cycle.cpp, the fetches in form3_fetch.cpp.

#include "monitor/form3.h"

#include "common/click_label.h"
#include "common/endpoints.h"
#include "common/handler_guard.h"
#include "common/launcher.h"
#include "common/msgbox.h"
#include "common/window_frame.h"
#include "monitor/monitor_files.h"
#include "monitor/monitor_settings.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

void Form3::connectHandlers()
{
    connectHandler(Command1, &QPushButton::clicked, this, &Form3::Command1_Click);
    connectHandler(Command2, &QPushButton::clicked, this, &Form3::Command2_Click);
    connectHandler(Command3, &QPushButton::clicked, this, &Form3::Command3_Click);
    connectHandler(Command4, &QPushButton::clicked, this, &Form3::Command4_Click);
    connectHandler(Command5, &QPushButton::clicked, this, &Form3::Command5_Click);
    connectHandler(Label2, &ClickLabel::clicked, this, &Form3::Label2_Click);
    connectHandler(Label5, &ClickLabel::clicked, this, &Form3::Label2_Click);
    connectHandler(Label6, &ClickLabel::clicked, this, &Form3::Label6_Click);
    connectHandler(Timer1, &QTimer::timeout, this, &Form3::Timer1_Timer);
    connectHandler(Timer2, &QTimer::timeout, this, &Form3::Timer2_Timer);
    connectHandler(Timer3, &QTimer::timeout, this, &Form3::Timer3_Timer);
    connectHandler(Timer4, &QTimer::timeout, this, &Form3::Timer4_Timer);
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
    // The primary screen need not start at (0, 0): it may lie right of another one.
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    placeFrameTopRightAt(this, QPoint(screen.x() + screen.width(), screen.y()));
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

void Form3::Label6_Click()
{
    openAddressInBrowser(endpointAddress(Endpoint::MicroblogPage));
}

Form3::~Form3()
{
    // A fetch still in flight goes before the network it runs on: its abort reports to it.
    switchEverythingOff();
}

void Form3::closeEvent(QCloseEvent *event)
{
    // Nothing is saved on closing; the timers and any fetch in flight end with the window.
    switchEverythingOff();
    QWidget::closeEvent(event);
}
