#include "code_page_check.h"
#include "display_session.h"
#include "form4.h"
#include "handler_guard.h"
#include "look.h"

#include <QApplication>

int main(int argc, char **argv)
{
    preferX11InWaylandSession();
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pingrel"));
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
