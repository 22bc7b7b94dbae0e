// The monitor on the web as it is: https, plain addresses moved to https, certificates nobody
// should trust, the system's proxy, and sites that ask to be left alone for a while.

#include "common/settings_store.h"
#include "common/temp_folder.h"
#include "monitor/chapter_change.h"
#include "monitor/fetch_pause.h"
#include "monitor/form3.h"
#include "monitor/monitor_files.h"
#include "site/redirect_server.h"
#include "site/test_authority.h"
#include "tests/support/effects.h"
#include "tests/support/handoff_files.h"
#include "tests/support/test_environment.h"
#include "tests/support/test_proxy.h"
#include "tests/support/user_view.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLocale>
#include <QSignalSpy>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

namespace {

using std::chrono::seconds;

TEST(RequestedPause, OnlyA429Or503AsksAndNeverForMoreThanAnHour)
{
    const QDateTime now(QDate(2026, 12, 7), QTime(21, 30, 15, 250), Qt::UTC);
    const auto httpDate = [&](int secondsFromNow) {
        return QLocale::c()
            .toString(now.addSecs(secondsFromNow), u"ddd, dd MMM yyyy hh:mm:ss 'GMT'")
            .toLatin1();
    };
    EXPECT_EQ(requestedPause(429, "5", now), seconds(5));
    EXPECT_EQ(requestedPause(503, " 120 ", now), seconds(120));
    EXPECT_EQ(requestedPause(429, "7200", now), seconds(3600));
    EXPECT_EQ(requestedPause(429, "99999999999999999999999", now), seconds(3600));
    EXPECT_EQ(requestedPause(503, httpDate(30), now), seconds(30)); // 29.75 s, rounded up
    EXPECT_EQ(requestedPause(503, httpDate(86400), now), seconds(3600));
    EXPECT_EQ(requestedPause(429, httpDate(-30), now), seconds(0));
    for (const char *nonsense : {"", "-5", "5.5", "soon", "0x10"})
        EXPECT_EQ(requestedPause(429, nonsense, now), seconds(0)) << nonsense;
    for (int status : {200, 301, 404, 500, 502})
        EXPECT_EQ(requestedPause(status, "5", now), seconds(0)) << status;
}

QByteArray gbkLine(const QString &text)
{
    return QByteArray(QStringEncoder("GBK").encode(text)) + "\r\n";
}

QString httpsAddress(const QString &host, quint16 port)
{
    return QStringLiteral("https://%1:%2").arg(host).arg(port);
}

// The monitor pointed at a site somewhere on the web, every platform service recorded.
class WebMonitor : public SiteFolders {
protected:
    WebMonitor() { site.addNovel(novel, {"第1章 出山", "第2章 下山"}); }

    void pointAt(const QString &address) const
    {
        writeSetting(QStringLiteral("Endpoints"), QStringLiteral("SearchSite"), address);
    }
    // Opens the monitor anew, as the program does, with the environment as it is now.
    void open()
    {
        form = std::make_unique<Form3>();
        form->Form_Load();
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }
    QWidget *find(const QString &name) const { return form->findChild<QWidget *>(name); }
    QString text(const QString &name) const { return find(name)->property("text").toString(); }
    void click(const QString &name) const { QTest::mouseClick(find(name), Qt::LeftButton); }
    void start(const QString &interval = QStringLiteral("1000")) const
    {
        typeOver(find("Text1"), novel);
        typeOver(find("Text5"), interval);
        click("Command1");
    }
    // What the user sees happen: programs started but the purge batch, and message boxes.
    QStringList effects() const
    {
        QStringList seen = recorded.effects;
        seen.removeAll(tempFilePath(kPurgeBatchFile));
        return seen;
    }
    void expectBaseline()
    {
        QSignalSpy baseline(form.get(), &Form3::currentChapterFetchFinished);
        click("Check1");
        start();
        ASSERT_TRUE(baseline.wait(kPatienceMs));
        EXPECT_TRUE(baseline.first().first().toBool());
        EXPECT_EQ(text("Label2"), site.chapterLine(novel));
        EXPECT_TRUE(fileBytes(kRememberedPageFile).contains(gbkLine(site.chapterLine(novel))));
    }
    void expectBaselineThenAlert()
    {
        expectBaseline();
        site.publishChapter(novel);
        QTRY_VERIFY_WITH_TIMEOUT(effects().contains("Pingrel.exe"), kPatienceMs);
        EXPECT_TRUE(
            fileBytes(tempFilePath(kPageHandoffFile)).contains(gbkLine(site.chapterLine(novel))));
    }

    const QString novel = QStringLiteral("斗破苍穹 测试版");
    TestAuthority authority;
    RecordedEffects recorded;
    std::unique_ptr<Form3> form;
};

TEST_F(WebMonitor, AnHttpsSiteGivesTheBaselineAndTheAlertAsAPlainOneDoes)
{
    ASSERT_TRUE(authority.isReady());
    pointAt(httpsAddress("localhost", site.listenTls(authority.vouchedFor())));
    // Trust, once given, lasts as long as the process: the folder comes first, while nothing
    // else has named the authority yet.
    {
        QTemporaryDir folder;
        ASSERT_TRUE(QFile::copy(authority.certificateFile(), folder.filePath("company.pem")));
        const ScopedVariable listed("SSL_CERT_DIR", "/nonexistent:" + folder.path());
        open();
        expectBaseline();
    }
    const ScopedVariable trusted("SSL_CERT_FILE", authority.certificateFile());
    QFile::remove(kRememberedPageFile);
    open();
    expectBaselineThenAlert();
}

TEST_F(WebMonitor, APlainAddressMovedToHttpsIsFollowedWhicheverRedirectTheSiteSends)
{
    ASSERT_TRUE(authority.isReady());
    const ScopedVariable trusted("SSL_CERT_FILE", authority.certificateFile());
    const QString secure = httpsAddress("localhost", site.listenTls(authority.vouchedFor()));
    for (int status : {301, 302, 307, 308}) {
        SCOPED_TRACE(status);
        RedirectServer moved(secure, status);
        pointAt(QStringLiteral("http://127.0.0.1:%1").arg(moved.listenOnLoopback()));
        QFile::remove(kRememberedPageFile);
        open();
        if (status == 301)
            expectBaselineThenAlert();
        else
            expectBaseline();
    }
}

TEST_F(WebMonitor, ACertificateNobodyVouchesForFailsEveryFetchQuietlyAndWritesNothing)
{
    ASSERT_TRUE(authority.isReady());
    const ScopedVariable trusted("SSL_CERT_FILE", authority.certificateFile());
    const QString remembered = resultPage(QStringLiteral("第1章 出山"));
    for (const QSslConfiguration &identity : {authority.selfSigned(), authority.forAnotherHost()}) {
        pointAt(httpsAddress("localhost", site.listenTls(identity)));
        writePrintLine(kRememberedPageFile, remembered);
        const QByteArray memory = fileBytes(kRememberedPageFile);
        open();
        click("Check1");
        QSignalSpy polls(form.get(), &Form3::serverChapterFetchFinished);
        start();
        QTRY_VERIFY_WITH_TIMEOUT(polls.size() >= 2, kPatienceMs); // the next poll tries again
        for (const QList<QVariant> &poll : polls)
            EXPECT_FALSE(poll.first().toBool());
        EXPECT_EQ(text("Label5"), kAwaitingServerChapter);
        EXPECT_EQ(fileBytes(kRememberedPageFile), memory);
        EXPECT_FALSE(QFile::exists(tempFilePath(kRawPageFile)));
        EXPECT_FALSE(QFile::exists(tempFilePath(kPageHandoffFile)));

        // Without a memory, no baseline comes either.
        click("Command2");
        QFile::remove(kRememberedPageFile);
        QSignalSpy baseline(form.get(), &Form3::currentChapterFetchFinished);
        start();
        ASSERT_TRUE(baseline.wait(kPatienceMs));
        EXPECT_FALSE(baseline.first().first().toBool());
        EXPECT_EQ(text("Label2"), QStringLiteral("第1章 出山")); // as the memory had it
        EXPECT_FALSE(QFile::exists(kRememberedPageFile));
        click("Command2");
    }
    EXPECT_EQ(effects(), QStringList()); // no box, no popup, no end
    EXPECT_EQ(site.searchRequestCount(novel), 0);
}

TEST_F(WebMonitor, ASiteThatAsksForAPauseIsLeftAloneThatLongThoughTheIntervalIsShorter)
{
    writePrintLine(kRememberedPageFile, resultPage(site.chapterLine(novel)));
    QElapsedTimer clock;
    clock.start();
    QList<qint64> requests;
    QObject::connect(&site, &ReferenceSite::searchRequested, [&] { requests << clock.elapsed(); });
    site.askPauseAtNextSearch(novel, 429, "5");
    open();
    click("Check1");
    QSignalSpy polls(form.get(), &Form3::serverChapterFetchFinished);
    start(); // one poll a second
    ASSERT_TRUE(polls.wait(kPatienceMs));
    const qint64 refused = clock.elapsed();
    EXPECT_FALSE(polls.first().first().toBool());
    EXPECT_FALSE(QFile::exists(tempFilePath(kRawPageFile)));
    QTRY_VERIFY_WITH_TIMEOUT(requests.size() >= 2, kPatienceMs);
    EXPECT_GE(requests.at(1) - refused, 5000);
    QTRY_VERIFY_WITH_TIMEOUT(polls.size() >= 2, kPatienceMs);
    EXPECT_TRUE(polls.at(1).first().toBool());

    // The baseline's fetch waits as well, here for a pause given as a date in whole seconds:
    // at least five seconds from when it is read, where the baseline's next try would come
    // three seconds after its failure.
    click("Command2");
    QFile::remove(kRememberedPageFile);
    site.askPauseAtNextSearch(novel, 503,
                              QLocale::c()
                                  .toString(QDateTime::currentDateTimeUtc().addSecs(8),
                                            u"ddd, dd MMM yyyy hh:mm:ss 'GMT'")
                                  .toLatin1());
    QSignalSpy baseline(form.get(), &Form3::currentChapterFetchFinished);
    start("3000");
    ASSERT_TRUE(baseline.wait(kPatienceMs));
    const qint64 failed = clock.elapsed();
    EXPECT_FALSE(baseline.first().first().toBool());
    ASSERT_TRUE(baseline.wait(kPatienceMs));
    EXPECT_TRUE(baseline.last().first().toBool());
    EXPECT_GE(clock.elapsed() - failed, 5000);
    EXPECT_EQ(text("Label2"), site.chapterLine(novel));
    EXPECT_EQ(effects(), QStringList());
}

TEST_F(WebMonitor, TheSystemsProxyCarriesPlainAndHttpsPagesExceptForTheHostsItSkips)
{
    ASSERT_TRUE(authority.isReady());
    TestProxy proxy;
    const ScopedVariable trusted("SSL_CERT_FILE", authority.certificateFile());
    const ScopedVariable plain("http_proxy", proxy.address());
    const ScopedVariable secure("https_proxy", proxy.address());
    const int port = QUrl(site.baseAddress()).port();
    const QString proxied = QStringLiteral("%1:%2").arg(kProxiedHost).arg(port);
    pointAt("http://" + proxied);
    open();
    expectBaselineThenAlert();
    EXPECT_TRUE(proxy.requests.contains("GET " + proxied));

    const quint16 tlsPort = site.listenTls(authority.vouchedFor());
    pointAt(httpsAddress(kProxiedHost, tlsPort));
    QFile::remove(kRememberedPageFile);
    open();
    expectBaseline();
    EXPECT_TRUE(
        proxy.requests.contains(QStringLiteral("CONNECT %1:%2").arg(kProxiedHost).arg(tlsPort)));

    // A host listed in no_proxy is reached directly, which only works for one the machine knows.
    const ScopedVariable skipped("no_proxy", QStringLiteral("example.org,127.0.0.1"));
    const QStringList asked = proxy.requests;
    pointAt(site.baseAddress());
    QFile::remove(kRememberedPageFile);
    open();
    expectBaseline();
    EXPECT_EQ(proxy.requests, asked);
}

} // namespace
