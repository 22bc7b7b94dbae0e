// The window thread's longest stall while the query window loads a result page: the
// automatic query of the start, then queries asked for with "查询更新". Beside them, in the
// same process: the probe alone, and a bare web view loading the same page. Needs an X
// server:
//   QTWEBENGINE_DISABLE_SANDBOX=1 xvfb-run -a build/bench/query/result_page_stall_bench [rounds]

#include "app/browser_views.h"
#include "app/window_registry.h"
#include "bench/common/stall_probe.h"
#include "common/look.h"
#include "common/program_folder.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHttpServer>
#include <QPushButton>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTextStream>
#include <QWebEngineView>

namespace {

constexpr int kPatienceMs = 60000;

// A result page of the size the site serves: a few hundred rows of sites and chapters.
QByteArray resultPage()
{
    QByteArray page = "<html><head><meta charset=\"utf-8\"><title>result</title></head><body>"
                      "<table>";
    for (int row = 0; row < 400; ++row)
        page += QStringLiteral("<tr><td>小说站%1</td><td>第%1章 飞升灵界</td></tr>\r\n")
                    .arg(row)
                    .toUtf8();
    return page + "</table></body></html>";
}

// Waits for the view's next load to finish and returns the probe's longest gap since the
// given action.
double stallWhileLoading(StallProbe &probe, QWebEngineView *view,
                         const std::function<void()> &action)
{
    bool loaded = false;
    const QMetaObject::Connection connection =
        QObject::connect(view, &QWebEngineView::loadFinished, [&loaded] { loaded = true; });
    probe.restart();
    action();
    if (!runEventsUntil([&loaded] { return loaded; }, kPatienceMs))
        qFatal("%s never finished a load", qPrintable(view->objectName()));
    QObject::disconnect(connection);
    return probe.longestGapMs();
}

} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir folder;
    const QDir root(folder.path());
    for (const char *variable : {"XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME"})
        qputenv(variable, root.filePath(QString::fromLatin1(variable)).toUtf8());
    prepareBrowserViews();
    QApplication application(argc, argv);
    installFontSubstitutions();
    const int rounds = argc > 1 ? QString::fromLatin1(argv[1]).toInt() : 5;

    QHttpServer site;
    const QByteArray page = resultPage();
    site.route("/searchname.aspx",
               [&page] { return QHttpServerResponse("text/html; charset=utf-8", page); });
    const QString address =
        QStringLiteral("http://127.0.0.1:%1").arg(site.listen(QHostAddress::LocalHost));
    QDir().mkpath(root.filePath("XDG_CONFIG_HOME"));
    QFile settings(root.filePath("XDG_CONFIG_HOME/Ravoskelv1.3.6.ini"));
    settings.open(QIODevice::WriteOnly);
    QTextStream(&settings) << "[Endpoints]\nSearchSite=" << address << "\n"
                           << "VersionPage=" << address << "/version.html\n"
                           << "SupportPage=" << address << "/support.html\n";
    settings.close();
    QDir::setCurrent(folder.path());
    const ScopedOverride<QString> programFolder(programFolderSeam(), folder.path());
    QFile list(root.filePath("QQ731508264.vemo"));
    list.open(QIODevice::WriteOnly);
    list.write(QStringEncoder("GBK").encode(QStringLiteral("凡人修仙传\r\n")));
    list.close();

    StallProbe probe;
    WindowRegistry windows;
    // The automatic query comes half a second after the window's load, while the support
    // window and the version page load too.
    windows.showQueryWindow();
    auto *resultView = windows.queryWindow()->findChild<QWebEngineView *>("WebBrowser1");
    auto *queryButton = windows.queryWindow()->findChild<QPushButton *>("Command1");
    const double automaticQuery = stallWhileLoading(probe, resultView, [] {});
    QWebEngineView bareView;
    bareView.setObjectName(QStringLiteral("the bare view"));
    bareView.resize(resultView->size());
    bareView.show();
    const QUrl pageAddress(address + QStringLiteral("/searchname.aspx?wd=x"));
    QList<double> floors, bareLoads, queries;
    for (int round = 0; round < rounds; ++round) {
        probe.restart();
        runEventsUntil([] { return false; }, 1000);
        floors.append(probe.longestGapMs());
        bareLoads.append(stallWhileLoading(probe, &bareView, [&] { bareView.load(pageAddress); }));
        queries.append(
            stallWhileLoading(probe, resultView, [queryButton] { queryButton->click(); }));
    }
    QTextStream out(stdout);
    out << "longest stall of the window thread, ms, median of " << rounds << " rounds\n"
        << QString::asprintf("%-52s %8.1f\n", "floor: nothing but the probe, 1 s", median(floors))
        << QString::asprintf("%-52s %8.1f\n", "floor: a bare web view loading the page",
                             median(bareLoads))
        << QString::asprintf("%-52s %8.1f\n", "the automatic query after the start (once)",
                             automaticQuery)
        << QString::asprintf("%-52s %8.1f\n", "a query with \"查询更新\"", median(queries));
    return 0;
}
