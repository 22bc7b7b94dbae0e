#include "common/purge_batch.h"

#include "common/launcher.h"
#include "common/line_model.h"
#include "common/temp_folder.h"
#include "common/text_file.h"

#include <QStringList>

QString purgeBatchText(const QString &line1, const QString &line2)
{
    return QStringList{
        line1,
        line2,
        QStringLiteral("cd /d \"%USERPROFILE%\\AppData\\Local\\Microsoft\\Windows\\Temporary "
                       "Internet Files\\content.IE5\\\" || exit /b 1"),
        QStringLiteral("del /s /q /f *.aspx"),
        QStringLiteral("del /s /q /f *.htm"),
    }
        .join(kLineEnd);
}

void purgeBrowserCache(const QString &line1, const QString &line2)
{
    const QString batchPath = tempFilePath(kPurgeBatchFile);
    writePrintLine(batchPath, purgeBatchText(line1, line2));
    runPurgeBatch(batchPath);
}
