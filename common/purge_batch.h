#pragma once

#include <QString>

// The two cache folders of the older profile layout, as the windows' hidden boxes hold them.
inline const QString kPurgeLine1 = QStringLiteral(
    "del /s /q /f \"%userprofile%\\Local Settings\\Temporary Internet Files\\*.aspx\"");
inline const QString kPurgeLine2 = QStringLiteral(
    "del /s /q /f \"%userprofile%\\Local Settings\\Temporary Internet Files\\*.htm\"");

// The five lines of the batch that clears the browser's cached site pages. The third line
// changes drive as well as folder and ends the batch when the folder cannot be entered, so
// the two deletes after it never run anywhere but in the cache.
QString purgeBatchText(const QString &line1, const QString &line2);

// Writes the batch to the temporary folder and starts it hidden, without waiting.
void purgeBrowserCache(const QString &line1, const QString &line2);
