#include "common/program_folder.h"

#include <QCoreApplication>
#include <QDir>

QString programFolder()
{
    return programFolderSeam().get();
}

void enterProgramFolder()
{
    QDir::setCurrent(QCoreApplication::applicationDirPath());
}

Replaceable<QString> &programFolderSeam()
{
    // Asked for only once the application exists, which knows where its program lies.
    static Replaceable<QString> seam(QCoreApplication::applicationDirPath());
    return seam;
}
