#include "monitor/chapter_change.h"

bool chapterChanged(const QString &currentCaption, const QString &serverCaption)
{
    if (currentCaption == kAwaitingCurrentChapter)
        return false;
    return currentCaption.toLower() != serverCaption.toLower();
}
