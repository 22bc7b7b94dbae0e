#include "common/program_folder.h"

#include <QCoreApplication>

QString programFolder()
{
    const QString &replaced = programFolderSeam().get();
    return replaced.isEmpty() ? QCoreApplication::applicationDirPath() : replaced;
}

Replaceable<QString> &programFolderSeam()
{
    static Replaceable<QString> seam;
    return seam;
}
