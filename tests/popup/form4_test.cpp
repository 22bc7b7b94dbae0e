#include "popup_window_fixture.h"

#include "handler_guard.h"
#include "temp_folder.h"
#include "text_file.h"

#include <QDir>
#include <QImage>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {

const QString kTitle = QStringLiteral("  诛仙 第二部 ");
const QString kChapter = QStringLiteral("  <a href=\"/b/1.htm\">第101章 青云&nbsp;</a>\t");

QString captionFor(const QString &title)
{
    return QStringLiteral("来自Ravoskel的消息:【") + title +
           QStringLiteral("已有更新章节】-VemoQQ731508264");
}

bool isRed(QRgb pixel)
{
    return qRed(pixel) > 150 && qGreen(pixel) < 100 && qBlue(pixel) < 100;
}

// The first row of the area holding a red pixel, or -1.
int firstRedRow(const QImage &image, const QRect &area)
{
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (isRed(image.pixel(x, y)))
                return y;
        }
    }
    return -1;
}

TEST_F(PopupWindow, ShowsTheChapterLineOnlyWhereTheOpaqueTitleAndCaptionLeaveIt)
{
    EXPECT_EQ(form.childAt(170, 30), label(QStringLiteral("Label3")));
    EXPECT_EQ(form.childAt(100, 30), label(QStringLiteral("Label1")));
    EXPECT_EQ(form.childAt(400, 30), label(QStringLiteral("Label2")));
    handOffTitle(QString(40, QChar(0x2588)));
    handOffPage(QString(200, QChar(0x2588)));
    form.Form_Load();
    form.show();
    const QImage image = form.grab().toImage();
    EXPECT_EQ(firstRedRow(image, QRect(0, 24, 150, 25)), -1) << "seen through the caption";
    // Both red texts hang from the labels' common top, whatever each label's height.
    const int titleRow = firstRedRow(image, QRect(160, 24, 120, 25));
    EXPECT_GE(titleRow, 24);
    EXPECT_EQ(firstRedRow(image, QRect(300, 24, 300, 33)), titleRow);
}

TEST_F(PopupWindow, IsASizableWindowWithACloseBoxOnlyAndHandLinks)
{
    EXPECT_EQ(form.windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint),
              Qt::WindowCloseButtonHint);
    EXPECT_LT(form.minimumWidth(), form.maximumWidth());
    EXPECT_EQ(label(QStringLiteral("Label2"))->cursor().hotSpot(), QPoint(12, 1));
    EXPECT_EQ(label(QStringLiteral("Label3"))->cursor().hotSpot(), QPoint(12, 1));
    EXPECT_EQ(label(QStringLiteral("Label1"))->cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(label(QStringLiteral("Label2"))->toolTip(),
              QStringLiteral("点击换切到Ravoskel主界面"));
}

TEST_F(PopupWindow, LoadShowsTheHandOffLinesAsWrittenInATopmostWindowBelowTheScreenCorner)
{
    handOffTitle(kTitle);
    handOffPage(kChapter);
    EXPECT_EQ(form.slideState(), SlideState::Loading);
    form.Form_Load();
    QLabel *chapter = label(QStringLiteral("Label2"));
    EXPECT_EQ(label(QStringLiteral("Label3"))->text(), kTitle);
    EXPECT_EQ(chapter->text(), kChapter);
    // Markup is shown as written, not rendered away.
    EXPECT_GE(chapter->sizeHint().width(),
              chapter->fontMetrics().horizontalAdvance(kChapter.trimmed()));
    EXPECT_EQ(form.windowTitle(), captionFor(kTitle));
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(form.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(form.frameGeometry().topRight() + QPoint(1, 0),
              QPoint(screenRect().width(), screenRect().height()));
    EXPECT_EQ(form.slideState(), SlideState::SlidingIn);
}

TEST_F(PopupWindow, LoadShowsWhatThereIsWhenAHandOffIsMissingEmptyOrShort)
{
    const auto expectLoad = [](const QString &title) {
        Form4 window;
        window.Form_Load();
        EXPECT_EQ(window.windowTitle(), captionFor(title));
        EXPECT_EQ(window.findChild<QLabel *>(QStringLiteral("Label2"))->text(), QString());
        EXPECT_EQ(window.slideState(), SlideState::SlidingIn);
    };
    expectLoad(QString());
    writeTextFile(tempFilePath(kTitleHandoffFile), QString());
    writeTextFile(tempFilePath(kPageHandoffFile), QString());
    expectLoad(QString());
    handOffTitle(kTitle);
    writeTextFile(tempFilePath(kPageHandoffFile),
                  pageWithChapterLine(kChapter, QStringLiteral("\n")));
    expectLoad(kTitle);
}

TEST_F(PopupWindow, RisesToRestThenACloseRequestSinksItWhereItIsAndTheProgramEnds)
{
    QSignalSpy slidOut(&form, &Form4::slidOut);
    form.Form_Load();
    form.show();
    EXPECT_GT(tickUntilAtRest(form), 0);
    const QRect rest = form.frameGeometry();
    EXPECT_EQ(rest.right() + 1, screenRect().width());
    EXPECT_GE(screenRect().height() - (rest.bottom() + 1), 0);
    EXPECT_LE(screenRect().height() - (rest.bottom() + 1), 1);

    form.move(rest.left() - 50, rest.top()); // dragged aside by the user
    EXPECT_FALSE(form.close());
    EXPECT_TRUE(form.isVisible());
    for (int top = rest.top(); slidOut.isEmpty(); top += 2) {
        ASSERT_EQ(form.frameGeometry().topLeft(), QPoint(rest.left() - 50, top));
        ASSERT_LE(top, screenRect().height()) << "sank past the bottom without ending";
        form.Timer1_Timer();
    }
    EXPECT_GE(form.frameGeometry().top(), screenRect().height());
    EXPECT_FALSE(form.findChild<QTimer *>(QStringLiteral("Timer1"))->isActive());
}

TEST_F(PopupWindow, ClickingEitherRedLabelStartsTheMainProgramAndLeavesThePopupAsItIs)
{
    LaunchRecorder launches;
    form.Form_Load();
    form.show();
    tickUntilAtRest(form);
    const QRect rest = form.frameGeometry();
    for (const char *name : {"Label2", "Label3", "Label3", "Label1"})
        QTest::mouseClick(label(QLatin1String(name)), Qt::LeftButton);
    ASSERT_EQ(launches.requests.size(), 3u);
    for (const LaunchRequest &request : launches.requests) {
        EXPECT_EQ(request.intent, LaunchRequest::Intent::StartProgram);
        EXPECT_EQ(request.target, QStringLiteral("Ravoskelv1.3.6.exe"));
    }
    EXPECT_EQ(form.frameGeometry(), rest);
    EXPECT_EQ(form.slideState(), SlideState::SlidingIn);
}

TEST_F(PopupWindow, AnUnreadableHandOffOrAMissingMainProgramIsReportedAndEndsTheProgram)
{
    QDir().mkpath(tempFilePath(kTitleHandoffFile));
    runGuarded([this] { form.Form_Load(); });
    EXPECT_EQ(messages.texts, QStringList{QStringLiteral("实时错误 '75':\n\n路径/文件访问错误")});
    expectProgramEndedWithError();
    QTest::mouseClick(label(QStringLiteral("Label3")), Qt::LeftButton);
    EXPECT_EQ(messages.texts, QStringList{QStringLiteral("实时错误 '53':\n\n文件未找到")});
    expectProgramEndedWithError();
}

} // namespace
