#include "alert_player.h"
#include "chapter_change.h"
#include "download_timeout.h"
#include "endpoints.h"
#include "form3.h"
#include "line_model.h"
#include "msgbox.h"
#include "purge_batch.h"
#include "reference_site.h"
#include "seam_recorders.h"
#include "settings_store.h"
#include "temp_folder.h"
#include "test_environment.h"
#include "text_file.h"
#include "twips.h"
#include "typing.h"

#include <QFile>
#include <QSettings>
#include <QSignalSpy>
#include <QStringEncoder>
#include <QTest>
#include <QTimer>

namespace {

QByteArray gbkLine(const QString &text)
{
    return QByteArray(QStringEncoder("GBK").encode(text)) + "\r\n";
}

// A monitor window opened against the reference site on loopback, with every platform
// service recorded instead of carried out.
class MonitorTest : public FreshFolders {
public:
    MonitorTest()
    {
        EXPECT_NE(site.listen(), 0);
        site.addNovel(novel, {"第1章 出山", "第2章 下山"});
        writeSetting("Endpoints", "SearchSite", site.baseAddress());
        replaceSoundHandler([this](const QString &fileName) { effects << fileName; });
        replaceMessageBoxHandler([this](const QString &text) { effects << text; });
        replaceLaunchHandler([this](const LaunchRequest &request) {
            if (request.intent == LaunchRequest::Intent::RunPurgeBatch)
                return; // every server fetch purges the browser cache first
            if (request.intent == LaunchRequest::Intent::RemoveFile)
                QFile::remove(request.target);
            effects << windowsCommandLine(request);
            titles << fileBytes(tempFilePath(kTitleHandoffFile));
        });
        open();
    }
    ~MonitorTest() override
    {
        replaceDownloadTimeout(defaultTimeout);
        replaceSoundHandler({});
        replaceMessageBoxHandler({});
        replaceLaunchHandler({});
        EXPECT_TRUE(ends.exitCodes.empty()) << "the monitor reported an error and ended";
    }

    void open() // closing the window, if open, and opening it again
    {
        if (form)
            form->close();
        form = std::make_unique<Form3>();
        QObject::connect(form.get(), &Form3::queryWindowRequested, [this] { effects << "query"; });
        form->Form_Load();
    }
    QTimer *timer(int n) const { return form->findChild<QTimer *>("Timer" + QString::number(n)); }
    QWidget *find(const QString &name) const { return form->findChild<QWidget *>(name); }
    QString text(const QString &name) const { return find(name)->property("text").toString(); }
    void setText(const QString &name, const QString &to) { find(name)->setProperty("text", to); }
    void check(const QString &name, bool on = true) { find(name)->setProperty("checked", on); }
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
        return (seen + effects).join(' ').toStdString();
    }

    void start(const QString &interval = "10000")
    {
        setText("Text1", novel);
        setText("Text5", interval);
        form->Command1_Click();
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
        writeLines("vemotemp.vemo", QStringList(kChapterLine, "<tr>") << chapterLine);
    }

    const QString novel = "斗破苍穹 测试版";
    ProgramEndRecorder ends;
    const std::chrono::milliseconds defaultTimeout = downloadTimeout();
    // Programs started, sounds played, message boxes shown and query window requests, in order.
    QStringList effects;
    QList<QByteArray> titles; // the title hand-off file at each program start
    ReferenceSite site;
    std::unique_ptr<Form3> form;
};

// A row of the monitor's state table: the event raised, what is seen afterwards, and the
// setup: the chapter line in "vemotemp.vemo", the ticked boxes, whether monitoring was
// started, the server caption (with both alert checks running) and the site's fault.
struct Row {
    const char *name;
    void (Form3::*event)();
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
    {"Load", nullptr, "Command1 Command2 Text1"},
    {"StopBeforeAnyStart", &F::Command2_Click, "Command1 Text1"},
    {"StartWithTheMemory", &F::Command1_Click, "Timer2 Command2", "第1章"},
    // A start leaves the alert checks as they were.
    {"StartWithoutTheMemory", &F::Command1_Click, "Timer1 Timer2 Timer3 Timer4 Command2", nullptr,
     0, false, "第2章"},
    {"Stop", &F::Command2_Click, "Command1 Text1", "第1章", 0, true, "第2章"},
    {"ChangeNovel", &F::Command3_Click,
     "Command1 Text1 cmd /c del vemotemp.vemo 已删除其他小说记录，请重新输入小说名进行更新检测",
     "第1章", 0, true, "第2章"},
    {"CurrentChapterFetch", &F::Timer1_Timer, "Timer2 Command2", nullptr, 0, true},
    {"FailedCurrentChapterFetch", &F::Timer1_Timer, "Timer1 Timer2 Command2", nullptr, 0, true,
     nullptr, FaultMode::NotFound404},
    {"ServerChapterFetchPopupTicked", &F::Timer2_Timer, "Timer2 Timer3 Command2", "第1章", popup,
     true},
    {"ServerChapterFetchSoundTicked", &F::Timer2_Timer, "Timer2 Timer4 Command2", "第1章", sound,
     true},
    {"FailedServerChapterFetch", &F::Timer2_Timer, "Timer2 Command2", "第1章", popup | sound, true,
     nullptr, FaultMode::TruncatedBody},
    {"PopupCheckEqualCaptions", &F::Timer3_Timer, "Timer2 Timer3 Timer4 Command2", "第1章 ABC", 0,
     true, "第1章 abc"},
    {"PopupCheckDifferingCaptions", &F::Timer3_Timer,
     "Timer1 Timer4 Command1 Text1 Pingrel.exe query", "第1章", 0, true, "第2章"},
    {"SoundCheckEqualCaptions", &F::Timer4_Timer, "Timer2 Timer3 Timer4 Command2", "第1章 ABC", 0,
     true, "第1章 abc"},
    {"SoundCheckDifferingCaptions", &F::Timer4_Timer, "Timer1 Command1 Text1 vemomp3.mp3 query",
     "第1章", 0, true, "第2章"},
    {"PopupCheckWithoutABaseline", &F::Timer3_Timer, "Timer1 Timer2 Timer3 Timer4 Command2",
     nullptr, 0, true, "第2章"},
};

class MonitorEventTest : public MonitorTest, public ::testing::WithParamInterface<Row> {};

} // namespace

TEST_P(MonitorEventTest, LeavesTheMonitorAsTheTableSays)
{
    const Row &row = GetParam();
    if (row.memory)
        remember(row.memory);
    check("Check1", row.boxes & popup);
    check("Check2", row.boxes & sound);
    if (row.started)
        start();
    if (row.served) {
        timer(3)->start();
        timer(4)->start();
        setText("Label5", row.served);
    }
    site.setFault(novel, row.fault);
    if (row.event == &F::Timer1_Timer || row.event == &F::Timer2_Timer)
        EXPECT_EQ(fetch(row.event), row.fault == FaultMode::None);
    else if (row.event)
        (*form.*row.event)();
    EXPECT_EQ(seen(), row.seen);
}

INSTANTIATE_TEST_SUITE_P(Events, MonitorEventTest, ::testing::ValuesIn(kRows),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(MonitorTest, AfterAChangeOfNovelNoAlertComesBeforeTheNewNovelsBaselineIsIn)
{
    const auto click = [this](const char *name) { QTest::mouseClick(find(name), Qt::LeftButton); };
    const auto typeInto = [this](const char *name, const QString &text) {
        QTest::mouseClick(find(name), Qt::LeftButton);
        QTest::keyClick(find(name), Qt::Key_A, Qt::ControlModifier);
        typeText(find(name), text);
    };
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    remember("第9章 另一本书的章节"); // the novel watched before
    click("Command1");
    click("Command3"); // 更换小说
    typeInto("Text1", novel);
    typeInto("Text5", "1500");
    click("Check1");
    // The new novel's first fetch, the baseline's, is slow; its server fetches are not.
    site.delayNextSearch(novel, 5000);
    QSignalSpy baseline(form.get(), &Form3::currentChapterFetchFinished);
    QSignalSpy popupChecks(timer(3), &QTimer::timeout);
    click("Command1");
    ASSERT_TRUE(baseline.wait(15000));
    EXPECT_GE(popupChecks.size(), 1) << "no popup check ran while the baseline was on its way";
    EXPECT_EQ(text("Label2"), site.chapterLine(novel));
    EXPECT_FALSE(effects.contains("Pingrel.exe"));
}

TEST_F(MonitorTest, ServerTicksShorterThanTheAlertChecksDoNotPushThemBack)
{
    remember("第1章");
    check("Check1");
    start();
    ASSERT_TRUE(serverFetch());
    const int armed = timer(3)->remainingTime();
    // Far enough into the countdown that a restart, even with a coarse timer's slack, shows.
    ASSERT_TRUE(QTest::qWaitFor([&] { return timer(3)->remainingTime() < armed - 500; }));
    const int before = timer(3)->remainingTime();
    ASSERT_TRUE(serverFetch());
    EXPECT_LE(timer(3)->remainingTime(), before);
}

TEST_F(MonitorTest, StopChangeNovelAndClosingAbandonAFetchInFlight)
{
    remember("第1章");
    check("Check1");
    QSignalSpy serverFetches(form.get(), &Form3::serverChapterFetchFinished);
    const std::function<void()> interruptions[] = {[this] { form->Command2_Click(); },
                                                   [this] { form->Command3_Click(); },
                                                   [this] { form->close(); }};
    for (const auto &interrupt : interruptions) {
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

TEST_F(MonitorTest, OnlyARealChangeOfTheChapterLineAlertsPopupFirstThenSound)
{
    site.addNovel(novel, {"第2章 Return of the KING"});
    check("Check1");
    check("Check2");
    start();
    ASSERT_TRUE(currentFetch());
    // The memory holds the page in the ANSI code page, one CR LF added to the page's own.
    const QByteArray remembered = fileBytes("vemotemp.vemo");
    EXPECT_TRUE(remembered.endsWith("</html>\r\n\r\n") &&
                remembered.contains(gbkLine(site.chapterLine(novel))));
    site.addNovel(novel, {"第2章 return OF the king"}); // letter case alone is no change
    ASSERT_TRUE(serverFetch());
    form->Timer3_Timer();
    form->Timer4_Timer();
    form->Command5_Click(); // a demonstration while monitoring

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
    ASSERT_TRUE(serverFetch());
    form->Timer3_Timer();
    site.addNovel(novel, {"第1章 出山"}); // back to an older text
    ASSERT_TRUE(serverFetch());
    form->Timer3_Timer();
    EXPECT_EQ(effects, (QStringList{"Pingrel.exe", "Pingrel.exe", "query", "vemomp3.mp3", "query",
                                    "Pingrel.exe", "query"}));
}

TEST_F(MonitorTest, SettingsGoToTheIniFileOnlyAtAGoodStartAndComeBackAtTheNextOpening)
{
    EXPECT_EQ(text("Text1"), "校花的贴身高手");
    EXPECT_EQ(text("Text5"), "10000");
    for (const char *typed : {"abc", "999", "2147483648"})
        start(typed);
    const std::string refused = " 检测时间间格请输入1000到2147483647之间的整数(毫秒)";
    EXPECT_EQ(seen(), "Command1 Command2 Text1" + refused + refused + refused); // still idle
    EXPECT_FALSE(QFile::exists(tempFilePath(kTitleHandoffFile)));
    open();
    EXPECT_EQ(text("Text1"), "校花的贴身高手");
    start(" 3000 ");
    EXPECT_EQ(timer(2)->interval(), 3000);
    const QSettings ini(qEnvironmentVariable("XDG_CONFIG_HOME") + "/Ravoskelv1.3.6.ini",
                        QSettings::IniFormat);
    EXPECT_EQ(ini.value("Settings/1.vemo").toString(), novel);
    EXPECT_EQ(ini.value("Settings/2.vemo").toString(), " 3000 ");
    form->Command3_Click();
    open();
    EXPECT_EQ(text("Text1"), novel);
    EXPECT_EQ(text("Text5"), " 3000 ");
}

TEST_F(MonitorTest, ListeningPlaysTheSoundAndTheLinksAskForTheQueryWindowOrTheMicroblog)
{
    form->Command4_Click();
    form->show();
    for (const char *label : {"Label2", "Label5"})
        QTest::mouseClick(find(label), Qt::LeftButton, {}, QPoint(500, 5));
    QTest::mouseClick(find("Label6"), Qt::LeftButton);
    EXPECT_EQ(effects, (QStringList{"vemomp3.mp3", "query", "query",
                                    "explorer " + endpointAddress(Endpoint::MicroblogPage)}));
}

TEST_F(MonitorTest, TheWindowIsLaidOutAsDrawn)
{
    const QString help = "输入小说名后点击开始检测,如需要有更新时提示，请钩选有更新则提示，"
                         "然后就可以最小化玩别的了" +
                         QString(154, u' ') + "--------作者微博" +
                         endpointAddress(Endpoint::MicroblogPage);
    const struct {
        const char *name, *kind, *container;
        int left, top, width, height;
        QString text;
    } layout[] = {
        {"Frame1", "QGroupBox", "Form3", 120, 120, 6375, 615, ""},
        {"Label3", "QLabel", "Frame1", 120, 240, 1095, 255, "小说名:"},
        {"Text1", "QLineEdit", "Frame1", 720, 200, 1815, 320, "杀手房东俏房客"},
        {"Command1", "QPushButton", "Frame1", 2640, 170, 1095, 350, "开始检测"},
        {"Command3", "QPushButton", "Frame1", 3840, 170, 1095, 350, "更换小说"},
        {"Command2", "QPushButton", "Frame1", 5040, 170, 1095, 350, "停止检查"},
        {"Frame2", "QGroupBox", "Form3", 120, 840, 6375, 615,
         "程序优化设置---可以改变检测时间间格来优化程序(1000为1秒)"},
        {"Label8", "QLabel", "Frame2", 120, 240, 1215, 255, "检测时间间格:"},
        {"Text5", "QLineEdit", "Frame2", 1320, 220, 735, 270, "10000"},
        {"Label7", "QLabel", "Frame2", 2160, 240, 3615, 255,
         "(检测时间越长程序负载越小反之则越大)"},
        {"Frame3", "QGroupBox", "Form3", 6600, 120, 2655, 1335, "提醒设置"},
        {"Check1", "QCheckBox", "Frame3", 120, 240, 2055, 375, "有更新则弹出提示"},
        {"Check2", "QCheckBox", "Frame3", 120, 720, 1695, 180, "声音提示(女声)"},
        {"Command5", "QPushButton", "Frame3", 1920, 270, 615, 280, "示范"},
        {"Command4", "QPushButton", "Frame3", 1920, 690, 615, 280, "试听"},
        {"Label9", "QLabel", "Frame3", 360, 1000, 2055, 255, "提醒方式建议只选其一"},
        {"Label1", "QLabel", "Form3", 0, 1560, 1215, 255, "    目前章节:"},
        {"Label2", "QLabel", "Form3", -3360, 1560, 12615, 255, kAwaitingCurrentChapter},
        {"Label4", "QLabel", "Form3", -240, 1920, 1455, 255, "       服务器章节:"},
        {"Label5", "QLabel", "Form3", -3360, 1920, 12615, 375, kAwaitingServerChapter},
        {"Label6", "QLabel", "Form3", 480, 2400, 8655, 615, help},
        {"Text2", "QLineEdit", "Form3", 10920, 1080, 150, 270, "Text2"},
        {"Text3", "QLineEdit", "Form3", 10920, 480, 105, 270, kPurgeLine1},
        {"Text4", "QLineEdit", "Form3", 10920, 720, 105, 270, kPurgeLine2},
    };
    const Form3 drawn; // not loaded: the texts are those of the design
    EXPECT_EQ(drawn.size(), QSize(twipsToPixels(9390), twipsToPixels(3090)));
    for (const auto &c : layout) {
        const auto *widget = drawn.findChild<QWidget *>(c.name);
        ASSERT_TRUE(widget && widget->inherits(c.kind)) << c.name;
        EXPECT_EQ(widget->parentWidget()->objectName(), c.container) << c.name;
        EXPECT_EQ(widget->geometry(), twipsRect(c.left, c.top, c.width, c.height)) << c.name;
        const char *text = widget->inherits("QGroupBox") ? "title" : "text";
        EXPECT_EQ(widget->property(text).toString(), c.text) << c.name;
    }
}

TEST_F(MonitorTest, AFlakySiteNeitherBreaksTheMonitorNorFoolsIt)
{
    replaceDownloadTimeout(std::chrono::milliseconds(100)); // for the stalls
    QList<FaultMode> everyMode;
    for (const QString &name : faultModeNames())
        everyMode << *faultModeFromName(name);
    site.setFaultCycle(everyMode); // each search takes the next mode
    // Only a page reaching its chapter line through CR LF line ends is taken.
    const auto lastSearchServed = [&] {
        const FaultMode mode = everyMode[(site.searchRequestCount(novel) - 1) % everyMode.size()];
        return mode == FaultMode::None || mode == FaultMode::InvalidUtf8;
    };
    // A failed current-chapter fetch leaves the baseline alone and tries again.
    const auto takeBaseline = [this] {
        const QString before = text("Label2");
        while (!currentFetch())
            ASSERT_EQ(text("Label2"), before);
    };
    check("Check1");
    check("Check2");
    start("2147483647"); // a real timer that never comes round in a test
    takeBaseline();
    QStringList expected;
    bool pending = false;
    for (int round = 1; round <= 200; ++round) { // a server fetch each
        if (round % 37 == 0) {
            site.publishChapter(novel);
            expected += QStringList{"Pingrel.exe", "query", "vemomp3.mp3", "query"};
            pending = true;
        }
        const QString before = text("Label5");
        const QByteArray page = fileBytes(tempFilePath(kRawPageFile));
        const bool fetched = serverFetch();
        ASSERT_EQ(fetched, lastSearchServed()) << round;
        // A failed fetch leaves the page and caption alone; one that got through shows the line.
        ASSERT_EQ(text("Label5"), fetched ? site.chapterLine(novel) : before) << round;
        ASSERT_TRUE(fetched || fileBytes(tempFilePath(kRawPageFile)) == page) << round;
        if (timer(3)->isActive())
            form->Timer3_Timer();
        if (timer(4)->isActive())
            form->Timer4_Timer();
        const bool alerted = !timer(2)->isActive();
        ASSERT_EQ(alerted, fetched && pending) << round;
        if (alerted) {
            pending = false;
            takeBaseline();
            start("2147483647");
        }
    }
    EXPECT_EQ(effects, expected); // every publish alerted, nothing else did, no message box
    EXPECT_EQ(lineAt(LoadTextFile("vemotemp.vemo"), kChapterLine), site.chapterLine(novel));
    EXPECT_EQ(readSetting("Settings", "1.vemo", {}), novel);
    EXPECT_EQ(readSetting("Settings", "2.vemo", {}), "2147483647");
}
