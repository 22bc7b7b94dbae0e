#include "common/temp_folder.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

QString tempFolder()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
                           QStringLiteral("/Ravoskel/Temp");
    if (!QDir(folder).exists()) {
        QDir().mkpath(folder);
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ExeOwner);
    }
    return folder;
}

QString tempFilePath(const QString &fileName)
{
    return tempFolder() + QLatin1Char('/') + fileName;
}
