#include "common/code_page_check.h"
#include "common/display_session.h"
#include "common/handler_guard.h"
#include "common/look.h"
#include "common/program_folder.h"
#include "popup/form4.h"

#include <QApplication>

int main(int argc, char **argv)
{
    preferX11InWaylandSession();
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pingrel"));
    enterProgramFolder();
    if (!ansiCodePageReady())
        return 1;
    installFontSubstitutions();
    Form4 form;
    // The window refuses every close request, so only its slide-out ends the program.
    QObject::connect(&form, &Form4::slidOut, [] { QCoreApplication::exit(0); });
    runGuarded([&form] { form.Form_Load(); });
    form.show();
    return QApplication::exec();
}
