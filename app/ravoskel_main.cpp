#include "app/browser_views.h"
#include "app/window_registry.h"
#include "common/code_page_check.h"
#include "common/display_session.h"
#include "common/look.h"
#include "common/program_folder.h"
#include "common/program_identity.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    preferX11InWaylandSession();
    prepareBrowserViews();
    QApplication application(argc, argv);
    QApplication::setApplicationName(kProgramTitle);
    enterProgramFolder();
    if (!ansiCodePageReady())
        return 1;
    installFontSubstitutions();
    WindowRegistry windows;
    windows.showQueryWindow();
    return QApplication::exec();
}
