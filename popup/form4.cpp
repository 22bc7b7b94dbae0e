#include "popup/form4.h"

#include "common/click_label.h"
#include "common/controls.h"
#include "common/handler_guard.h"
#include "common/launcher.h"
#include "common/line_model.h"
#include "common/look.h"
#include "common/program_identity.h"
#include "common/temp_folder.h"
#include "common/twips.h"
#include "common/window_frame.h"
#include "popup/handoff_line.h"
#include "popup/proportional_layout.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

namespace {

constexpr int kClientWidthTwips = 9600;
constexpr int kClientHeightTwips = 1110;
constexpr int kSlideIntervalMs = 10;
constexpr qreal kFormFontPoints = 9;

const QString kDesignCaption =
    QStringLiteral("来自Ravoskel的消息:【服务器已有更新章节】-VemoQQ731508264");
const QString kCaptionStart = QStringLiteral("来自Ravoskel的消息:【");
const QString kCaptionEnd = QStringLiteral("已有更新章节】-VemoQQ731508264");
const QString kSwitchToMainTip = QStringLiteral("点击换切到Ravoskel主界面");

// Labels paint their own background: the chapter line beneath shows only where the captions
// in front of it leave it uncovered.
template <typename Label> Label *makeLabel(Form4 *form, const QString &name)
{
    auto *label = buildControl<Label>(form, Form4::design(), name);
    label->setAutoFillBackground(true);
    return label;
}

void makeRedLink(QWidget *label, const QString &toolTip = QString())
{
    setTextColor(label, kRedText);
    makeLink(label, toolTip);
}

QRect screenRect()
{
    return QGuiApplication::primaryScreen()->geometry();
}

} // namespace

const QList<ControlDesign> &Form4::design()
{
    static const QList<ControlDesign> controls = {
        {QStringLiteral("Label3"),
         QStringLiteral("Form4"),
         {2400, 360, 1935, 375},
         QStringLiteral("Label3")},
        {QStringLiteral("Label1"),
         QStringLiteral("Form4"),
         {-240, 360, 3135, 375},
         QString(9, u' ') + QStringLiteral("服务器已有更新章节:")},
        {QStringLiteral("Label2"),
         QStringLiteral("Form4"),
         {-240, 360, 10215, 495},
         QString(80, u' ') + QStringLiteral("QQ") + QString(17, u' ')},
    };
    return controls;
}

Form4::Form4(QWidget *parent)
    : QWidget(parent, kCloseOnlyWindow)
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(kDesignCaption);
    setWindowIcon(popupIcon());
    setFont(songtiFont(kFormFontPoints));
    resize(twipsToPixels(kClientWidthTwips), twipsToPixels(kClientHeightTwips));
    createControls();
    connectHandlers();
    Timer1->start();
}

void Form4::createControls()
{
    Timer1 = makeTimer(this, QStringLiteral("Timer1"), kSlideIntervalMs);
    Label3 = makeLabel<ClickLabel>(this, QStringLiteral("Label3"));
    makeRedLink(Label3);
    Label1 = makeLabel<QLabel>(this, QStringLiteral("Label1"));
    Label2 = makeLabel<ClickLabel>(this, QStringLiteral("Label2"));
    makeRedLink(Label2, kSwitchToMainTip);
    // Later siblings paint on top, and the wide opaque chapter line must stay behind the other
    // two, the title in front of all.
    Label1->raise();
    Label3->raise();
}

void Form4::connectHandlers()
{
    connectHandler(Timer1, &QTimer::timeout, this, &Form4::Timer1_Timer);
    connectHandler(Label2, &ClickLabel::clicked, this, &Form4::Label2_Click);
    connectHandler(Label3, &ClickLabel::clicked, this, &Form4::Label2_Click);
}

QObjectList Form4::controls() const
{
    return {Timer1, Label3, Label1, Label2};
}

void Form4::ResizeInit()
{
    m_resizeReference = recordLayout(controls(), size(), font());
}

void Form4::ResizeForm()
{
    applyLayout(controls(), size(), m_resizeReference);
}

void Form4::Form_Load()
{
    ResizeInit();
    setWindowFlag(Qt::WindowStaysOnTopHint);
    Label3->setText(handoffLine(tempFilePath(kTitleHandoffFile), 0));
    Label2->setText(handoffLine(tempFilePath(kPageHandoffFile), kChapterLine));
    setWindowTitle(kCaptionStart + Label3->text() + kCaptionEnd);
    placeBelowScreenCorner();
    m_slideState = SlideState::SlidingIn;
}

void Form4::placeBelowScreenCorner()
{
    const QRect screen = screenRect();
    placeFrameTopRightAt(this, QPoint(screen.x() + screen.width(), screen.y() + screen.height()));
}

void Form4::Form_Resize()
{
    ResizeForm();
}

void Form4::Form_Unload(QCloseEvent *event)
{
    event->ignore();
    m_slideState = SlideState::SlidingOut;
}

void Form4::Label2_Click()
{
    startSystemProgram(kMainProgramFile);
}

void Form4::Timer1_Timer()
{
    const QRect screen = screenRect();
    const QRect outer = frameGeometry();
    const auto top = static_cast<float>(pixelsToTwips(outer.top() - screen.top()));
    const SlideStep step =
        slideStep(m_slideState, top, static_cast<float>(pixelsToTwips(screen.height())),
                  static_cast<float>(pixelsToTwips(outer.height())), m_lastSinkingTop);
    if (m_slideState == SlideState::SlidingOut)
        m_lastSinkingTop = top;
    if (step.finished) {
        Timer1->stop();
        Q_EMIT slidOut();
    } else if (step.top != top) {
        move(outer.left(), screen.top() + twipsToPixels(step.top));
    }
}

void Form4::closeEvent(QCloseEvent *event)
{
    runGuarded([this, event] { Form_Unload(event); });
}

void Form4::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    runGuarded([this] { Form_Resize(); });
}
