#include "monitor_fixture.h"

#include "endpoints.h"
#include "purge_batch.h"
#include "twips.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <tuple>

namespace {

struct Placed {
    const char *name;
    const char *kind;
    const char *container;
    QRect twips;
};

// The window as it was drawn: name, kind, container and place in twips.
const Placed kLayout[] = {
    {"Frame1", "QGroupBox", "Form3", {120, 120, 6375, 615}},
    {"Label3", "QLabel", "Frame1", {120, 240, 1095, 255}},
    {"Text1", "QLineEdit", "Frame1", {720, 200, 1815, 320}},
    {"Command1", "QPushButton", "Frame1", {2640, 170, 1095, 350}},
    {"Command3", "QPushButton", "Frame1", {3840, 170, 1095, 350}},
    {"Command2", "QPushButton", "Frame1", {5040, 170, 1095, 350}},
    {"Frame2", "QGroupBox", "Form3", {120, 840, 6375, 615}},
    {"Label8", "QLabel", "Frame2", {120, 240, 1215, 255}},
    {"Text5", "QLineEdit", "Frame2", {1320, 220, 735, 270}},
    {"Label7", "QLabel", "Frame2", {2160, 240, 3615, 255}},
    {"Frame3", "QGroupBox", "Form3", {6600, 120, 2655, 1335}},
    {"Check1", "QCheckBox", "Frame3", {120, 240, 2055, 375}},
    {"Check2", "QCheckBox", "Frame3", {120, 720, 1695, 180}},
    {"Command5", "QPushButton", "Frame3", {1920, 270, 615, 280}},
    {"Command4", "QPushButton", "Frame3", {1920, 690, 615, 280}},
    {"Label9", "QLabel", "Frame3", {360, 1000, 2055, 255}},
    {"Label1", "QLabel", "Form3", {0, 1560, 1215, 255}},
    {"Label2", "QLabel", "Form3", {-3360, 1560, 12615, 255}},
    {"Label4", "QLabel", "Form3", {-240, 1920, 1455, 255}},
    {"Label5", "QLabel", "Form3", {-3360, 1920, 12615, 375}},
    {"Label6", "QLabel", "Form3", {480, 2400, 8655, 615}},
    {"Text2", "QLineEdit", "Form3", {10920, 1080, 150, 270}},
    {"Text3", "QLineEdit", "Form3", {10920, 480, 105, 270}},
    {"Text4", "QLineEdit", "Form3", {10920, 720, 105, 270}},
};

QString blanks(int count)
{
    return QString(count, u' ');
}

class Form3WindowTest : public MonitorTest {};

} // namespace

TEST_F(Form3WindowTest, EveryControlSitsInItsContainerWhereItWasDrawn)
{
    for (const Placed &placed : kLayout) {
        SCOPED_TRACE(placed.name);
        auto *widget = control<QWidget>(QString::fromLatin1(placed.name));
        ASSERT_NE(widget, nullptr);
        EXPECT_TRUE(widget->inherits(placed.kind));
        EXPECT_EQ(widget->parentWidget()->objectName(), QLatin1String(placed.container));
        const QRect &t = placed.twips;
        EXPECT_EQ(widget->geometry(), twipsRect(t.x(), t.y(), t.width(), t.height()));
    }
    EXPECT_EQ(form->size(), QSize(twipsToPixels(9390), twipsToPixels(3090)));
    for (const char *hidden : {"Text2", "Text3", "Text4"})
        EXPECT_GE(control<QWidget>(QLatin1String(hidden))->x(), form->width()) << hidden;
}

TEST_F(Form3WindowTest, ControlsCarryTheirDesignTextsBlanksIncluded)
{
    EXPECT_EQ(text("Label1"), blanks(4) + QStringLiteral("目前章节:"));
    EXPECT_EQ(text("Label2"), blanks(78) + QStringLiteral("获取目前章节......"));
    EXPECT_EQ(text("Label4"), blanks(7) + QStringLiteral("服务器章节:"));
    EXPECT_EQ(text("Label5"), blanks(78) + QStringLiteral("获取服务器章节........."));
    EXPECT_TRUE(text("Label6").startsWith(QStringLiteral("输入小说名后点击开始检测,")));
    EXPECT_TRUE(text("Label6").endsWith(QStringLiteral("了") + blanks(154) +
                                        QStringLiteral("--------作者微博") +
                                        endpointAddress(Endpoint::MicroblogPage)));
    EXPECT_EQ(text("Text3"), kPurgeLine1);
    EXPECT_EQ(text("Text4"), kPurgeLine2);
}

TEST_F(Form3WindowTest, ChapterLabelsAreRedLinksAndTheHelpTextABlueOne)
{
    const QString backToMain = QStringLiteral("点击切换到Ravoskel主界面");
    for (const auto &[name, colour, toolTip] :
         {std::tuple{"Label2", Qt::red, backToMain}, std::tuple{"Label5", Qt::red, backToMain},
          std::tuple{"Label6", Qt::blue, QString()}}) {
        auto *label = control<QLabel>(QLatin1String(name));
        EXPECT_EQ(label->cursor().shape(), Qt::BitmapCursor) << name;
        EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(colour)) << name;
        EXPECT_EQ(label->toolTip(), toolTip) << name;
        EXPECT_EQ(label->textFormat(), Qt::PlainText) << name; // markup is shown, not rendered
    }
    EXPECT_EQ(control<QLabel>("Label1")->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(Form3WindowTest, ASizableWindowWithoutMaximiseAtTheTopRightCorner)
{
    EXPECT_EQ(form->windowTitle(), QStringLiteral("自动检测小说更新-byVemoQQ731508264"));
    EXPECT_FALSE(form->windowIcon().isNull());
    const Qt::WindowFlags flags = form->windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_NE(form->minimumSize(), form->maximumSize());
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(form->frameGeometry().top(), 0);
    EXPECT_EQ(form->frameGeometry().right(), screen.right());
    EXPECT_NE(control<QObject>("WindowsMediaPlayer1"), nullptr);
}

TEST_F(Form3WindowTest, ChapterLabelsAskForTheQueryWindowAndTheHelpTextOpensTheMicroblog)
{
    form->show();
    QSignalSpy requests(form.get(), &Form3::queryWindowRequested);
    QTest::mouseClick(control<QLabel>("Label2"), Qt::LeftButton, {}, QPoint(500, 5));
    QTest::mouseClick(control<QLabel>("Label5"), Qt::LeftButton, {}, QPoint(500, 5));
    EXPECT_EQ(requests.size(), 2);
    EXPECT_TRUE(launches.requests.empty());
    QTest::mouseClick(control<QLabel>("Label6"), Qt::LeftButton);
    ASSERT_EQ(launches.requests.size(), 1U);
    EXPECT_EQ(launches.requests[0].intent, LaunchRequest::Intent::OpenAddress);
    EXPECT_EQ(launches.requests[0].target, endpointAddress(Endpoint::MicroblogPage));
    EXPECT_EQ(launches.requests[0].style, WindowStyle::NormalFocus);
    EXPECT_EQ(requests.size(), 2);
}
