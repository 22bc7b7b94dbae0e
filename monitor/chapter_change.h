#pragma once

#include <QString>

// What the two chapter labels show before any page has been read. The blanks push the text
// to the right of the labels that the chapter labels run under.
inline const QString kAwaitingCurrentChapter =
    QString(78, u' ') + QStringLiteral("获取目前章节......");
inline const QString kAwaitingServerChapter =
    QString(78, u' ') + QStringLiteral("获取服务器章节.........");

// Whether the server's chapter line counts as new against the current one. Letter case does
// not count; every other character does, and a line that went back to an older text is new
// too. Before a current chapter has been read there is nothing to be new against.
bool chapterChanged(const QString &currentCaption, const QString &serverCaption);
