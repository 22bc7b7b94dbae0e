#include "monitor_fixture.h"

#include "chapter_change.h"
#include "settings_store.h"
#include "temp_folder.h"
#include "text_file.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <functional>
#include <ostream>

namespace {

// What the user sees of the monitor: the four timers, the two buttons and the name box.
struct CycleState {
    bool timer1, timer2, timer3, timer4, start, stop, name;
    bool operator==(const CycleState &) const = default;
};

std::ostream &operator<<(std::ostream &out, const CycleState &s)
{
    return out << "timers " << s.timer1 << s.timer2 << s.timer3 << s.timer4 << " start " << s.start
               << " stop " << s.stop << " name " << s.name;
}

constexpr bool on = true;
constexpr bool off = false;

class Form3CycleTest : public MonitorTest {
protected:
    CycleState state() const
    {
        return {timer("Timer1")->isActive(),
                timer("Timer2")->isActive(),
                timer("Timer3")->isActive(),
                timer("Timer4")->isActive(),
                control<QPushButton>("Command1")->isEnabled(),
                control<QPushButton>("Command2")->isEnabled(),
                control<QLineEdit>("Text1")->isEnabled()};
    }

    void rememberPage(const QString &chapterLine) const
    {
        QStringList lines(56, QStringLiteral("<tr>"));
        writeLines(workingFile(QStringLiteral("vemotemp.vemo")), lines << chapterLine);
    }

    // Monitoring with both alert timers armed and the given captions.
    void armWithCaptions(const QString &current, const QString &server) const
    {
        rememberPage(current);
        startMonitoring();
        timer("Timer3")->start();
        timer("Timer4")->start();
        setText(QStringLiteral("Label5"), server);
    }
};

} // namespace

// --- load, start, stop, change novel ---------------------------------------------------------

TEST_F(Form3CycleTest, LoadLeavesEverythingOffAndBothButtonsEnabledUntilAStop)
{
    EXPECT_EQ(state(), (CycleState{off, off, off, off, on, on, on}));
    EXPECT_EQ(text("Text1"), QStringLiteral("校花的贴身高手"));
    EXPECT_EQ(text("Text5"), QStringLiteral("10000"));
    form->Command2_Click(); // stopping what never started only disables the stop button
    EXPECT_EQ(state(), (CycleState{off, off, off, off, on, off, on}));
}

TEST_F(Form3CycleTest, StartWithARememberedPageTakesItsChapterLineAndWaitsOneInterval)
{
    rememberPage(QStringLiteral("第7章 记住的"));
    setText(QStringLiteral("Text5"), QStringLiteral(" 2500 "));
    startMonitoring();
    EXPECT_EQ(state(), (CycleState{off, on, off, off, off, on, off}));
    EXPECT_EQ(timer("Timer2")->interval(), 2500);
    EXPECT_EQ(text("Label2"), QStringLiteral("第7章 记住的"));
    EXPECT_EQ(readSetting(QStringLiteral("Settings"), QStringLiteral("2.vemo"), {}),
              QStringLiteral(" 2500 "));
}

TEST_F(Form3CycleTest, StartWithoutARememberedPageFetchesTheCurrentChapterFirst)
{
    timer("Timer4")->start(); // a start leaves the alert checks as they were
    startMonitoring();
    EXPECT_EQ(state(), (CycleState{on, on, off, on, off, on, off}));
    EXPECT_EQ(text("Label2"), kAwaitingCurrentChapter);
}

TEST_F(Form3CycleTest, ABadIntervalIsRefusedAndChangesNothing)
{
    setText(QStringLiteral("Text5"), QStringLiteral("999"));
    startMonitoring();
    EXPECT_EQ(boxes.texts,
              QStringList{QStringLiteral("检测时间间格请输入1000到2147483647之间的整数(毫秒)")});
    EXPECT_EQ(state(), (CycleState{off, off, off, off, on, on, on}));
    EXPECT_EQ(
        readSetting(QStringLiteral("Settings"), QStringLiteral("1.vemo"), QStringLiteral("none")),
        QStringLiteral("none"));
    EXPECT_FALSE(QFile::exists(workingFile(QStringLiteral("vemotemp.vemo"))));
}

TEST_F(Form3CycleTest, StopSwitchesEverythingOffAndKeepsTheCaptions)
{
    armWithCaptions(QStringLiteral("第1章"), QStringLiteral("第2章"));
    form->Command2_Click();
    EXPECT_EQ(state(), (CycleState{off, off, off, off, on, off, on}));
    EXPECT_EQ(text("Label2"), QStringLiteral("第1章"));
    EXPECT_EQ(text("Label5"), QStringLiteral("第2章"));
}

TEST_F(Form3CycleTest, ChangeNovelStopsDeletesTheMemoryAndEmptiesTheName)
{
    armWithCaptions(QStringLiteral("第1章"), QStringLiteral("第2章"));
    form->Command3_Click();
    EXPECT_EQ(state(), (CycleState{off, off, off, off, on, off, on}));
    EXPECT_EQ(text("Text1"), QString());
    EXPECT_EQ(text("Label2"), QStringLiteral("第1章"));
    EXPECT_EQ(boxes.texts,
              QStringList{QStringLiteral("已删除其他小说记录，请重新输入小说名进行更新检测")});
    const LaunchRequest &deletion = launches.requests.back();
    EXPECT_EQ(deletion.intent, LaunchRequest::Intent::DeleteFile);
    EXPECT_EQ(deletion.commandLine, QStringLiteral("cmd /c del vemotemp.vemo"));
    EXPECT_EQ(deletion.style, WindowStyle::MinimizedFocus);
    EXPECT_EQ(readSetting(QStringLiteral("Settings"), QStringLiteral("1.vemo"), {}), novel);
}

// --- the fetch timers --------------------------------------------------------------------------

TEST_F(Form3CycleTest, ACurrentChapterTickSwitchesItselfOffOnceThePageIsIn)
{
    startMonitoring();
    ASSERT_TRUE(currentFetch());
    EXPECT_EQ(state(), (CycleState{off, on, off, off, off, on, off}));
    EXPECT_EQ(text("Label2"), site.chapterLine(novel));
}

TEST_F(Form3CycleTest, AFailedCurrentChapterTickStaysOnToTryAgain)
{
    startMonitoring();
    site.setFault(novel, FaultMode::NotFound404);
    EXPECT_FALSE(currentFetch());
    EXPECT_EQ(state(), (CycleState{on, on, off, off, off, on, off}));
    EXPECT_EQ(text("Label2"), kAwaitingCurrentChapter);
    EXPECT_TRUE(boxes.texts.isEmpty());
}

TEST_F(Form3CycleTest, AServerChapterTickArmsTheAlertTimersOfTheTickedBoxes)
{
    rememberPage(QStringLiteral("第1章"));
    startMonitoring();
    ASSERT_TRUE(serverFetch());
    EXPECT_EQ(state(), (CycleState{off, on, off, off, off, on, off}));
    check(QStringLiteral("Check2"));
    ASSERT_TRUE(serverFetch());
    EXPECT_EQ(state(), (CycleState{off, on, off, on, off, on, off}));
    timer("Timer4")->stop();
    check(QStringLiteral("Check1"));
    ASSERT_TRUE(serverFetch());
    EXPECT_EQ(state(), (CycleState{off, on, on, on, off, on, off}));
    EXPECT_EQ(text("Label5"), site.chapterLine(novel));
}

TEST_F(Form3CycleTest, ServerTicksShorterThanTheAlertChecksDoNotPushThemBack)
{
    rememberPage(QStringLiteral("第1章"));
    startMonitoring();
    check(QStringLiteral("Check1"));
    ASSERT_TRUE(serverFetch());
    QTimer *popupCheck = timer("Timer3");
    const int armed = popupCheck->remainingTime();
    // Far enough into the countdown that a restart, even with a coarse timer's slack, shows.
    ASSERT_TRUE(QTest::qWaitFor([&] { return popupCheck->remainingTime() < armed - 500; }));
    const int before = popupCheck->remainingTime();
    ASSERT_TRUE(serverFetch());
    EXPECT_LE(popupCheck->remainingTime(), before);
}

// --- the alert timers ----------------------------------------------------------------------------

TEST_F(Form3CycleTest, AlertChecksWithEqualCaptionsKeepWatching)
{
    armWithCaptions(QStringLiteral("<td>第1章 ABC</td>"), QStringLiteral("<td>第1章 abc</td>"));
    QSignalSpy requests(form.get(), &Form3::queryWindowRequested);
    form->Timer3_Timer();
    form->Timer4_Timer();
    EXPECT_EQ(state(), (CycleState{off, on, on, on, off, on, off}));
    EXPECT_TRUE(popupStarts().isEmpty());
    EXPECT_TRUE(sounds.played.isEmpty());
    EXPECT_EQ(requests.size(), 0);
}

TEST_F(Form3CycleTest, APopupAlertStopsMonitoringButLeavesTheSoundCheckOn)
{
    armWithCaptions(QStringLiteral("第1章"), QStringLiteral("第2章"));
    QSignalSpy requests(form.get(), &Form3::queryWindowRequested);
    form->Timer3_Timer();
    EXPECT_EQ(state(), (CycleState{on, off, off, on, on, off, on}));
    EXPECT_EQ(popupStarts(), QStringList{QStringLiteral("Pingrel.exe")});
    EXPECT_TRUE(sounds.played.isEmpty());
    EXPECT_EQ(requests.size(), 1);
}

TEST_F(Form3CycleTest, ASoundAlertStopsMonitoringAndBothAlertChecks)
{
    armWithCaptions(QStringLiteral("第1章"), QStringLiteral("第2章"));
    QSignalSpy requests(form.get(), &Form3::queryWindowRequested);
    form->Timer4_Timer();
    EXPECT_EQ(state(), (CycleState{on, off, off, off, on, off, on}));
    EXPECT_EQ(sounds.played, QStringList{QStringLiteral("vemomp3.mp3")});
    EXPECT_TRUE(popupStarts().isEmpty());
    EXPECT_EQ(requests.size(), 1);
}

TEST_F(Form3CycleTest, WithoutABaselineNothingAlerts)
{
    startMonitoring();
    timer("Timer3")->start();
    timer("Timer4")->start();
    setText(QStringLiteral("Label5"), QStringLiteral("第2章"));
    form->Timer3_Timer();
    form->Timer4_Timer();
    EXPECT_EQ(state(), (CycleState{on, on, on, on, off, on, off}));
    EXPECT_TRUE(popupStarts().isEmpty());
    EXPECT_TRUE(sounds.played.isEmpty());
}

// --- stopping a fetch in flight ----------------------------------------------------------------

TEST_F(Form3CycleTest, StopChangeNovelAndClosingAbandonAFetchInFlight)
{
    rememberPage(QStringLiteral("第1章"));
    check(QStringLiteral("Check1"));
    QSignalSpy serverFetches(form.get(), &Form3::serverChapterFetchFinished);
    const std::function<void()> interruptions[] = {[this] { form->Command2_Click(); },
                                                   [this] { form->Command3_Click(); },
                                                   [this] { form->close(); }};
    int requests = 0;
    for (const auto &interrupt : interruptions) {
        startMonitoring();
        // The site has taken the request and is about to answer when the user steps in.
        const auto connection =
            QObject::connect(&site, &ReferenceSite::searchRequested, form.get(), interrupt);
        form->Timer2_Timer();
        ASSERT_TRUE(QTest::qWaitFor([&] { return site.searchRequestCount(novel) > requests; }));
        QObject::disconnect(connection);
        requests = site.searchRequestCount(novel);
    }
    ASSERT_TRUE(currentFetch()); // the abandoned answers have had every chance to arrive
    EXPECT_EQ(serverFetches.size(), 0);
    EXPECT_EQ(text("Label5"), kAwaitingServerChapter);
    EXPECT_FALSE(timer("Timer3")->isActive());
    EXPECT_FALSE(QFile::exists(tempFilePath(kPageHandoffFile)));
}
