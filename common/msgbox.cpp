#include "msgbox.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace {

MessageBoxHandler &currentHandler()
{
    static MessageBoxHandler handler;
    return handler;
}

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
    if (currentHandler())
        currentHandler()(text);
    else
        showDialog(text);
}

MessageBoxHandler replaceMessageBoxHandler(MessageBoxHandler handler)
{
    return std::exchange(currentHandler(), std::move(handler));
}
