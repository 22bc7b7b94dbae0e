// The monitor against a flaky site for a long while: thousands of server-chapter fetches, each
// meeting a fault picked at random from every way the reference site can misbehave (or none),
// with chapters published now and then. The monitor is driven as its timers drive it, through
// its public handlers and its fetch signals. After every fetch: a fetch gets through only when
// the site served a whole page, a failed one leaves the caption and the page file as they
// were, and an alert comes exactly when a published chapter has been fetched. Throughout: no
// message box and no error. At the end: "vemotemp.vemo" holds the newest chapter and the
// settings are as saved.
//
//   fault_soak [server fetches, default 10000] [seed]
// Exits non-zero at the first broken check.

#include "common/handler_guard.h"
#include "common/launcher.h"
#include "common/line_model.h"
#include "common/msgbox.h"
#include "common/settings_store.h"
#include "common/temp_folder.h"
#include "common/text_file.h"
#include "monitor/alert_player.h"
#include "monitor/download_timeout.h"
#include "monitor/form3.h"
#include "monitor/monitor_files.h"
#include "site/fault_mode.h"
#include "site/reference_site.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QMap>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include <random>

namespace {

const QString kNovel = QStringLiteral("斗破苍穹 测试版");
const QString kInterval = QStringLiteral("2147483647"); // the timers never come round by themselves
// Short, so stalls do not take all day; long enough for a loaded machine to serve a page.
constexpr std::chrono::milliseconds kStallTimeout(250);
constexpr int kPublishOneIn = 30;

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class Soak {
public:
    explicit Soak(unsigned seed)
        : m_random(seed)
    {
        qputenv("XDG_CONFIG_HOME", m_config.path().toUtf8());
        qputenv("XDG_CACHE_HOME", m_cache.path().toUtf8());
        QDir::setCurrent(m_working.path());
        m_site.listen();
        m_site.addNovel(kNovel, {QStringLiteral("第1章 出山"), QStringLiteral("第2章 下山")});
        writeSetting(QStringLiteral("Endpoints"), QStringLiteral("SearchSite"),
                     m_site.baseAddress());
        for (const QString &name : faultModeNames())
            m_modes << *faultModeFromName(name);
        QObject::connect(&m_form, &Form3::queryWindowRequested, [this] { m_effects << "query"; });
        m_form.Form_Load();
        for (const char *box : {"Check1", "Check2"})
            m_form.findChild<QCheckBox *>(QLatin1String(box))->setChecked(true);
    }

    bool run(int fetches);
    void report(QTextStream &out) const;

private:
    void expect(bool condition, const QString &what);
    QTimer *timer(int n) const { return m_form.findChild<QTimer *>("Timer" + QString::number(n)); }
    QString text(const char *name) const
    {
        return m_form.findChild<QWidget *>(QLatin1String(name))->property("text").toString();
    }
    void start();
    FaultMode pickFault();
    bool fetch(void (Form3::*tick)(), void (Form3::*finished)(bool));
    void takeBaseline();
    bool serverFetch();

    QTemporaryDir m_config, m_cache, m_working;
    std::mt19937 m_random;
    ReferenceSite m_site;
    // Every platform service the monitor calls is recorded instead of carried out.
    const ScopedOverride<std::chrono::milliseconds> m_stallTimeout{downloadTimeoutSeam(),
                                                                   kStallTimeout};
    const ScopedOverride<SoundHandler> m_recordSounds{
        soundSeam(), [this](AlertPlayer &, const QString &file) { m_effects << file; }};
    const ScopedOverride<MessageBoxHandler> m_recordBoxes{
        messageBoxSeam(), [this](const QString &text) { m_boxes << text; }};
    const ScopedOverride<ProgramEndHandler> m_recordEnds{programEndSeam(),
                                                         [this](int code) { m_ends << code; }};
    const ScopedOverride<LaunchHandler> m_recordStarts{
        launchSeam(), [this](const LaunchRequest &request) {
            if (request.intent != LaunchRequest::Intent::RunPurgeBatch)
                m_effects << windowsCommandLine(request);
        }};
    Form3 m_form;
    QList<FaultMode> m_modes;
    QStringList m_effects, m_boxes;
    QList<int> m_ends;
    QMap<QString, QPair<int, int>> m_serverFetches; // fault: fetches, got through
    int m_baselineFetches = 0, m_publishes = 0, m_alerts = 0, m_slowServedPages = 0;
    int m_publishesOnPending = 0; // published again before the last one was fetched
    int m_round = 0;
    bool m_pending = false; // a published chapter not yet alerted
    qint64 m_milliseconds = 0;
    QString m_failure;
};

void Soak::expect(bool condition, const QString &what)
{
    if (!condition && m_failure.isEmpty())
        m_failure = QStringLiteral("fetch %1: %2").arg(m_round).arg(what);
}

void Soak::start()
{
    m_form.findChild<QLineEdit *>(QStringLiteral("Text1"))->setText(kNovel);
    m_form.findChild<QLineEdit *>(QStringLiteral("Text5"))->setText(kInterval);
    m_form.Command1_Click();
}

FaultMode Soak::pickFault()
{
    const FaultMode mode =
        m_modes.at(std::uniform_int_distribution<qsizetype>(0, m_modes.size() - 1)(m_random));
    m_site.setFault(kNovel, mode);
    return mode;
}

// Raises a fetch timer's handler and waits for the fetch; false if it failed.
bool Soak::fetch(void (Form3::*tick)(), void (Form3::*finished)(bool))
{
    QSignalSpy spy(&m_form, finished);
    (m_form.*tick)();
    const bool reported = !spy.isEmpty() || spy.wait(10000);
    expect(reported, QStringLiteral("a fetch that never finished"));
    return reported && spy.first().first().toBool();
}

void Soak::takeBaseline()
{
    const QString before = text("Label2");
    const QByteArray remembered = bytesOf(kRememberedPageFile);
    while (m_failure.isEmpty()) {
        const FaultMode mode = pickFault();
        ++m_baselineFetches;
        if (fetch(&Form3::Timer1_Timer, &Form3::currentChapterFetchFinished)) {
            expect(servesWholePage(mode),
                   "a current-chapter fetch got through a " + faultModeName(mode));
            expect(lineAt(LoadTextFile(kRememberedPageFile), kChapterLine) ==
                       m_site.chapterLine(kNovel),
                   "vemotemp.vemo does not hold the newest chapter");
            return;
        }
        expect(text("Label2") == before && bytesOf(kRememberedPageFile) == remembered,
               "a failed current-chapter fetch changed the baseline");
    }
}

// True when the fetch got through.
bool Soak::serverFetch()
{
    const FaultMode mode = pickFault();
    const bool served = servesWholePage(mode);
    const QString before = text("Label5");
    const QByteArray page = bytesOf(tempFilePath(kRawPageFile));
    const bool fetched = fetch(&Form3::Timer2_Timer, &Form3::serverChapterFetchFinished);
    QPair<int, int> &count = m_serverFetches[faultModeName(mode)];
    ++count.first;
    count.second += fetched;
    m_slowServedPages += served && !fetched;
    if (fetched) {
        expect(served, "a server fetch got through a " + faultModeName(mode));
        expect(text("Label5") == m_site.chapterLine(kNovel), "a wrong server chapter");
    } else {
        expect(text("Label5") == before && bytesOf(tempFilePath(kRawPageFile)) == page,
               "a failed server fetch changed the caption or the page file");
    }
    return fetched;
}

bool Soak::run(int fetches)
{
    QElapsedTimer clock;
    clock.start();
    start();
    takeBaseline();
    for (m_round = 1; m_failure.isEmpty() && m_round <= fetches; ++m_round) {
        if (std::uniform_int_distribution<int>(1, kPublishOneIn)(m_random) == 1) {
            m_site.publishChapter(kNovel);
            ++m_publishes;
            m_publishesOnPending += m_pending;
            m_pending = true;
        }
        const qsizetype effectsBefore = m_effects.size();
        const bool fetched = serverFetch();
        // What the two alert timers would do at their next tick.
        if (timer(3)->isActive())
            m_form.Timer3_Timer();
        if (timer(4)->isActive())
            m_form.Timer4_Timer();
        const bool alerted = !timer(2)->isActive();
        expect(alerted == (fetched && m_pending), alerted ? "a false alert" : "a missed alert");
        if (alerted) {
            const QStringList effects = m_effects.mid(effectsBefore);
            expect(effects == QStringList{"Pingrel.exe", "query", "vemomp3.mp3", "query"},
                   "an alert other than one popup and one sound: " + effects.join(' '));
            ++m_alerts;
            m_pending = false;
            takeBaseline();
            start();
        }
        expect(m_boxes.isEmpty() && m_ends.isEmpty(), "a message box or an error");
    }
    expect(readSetting("Settings", "1.vemo", {}) == kNovel &&
               readSetting("Settings", "2.vemo", {}) == kInterval,
           "the settings changed");
    m_milliseconds = clock.elapsed();
    return m_failure.isEmpty();
}

void Soak::report(QTextStream &out) const
{
    out << "fault | server fetches | got through\n";
    int total = 0;
    for (auto it = m_serverFetches.begin(); it != m_serverFetches.end(); ++it) {
        out << it.key() << " | " << it->first << " | " << it->second << "\n";
        total += it->first;
    }
    out << "server fetches: " << total << ", current-chapter fetches: " << m_baselineFetches
        << ", publishes: " << m_publishes << " (" << m_publishesOnPending
        << " of them before the one before was fetched"
        << (m_pending ? ", the last one not yet fetched" : "") << "), alerts: " << m_alerts
        << ", served pages the timeout cut off: " << m_slowServedPages
        << ", message boxes: " << m_boxes.size() << ", errors: " << m_ends.size() << "\n"
        << "took " << QString::number(m_milliseconds / 1000.0, 'f', 1) << " s\n";
    if (!m_failure.isEmpty())
        out << "FAILED at " << m_failure << "\n";
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int fetches = argc > 1 ? std::atoi(argv[1]) : 10000;
    const unsigned seed =
        argc > 2 ? static_cast<unsigned>(std::atoi(argv[2])) : std::random_device()();
    QTextStream out(stdout);
    out << "seed " << seed << Qt::endl;
    Soak soak(seed);
    const bool ok = soak.run(fetches);
    soak.report(out);
    return ok ? 0 : 1;
}
