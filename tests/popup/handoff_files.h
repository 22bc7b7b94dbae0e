#pragma once

#include "line_model.h"
#include "temp_folder.h"
#include "text_file.h"

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
