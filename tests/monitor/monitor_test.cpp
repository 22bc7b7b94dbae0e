#include "common/endpoints.h"
#include "common/line_model.h"
#include "common/msgbox.h"
#include "common/runtime_error.h"
#include "common/settings_store.h"
#include "common/temp_folder.h"
#include "common/text_file.h"
#include "monitor/alert_player.h"
#include "monitor/chapter_change.h"
#include "monitor/check_interval.h"
#include "monitor/download_timeout.h"
#include "monitor/form3.h"
#include "monitor/page_conversion.h"
#include "monitor/page_text.h"
#include "tests/support/effects.h"
#include "tests/support/handoff_files.h"
#include "tests/support/test_environment.h"
#include "tests/support/user_view.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QSemaphore>
#include <QSignalSpy>
#include <QStringEncoder>
#include <QTest>
#include <QThread>
#include <QThreadPool>
#include <QTimer>

#include <variant>

namespace {

TEST(ChapterLines, OnlyAPageReachingLine56CountsAndOnlyLetterCaseIsNoChange)
{
    const QByteArray line = "第一行\r\n";
    EXPECT_TRUE(pageHoldsChapterLine(line.repeated(56))); // line 56 is the empty piece at the end
    EXPECT_TRUE(pageHoldsChapterLine(QByteArray("\r\n").repeated(56))); // empty lines count too
    EXPECT_FALSE(pageHoldsChapterLine(line.repeated(55)));
    EXPECT_FALSE(pageHoldsChapterLine(line.repeated(200).replace("\r\n", "\n")));
    EXPECT_FALSE(chapterChanged("<td>第9章 ABC</td>", "<TD>第9章 abc</td>"));
    EXPECT_TRUE(chapterChanged("第9章 新", "第9章 新 "));
    EXPECT_TRUE(chapterChanged("第9章 新", "第8章 旧")); // back to an older text
    EXPECT_FALSE(chapterChanged(kAwaitingCurrentChapter, "第9章 新"));
}

QByteArray gbkLine(const QString &text)
{
    return QByteArray(QStringEncoder("GBK").encode(text)) + "\r\n";
}

// A monitor window opened against the reference site on loopback, every platform service
// recorded instead of carried out.
class MonitorWindow : public SiteFolders {
public:
    MonitorWindow()
    {
        site.addNovel(novel, {"第1章 出山", "第2章 下山"});
        open();
    }

    void open() // closing the window, if open, and opening it again
    {
        if (form)
            form->close();
        form = std::make_unique<Form3>();
        QObject::connect(form.get(), &Form3::queryWindowRequested,
                         [this] { recorded.effects << "query"; });
        form->Form_Load();
        form->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }
    QTimer *timer(int n) const { return form->findChild<QTimer *>("Timer" + QString::number(n)); }
    QWidget *find(const QString &name) const { return form->findChild<QWidget *>(name); }
    QString text(const QString &name) const { return find(name)->property("text").toString(); }
    void click(const QString &name) const { QTest::mouseClick(find(name), Qt::LeftButton); }
    // The three ways a user ends monitoring: stop, a change of novel, closing the window.
    QList<std::function<void()>> interruptions()
    {
        return {[this] { click("Command2"); }, [this] { click("Command3"); },
                [this] { form->close(); }};
    }
    // What the user sees happen: programs started but the purge batch, sounds, boxes, and the
    // query window asked for.
    QStringList effects() const
    {
        QStringList seen = recorded.effects;
        seen.removeAll(tempFilePath(kPurgeBatchFile));
        return seen;
    }
    // The running timers, the enabled ones of the two buttons and the name box, then effects.
    std::string seen() const
    {
        QStringList seen;
        for (const char *name :
             {"Timer1", "Timer2", "Timer3", "Timer4", "Command1", "Command2", "Text1"}) {
            const QObject *control = form->findChild<QObject *>(name);
            if (control->property(control->isWidgetType() ? "enabled" : "active").toBool())
                seen << name;
        }
        return (seen + effects()).join(' ').toStdString();
    }

    void start(const QString &interval = "10000")
    {
        typeOver(find("Text1"), novel);
        typeOver(find("Text5"), interval);
        click("Command1");
    }
    // Raises a fetch timer's handler and waits for the fetch; false if it failed.
    bool fetch(void (Form3::*tick)()) const
    {
        QSignalSpy spy(form.get(), tick == &Form3::Timer1_Timer
                                       ? &Form3::currentChapterFetchFinished
                                       : &Form3::serverChapterFetchFinished);
        (*form.*tick)();
        return spy.wait(10000) && spy.first().first().toBool();
    }
    bool currentFetch() const { return fetch(&Form3::Timer1_Timer); }
    bool serverFetch() const { return fetch(&Form3::Timer2_Timer); }
    void remember(const QString &chapterLine) const
    {
        writePrintLine("vemotemp.vemo", resultPage(chapterLine));
    }

    const QString novel = "斗破苍穹 测试版";
    RecordedEffects recorded;
    QList<QByteArray> titles; // the title hand-off file at each program start
    const ScopedOverride<SoundHandler> m_sounds{
        soundSeam(),
        [this](AlertPlayer &, const QString &fileName) { recorded.effects << fileName; }};
    // Each program start is recorded, with what the title hand-off file held at that moment.
    const ScopedOverride<LaunchHandler> m_titlesAtStarts{
        launchSeam(), [this, record = launchSeam().get()](const LaunchRequest &request) {
            record(request);
            if (request.intent == LaunchRequest::Intent::StartProgram)
                titles << fileBytes(tempFilePath(kTitleHandoffFile));
        }};
    std::unique_ptr<Form3> form;
};

// A row of the monitor's state table: the button clicked or the timer that ticks, what is
// seen afterwards, and the setup: the chapter line in "vemotemp.vemo", the ticked boxes,
// whether monitoring was started, the server caption (with both alert checks running) and
// the site's fault.
struct Row {
    const char *name;
    std::variant<const char *, void (Form3::*)()> event;
    const char *seen;
    const char *memory = nullptr;
    int boxes = 0;
    bool started = false;
    const char *served = nullptr;
    FaultMode fault = FaultMode::None;
    friend void PrintTo(const Row &row, std::ostream *out) { *out << row.name; }
};

using F = Form3;
constexpr int popup = 1, sound = 2;

const Row kRows[] = {
    {.name = "Load", .event = "", .seen = "Command1 Command2 Text1"},
    {.name = "StopBeforeAnyStart", .event = "Command2", .seen = "Command1 Text1"},
    {.name = "StartWithTheMemory",
     .event = "Command1",
     .seen = "Timer2 Command2",
     .memory = "第1章"},
    // A start leaves the alert checks as they were.
    {.name = "StartWithoutTheMemory",
     .event = "Command1",
     .seen = "Timer1 Timer2 Timer3 Timer4 Command2",
     .served = "第2章"},
    {.name = "Stop",
     .event = "Command2",
     .seen = "Command1 Text1",
     .memory = "第1章",
     .started = true,
     .served = "第2章"},
    {.name = "ChangeNovel",
     .event = "Command3",
     .seen = "Command1 Text1 cmd /c del vemotemp.vemo "
             "已删除其他小说记录，请重新输入小说名进行更新检测",
     .memory = "第1章",
     .started = true,
     .served = "第2章"},
    {.name = "CurrentChapterFetch",
     .event = &F::Timer1_Timer,
     .seen = "Timer2 Command2",
     .started = true},
    {.name = "FailedCurrentChapterFetch",
     .event = &F::Timer1_Timer,
     .seen = "Timer1 Timer2 Command2",
     .started = true,
     .fault = FaultMode::NotFound404},
    {.name = "ServerChapterFetchPopupTicked",
     .event = &F::Timer2_Timer,
     .seen = "Timer2 Timer3 Command2",
     .memory = "第1章",
     .boxes = popup,
     .started = true},
    {.name = "ServerChapterFetchSoundTicked",
     .event = &F::Timer2_Timer,
     .seen = "Timer2 Timer4 Command2",
     .memory = "第1章",
     .boxes = sound,
     .started = true},
    {.name = "FailedServerChapterFetch",
     .event = &F::Timer2_Timer,
     .seen = "Timer2 Command2",
     .memory = "第1章",
     .boxes = popup | sound,
     .started = true,
     .fault = FaultMode::TruncatedBody},
    {.name = "PopupCheckEqualCaptions",
     .event = &F::Timer3_Timer,
     .seen = "Timer2 Timer3 Timer4 Command2",
     .memory = "第1章 ABC",
     .started = true,
     .served = "第1章 abc"},
    {.name = "PopupCheckDifferingCaptions",
     .event = &F::Timer3_Timer,
     .seen = "Timer1 Timer4 Command1 Text1 Pingrel.exe query",
     .memory = "第1章",
     .started = true,
     .served = "第2章"},
    {.name = "SoundCheckEqualCaptions",
     .event = &F::Timer4_Timer,
     .seen = "Timer2 Timer3 Timer4 Command2",
     .memory = "第1章 ABC",
     .started = true,
     .served = "第1章 abc"},
    {.name = "SoundCheckDifferingCaptions",
     .event = &F::Timer4_Timer,
     .seen = "Timer1 Command1 Text1 vemomp3.mp3 query",
     .memory = "第1章",
     .started = true,
     .served = "第2章"},
    {.name = "PopupCheckWhileTheBaselineIsFetched",
     .event = &F::Timer3_Timer,
     .seen = "Timer1 Timer2 Timer3 Timer4 Command2",
     .started = true,
     .served = "第2章"},
};

class MonitorEvent : public MonitorWindow, public ::testing::WithParamInterface<Row> {};

} // namespace

TEST_P(MonitorEvent, LeavesTheMonitorAsTheTableSays)
{
    const Row &row = GetParam();
    if (row.memory)
        remember(row.memory);
    if (row.boxes & popup)
        click("Check1");
    if (row.boxes & sound)
        click("Check2");
    if (row.started)
        start();
    if (row.served) {
        timer(3)->start();
        timer(4)->start();
        find("Label5")->setProperty("text", row.served);
    }
    site.setFault(novel, row.fault);
    if (const auto *button = std::get_if<const char *>(&row.event); button && **button)
        click(*button);
    else if (const auto *tick = std::get_if<void (Form3::*)()>(&row.event)) {
        if (*tick == &F::Timer1_Timer || *tick == &F::Timer2_Timer)
            EXPECT_EQ(fetch(*tick), row.fault == FaultMode::None);
        else
            (*form.**tick)();
    }
    EXPECT_EQ(seen(), row.seen);
}

INSTANTIATE_TEST_SUITE_P(Events, MonitorEvent, ::testing::ValuesIn(kRows),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(MonitorWindow, OpensAsDrawnAndKeepsSettingsOnlyFromAGoodStart)
{
    expectSeenAs(Form3(), // before its load fills in the settings
                 {{"Text1", {56, 21, 121, 21}, "杀手房东俏房客"},
                  {"Command1", {184, 19, 73, 23}, "开始检测"},
                  {"Command3", {264, 19, 73, 23}, "更换小说"},
                  {"Command2", {344, 19, 73, 23}, "停止检查"},
                  {"Text5", {96, 71, 49, 18}, "10000"},
                  {"Check1", {448, 24, 137, 25}, "有更新则弹出提示"},
                  {"Check2", {448, 56, 113, 12}, "声音提示(女声)"},
                  {"Command5", {568, 26, 41, 19}, "示范"},
                  {"Command4", {568, 54, 41, 19}, "试听"},
                  {"Label2", {-224, 104, 841, 17}, QString(78, u' ') + "获取目前章节......"},
                  {"Label5", {-224, 128, 841, 25}, QString(78, u' ') + "获取服务器章节........."}});
    // What the user reads, in the window's 9-point type: the help, blanks and all, in blue and
    // the two chapter lines in red.
    EXPECT_EQ(form->font().pointSizeF(), 9);
    EXPECT_EQ(text("Label6"), "输入小说名后点击开始检测,如需要有更新时提示，请钩选有更新则提示，"
                              "然后就可以最小化玩别的了" +
                                  QString(154, u' ') + "--------作者微博" +
                                  endpointAddress(Endpoint::MicroblogPage));
    for (const auto &[label, colour] : {std::pair{"Label2", QColor(255, 0, 0)},
                                        {"Label5", QColor(255, 0, 0)},
                                        {"Label6", QColor(0, 0, 255)}})
        EXPECT_EQ(find(label)->palette().color(QPalette::WindowText), colour) << label;
    EXPECT_EQ(text("Text1"), "校花的贴身高手");
    EXPECT_EQ(text("Text5"), "10000");
    for (const char *typed : {"abc", "999", "2147483648"})
        start(typed);
    const QString refused = "检测时间间格请输入1000到2147483647之间的整数(毫秒)";
    EXPECT_EQ(effects(), QStringList(3, refused));
    EXPECT_EQ(seen(), "Command1 Command2 Text1 " + QStringList(3, refused).join(' ').toStdString());
    EXPECT_FALSE(QFile::exists(tempFilePath(kTitleHandoffFile)));
    open();
    EXPECT_EQ(text("Text1"), "校花的贴身高手");
    start(" 3000 ");
    EXPECT_EQ(timer(2)->interval(), 3000);
    EXPECT_EQ(readSetting("Settings", "1.vemo", {}), novel);
    EXPECT_EQ(readSetting("Settings", "2.vemo", {}), " 3000 ");
    click("Command3"); // 更换小说 empties the box but keeps what was stored
    open();
    EXPECT_EQ(text("Text1"), novel);
    EXPECT_EQ(text("Text5"), " 3000 ");
}

TEST_F(MonitorWindow, TheBoxesTakeWhatComesBeforeALineBreakFromPasteAndSettingsAlike)
{
    writeSetting("Settings", "1.vemo", "校花的贴身高手\r\n第二行");
    writeSetting("Settings", "2.vemo", "3000\n");
    open();
    EXPECT_EQ(text("Text1"), "校花的贴身高手");
    EXPECT_EQ(text("Text5"), "3000");
    // A title copied from a web page often takes its line break along.
    typeOver(find("Text1"), {});
    pasteText(find("Text1"), novel + "\r\n");
    typeOver(find("Text5"), {});
    pasteText(find("Text5"), "1000\n");
    EXPECT_EQ(text("Text1"), novel);
    EXPECT_EQ(text("Text5"), "1000");
    QSignalSpy searches(&site, &ReferenceSite::searchRequested);
    click("Command1");
    EXPECT_EQ(readSetting("Settings", "1.vemo", {}), novel);
    EXPECT_EQ(timer(2)->interval(), 1000);
    ASSERT_TRUE(searches.wait(kPatienceMs));
    EXPECT_EQ(searches.first().first().toString(), novel);
}

TEST_F(MonitorWindow, AButtonWithTheFocusIsPressedByEnterAndByKeypadEnterAsBySpace)
{
    typeOver(find("Text1"), novel);
    const auto pressOn = [this](const QString &button, Qt::Key key,
                                Qt::KeyboardModifiers modifiers = {}) {
        // The buttons are reached with Tab, as a user without a mouse reaches them.
        for (int tabs = 0; tabs < 20 && QApplication::focusWidget() != find(button); ++tabs)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), find(button));
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    };
    pressOn("Command1", Qt::Key_Return); // 开始检测
    EXPECT_EQ(seen(), "Timer1 Timer2 Command2");
    pressOn("Command2", Qt::Key_Enter, Qt::KeypadModifier); // 停止检查
    EXPECT_EQ(seen(), "Command1 Text1");
    pressOn("Command4", Qt::Key_Return); // 试听
    pressOn("Command3", Qt::Key_Space);  // 更换小说
    EXPECT_EQ(effects(), (QStringList{"vemomp3.mp3", "cmd /c del vemotemp.vemo",
                                      "已删除其他小说记录，请重新输入小说名进行更新检测"}));
}

TEST_F(MonitorWindow, OnlyARealChangeOfTheChapterLineAlertsPopupFirstThenSound)
{
    click("Check1");
    click("Check2");
    start();
    ASSERT_TRUE(currentFetch());
    // The memory holds the page in the ANSI code page, one CR LF added to the page's own.
    const QByteArray remembered = fileBytes("vemotemp.vemo");
    EXPECT_TRUE(remembered.endsWith("</html>\r\n\r\n") &&
                remembered.contains(gbkLine(site.chapterLine(novel))));
    click("Command5"); // a demonstration while monitoring

    site.publishChapter(novel);
    ASSERT_TRUE(serverFetch());
    // One fetch armed both checks: the popup's comes a second before the sound's.
    EXPECT_LT(timer(3)->remainingTime(), timer(4)->remainingTime());
    form->Timer3_Timer();
    // The popup names the novel, not the demonstration, and reads the new chapter line.
    EXPECT_EQ(titles, (QList<QByteArray>{gbkLine("这是示范消息提示"), gbkLine(novel)}));
    const QByteArray page = fileBytes(tempFilePath(kPageHandoffFile));
    EXPECT_TRUE(page.endsWith("\r\n") && page.contains(gbkLine(text("Label5"))));
    // The sound check comes before the new baseline is in, so the captions still differ.
    form->Timer4_Timer();
    ASSERT_TRUE(currentFetch());

    open(); // the next start takes the new baseline from the memory, without a fetch
    start();
    EXPECT_EQ(text("Label2"), site.chapterLine(novel));
    EXPECT_FALSE(timer(1)->isActive());
    click("Command4"); // 试听
    QTest::mouseClick(find("Label2"), Qt::LeftButton, {}, QPoint(500, 5));
    doubleClick(find("Label5"), QPoint(500, 5)); // shows the query window once
    doubleClick(find("Label6"));
    EXPECT_EQ(effects(), (QStringList{"Pingrel.exe", "Pingrel.exe", "query", "vemomp3.mp3", "query",
                                      "vemomp3.mp3", "query", "query",
                                      "explorer " + endpointAddress(Endpoint::MicroblogPage)}));
}

TEST_F(MonitorWindow, AfterAChangeOfNovelNoAlertComesBeforeTheNewNovelsBaselineIsIn)
{
    remember("第9章 另一本书的章节"); // the novel watched before
    click("Command1");
    click("Command3"); // 更换小说
    click("Check1");
    // The new novel's first fetch, the baseline's, is slow; its server fetches are not.
    site.delayNextSearch(novel, 6000);
    QSignalSpy baseline(form.get(), &Form3::currentChapterFetchFinished);
    QSignalSpy popupChecks(timer(3), &QTimer::timeout);
    start("1500");
    ASSERT_TRUE(baseline.wait(15000));
    EXPECT_GE(popupChecks.size(), 1) << "no popup check ran while the baseline was on its way";
    EXPECT_EQ(text("Label2"), site.chapterLine(novel));
    EXPECT_FALSE(effects().contains("Pingrel.exe"));
}

TEST_F(MonitorWindow, AFailedBaselineIsTriedAgainOnlyAtTheUsersIntervalAndNeverAlerts)
{
    const QString before = "第9章 另一本书的章节"; // the novel watched before
    remember(before);
    click("Command1");
    click("Command3"); // 更换小说
    click("Check1");
    // The baseline's fetch fails each time while the server fetches between them succeed.
    site.setFaultCycle({FaultMode::NotFound404, FaultMode::None});
    QStringList fetches;
    QObject::connect(form.get(), &Form3::currentChapterFetchFinished,
                     [&](bool ok) { fetches << (ok ? "baseline" : "no baseline"); });
    QObject::connect(form.get(), &Form3::serverChapterFetchFinished,
                     [&](bool ok) { fetches << (ok ? "server" : "no server"); });
    QSignalSpy popupCheck(timer(3), &QTimer::timeout);
    start("2000");
    ASSERT_TRUE(popupCheck.wait(15000));
    EXPECT_EQ(fetches.mid(0, 4), (QStringList{"no baseline", "server", "no baseline", "server"}));
    EXPECT_EQ(text("Label2"), before);
    EXPECT_FALSE(effects().contains("Pingrel.exe"));
    // Once the site answers again, the baseline comes in and the retries end.
    site.setFaultCycle({});
    QSignalSpy baseline(form.get(), &Form3::currentChapterFetchFinished);
    ASSERT_TRUE(baseline.wait(15000));
    EXPECT_EQ(text("Label2"), site.chapterLine(novel));
    EXPECT_FALSE(timer(1)->isActive());
}

TEST_F(MonitorWindow, ServerTicksShorterThanTheAlertChecksDoNotPushThemBack)
{
    remember("第1章");
    click("Check1");
    start("1000");
    QSignalSpy serverFetches(form.get(), &Form3::serverChapterFetchFinished);
    ASSERT_TRUE(serverFetches.wait());
    const int armed = timer(3)->remainingTime();
    // Far enough into the countdown that a restart, even with a coarse timer's slack, shows.
    ASSERT_TRUE(serverFetches.wait());
    EXPECT_LE(timer(3)->remainingTime(), armed - 500);
}

TEST_F(MonitorWindow, StopChangeNovelAndClosingAbandonAFetchInFlight)
{
    remember("第1章");
    click("Check1");
    QSignalSpy serverFetches(form.get(), &Form3::serverChapterFetchFinished);
    for (const auto &interrupt : interruptions()) {
        const int requests = site.searchRequestCount(novel);
        start();
        // The site has taken the request and is about to answer when the user steps in.
        const auto connection =
            QObject::connect(&site, &ReferenceSite::searchRequested, form.get(), interrupt);
        form->Timer2_Timer();
        ASSERT_TRUE(QTest::qWaitFor([&] { return site.searchRequestCount(novel) > requests; }));
        QObject::disconnect(connection);
    }
    ASSERT_TRUE(currentFetch()); // the abandoned answers have had every chance to arrive
    EXPECT_EQ(serverFetches.size(), 0);
    EXPECT_EQ(text("Label5"), kAwaitingServerChapter);
}

// Holds the one thread the pool is left with, so that a page the monitor converts waits for
// the test to let go.
class HeldWorkerThread {
public:
    HeldWorkerThread()
    {
        QThreadPool::globalInstance()->setMaxThreadCount(1);
        QThreadPool::globalInstance()->start([this] { m_release.acquire(); });
    }
    ~HeldWorkerThread() { release(); }
    // Lets the thread go and waits until everything queued on it has run.
    void release()
    {
        if (m_released)
            return;
        m_released = true;
        m_release.release();
        QThreadPool::globalInstance()->waitForDone();
        QThreadPool::globalInstance()->setMaxThreadCount(m_threads);
        // What the work handed back to the window's thread arrives now, if it was handed back.
        QCoreApplication::processEvents();
    }

private:
    const int m_threads = QThreadPool::globalInstance()->maxThreadCount();
    QSemaphore m_release;
    bool m_released = false;
};

TEST_F(MonitorWindow, StopChangeNovelAndClosingAbandonAPageStillBeingConverted)
{
    remember("第1章");
    click("Check1");
    QSignalSpy serverFetches(form.get(), &Form3::serverChapterFetchFinished);
    for (const auto &interrupt : interruptions()) {
        start();
        HeldWorkerThread worker;
        form->Timer2_Timer();
        // The page is in and waits to be written and converted when the user steps in.
        ASSERT_TRUE(QTest::qWaitFor([this] { return form->findChild<PageConversion *>(); }));
        interrupt();
        worker.release();
    }
    EXPECT_EQ(serverFetches.size(), 0);
    EXPECT_EQ(text("Label5"), kAwaitingServerChapter);
    EXPECT_FALSE(QFile::exists(tempFilePath(kRawPageFile)));
    EXPECT_FALSE(QFile::exists(tempFilePath(kPageHandoffFile)));
    EXPECT_FALSE(timer(3)->isActive());
}

TEST_F(MonitorWindow, AHandOffFileThatCannotBeWrittenEndsTheProgramWithOneBoxFromTheWindow)
{
    remember("第1章");
    click("Check1");
    start();
    QDir().mkpath(tempFilePath(kPageHandoffFile)); // a folder where the page's file goes
    bool boxOnWindowThread = false;
    const ScopedOverride<MessageBoxHandler> boxes(
        messageBoxSeam(), [&, record = messageBoxSeam().get()](const QString &text) {
            boxOnWindowThread = QThread::currentThread() == form->thread();
            record(text);
        });
    ASSERT_TRUE(serverFetch());
    EXPECT_TRUE(boxOnWindowThread);
    EXPECT_EQ(effects(), (QStringList{RuntimeError(ErrorNumber::PathFileAccess).message(),
                                      QStringLiteral("exit 1")}));
    EXPECT_EQ(text("Label5"), kAwaitingServerChapter);
    EXPECT_FALSE(timer(3)->isActive());
}

TEST_F(MonitorWindow, AFetchTheSiteSpoilsChangesNothingAndAlertsNobody)
{
    const ScopedOverride stall(downloadTimeoutSeam(), std::chrono::milliseconds(200));
    remember(site.chapterLine(novel));
    click("Check1");
    start();
    ASSERT_TRUE(serverFetch());
    const QByteArray page = fileBytes(tempFilePath(kRawPageFile));
    const QString line = text("Label5");
    site.publishChapter(novel);
    for (const QString &name : faultModeNames()) {
        const FaultMode mode = *faultModeFromName(name);
        if (servesWholePage(mode))
            continue;
        site.setFault(novel, mode);
        EXPECT_FALSE(serverFetch()) << name.toStdString();
        form->Timer3_Timer();
        EXPECT_EQ(fileBytes(tempFilePath(kRawPageFile)), page) << name.toStdString();
        EXPECT_EQ(text("Label5"), line) << name.toStdString();
    }
    // Stray bytes around a page that reaches its chapter line spoil nothing that counts.
    site.setFault(novel, FaultMode::InvalidUtf8);
    EXPECT_TRUE(serverFetch());
    EXPECT_EQ(text("Label5"), site.chapterLine(novel));
    form->Timer3_Timer();
    EXPECT_EQ(effects(), (QStringList{"Pingrel.exe", "query"}));
}
