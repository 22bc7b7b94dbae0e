#include "common/msgbox.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace {

void showDialog(const QString &text)
{
    // Each program's boxes carry its own title, the name its main() gave the application.
    QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(), text,
                    QMessageBox::Ok);
    box.exec();
}

} // namespace

void MsgBox(const QString &text)
{
    messageBoxSeam().get()(text);
}

Replaceable<MessageBoxHandler> &messageBoxSeam()
{
    static Replaceable<MessageBoxHandler> seam(showDialog);
    return seam;
}
