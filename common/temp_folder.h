#pragma once

#include <QString>

// The folder where both programs keep their temporary and hand-off files: "C:\Windows\Temp"
// on Windows, a per-user folder elsewhere ($XDG_CACHE_HOME/Ravoskel/Temp), created
// owner-only when first needed because fixed file names in a shared folder could be planted.
QString tempFolder();
QString tempFilePath(const QString &fileName);

// The fixed files in that folder.
inline const QString kTitleHandoffFile = QStringLiteral("731508264.mo");
inline const QString kPageHandoffFile = QStringLiteral("Q731508264.mo");
inline const QString kRawPageFile = QStringLiteral("Q731508264.ve");
inline const QString kPurgeBatchFile = QStringLiteral("delCache.bat");
