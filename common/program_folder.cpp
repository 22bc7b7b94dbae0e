#include "common/program_folder.h"

#include <QCoreApplication>

QString programFolder()
{
    return programFolderSeam().get();
}

Replaceable<QString> &programFolderSeam()
{
    // Asked for only once the application exists, which knows where its program lies.
    static Replaceable<QString> seam(QCoreApplication::applicationDirPath());
    return seam;
}
