#include "program_folder.h"

#include <QCoreApplication>

#include <utility>

namespace {

QString &replacement()
{
    static QString folder;
    return folder;
}

} // namespace

QString programFolder()
{
    return replacement().isEmpty() ? QCoreApplication::applicationDirPath() : replacement();
}

QString replaceProgramFolder(const QString &folder)
{
    return std::exchange(replacement(), folder);
}
