#include "form4.h"
#include "handoff_files.h"
#include "seam_recorders.h"
#include "test_environment.h"
#include "twips.h"

#include <QLabel>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <optional>

namespace {

const QString kTitle = QStringLiteral("  诛仙 第二部 ");
const QString kChapter = QStringLiteral("  <a href=\"/b/1.htm\">第101章 青云&nbsp;</a>\t");

// The labels in the form's order, after Timer1: the place in twips each keeps in its Tag, its
// design caption, and a point along the labels' middle where it is the label seen.
const struct Control {
    const char *name;
    const char *tag;
    int seenAt;
    QString caption;
} kLabels[] = {
    {"Label3", "2400 360 1935 375 ", 170, QStringLiteral("Label3")},
    {"Label1", "-240 360 3135 375 ", 100, QString(9, u' ') + QStringLiteral("服务器已有更新章节:")},
    {"Label2", "-240 360 10215 495 ", 400,
     QString(80, u' ') + QStringLiteral("QQ") + QString(17, u' ')},
};

// Where the label belongs in a client area grown so much across and down since the load.
QRect place(const Control &control, double across, double down)
{
    const QStringList twips = QString::fromLatin1(control.tag).split(u' ');
    const auto pixels = [&](int index, double factor) {
        return twipsToPixels(twips.at(index).toDouble() * factor);
    };
    return QRect(pixels(0, across), pixels(1, down), pixels(2, across), pixels(3, down));
}

// An error report is recorded instead of shown, so a test that meets one fails instead of
// waiting on a dialog.
class PopupWindow : public FreshFolders {
protected:
    void TearDown() override { EXPECT_EQ(messages.texts, QStringList()); }
    QLabel *label(const char *name) const { return form.findChild<QLabel *>(name); }

    MessageBoxRecorder messages;
    ProgramEndRecorder ends;
    Form4 form;
    const QRect screen = form.screen()->geometry();
};

TEST_F(PopupWindow, LoadShowsWhatTheHandOffsHoldInATopmostWindowBelowTheScreenCorner)
{
    // Missing, empty, a page without a chapter line (LF line ends), and both in full.
    const struct {
        std::optional<QString> titleFile, pageFile;
        QString title, chapter;
    } cases[] = {{{}, {}, {}, {}},
                 {QString(), QString(), {}, {}},
                 {kTitle + kLineEnd, resultPage(kChapter, QStringLiteral("\n")), kTitle, {}},
                 {kTitle + kLineEnd, resultPage(kChapter), kTitle, kChapter}};
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
        EXPECT_EQ(window.slideState(), SlideState::SlidingIn);
    }
}

TEST_F(PopupWindow, RisesToRestStaysPutWhenClickedAndSinksWhereItIsWhenAskedToClose)
{
    LaunchRecorder launches;
    QSignalSpy slidOut(&form, &Form4::slidOut);
    form.Form_Load();
    form.show();
    for (QPoint before; before != form.pos(); form.Timer1_Timer()) {
        before = form.pos();
        ASSERT_GT(before.y(), -screen.height()) << "the window never came to rest";
    }
    const QRect rest = form.frameGeometry();
    EXPECT_EQ(rest.right() + 1, screen.width());
    EXPECT_LE(screen.height() - (rest.bottom() + 1), 1);

    for (const char *name : {"Label2", "Label3", "Label1"})
        QTest::mouseClick(label(name), Qt::LeftButton);
    QStringList started;
    for (const LaunchRequest &request : launches.requests)
        started << (request.intent == LaunchRequest::Intent::StartProgram ? request.target : "");
    EXPECT_EQ(started, QStringList(2, QStringLiteral("Ravoskelv1.3.6.exe")));
    form.Timer1_Timer();
    EXPECT_EQ(form.frameGeometry(), rest);

    form.move(rest.left() - 50, rest.top()); // dragged aside by the user
    EXPECT_FALSE(form.close());
    for (int top = rest.top(); slidOut.isEmpty(); top += 2) {
        ASSERT_EQ(form.frameGeometry().topLeft(), QPoint(rest.left() - 50, top));
        ASSERT_LE(top, screen.height()) << "sank past the bottom without ending";
        form.Timer1_Timer();
    }
    EXPECT_GE(form.frameGeometry().top(), screen.height());
    EXPECT_FALSE(form.findChild<QTimer *>("Timer1")->isActive());
}

TEST_F(PopupWindow, ShowsItsSmallIconDrawingsAndTheDrawnHandOverItsLinks)
{
    QList<QSize> sizes = form.windowIcon().availableSizes();
    std::sort(sizes.begin(), sizes.end(),
              [](const QSize &a, const QSize &b) { return a.width() < b.width(); });
    EXPECT_EQ(sizes, (QList<QSize>{{16, 16}, {32, 32}, {48, 48}}));
    const QCursor hand = label("Label2")->cursor();
    EXPECT_EQ(hand.pixmap().size(), QSize(32, 32));
    EXPECT_EQ(hand.hotSpot(), QPoint(12, 1));
}

TEST_F(PopupWindow, LabelsKeepTheirDesignPlacesInProportionAndTheirFontToTheClientHeight)
{
    EXPECT_EQ(form.windowTitle(), captionFor(QStringLiteral("服务器")));
    EXPECT_EQ(form.children().size(), 4);
    for (const Control &control : kLabels) {
        SCOPED_TRACE(control.name);
        EXPECT_EQ(label(control.name)->geometry(), place(control, 1, 1));
        EXPECT_EQ(label(control.name)->text(), control.caption);
        EXPECT_EQ(form.childAt(control.seenAt, 30), label(control.name)) << "stacked wrongly";
    }
    form.Form_Load();
    form.show();
    for (const Control &control : kLabels)
        EXPECT_EQ(label(control.name)->property("Tag").toString(), QLatin1String(control.tag));
    EXPECT_EQ(form.findChild<QTimer *>("Timer1")->property("Tag").toString(), QString());

    const QSize load = form.size();
    const qreal points = form.font().pointSizeF();
    label("Label2")->setFont(QFont(form.font().family(), 20));
    form.ResizeForm(); // at the load size: only the font changes, the timer is passed over
    // A client area without height leaves the fonts as they were.
    const struct {
        double across, down, font;
    } steps[] = {{1, 1, 1}, {2, 2, 2}, {1.5, 1, 1}, {1, 0, 1}, {1, 1, 1}};
    for (const auto &[across, down, font] : steps) {
        SCOPED_TRACE(testing::Message() << across << " x " << down);
        const QSize size(qRound(load.width() * across), qRound(load.height() * down));
        form.resize(size);
        ASSERT_TRUE(QTest::qWaitFor([&] { return form.size() == size; }));
        for (const Control &control : kLabels) {
            EXPECT_EQ(label(control.name)->geometry(), place(control, across, down));
            EXPECT_NEAR(label(control.name)->font().pointSizeF(), points * font, 1e-4);
        }
    }
}

} // namespace
