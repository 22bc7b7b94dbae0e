#include "handoff_files.h"
#include "test_environment.h"
#include "x11_window.h"

#include <QDir>
#include <QProcess>
#include <QTest>

namespace {

constexpr int kPatienceMs = 20000;
const QString kTitle = QStringLiteral("凡人修仙传 续");

QString captionFor(const QString &title)
{
    return QStringLiteral("来自Ravoskel的消息:【") + title +
           QStringLiteral("已有更新章节】-VemoQQ731508264");
}

// The real Pingrel, started the way the monitor starts it and watched from outside.
class PingrelProcess : public FreshFolders {
protected:
    ~PingrelProcess() override
    {
        pingrel.kill();
        pingrel.waitForFinished();
    }

    X11Window startAndFindWindow()
    {
        pingrel.setProgram(QDir(programFolder()).filePath(QStringLiteral("Pingrel")));
        pingrel.setWorkingDirectory(workingFolder());
        pingrel.setProcessEnvironment(QProcessEnvironment::systemEnvironment());
        pingrel.start();
        X11Window window;
        EXPECT_TRUE(QTest::qWaitFor(
            [&] {
                window = X11Window::ofProcess(pingrel.processId());
                return window.isValid() || pingrel.state() == QProcess::NotRunning;
            },
            kPatienceMs));
        return window;
    }

    // Every top edge of the window seen until the condition holds or the program has ended.
    QList<int> watchTops(const X11Window &window, const std::function<bool(QRect)> &until)
    {
        QList<int> tops;
        EXPECT_TRUE(QTest::qWaitFor(
            [&] {
                const QRect outer = window.outerRect();
                if (outer.isValid())
                    tops.append(outer.top());
                return until(outer) || pingrel.state() == QProcess::NotRunning;
            },
            kPatienceMs));
        return tops;
    }

    QList<int> watchRise(const X11Window &window)
    {
        const int screenHeight = X11Window::screenSize().height();
        return watchTops(window, [screenHeight](QRect outer) {
            return outer.isValid() && outer.bottom() < screenHeight &&
                   outer.bottom() + 2 >= screenHeight;
        });
    }

    // Closes the window as its close box does, and watches it until the program ends.
    QList<int> closeAndWatchUntilEnd(const X11Window &window)
    {
        window.requestClose();
        const QList<int> tops = watchTops(window, [](QRect) { return false; });
        EXPECT_EQ(pingrel.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(pingrel.exitCode(), 0);
        return tops;
    }

    QProcess pingrel;
};

TEST_F(PingrelProcess, NamesTheNovelRisesTopmostAtTheCornerAndSinksAwayWhenClosed)
{
    handOffTitle(kTitle);
    handOffPage(QStringLiteral("<td>第100章 新的开始</td>"));
    const X11Window window = startAndFindWindow();
    ASSERT_TRUE(window.isValid()) << "Pingrel showed no window";
    EXPECT_EQ(window.caption(), captionFor(kTitle));
    EXPECT_TRUE(window.states().contains(QStringLiteral("_NET_WM_STATE_ABOVE")));

    const QList<int> rising = watchRise(window);
    ASSERT_FALSE(rising.isEmpty());
    EXPECT_GT(rising.first(), rising.last()) << "the window did not rise";
    EXPECT_EQ(window.outerRect().right() + 1, X11Window::screenSize().width());

    const QList<int> sinking = closeAndWatchUntilEnd(window);
    EXPECT_TRUE(std::any_of(sinking.begin(), sinking.end(), [&](int top) {
        return top > rising.last();
    })) << "the program ended without sinking";
}

TEST_F(PingrelProcess, WithoutHandOffFilesItStillShowsAndRises)
{
    const X11Window window = startAndFindWindow();
    ASSERT_TRUE(window.isValid()) << "Pingrel showed no window";
    EXPECT_EQ(window.caption(), captionFor(QString()));
    const QList<int> rising = watchRise(window);
    ASSERT_FALSE(rising.isEmpty());
    EXPECT_GT(rising.first(), rising.last());
    closeAndWatchUntilEnd(window);
}

} // namespace
