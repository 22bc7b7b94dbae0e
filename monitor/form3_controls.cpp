// The monitor window as it was laid out: every control in twips, with its design-time text.

#include "form3.h"

#include "alert_player.h"
#include "chapter_change.h"
#include "click_label.h"
#include "controls.h"
#include "endpoints.h"
#include "look.h"
#include "purge_batch.h"
#include "twips.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QNetworkAccessManager>
#include <QPushButton>
#include <QTimer>

#include <limits>

namespace {

const QString kBackToMainWindow = QStringLiteral("点击切换到Ravoskel主界面");
const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);

// The window keeps the size it was drawn at; twips of the client area.
constexpr int kClientWidth = 9390;
constexpr int kClientHeight = 3090;

QString helpText()
{
    return QStringLiteral("输入小说名后点击开始检测,如需要有更新时提示，请钩选有更新则提示，"
                          "然后就可以最小化玩别的了") +
           QString(154, u' ') + QStringLiteral("--------作者微博") +
           endpointAddress(Endpoint::MicroblogPage);
}

} // namespace

Form3::Form3(QWidget *parent)
    : QWidget(parent, kMinimizeOnlyWindow)
    , m_network(new QNetworkAccessManager(this))
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("自动检测小说更新-byVemoQQ731508264"));
    setWindowIcon(monitorIcon());
    setFont(songtiFont(9));
    resize(twipsToPixels(kClientWidth), twipsToPixels(kClientHeight));
    buildNovelFrame();
    buildIntervalFrame();
    buildAlertFrame();
    buildChapterLabels();
    buildHiddenControls();
    buildTimers();
    connectHandlers();
}

void Form3::buildNovelFrame()
{
    Frame1 = makeControl<QGroupBox>(this, QStringLiteral("Frame1"), 120, 120, 6375, 615);
    Label3 = makePlainLabel<QLabel>(Frame1, QStringLiteral("Label3"), 120, 240, 1095, 255,
                                    QStringLiteral("小说名:"));
    Text1 = makeControl<QLineEdit>(Frame1, QStringLiteral("Text1"), 720, 200, 1815, 320,
                                   QStringLiteral("杀手房东俏房客"));
    Command1 = makeControl<QPushButton>(Frame1, QStringLiteral("Command1"), 2640, 170, 1095, 350,
                                        QStringLiteral("开始检测"));
    Command3 = makeControl<QPushButton>(Frame1, QStringLiteral("Command3"), 3840, 170, 1095, 350,
                                        QStringLiteral("更换小说"));
    Command2 = makeControl<QPushButton>(Frame1, QStringLiteral("Command2"), 5040, 170, 1095, 350,
                                        QStringLiteral("停止检查"));
}

void Form3::buildIntervalFrame()
{
    Frame2 = makeControl<QGroupBox>(
        this, QStringLiteral("Frame2"), 120, 840, 6375, 615,
        QStringLiteral("程序优化设置---可以改变检测时间间格来优化程序(1000为1秒)"));
    Label8 = makePlainLabel<QLabel>(Frame2, QStringLiteral("Label8"), 120, 240, 1215, 255,
                                    QStringLiteral("检测时间间格:"));
    Text5 = makeControl<QLineEdit>(Frame2, QStringLiteral("Text5"), 1320, 220, 735, 270,
                                   QStringLiteral("10000"));
    Label7 = makePlainLabel<QLabel>(Frame2, QStringLiteral("Label7"), 2160, 240, 3615, 255,
                                    QStringLiteral("(检测时间越长程序负载越小反之则越大)"));
}

void Form3::buildAlertFrame()
{
    Frame3 = makeControl<QGroupBox>(this, QStringLiteral("Frame3"), 6600, 120, 2655, 1335,
                                    QStringLiteral("提醒设置"));
    Check1 = makeControl<QCheckBox>(Frame3, QStringLiteral("Check1"), 120, 240, 2055, 375,
                                    QStringLiteral("有更新则弹出提示"));
    Check2 = makeControl<QCheckBox>(Frame3, QStringLiteral("Check2"), 120, 720, 1695, 180,
                                    QStringLiteral("声音提示(女声)"));
    Command5 = makeControl<QPushButton>(Frame3, QStringLiteral("Command5"), 1920, 270, 615, 280,
                                        QStringLiteral("示范"));
    Command4 = makeControl<QPushButton>(Frame3, QStringLiteral("Command4"), 1920, 690, 615, 280,
                                        QStringLiteral("试听"));
    Label9 = makePlainLabel<QLabel>(Frame3, QStringLiteral("Label9"), 360, 1000, 2055, 255,
                                    QStringLiteral("提醒方式建议只选其一"));
}

void Form3::buildChapterLabels()
{
    Label1 = makePlainLabel<QLabel>(this, QStringLiteral("Label1"), 0, 1560, 1215, 255,
                                    QString(4, u' ') + QStringLiteral("目前章节:"));
    Label2 = makePlainLabel<ClickLabel>(this, QStringLiteral("Label2"), -3360, 1560, 12615, 255,
                                        kAwaitingCurrentChapter);
    Label4 = makePlainLabel<QLabel>(this, QStringLiteral("Label4"), -240, 1920, 1455, 255,
                                    QString(7, u' ') + QStringLiteral("服务器章节:"));
    Label5 = makePlainLabel<ClickLabel>(this, QStringLiteral("Label5"), -3360, 1920, 12615, 375,
                                        kAwaitingServerChapter);
    Label6 = makePlainLabel<ClickLabel>(this, QStringLiteral("Label6"), 480, 2400, 8655, 615,
                                        helpText());
    Label6->setWordWrap(true);
    for (ClickLabel *chapter : {Label2, Label5}) {
        setTextColor(chapter, kRed);
        makeLink(chapter, kBackToMainWindow);
    }
    setTextColor(Label6, kBlue);
    makeLink(Label6);
    // The chapter labels run under the captions beside them, which stay readable on top.
    for (QLabel *caption : {Label1, Label4}) {
        caption->setAutoFillBackground(true);
        caption->raise();
    }
}

void Form3::buildHiddenControls()
{
    // Right of the client area, never seen: the page text on its way between encodings and
    // the purge batch's first two lines.
    Text2 = makeControl<QLineEdit>(this, QStringLiteral("Text2"), 10920, 1080, 150, 270,
                                   QStringLiteral("Text2"));
    Text3 =
        makeControl<QLineEdit>(this, QStringLiteral("Text3"), 10920, 480, 105, 270, kPurgeLine1);
    Text4 =
        makeControl<QLineEdit>(this, QStringLiteral("Text4"), 10920, 720, 105, 270, kPurgeLine2);
    Text2->setMaxLength(std::numeric_limits<int>::max());
    // Nobody sees the page in the box, and a box that shows its text lays out and shapes every
    // character of it at each fetch, many times the cost of the whole fetch: it keeps the text
    // but shows none.
    Text2->setEchoMode(QLineEdit::NoEcho);
    WindowsMediaPlayer1 = new AlertPlayer(this);
    WindowsMediaPlayer1->setObjectName(QStringLiteral("WindowsMediaPlayer1"));
}

void Form3::buildTimers()
{
    Timer1 = makeTimer(this, QStringLiteral("Timer1"), 1000);
    Timer2 = makeTimer(this, QStringLiteral("Timer2"), 10000);
    Timer3 = makeTimer(this, QStringLiteral("Timer3"), 4000);
    Timer4 = makeTimer(this, QStringLiteral("Timer4"), 5000);
}
