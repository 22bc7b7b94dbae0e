#include "msgbox.h"

#include "program_identity.h"

#include <QMessageBox>

namespace {

MessageBoxHandler &currentHandler()
{
    static MessageBoxHandler handler;
    return handler;
}

void showDialog(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, kProgramTitle, text, QMessageBox::Ok);
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
