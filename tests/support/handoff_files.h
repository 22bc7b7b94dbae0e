#pragma once

#include "common/line_model.h"
#include "common/temp_folder.h"
#include "common/text_file.h"

// A result page whose chapter line holds the given text between lines that differ from it.
inline QString resultPage(const QString &chapterLine, const QString &lineEnd = kLineEnd)
{
    QStringList page(kChapterLine, QStringLiteral("<p>before</p>"));
    return (page << chapterLine << QStringLiteral("</p>")).join(lineEnd);
}

inline QString captionFor(const QString &title)
{
    return "来自Ravoskel的消息:【" + title + "已有更新章节】-VemoQQ731508264";
}

// Where the popup's frame comes to rest, in pixels: risen in two-pixel steps from the
// screen's bottom edge, at most one pixel above flush with it.
inline int popupRestingTop(int screenBottomEdge, int outerHeight)
{
    return screenBottomEdge - 2 * ((outerHeight + 1) / 2);
}
