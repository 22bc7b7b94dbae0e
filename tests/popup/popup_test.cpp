#include "common/line_model.h"
#include "common/program_identity.h"
#include "common/runtime_error.h"
#include "common/temp_folder.h"
#include "common/text_file.h"
#include "common/twips.h"
#include "popup/form4.h"
#include "popup/resize_arithmetic.h"
#include "popup/slide.h"
#include "tests/support/effects.h"
#include "tests/support/handoff_files.h"
#include "tests/support/test_environment.h"
#include "tests/support/user_view.h"

#include <QLabel>
#include <QScreen>
#include <QSignalSpy>
#include <QSizeF>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <optional>

namespace {

constexpr float kScreen = 12000; // 800 pixels

// Where a slide that starts at the given top comes to rest.
float restingTop(float top, float windowHeight)
{
    for (SlideStep step;
         (step = slideStep(SlideState::SlidingIn, top, kScreen, windowHeight)).top != top;
         top = step.top)
        EXPECT_LE(top - step.top, kSlideStepTwips);
    return top;
}

TEST(Slide, RisesInStepsFromTheScreenBottomToRestWithin29TwipsOfItWhereverItStarted)
{
    const struct {
        float start, height, gapBelow;
    } cases[] = {{kScreen, 1110, 0},
                 {kScreen, 1111, 29},
                 {kScreen, 1139, 1},
                 {kScreen, 15015, 15},       // taller than the screen
                 {kScreen - 135, 1485, 15}}; // a window manager pulled it up at the start
    for (const auto &[start, height, gapBelow] : cases)
        EXPECT_EQ(kScreen - (restingTop(start, height) + height), gapBelow) << height;
    // The screen is read afresh: a screen that shrank under a resting window raises it again.
    EXPECT_EQ(slideStep(SlideState::SlidingIn, 10890, kScreen - 300, 1110).top, 10860);
    EXPECT_EQ(slideStep(SlideState::Loading, kScreen, kScreen, 1110).top, kScreen);
}

TEST(Slide, SinksFromWhereItIsAndEndsAtTheBottomOrWhenItNoLongerSinks)
{
    float top = 11395; // mid-rise
    std::optional<float> last;
    for (SlideStep step;
         !(step = slideStep(SlideState::SlidingOut, top, kScreen, 1110, last)).finished;
         top = step.top) {
        ASSERT_EQ(step.top, top + kSlideStepTwips);
        last = top;
    }
    EXPECT_EQ(top, 12025);
    // A window manager that keeps windows on screen refuses to let it sink any further.
    EXPECT_TRUE(slideStep(SlideState::SlidingOut, 11900, kScreen, 1110, 11900).finished);
    EXPECT_TRUE(slideStep(SlideState::SlidingOut, 11700, kScreen, 1110, 11980).finished);
}

TEST(ResizeArithmetic, AClientSizeNoWholeNumberHoldsIsAnOverflowAndTheLargestOneIsKept)
{
    for (const double size : {2147483648.0, -2147483649.0, qInf(), qQNaN()}) {
        for (const QSizeF client : {QSizeF(size, 4500), QSizeF(4500, size)}) {
            EXPECT_EQ(errorNumberOf([&] { resizeReference(client.width(), client.height(), 9); }),
                      ErrorNumber::Overflow)
                << client.width() << " x " << client.height();
        }
    }
    EXPECT_EQ(resizeReference(2147483647.4, 4500, 9).initScaleWidth, 2147483647);
    EXPECT_EQ(resizeReference(4500, -2147483648.4, 9).initScaleHeight, -2147483647 - 1);
}

class PopupWindow : public FreshFolders {
protected:
    void TearDown() override { EXPECT_EQ(recorded.effects, expectedEffects); }
    QLabel *label(const QString &name) const { return form.findChild<QLabel *>(name); }

    RecordedEffects recorded;
    QStringList expectedEffects;
    Form4 form;
    const QRect screen = form.screen()->geometry();
};

TEST_F(PopupWindow, LoadShowsWhatTheHandOffsHoldInATopmostWindowBelowTheScreenCorner)
{
    const QString title = QStringLiteral("  诛仙 第二部 ");
    const QString chapter = QStringLiteral("  <a href=\"/b/1.htm\">第101章 青云&nbsp;</a>\t");
    // Missing, empty, a page without a chapter line (LF line ends), and both in full.
    const struct {
        std::optional<QString> titleFile, pageFile;
        QString title, chapter;
    } cases[] = {{{}, {}, {}, {}},
                 {QString(), QString(), {}, {}},
                 {title + kLineEnd, resultPage(chapter, QStringLiteral("\n")), title, {}},
                 {title + kLineEnd, resultPage(chapter), title, chapter}};
    for (const auto &row : cases) {
        SCOPED_TRACE(&row - cases);
        if (row.titleFile)
            writeTextFile(tempFilePath(kTitleHandoffFile), *row.titleFile);
        if (row.pageFile)
            writeTextFile(tempFilePath(kPageHandoffFile), *row.pageFile);
        Form4 window;
        window.Form_Load();
        EXPECT_EQ(window.findChild<QLabel *>("Label3")->text(), row.title);
        EXPECT_EQ(window.findChild<QLabel *>("Label2")->text(), row.chapter);
        EXPECT_EQ(window.windowTitle(), captionFor(row.title));
        EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        EXPECT_EQ(window.frameGeometry().topRight(), screen.bottomRight() + QPoint(0, 1));
    }
    // The red title and chapter line, and in front of the chapter line the caption, whose
    // leading blanks hide the start of the line beneath them.
    form.Form_Load();
    EXPECT_EQ(label("Label1")->text(), QString(9, u' ') + QStringLiteral("服务器已有更新章节:"));
    for (const char *name : {"Label2", "Label3"})
        EXPECT_EQ(label(name)->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    const QImage seen = form.grab().toImage();
    const QLabel *caption = label("Label1");
    const int blanksEnd = caption->x() + caption->fontMetrics().horizontalAdvance(QString(9, u' '));
    const QRect blanks(0, caption->y(), blanksEnd, caption->height());
    EXPECT_EQ(inkRect(seen, blanks, seen.pixel(0, 0)), QRect());
}

TEST_F(PopupWindow, RisesToRestStartsRavoskelWhenClickedAndSinksWhereItIsWhenAskedToClose)
{
    QSignalSpy slidOut(&form, &Form4::slidOut);
    form.Form_Load();
    form.show();
    const int rest = popupRestingTop(screen.bottom() + 1, form.frameGeometry().height());
    ASSERT_TRUE(QTest::qWaitFor([&] { return form.frameGeometry().top() <= rest; }));
    EXPECT_EQ(form.frameGeometry().top(), rest);
    EXPECT_EQ(form.frameGeometry().right(), screen.right());

    // A double click on the chapter line starts Ravoskel once; the title and a click after
    // start it again; the caption beside them starts nothing.
    doubleClick(label("Label2"));
    for (const char *name : {"Label3", "Label1", "Label2"})
        QTest::mouseClick(label(name), Qt::LeftButton);
    expectedEffects = QStringList(3, kMainProgramFile);
    form.move(form.frameGeometry().left() - 50, rest); // dragged aside by the user
    EXPECT_FALSE(form.close());
    QList<QPoint> sinking;
    const auto track = QObject::connect(form.findChild<QTimer *>("Timer1"), &QTimer::timeout,
                                        [&] { sinking << form.frameGeometry().topLeft(); });
    ASSERT_TRUE(slidOut.wait());
    QObject::disconnect(track);
    EXPECT_EQ(sinking.first().x(), sinking.last().x());
    EXPECT_GE(sinking.last().y(), screen.bottom() + 1);
    EXPECT_FALSE(form.findChild<QTimer *>("Timer1")->isActive());
}

TEST_F(PopupWindow, LabelsKeepTheirDesignPlacesInProportionAndTheirFontToTheClientHeight)
{
    EXPECT_EQ(form.windowTitle(), captionFor(QStringLiteral("服务器")));
    // Small drawings of its own, not one large picture scaled down, and the drawn hand.
    QList<QSize> icons = form.windowIcon().availableSizes();
    std::sort(icons.begin(), icons.end(),
              [](const QSize &a, const QSize &b) { return a.width() < b.width(); });
    EXPECT_EQ(icons, (QList<QSize>{{16, 16}, {32, 32}, {48, 48}}));
    EXPECT_EQ(label("Label2")->cursor().pixmap().size(), QSize(32, 32));
    EXPECT_EQ(label("Label2")->cursor().hotSpot(), QPoint(12, 1));
    // Label3 lies in front of Label1, and both in front of the wide chapter line.
    for (const auto &[x, name] : {std::pair{170, "Label3"}, {100, "Label1"}, {400, "Label2"}})
        EXPECT_EQ(form.childAt(x, 30), label(QLatin1String(name))) << name;
    // Showing the window lays it out for the first time: every label takes the form's font.
    label("Label2")->setFont(QFont(form.font().family(), 20));
    form.Form_Load();
    form.show();
    const QSize load = form.size();
    const qreal points = form.font().pointSizeF();
    // A client area without height leaves the fonts as they were.
    const struct {
        double across, down, font;
    } steps[] = {{1, 1, 1}, {2, 2, 2}, {1.5, 1, 1}, {1, 0, 1}, {1, 1, 1}};
    for (const auto &[across, down, font] : steps) {
        SCOPED_TRACE(testing::Message() << across << " x " << down);
        const QSize size(qRound(load.width() * across), qRound(load.height() * down));
        form.resize(size);
        ASSERT_TRUE(QTest::qWaitFor([&] { return form.size() == size; }));
        for (const ControlDesign &control : Form4::design()) {
            const QRect &t = control.twips;
            EXPECT_EQ(label(control.name)->geometry(),
                      QRect(twipsToPixels(t.x() * across), twipsToPixels(t.y() * down),
                            twipsToPixels(t.width() * across), twipsToPixels(t.height() * down)));
            EXPECT_NEAR(label(control.name)->font().pointSizeF(), points * font, 1e-4);
        }
    }
    // Shrunk to a few pixels' height, the text shrinks with it, below a point.
    form.resize(load.width(), 5);
    ASSERT_TRUE(QTest::qWaitFor([&] { return form.height() == 5; }));
    EXPECT_NEAR(label("Label2")->font().pointSizeF(), points * 5 / load.height(), 1e-3);
}

} // namespace
