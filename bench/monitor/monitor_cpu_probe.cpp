// The monitor window alone, monitoring as the user would start it: name and interval from
// the settings store, both alert boxes ticked. bench/monitor/monitor_cpu.sh measures it.

#include "common/look.h"
#include "monitor/form3.h"

#include <QApplication>
#include <QCheckBox>
#include <QTextStream>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    installFontSubstitutions();
    Form3 form;
    form.Form_Load();
    for (const char *box : {"Check1", "Check2"})
        form.findChild<QCheckBox *>(QLatin1String(box))->setChecked(true);
    form.show();
    form.Command1_Click();
    QTextStream log(stdout);
    QObject::connect(&form, &Form3::serverChapterFetchFinished, [&log](bool succeeded) {
        log << (succeeded ? "fetched" : "fetch failed") << Qt::endl;
    });
    return application.exec();
}
