#include "browser_views.h"
#include "code_page_check.h"
#include "display_session.h"
#include "look.h"
#include "program_identity.h"
#include "window_registry.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    preferX11InWaylandSession();
    prepareBrowserViews();
    QApplication application(argc, argv);
    QApplication::setApplicationName(kProgramTitle);
    if (!ansiCodePageReady())
        return 1;
    installFontSubstitutions();
    WindowRegistry windows;
    windows.showQueryWindow();
    return QApplication::exec();
}
