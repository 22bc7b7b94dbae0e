#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

// The remembered titles, newest first, one per line of this file.
inline const QString kTitleListFile = QStringLiteral("QQ731508264.vemo");

// Entry positions of the title box are 16-bit, so its drop-down holds no more than this. The
// file keeps every title all the same.
constexpr int kTitleListLimit = 32767;

// The titles a list file's text holds: its lines, without the empty piece after the last
// line end.
QStringList titlesOfFile(const QString &fileText);

// Whether the title is one to remember: not empty, and not among the titles (exact,
// case-sensitive match).
bool isNewTitle(const QStringList &titles, const QString &title);

// The titles with the title as their first, no longer standing anywhere else.
QStringList withTitleFirst(const QStringList &titles, const QString &title);

// The lines without every line that equals the title exactly; an empty title drops nothing.
QStringList withoutTitle(const QStringList &lines, const QString &title);
// The lines without every line that equals one of the titles exactly.
QStringList withoutTitles(const QStringList &lines, const QSet<QString> &titles);
