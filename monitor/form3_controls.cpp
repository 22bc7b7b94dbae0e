// The monitor window as it was laid out: every control in twips, with its design-time text.

#include "monitor/form3.h"

#include "common/click_label.h"
#include "common/controls.h"
#include "common/endpoints.h"
#include "common/look.h"
#include "common/one_line_box.h"
#include "common/purge_batch.h"
#include "common/twips.h"
#include "monitor/alert_player.h"
#include "monitor/chapter_change.h"
#include "monitor/network_access.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <limits>

namespace {

const QString kBackToMainWindow = QStringLiteral("点击切换到Ravoskel主界面");

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

QList<ControlDesign> Form3::design()
{
    // clang-format off
    return {
        {QStringLiteral("Frame1"), QStringLiteral("Form3"), {120, 120, 6375, 615}, {}},
        {QStringLiteral("Label3"), QStringLiteral("Frame1"), {120, 240, 1095, 255}, QStringLiteral("小说名:")},
        {QStringLiteral("Text1"), QStringLiteral("Frame1"), {720, 200, 1815, 320}, QStringLiteral("杀手房东俏房客")},
        {QStringLiteral("Command1"), QStringLiteral("Frame1"), {2640, 170, 1095, 350}, QStringLiteral("开始检测")},
        {QStringLiteral("Command3"), QStringLiteral("Frame1"), {3840, 170, 1095, 350}, QStringLiteral("更换小说")},
        {QStringLiteral("Command2"), QStringLiteral("Frame1"), {5040, 170, 1095, 350}, QStringLiteral("停止检查")},
        {QStringLiteral("Frame2"), QStringLiteral("Form3"), {120, 840, 6375, 615}, QStringLiteral("程序优化设置---可以改变检测时间间格来优化程序(1000为1秒)")},
        {QStringLiteral("Label8"), QStringLiteral("Frame2"), {120, 240, 1215, 255}, QStringLiteral("检测时间间格:")},
        {QStringLiteral("Text5"), QStringLiteral("Frame2"), {1320, 220, 735, 270}, QStringLiteral("10000")},
        {QStringLiteral("Label7"), QStringLiteral("Frame2"), {2160, 240, 3615, 255}, QStringLiteral("(检测时间越长程序负载越小反之则越大)")},
        {QStringLiteral("Frame3"), QStringLiteral("Form3"), {6600, 120, 2655, 1335}, QStringLiteral("提醒设置")},
        {QStringLiteral("Check1"), QStringLiteral("Frame3"), {120, 240, 2055, 375}, QStringLiteral("有更新则弹出提示")},
        {QStringLiteral("Check2"), QStringLiteral("Frame3"), {120, 720, 1695, 180}, QStringLiteral("声音提示(女声)")},
        {QStringLiteral("Command5"), QStringLiteral("Frame3"), {1920, 270, 615, 280}, QStringLiteral("示范")},
        {QStringLiteral("Command4"), QStringLiteral("Frame3"), {1920, 690, 615, 280}, QStringLiteral("试听")},
        {QStringLiteral("Label9"), QStringLiteral("Frame3"), {360, 1000, 2055, 255}, QStringLiteral("提醒方式建议只选其一")},
        {QStringLiteral("Label1"), QStringLiteral("Form3"), {0, 1560, 1215, 255}, QString(4, u' ') + QStringLiteral("目前章节:")},
        {QStringLiteral("Label2"), QStringLiteral("Form3"), {-3360, 1560, 12615, 255}, kAwaitingCurrentChapter},
        {QStringLiteral("Label4"), QStringLiteral("Form3"), {-240, 1920, 1455, 255}, QString(7, u' ') + QStringLiteral("服务器章节:")},
        {QStringLiteral("Label5"), QStringLiteral("Form3"), {-3360, 1920, 12615, 375}, kAwaitingServerChapter},
        {QStringLiteral("Label6"), QStringLiteral("Form3"), {480, 2400, 8655, 615}, helpText()},
        // Right of the client area, never seen: the page text on its way between encodings
        // and the purge batch's first two lines.
        {QStringLiteral("Text2"), QStringLiteral("Form3"), {10920, 1080, 150, 270}, QStringLiteral("Text2")},
        {QStringLiteral("Text3"), QStringLiteral("Form3"), {10920, 480, 105, 270}, kPurgeLine1},
        {QStringLiteral("Text4"), QStringLiteral("Form3"), {10920, 720, 105, 270}, kPurgeLine2},
    };
    // clang-format on
}

Form3::Form3(QWidget *parent)
    : QWidget(parent, kMinimizeOnlyWindow)
    , m_network(makeNetworkAccess(this))
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("自动检测小说更新-byVemoQQ731508264"));
    setWindowIcon(monitorIcon());
    setFont(songtiFont(9));
    resize(twipsToPixels(kClientWidth), twipsToPixels(kClientHeight));
    // The help text names an outside address, so the design is read once for all controls.
    const QList<ControlDesign> layout = design();
    buildNovelFrame(layout);
    buildIntervalFrame(layout);
    buildAlertFrame(layout);
    buildChapterLabels(layout);
    buildHiddenControls(layout);
    buildTimers();
    connectHandlers();
}

void Form3::buildNovelFrame(const QList<ControlDesign> &layout)
{
    Frame1 = buildControl<QGroupBox>(this, layout, QStringLiteral("Frame1"));
    Label3 = buildControl<QLabel>(this, layout, QStringLiteral("Label3"));
    Text1 = buildControl<QLineEdit>(this, layout, QStringLiteral("Text1"));
    keepToOneLine(Text1);
    Command1 = buildControl<QPushButton>(this, layout, QStringLiteral("Command1"));
    Command3 = buildControl<QPushButton>(this, layout, QStringLiteral("Command3"));
    Command2 = buildControl<QPushButton>(this, layout, QStringLiteral("Command2"));
}

void Form3::buildIntervalFrame(const QList<ControlDesign> &layout)
{
    Frame2 = buildControl<QGroupBox>(this, layout, QStringLiteral("Frame2"));
    Label8 = buildControl<QLabel>(this, layout, QStringLiteral("Label8"));
    Text5 = buildControl<QLineEdit>(this, layout, QStringLiteral("Text5"));
    keepToOneLine(Text5);
    Label7 = buildControl<QLabel>(this, layout, QStringLiteral("Label7"));
}

void Form3::buildAlertFrame(const QList<ControlDesign> &layout)
{
    Frame3 = buildControl<QGroupBox>(this, layout, QStringLiteral("Frame3"));
    Check1 = buildControl<QCheckBox>(this, layout, QStringLiteral("Check1"));
    Check2 = buildControl<QCheckBox>(this, layout, QStringLiteral("Check2"));
    Command5 = buildControl<QPushButton>(this, layout, QStringLiteral("Command5"));
    Command4 = buildControl<QPushButton>(this, layout, QStringLiteral("Command4"));
    Label9 = buildControl<QLabel>(this, layout, QStringLiteral("Label9"));
}

void Form3::buildChapterLabels(const QList<ControlDesign> &layout)
{
    Label1 = buildControl<QLabel>(this, layout, QStringLiteral("Label1"));
    Label2 = buildControl<ClickLabel>(this, layout, QStringLiteral("Label2"));
    Label4 = buildControl<QLabel>(this, layout, QStringLiteral("Label4"));
    Label5 = buildControl<ClickLabel>(this, layout, QStringLiteral("Label5"));
    Label6 = buildControl<ClickLabel>(this, layout, QStringLiteral("Label6"));
    Label6->setWordWrap(true);
    for (ClickLabel *chapter : {Label2, Label5}) {
        setTextColor(chapter, kRedText);
        makeLink(chapter, kBackToMainWindow);
    }
    setTextColor(Label6, kBlueText);
    makeLink(Label6);
    // The chapter labels run under the captions beside them, which stay readable on top.
    for (QLabel *caption : {Label1, Label4}) {
        caption->setAutoFillBackground(true);
        caption->raise();
    }
}

void Form3::buildHiddenControls(const QList<ControlDesign> &layout)
{
    Text2 = buildControl<QLineEdit>(this, layout, QStringLiteral("Text2"));
    Text3 = buildControl<QLineEdit>(this, layout, QStringLiteral("Text3"));
    Text4 = buildControl<QLineEdit>(this, layout, QStringLiteral("Text4"));
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
    Timer1 = makeTimer(this, QStringLiteral("Timer1"), kCurrentChapterDelayMs);
    Timer2 = makeTimer(this, QStringLiteral("Timer2"), 10000);
    Timer3 = makeTimer(this, QStringLiteral("Timer3"), 4000);
    Timer4 = makeTimer(this, QStringLiteral("Timer4"), 5000);
}
