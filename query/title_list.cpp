#include "query/title_list.h"

#include "common/line_model.h"

QStringList titlesOfFile(const QString &fileText)
{
    QStringList lines = splitLines(fileText);
    if (lines.constLast().isEmpty())
        lines.removeLast();
    return lines;
}

bool isNewTitle(const QStringList &titles, const QString &title)
{
    return !title.isEmpty() && !titles.contains(title, Qt::CaseSensitive);
}

QStringList withTitleFirst(const QStringList &titles, const QString &title)
{
    return QStringList{title} + withoutTitle(titles, title);
}

QStringList withoutTitle(const QStringList &lines, const QString &title)
{
    return title.isEmpty() ? lines : withoutTitles(lines, {title});
}

QStringList withoutTitles(const QStringList &lines, const QSet<QString> &titles)
{
    if (titles.isEmpty())
        return lines;
    QStringList kept;
    kept.reserve(lines.size());
    for (const QString &line : lines) {
        if (!titles.contains(line))
            kept.append(line);
    }
    return kept;
}
