// The window thread's longest stall while the monitor fetches: a 10 MB result page as the
// baseline and as the server chapter, over http and over https (from an authority made for the
// run and trusted through SSL_CERT_FILE), and a site that takes the request and never answers
// until the download limit gives up on it. Beside them, in the same run, the floors: the probe
// with nothing else to do, and the probe during a plain download of the same page.
//   monitor_stall_bench [rounds]

#include "bench/common/stall_probe.h"
#include "bench/monitor/large_result_page.h"
#include "common/replaceable.h"
#include "common/settings_store.h"
#include "monitor/download_timeout.h"
#include "monitor/form3.h"
#include "site/test_authority.h"
#include "site/tls_listener.h"

#include <QApplication>
#include <QDir>
#include <QHttpServer>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>

#include <cstdio>

namespace {

using namespace std::chrono_literals;

const QString kChapter = QStringLiteral("<td class=\"chapter\">第9999章 大结局</td>");
constexpr qsizetype k10MB = 10 << 20;
constexpr int kPatienceMs = 120000;
// The download limit stands at half a minute; the stall before it is the same at any length.
constexpr auto kDownloadLimit = 2s;
enum Scheme { kHttp, kHttps };

class MonitorStallBench {
public:
    // The authority must be trusted before the monitor's window makes its network access.
    explicit MonitorStallBench(const TestAuthority &authority)
    {
        qputenv("XDG_CONFIG_HOME", QDir(m_folder.path()).filePath("config").toUtf8());
        qputenv("XDG_CACHE_HOME", QDir(m_folder.path()).filePath("cache").toUtf8());
        QDir::setCurrent(m_folder.path());
        m_pages[0] = largeResultPage(k10MB, kChapter);
        m_pages[1] = QByteArray(m_pages[0]).replace("<tr>", "<TR>");
        m_server.route("/searchname.aspx", [this] {
            return QHttpServerResponse("text/html; charset=utf-8", m_pages[m_served++ % 2]);
        });
        m_addresses[kHttp] =
            QStringLiteral("http://127.0.0.1:%1").arg(m_server.listen(QHostAddress::LocalHost));
        m_addresses[kHttps] = QStringLiteral("https://127.0.0.1:%1")
                                  .arg(listenOverTls(m_server, authority.vouchedFor(), [] {}));
        // Takes the connection and the request, and never answers.
        m_silentSite.listen(QHostAddress::LocalHost);
        // A real site is another machine: what it spends on sending, encryption included, is
        // kept off the thread measured.
        m_server.moveToThread(&m_siteThread);
        m_siteThread.start();
        m_form.Form_Load();
        useSite(m_addresses[kHttp]);
        // The first fetch of a process loads the code page's converter.
        fetch(&Form3::Timer2_Timer, &Form3::serverChapterFetchFinished);
    }

    ~MonitorStallBench()
    {
        m_siteThread.quit();
        m_siteThread.wait();
    }

    double idle()
    {
        m_probe.restart();
        runEventsUntil([] { return false; }, 1000);
        return m_probe.longestGapMs();
    }

    double plainDownload(Scheme scheme)
    {
        QNetworkRequest request(
            QUrl(m_addresses[scheme] + QStringLiteral("/searchname.aspx?wd=x")));
        request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                             QNetworkRequest::AlwaysNetwork);
        m_probe.restart();
        QNetworkReply *reply = m_network.get(request);
        runEventsUntil([reply] { return reply->isFinished(); }, kPatienceMs);
        const double stall = m_probe.longestGapMs();
        reply->deleteLater();
        return stall;
    }

    double currentChapterFetch(Scheme scheme)
    {
        useSite(m_addresses[scheme]);
        return fetch(&Form3::Timer1_Timer, &Form3::currentChapterFetchFinished);
    }

    double serverChapterFetch(Scheme scheme)
    {
        useSite(m_addresses[scheme]);
        return fetch(&Form3::Timer2_Timer, &Form3::serverChapterFetchFinished);
    }

    double stalledSite()
    {
        const ScopedOverride<std::chrono::milliseconds> limit(downloadTimeoutSeam(),
                                                              kDownloadLimit);
        useSite(QStringLiteral("http://127.0.0.1:%1").arg(m_silentSite.serverPort()));
        return fetch(&Form3::Timer2_Timer, &Form3::serverChapterFetchFinished);
    }

private:
    void useSite(const QString &address)
    {
        writeSetting(QStringLiteral("Endpoints"), QStringLiteral("SearchSite"), address);
    }

    // The stall from the tick that starts the fetch to its report.
    double fetch(void (Form3::*tick)(), void (Form3::*report)(bool))
    {
        bool reported = false;
        const QMetaObject::Connection connection =
            QObject::connect(&m_form, report, &m_form, [&reported] { reported = true; });
        m_probe.restart();
        (m_form.*tick)();
        if (!runEventsUntil([&reported] { return reported; }, kPatienceMs))
            qFatal("the fetch never reported");
        QObject::disconnect(connection);
        return m_probe.longestGapMs();
    }

    QTemporaryDir m_folder;
    QThread m_siteThread;
    QHttpServer m_server;
    QTcpServer m_silentSite;
    QByteArray m_pages[2];
    int m_served = 0;
    QString m_addresses[2];
    QNetworkAccessManager m_network;
    Form3 m_form;
    StallProbe m_probe;
};

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int rounds = argc > 1 ? QString::fromLatin1(argv[1]).toInt() : 5;
    TestAuthority authority;
    if (!authority.isReady())
        qFatal("openssl could not make the test authority");
    qputenv("SSL_CERT_FILE", authority.certificateFile().toLocal8Bit());
    MonitorStallBench bench(authority);
    const QList<std::pair<const char *, std::function<double()>>> cases = {
        {"floor: nothing but the probe, 1 s", [&] { return bench.idle(); }},
        {"floor: plain download of the 10 MB page", [&] { return bench.plainDownload(kHttp); }},
        {"current-chapter fetch, 10 MB page", [&] { return bench.currentChapterFetch(kHttp); }},
        {"server-chapter fetch, 10 MB page", [&] { return bench.serverChapterFetch(kHttp); }},
        {"floor: plain download over https", [&] { return bench.plainDownload(kHttps); }},
        {"current-chapter fetch over https", [&] { return bench.currentChapterFetch(kHttps); }},
        {"server-chapter fetch over https", [&] { return bench.serverChapterFetch(kHttps); }},
        {"server-chapter fetch, site silent until the limit", [&] { return bench.stalledSite(); }},
    };
    QList<QList<double>> stalls(cases.size());
    // Rounds interleave the cases, so that a disturbance of the machine meets all of them.
    for (int round = 0; round < rounds; ++round) {
        for (qsizetype i = 0; i < cases.size(); ++i)
            stalls[i].append(cases[i].second());
    }
    QTextStream out(stdout);
    out << "longest stall of the window thread, ms, over " << rounds << " rounds: median (max)\n";
    for (qsizetype i = 0; i < cases.size(); ++i) {
        out << QString::asprintf("%-52s %8.1f (%.1f)\n", cases[i].first, median(stalls[i]),
                                 *std::max_element(stalls[i].begin(), stalls[i].end()));
    }
    return 0;
}
