#include "code_page_check.h"
#include "display_session.h"
#include "launcher.h"
#include "look.h"
#include "program_identity.h"
#include "window_registry.h"

#include <QApplication>
#include <QQuickWindow>
#include <QWebEngineProfile>

int main(int argc, char *argv[])
{
    preferX11InWaylandSession();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    // A window holding a browser view that draws through OpenGL is recomposed whole, through
    // OpenGL, at every repaint of any label in it, and the query window recolours two labels
    // every second: on a desktop without a graphics card that alone kept a core 1 % busy.
    // Drawn in software, the view takes part in ordinary widget painting, and a label's
    // repaint costs what it costs in any window. A page of search results needs no more.
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
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
