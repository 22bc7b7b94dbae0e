#include "common/program_folder.h"

#include <QCoreApplication>
#include <QDir>

QString programFolder()
{
    const QString &replaced = programFolderSeam().get();
    return replaced.isEmpty() ? QCoreApplication::applicationDirPath() : replaced;
}

void enterProgramFolder()
{
    QDir::setCurrent(QCoreApplication::applicationDirPath());
}

Replaceable<QString> &programFolderSeam()
{
    static Replaceable<QString> seam;
    return seam;
}
