#include "popup/form4.h"
#include "tests/support/handoff_files.h"
#include "tests/support/test_environment.h"
#include "tests/support/user_view.h"
#include "tests/support/x11_window.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>

namespace {

// The real Pingrel, started the way the monitor starts it and watched from outside.
using PingrelProcess = FreshFolders;

TEST_F(PingrelProcess, ShowsTheNovelTopmostAtTheCornerRisesAndSinksAwayWhenClosed)
{
    // The first run finds no hand-off files and must show all the same.
    for (const QString &title : {QString(), QStringLiteral("凡人修仙传 续")}) {
        SCOPED_TRACE(title.toStdString());
        if (!title.isEmpty()) {
            writePrintLine(tempFilePath(kTitleHandoffFile), title);
            writeTextFile(tempFilePath(kPageHandoffFile),
                          resultPage(QStringLiteral("<td>第100章</td>")));
        }
        QProcess pingrel;
        pingrel.start(QDir(programFolder()).filePath(QStringLiteral("Pingrel")), {});
        X11Window window;
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return (window = X11Window::ofProcess(pingrel.processId())).isValid(); },
            kPatienceMs));
        const int startTop = window.outerRect().top();
        EXPECT_EQ(window.caption(), captionFor(title));
        EXPECT_TRUE(window.states().contains(QStringLiteral("_NET_WM_STATE_ABOVE")));
        const QSize screen = X11Window::screenSize();
        // At rest: two looks at it, tens of milliseconds apart, find it in the same place.
        QRect rest;
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                const QRect before = rest;
                rest = window.outerRect();
                return rest == before && rest.bottom() < screen.height();
            },
            kPatienceMs));
        EXPECT_GT(startTop, rest.top());
        // Risen in two-pixel steps from the screen's bottom: at most one pixel above flush.
        EXPECT_EQ(rest.top(), popupRestingTop(screen.height(), rest.height()));
        EXPECT_EQ(rest.right() + 1, screen.width());

        window.requestClose();
        int lowestTop = rest.top();
        EXPECT_TRUE(QTest::qWaitFor(
            [&] {
                lowestTop = std::max(lowestTop, window.outerRect().top());
                return pingrel.state() == QProcess::NotRunning;
            },
            kPatienceMs));
        EXPECT_GT(lowestTop, rest.top()) << "the program ended without sinking";
        EXPECT_EQ(pingrel.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(pingrel.exitCode(), 0);
    }
}

TEST_F(PingrelProcess, AFailedStartOfRavoskelIsReportedInABoxTitledPingrel)
{
    // Pingrel alone in its folder: the main program is nowhere to be found.
    const QString pingrelFile = workingFile(QStringLiteral("Pingrel"));
    ASSERT_TRUE(
        QFile::copy(QDir(programFolder()).filePath(QStringLiteral("Pingrel")), pingrelFile));
    QProcess pingrel;
    pingrel.start(pingrelFile, {});
    X11Window window;
    // Clicked once it has risen into sight.
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return (window = X11Window::ofProcess(pingrel.processId())).isValid() &&
                   window.outerRect().bottom() < X11Window::screenSize().height();
        },
        kPatienceMs));
    window.click(placeInWindow(Form4::design(), QStringLiteral("Label2")).center());
    const X11Window box = X11Window::awaitCaption(QStringLiteral("^Pingrel$"), kPatienceMs);
    ASSERT_TRUE(box.isValid());
    box.pressKey(QStringLiteral("Return"));
    EXPECT_TRUE(pingrel.waitForFinished(kPatienceMs));
    EXPECT_EQ(pingrel.exitCode(), 1);
    pingrel.kill();
    pingrel.waitForFinished();
}

} // namespace
