// Pingrel's start, from process start to its window on screen, and its peak memory, against a
// bare Qt Widgets program showing a window with a Chinese caption and label after one GBK
// decode, in the popup's font and in the toolkit's default font. Run under an X server
// (run_popup_bench.sh).
#include "bench/popup/window_map_watch.h"
#include "common/temp_folder.h"
#include "common/text_file.h"
#include "tests/support/handoff_files.h"

#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include <csignal>
#include <map>
#include <spawn.h>
#include <stdexcept>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char **environ;

namespace {

using namespace std::chrono_literals;

// Long enough after the map for the first paint and a few slide steps.
constexpr auto kRunAfterShown = 300ms;
constexpr auto kMapTimeout = 20s;

// Pingrel reads real hand-off files, as after a monitor's alert.
void writeHandOffFiles()
{
    writePrintLine(tempFilePath(kTitleHandoffFile), QStringLiteral("凡人修仙传"));
    writePrintLine(tempFilePath(kPageHandoffFile),
                   resultPage(QStringLiteral("<td>第一千二百章 飞升灵界</td>")));
}

struct Launch {
    double secondsToShown;
    long peakKib;
};

pid_t spawn(const char *program, const char *argument)
{
    pid_t child = 0;
    char *const arguments[] = {const_cast<char *>(program), const_cast<char *>(argument), nullptr};
    if (posix_spawn(&child, program, nullptr, nullptr, arguments, environ) != 0)
        throw std::runtime_error(std::string("cannot start ") + program);
    return child;
}

long endAndTakePeakKib(pid_t child)
{
    kill(child, SIGTERM);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    return usage.ru_maxrss;
}

// One connection for the whole run: an X server with no clients left resets itself, and a
// connection made during the reset fails.
WindowMapWatch &mapWatch()
{
    static WindowMapWatch watch;
    return watch;
}

Launch launchOnce(const char *program, const char *argument)
{
    WindowMapWatch &watch = mapWatch();
    const auto started = std::chrono::steady_clock::now();
    const pid_t child = spawn(program, argument);
    std::chrono::steady_clock::time_point shown;
    const bool wasShown = watch.waitForMap(kMapTimeout, &shown);
    std::this_thread::sleep_for(kRunAfterShown);
    const long peak = endAndTakePeakKib(child);
    if (!wasShown)
        throw std::runtime_error(std::string(program) + " showed no window");
    return {std::chrono::duration<double>(shown - started).count(), peak};
}

void measureStart(benchmark::State &state, const char *program, const char *argument = nullptr)
{
    long peakTotal = 0;
    for (auto _ : state) {
        const Launch launch = launchOnce(program, argument);
        state.SetIterationTime(launch.secondsToShown);
        peakTotal += launch.peakKib;
    }
    state.counters["peak_KiB"] =
        benchmark::Counter(static_cast<double>(peakTotal), benchmark::Counter::kAvgIterations);
}

void BM_FloorWindowStart(benchmark::State &state)
{
    measureStart(state, FLOOR_WINDOW_PATH);
}

void BM_FloorWindowSystemFontStart(benchmark::State &state)
{
    measureStart(state, FLOOR_WINDOW_PATH, "system-font");
}

void BM_PingrelStart(benchmark::State &state)
{
    measureStart(state, PINGREL_PATH);
}

BENCHMARK(BM_FloorWindowStart)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_FloorWindowSystemFontStart)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);
BENCHMARK(BM_PingrelStart)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

// Prints the table as usual, then Pingrel against each floor as ratios.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    // Colours only for a terminal, so a saved run reads cleanly.
    RatioReporter()
        : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_Defaults : OO_Tabular)
    {
    }

    // With repetitions the median stands for a benchmark, otherwise its one run.
    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs) {
            if (run.run_type == Run::RT_Iteration || run.aggregate_name == "median")
                m_runs.insert_or_assign(run.run_name.function_name, run);
        }
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        compare("floor", "BM_FloorWindowStart");
        compare("floor in the default font", "BM_FloorWindowSystemFontStart");
    }

private:
    void compare(const char *floorName, const std::string &floorBenchmark)
    {
        const auto floor = m_runs.find(floorBenchmark);
        const auto pingrel = m_runs.find("BM_PingrelStart");
        if (floor == m_runs.end() || pingrel == m_runs.end())
            return;
        GetOutputStream() << "Pingrel / " << floorName << ": start-to-shown "
                          << pingrel->second.GetAdjustedRealTime() /
                                 floor->second.GetAdjustedRealTime()
                          << ", peak memory "
                          << pingrel->second.counters.at("peak_KiB").value /
                                 floor->second.counters.at("peak_KiB").value
                          << "\n";
    }

    std::map<std::string, Run> m_runs;
};

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    QTemporaryDir cache;
    qputenv("XDG_CACHE_HOME", cache.path().toUtf8());
    writeHandOffFiles();
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
