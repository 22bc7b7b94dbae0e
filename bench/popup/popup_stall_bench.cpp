// The window thread's longest stall while the popup slides into view and out again, in the
// popup's own font, against the probe alone in the same process. Needs an X server:
//   xvfb-run -a build/bench/popup/popup_stall_bench [rounds]

#include "bench/common/stall_probe.h"
#include "common/look.h"
#include "common/temp_folder.h"
#include "common/text_file.h"
#include "popup/form4.h"
#include "tests/support/handoff_files.h"

#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QTemporaryDir>
#include <QTextStream>

#include <memory>

namespace {

constexpr int kPatienceMs = 60000;

double idle(StallProbe &probe)
{
    probe.restart();
    runEventsUntil([] { return false; }, 1000);
    return probe.longestGapMs();
}

// From the popup shown to its slide-out, asked for once it has risen.
double slide(StallProbe &probe)
{
    Form4 form;
    bool slidOut = false;
    QObject::connect(&form, &Form4::slidOut, [&slidOut] { slidOut = true; });
    form.Form_Load();
    probe.restart();
    form.show();
    const QRect screen = form.screen()->geometry();
    const auto risen = [&form, &screen] {
        return form.frameGeometry().top() ==
               popupRestingTop(screen.y() + screen.height(), form.frameGeometry().height());
    };
    if (!runEventsUntil(risen, kPatienceMs))
        qFatal("the popup never rose");
    form.close();
    if (!runEventsUntil([&slidOut] { return slidOut; }, kPatienceMs))
        qFatal("the popup never slid out");
    return probe.longestGapMs();
}

} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir folder;
    qputenv("XDG_CACHE_HOME", QDir(folder.path()).filePath("cache").toUtf8());
    QApplication application(argc, argv);
    installFontSubstitutions();
    const int rounds = argc > 1 ? QString::fromLatin1(argv[1]).toInt() : 5;
    writePrintLine(tempFilePath(kTitleHandoffFile), QStringLiteral("凡人修仙传"));
    writePrintLine(tempFilePath(kPageHandoffFile),
                   resultPage(QStringLiteral("<td>第一千二百章 飞升灵界</td>")));
    StallProbe probe;
    QList<double> floors, slides;
    for (int round = 0; round < rounds; ++round) {
        floors.append(idle(probe));
        slides.append(slide(probe));
    }
    QTextStream out(stdout);
    out << "longest stall of the window thread, ms, median of " << rounds << " rounds\n"
        << QString::asprintf("%-40s %8.1f\n", "floor: nothing but the probe, 1 s", median(floors))
        << QString::asprintf("%-40s %8.1f\n", "the popup sliding in and out", median(slides));
    return 0;
}
