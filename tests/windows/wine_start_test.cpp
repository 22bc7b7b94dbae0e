#include "common/ansi_codec.h"
#include "common/purge_batch.h"
#include "common/temp_folder.h"
#include "monitor/form3.h"
#include "query/form1.h"
#include "query/title_list.h"
#include "tests/support/test_environment.h"
#include "tests/support/user_view.h"
#include "tests/support/x11_window.h"
#include "tests/windows/wine_prefix.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <cstdlib>

namespace {

const QString kNovel = QStringLiteral("校花的贴身高手");
// A user clicking as fast as one can, again and again.
constexpr int kQuickClickGapMs = 180;

// The query window, or a message box that came up instead of it.
X11Window awaitQueryWindowOrBox()
{
    X11Window shown;
    const bool appeared = QTest::qWaitFor(
        [&] {
            shown = X11Window::withCaption(kBoxCaption);
            if (!shown.isValid())
                shown = X11Window::withCaption(kQueryCaption);
            return shown.isValid();
        },
        kPatienceMs);
    return appeared ? shown : X11Window();
}

// A window with the caption that is none of those already known.
X11Window awaitAnother(const QString &caption, const QList<X11Window> &known)
{
    X11Window found;
    const bool appeared = QTest::qWaitFor(
        [&] {
            for (const X11Window &window : X11Window::allWithCaption(caption)) {
                if (!known.contains(window))
                    found = window;
            }
            return found.isValid();
        },
        kPatienceMs);
    return appeared ? found : X11Window();
}

// How far the frame's middle lies from the screen's, twice over so that half a pixel counts.
QPoint twiceOffCentre(const QRect &frame)
{
    const QSize screen = X11Window::screenSize();
    return frame.topLeft() + frame.bottomRight() + QPoint(1, 1) -
           QPoint(screen.width(), screen.height());
}

// The main program under Wine started the ways a Windows user starts it: from another working
// folder, clicked at quickly, twice side by side, and on a desktop scaled to 150 %.
class WineStart : public WineSession {
protected:
    // Starts a copy of the main program whose query window, and only it, comes up.
    X11Window startCopy(QProcess &copy)
    {
        const QList<X11Window> known = X11Window::allWithCaption(kQueryCaption);
        prefix.start(copy, kProgramTitle + QStringLiteral(".exe"));
        return awaitAnother(kQueryCaption, known);
    }
    // Opens the copy's monitor from its query window and starts monitoring the novel it
    // watched last.
    void startMonitoring(const X11Window &query)
    {
        const QList<X11Window> known = X11Window::allWithCaption(kMonitorCaption);
        clickControl(query, Form1::design(), QStringLiteral("Command3"));
        const X11Window monitor = awaitAnother(kMonitorCaption, known);
        ASSERT_TRUE(monitor.isValid());
        clickControl(monitor, Form3::design(), QStringLiteral("Command1"));
    }
    void TearDown() override
    {
        WineSession::TearDown();
        second.waitForFinished(kPatienceMs);
    }

    QProcess second;
};

TEST_F(WineStart, StartedFromAnotherWorkingFolderTheMainProgramUsesItsOwnFiles)
{
    const QByteArray list = toAnsi(QStringLiteral("甲书\r\n乙书\r\n"));
    QFile listFile(prefix.programFile(kTitleListFile));
    ASSERT_TRUE(listFile.open(QIODevice::WriteOnly));
    listFile.write(list);
    listFile.close();
    const QString elsewhere = QDir(prefix.programFolder()).filePath(QStringLiteral("../Other"));
    ASSERT_TRUE(QDir().mkpath(elsewhere));

    prefix.startFrom(program, kProgramTitle + QStringLiteral(".exe"), elsewhere);
    const X11Window shown = awaitQueryWindowOrBox();
    ASSERT_TRUE(shown.isValid());
    EXPECT_TRUE(QRegularExpression(kQueryCaption).match(shown.caption()).hasMatch())
        << "instead of the query window: " << shown.caption().toStdString();
    EXPECT_FALSE(boxAppears());
    EXPECT_EQ(program.state(), QProcess::Running);
    EXPECT_EQ(fileBytes(prefix.programFile(kTitleListFile)), list);
    EXPECT_EQ(QDir(elsewhere).entryList(QDir::Files), QStringList());
}

TEST_F(WineStart, QuickClicksOnQueryEachPurgeAndQueryWithoutAnError)
{
    const X11Window query = startCopy(program);
    ASSERT_TRUE(query.isValid());
    // A double click, then a run of quick clicks: each click writes the purge batch while the
    // batch of the click before may still be running from it.
    const QPoint button = placeInWindow(Form1::design(), QStringLiteral("Command1")).center();
    query.click(button);
    query.click(button);
    for (int click = 0; click < 8; ++click) {
        QTest::qWait(kQuickClickGapMs);
        query.click(button);
    }
    EXPECT_FALSE(boxAppears());
    EXPECT_EQ(program.state(), QProcess::Running);
    EXPECT_EQ(fileBytes(prefix.tempFile(kPurgeBatchFile)),
              toAnsi(purgeBatchText(kPurgeLine1, kPurgeLine2) + QStringLiteral("\r\n")));
}

TEST_F(WineStart, TwoCopiesMonitoringEverySecondShareTheirFilesWithoutAnError)
{
    // Both copies watch the same novel every second, writing the same purge batch and
    // hand-off files, each reading back what it wrote while the other may be writing.
    ASSERT_TRUE(prefix.setRegistryValue(kSettingsKey + QStringLiteral("Settings"),
                                        QStringLiteral("2.vemo"), QStringLiteral("1000")));
    const X11Window first = startCopy(program);
    ASSERT_TRUE(first.isValid());
    startMonitoring(first);
    const X11Window other = startCopy(second);
    ASSERT_TRUE(other.isValid());
    startMonitoring(other);

    // Twenty polls each, unless a copy fails first.
    const int polls = site.searchRequestCount(kNovel);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return X11Window::withCaption(kBoxCaption).isValid() ||
                   site.searchRequestCount(kNovel) >= polls + 40;
        },
        kPatienceMs));
    EXPECT_FALSE(X11Window::withCaption(kBoxCaption).isValid());
    EXPECT_GE(site.searchRequestCount(kNovel), polls + 40);
    EXPECT_EQ(program.state(), QProcess::Running);
    EXPECT_EQ(second.state(), QProcess::Running);
}

TEST_F(WineStart, OnADesktopScaledTo150PercentTheWindowsKeepTheirPlaces)
{
    ASSERT_TRUE(prefix.setRegistryNumber(QStringLiteral("Control Panel\\Desktop"),
                                         QStringLiteral("LogPixels"), 144));
    const X11Window query = startCopy(program);
    ASSERT_TRUE(query.isValid());
    QRect frame;
    ASSERT_TRUE(QTest::qWaitFor([&] { return (frame = query.outerRect()).isValid(); }));
    // Wine measures the title bar by Windows' metrics, which at 150 % are taller than the
    // window manager's frame on this desktop: the windows' heights on screen differ from what
    // the program placed, their widths do not.
    EXPECT_LE(std::abs(twiceOffCentre(frame).x()), 2) << twiceOffCentre(frame).x();
    query.click(placeInWindow(Form1::design(), QStringLiteral("Command3")).center() * 1.5);
    const X11Window monitor = X11Window::awaitCaption(kMonitorCaption, kPatienceMs);
    ASSERT_TRUE(monitor.isValid());
    ASSERT_TRUE(QTest::qWaitFor([&] { return (frame = monitor.outerRect()).isValid(); }));
    EXPECT_EQ(frame.right(), X11Window::screenSize().width() - 1);
}

} // namespace
