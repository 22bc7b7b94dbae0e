// One server-chapter fetch of the monitor window (purge batch, download, UTF-8 decode, GBK
// page hand-off file, read back, chapter line) against the plain floor of the same job done
// in the same process: one download, one UTF-8 decode, one GBK write. Both fetch the same
// pages from a loopback server in this process. The server hands out two editions of the page
// in turn, as a live result page changes between polls: a fetch that saved work only when the
// page had not changed would otherwise look cheaper than it is.

#include "bench/monitor/large_result_page.h"
#include "common/settings_store.h"
#include "common/temp_folder.h"
#include "monitor/form3.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QHttpServer>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <iostream>
#include <map>
#include <optional>
#include <string>

namespace {

const QString kChapter = QStringLiteral("<td class=\"chapter\">第9999章 大结局</td>");
constexpr int64_t k64KB = 64 << 10;
constexpr int64_t k1MB = 1 << 20;
constexpr int64_t k10MB = 10 << 20;

class FetchBench {
public:
    FetchBench()
    {
        qputenv("XDG_CONFIG_HOME", QDir(m_folder.path()).filePath("config").toUtf8());
        qputenv("XDG_CACHE_HOME", QDir(m_folder.path()).filePath("cache").toUtf8());
        QDir::setCurrent(m_folder.path());
        m_server.route("/searchname.aspx", [this] {
            return QHttpServerResponse("text/html; charset=utf-8", m_pages[m_served++ % 2]);
        });
        const quint16 port = m_server.listen(QHostAddress::LocalHost);
        m_address = QStringLiteral("http://127.0.0.1:%1").arg(port);
        writeSetting(QStringLiteral("Endpoints"), QStringLiteral("SearchSite"), m_address);
        m_form.Form_Load();
        // The first fetch of a process loads the code page's converter and learns which
        // characters it drops; that is paid once per run, not at every poll.
        servePage(k64KB);
        serverChapterFetch();
    }

    void servePage(qsizetype bytes)
    {
        m_pages[0] = largeResultPage(bytes, kChapter);
        m_pages[1] = QByteArray(m_pages[0]).replace("<tr>", "<TR>");
    }

    bool serverChapterFetch()
    {
        bool succeeded = false;
        QEventLoop loop;
        QObject::connect(&m_form, &Form3::serverChapterFetchFinished, &loop, [&](bool ok) {
            succeeded = ok;
            loop.quit();
        });
        m_form.Timer2_Timer();
        loop.exec();
        // The whole page must have gone through, not a prefix of it: GBK takes two bytes for
        // what UTF-8 takes three.
        return succeeded &&
               QFileInfo(tempFilePath(kPageHandoffFile)).size() > m_pages[0].size() / 2;
    }

    void plainFloor()
    {
        QNetworkRequest request(QUrl(m_address + QStringLiteral("/searchname.aspx?wd=x")));
        request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                             QNetworkRequest::AlwaysNetwork);
        QNetworkReply *reply = m_network.get(request);
        QEventLoop loop;
        QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
        loop.exec();
        const QString text = QStringDecoder(QStringDecoder::Utf8).decode(reply->readAll());
        reply->deleteLater();
        QSaveFile file(QDir(m_folder.path()).filePath("floor.mo"));
        file.open(QIODevice::WriteOnly);
        file.write(QStringEncoder("GBK").encode(text));
        file.commit();
    }

private:
    QTemporaryDir m_folder;
    QHttpServer m_server;
    QByteArray m_pages[2];
    int m_served = 0;
    QString m_address;
    QNetworkAccessManager m_network;
    Form3 m_form;
};

FetchBench *bench = nullptr;

void serverChapterFetch(benchmark::State &state)
{
    bench->servePage(state.range(0));
    for (auto _ : state) {
        if (!bench->serverChapterFetch())
            state.SkipWithError("the fetch failed or lost part of the page");
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
}

void plainFloor(benchmark::State &state)
{
    bench->servePage(state.range(0));
    for (auto _ : state)
        bench->plainFloor();
    state.SetBytesProcessed(state.iterations() * state.range(0));
}

BENCHMARK(serverChapterFetch)
    ->Arg(k64KB)
    ->Arg(k1MB)
    ->Arg(k10MB)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(plainFloor)
    ->Arg(k64KB)
    ->Arg(k1MB)
    ->Arg(k10MB)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// Prints, after the usual table, how many times the floor each fetch takes, what it costs
// per byte of page, and how a 10 MB page compares with a 1 MB one.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    RatioReporter()
        : ConsoleReporter(OO_Tabular) // plain text: the figures are pasted into bench/README.md
    {
    }

    void ReportRuns(const std::vector<Run> &runs) override
    {
        // With repetitions the median stands for the benchmark; without, the single run.
        for (const Run &run : runs) {
            const bool single = run.run_type == Run::RT_Iteration;
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if ((single || median) && !run.error_occurred)
                m_times[run.run_name.str()] = run.GetAdjustedRealTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }

    void Finalize() override
    {
        std::ostream &out = GetOutputStream();
        for (const int64_t size : {k64KB, k1MB, k10MB}) {
            const auto fetch = fetchTime(size);
            const auto floor = timeOf("plainFloor", size);
            if (!fetch || !floor)
                continue;
            out << "at " << size << " bytes: server-chapter fetch / plain floor " << *fetch / *floor
                << ", fetch " << *fetch * 1e6 / static_cast<double>(size) << " ns per byte\n";
        }
        if (const auto large = fetchTime(k10MB), medium = fetchTime(k1MB); large && medium)
            out << "server-chapter fetch, 10 MB page / 1 MB page: " << *large / *medium << "\n";
        ConsoleReporter::Finalize();
    }

private:
    // The median, or the single run, in milliseconds.
    std::optional<double> timeOf(const std::string &benchmark, int64_t size) const
    {
        const auto found = m_times.find(benchmark + "/" + std::to_string(size) + "/real_time");
        return found == m_times.end() ? std::nullopt : std::optional(found->second);
    }
    std::optional<double> fetchTime(int64_t size) const
    {
        return timeOf("serverChapterFetch", size);
    }

    std::map<std::string, double> m_times;
};

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    FetchBench fetchBench;
    bench = &fetchBench;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
