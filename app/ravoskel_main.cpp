#include "code_page_check.h"
#include "launcher.h"
#include "look.h"
#include "program_identity.h"
#include "window_registry.h"

#include <QApplication>
#include <QWebEngineProfile>

int main(int argc, char *argv[])
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication application(argc, argv);
    QApplication::setApplicationName(kProgramTitle);
    if (!ansiCodePageReady())
        return 1;
    installFontSubstitutions();
    // There is no command interpreter to run the purge batch here; the embedded browser's own
    // cache is what it would have cleared.
    setBrowserCachePurger([] { QWebEngineProfile::defaultProfile()->clearHttpCache(); });
    WindowRegistry windows;
    windows.showQueryWindow();
    return QApplication::exec();
}
