#pragma once

#include <QString>

// The hand-off files as the monitor leaves them for the popup.
void handOffTitle(const QString &title);
// A result page whose chapter line holds the given text.
void handOffPage(const QString &chapterLine);
QString pageWithChapterLine(const QString &chapterLine, const QString &lineEnd);
