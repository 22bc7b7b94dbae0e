// The title list at its limit: the start-up fill of the drop-down from the list file, and
// one add of a new title (drop-down insert plus the whole file rewritten).
#include "common/program_folder.h"
#include "common/text_file.h"
#include "query/form1.h"
#include "query/title_list.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

QStringList fullList()
{
    QStringList titles;
    for (int i = 0; i < kTitleListLimit; ++i)
        titles.append(QStringLiteral("小说第%1部").arg(i));
    return titles;
}

void BM_StartUpFillAtTheLimit(benchmark::State &state)
{
    writeLines(kTitleListFile, fullList());
    for (auto _ : state) {
        state.PauseTiming();
        auto window = std::make_unique<Form1>();
        state.ResumeTiming();
        window->Form_Load();
        state.PauseTiming();
        window.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartUpFillAtTheLimit)->Unit(benchmark::kMillisecond);

void BM_AddOneTitleAtTheLimit(benchmark::State &state)
{
    writeLines(kTitleListFile, fullList());
    Form1 window;
    window.Form_Load();
    auto *combo = window.findChild<QComboBox *>(QStringLiteral("Combo1"));
    int added = 0;
    for (auto _ : state) {
        combo->setEditText(QStringLiteral("新书%1").arg(added++));
        window.Combo1_LostFocus();
    }
}
BENCHMARK(BM_AddOneTitleAtTheLimit)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication application(argc, argv);
    QTemporaryDir folder;
    QDir::setCurrent(folder.path());
    const ScopedOverride programFolder(programFolderSeam(), folder.path());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
