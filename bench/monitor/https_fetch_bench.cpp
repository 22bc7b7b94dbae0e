// What https costs the monitor's download: the reference site's result page fetched through
// DownloadFile, as both fetches do, over plain http and over https with a certificate from an
// authority made for the run (trusted through SSL_CERT_FILE, as a user behind a company's
// authority would). Each fetch either opens a new connection, handshake included, as a poll
// minutes after the last one does, or reuses the one the last fetch left open, as polls a few
// seconds apart do.

#include "monitor/network_access.h"
#include "monitor/page_download.h"
#include "site/reference_site.h"
#include "site/test_authority.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QStringEncoder>
#include <QUrl>

#include <benchmark/benchmark.h>

#include <iostream>
#include <map>

namespace {

const QString kNovel = QStringLiteral("校花的贴身高手"); // a novel the site knows
enum Scheme : int64_t { kPlain, kHttps };
enum Connection : int64_t { kNew, kKept };

class HttpsBench {
public:
    HttpsBench()
    {
        qputenv("SSL_CERT_FILE", m_authority.certificateFile().toLocal8Bit());
        m_network = makeNetworkAccess(nullptr);
        m_site.listen();
        const quint16 tlsPort = m_site.listenTls(m_authority.vouchedFor());
        const QByteArray path =
            "/searchname.aspx?wd=" +
            QByteArray(QStringEncoder("GBK").encode(kNovel)).toPercentEncoding();
        m_urls[kPlain] = QUrl::fromEncoded(m_site.baseAddress().toLatin1() + path);
        m_urls[kHttps] = QUrl::fromEncoded(
            QStringLiteral("https://localhost:%1").arg(tlsPort).toLatin1() + path);
    }
    ~HttpsBench() { delete m_network; }

    bool isReady() const { return m_authority.isReady(); }

    bool fetch(Scheme scheme, Connection connection)
    {
        if (connection == kNew)
            m_network->clearConnectionCache();
        bool succeeded = false;
        QEventLoop loop;
        PageDownload download(*m_network, m_urls[scheme], [](const QByteArray &) { return true; });
        QObject::connect(&download, &PageDownload::finished, &loop, [&](bool ok) {
            succeeded = ok;
            loop.quit();
        });
        loop.exec();
        return succeeded;
    }

private:
    TestAuthority m_authority;
    ReferenceSite m_site;
    QNetworkAccessManager *m_network = nullptr;
    QUrl m_urls[2];
};

HttpsBench *bench = nullptr;

void resultPageFetch(benchmark::State &state)
{
    const auto scheme = static_cast<Scheme>(state.range(0));
    const auto connection = static_cast<Connection>(state.range(1));
    bench->fetch(scheme, kKept); // the first connection of a kind loads what it needs once
    for (auto _ : state) {
        if (!bench->fetch(scheme, connection))
            state.SkipWithError("the fetch failed");
    }
}

BENCHMARK(resultPageFetch)
    ->ArgNames({"https", "kept"})
    ->ArgsProduct({{kPlain, kHttps}, {kNew, kKept}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// Prints, after the usual table, how many times a plain fetch an https one takes.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    RatioReporter()
        : ConsoleReporter(OO_Tabular)
    {
    }

    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs) {
            const bool single = run.run_type == Run::RT_Iteration;
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if ((single || median) && !run.error_occurred)
                m_times[run.run_name.args] = run.GetAdjustedRealTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }

    void Finalize() override
    {
        for (const char *connection : {"0", "1"}) {
            const auto plain = m_times.find(std::string("https:0/kept:") + connection);
            const auto https = m_times.find(std::string("https:1/kept:") + connection);
            if (plain != m_times.end() && https != m_times.end())
                GetOutputStream() << (connection[0] == '0' ? "new" : "kept")
                                  << " connection: https / plain " << https->second / plain->second
                                  << ", https costs " << https->second - plain->second
                                  << " ms more\n";
        }
        ConsoleReporter::Finalize();
    }

private:
    std::map<std::string, double> m_times;
};

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    HttpsBench httpsBench;
    if (!httpsBench.isReady()) {
        std::cerr << "https_fetch_bench: openssl could not make the test authority\n";
        return 1;
    }
    bench = &httpsBench;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
