#pragma once

#include "site/novel_catalog.h"

#include <QString>
#include <QStringList>

// The programs find a novel's newest chapter on this line of the result page (0-based).
inline constexpr int kChapterLineIndex = 56;

// The search result page for a title, one entry a line, without line ends. Line
// kChapterLineIndex names the newest chapter, or says that the title was not found.
QStringList resultPageLines(const NovelCatalog &catalog, const QString &title);
QString chapterLine(const NovelCatalog &catalog, const QString &title);
