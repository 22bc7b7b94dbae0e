#include "common/msgbox.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace {

void showDialog(const QString &text)
{
    // Each program's boxes carry its own title, the name its main() gave the application.
    QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(), text,
                    QMessageBox::Ok);
    // Titles, file names and page texts reach the box as typed or found: data, never markup.
    box.setTextFormat(Qt::PlainText);
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
