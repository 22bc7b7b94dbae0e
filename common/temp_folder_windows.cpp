#include "common/temp_folder.h"

QString tempFolder()
{
    return QStringLiteral("C:\\Windows\\Temp");
}

QString tempFilePath(const QString &fileName)
{
    return tempFolder() + QLatin1Char('\\') + fileName;
}
