#include "handoff_files.h"

#include "line_model.h"
#include "temp_folder.h"
#include "text_file.h"

void handOffTitle(const QString &title)
{
    writePrintLine(tempFilePath(kTitleHandoffFile), title);
}

void handOffPage(const QString &chapterLine)
{
    writePrintLine(tempFilePath(kPageHandoffFile), pageWithChapterLine(chapterLine, kLineEnd));
}

QString pageWithChapterLine(const QString &chapterLine, const QString &lineEnd)
{
    QString page;
    for (int line = 0; line < 70; ++line)
        page +=
            (line == kChapterLine ? chapterLine : QStringLiteral("<p>%1</p>").arg(line)) + lineEnd;
    return page;
}
