#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>

// The remembered titles, newest first, one per line of this file.
inline const QString kTitleListFile = QStringLiteral("QQ731508264.vemo");

// Entry positions of the title box are 16-bit, so its drop-down holds no more than this. The
// file keeps every title all the same.
constexpr int kTitleListLimit = 32767;

// The titles a list file's text holds: its lines, without the empty piece after the last
// line end.
QStringList titlesOfFile(const QString &fileText);

// The list with the title added as its first entry, or nothing when the title is empty or
// already there (exact, case-sensitive match).
std::optional<QStringList> withTitleAdded(const QStringList &titles, const QString &title);

// The lines without every line that equals the title exactly; an empty title drops nothing.
QStringList withoutTitle(const QStringList &lines, const QString &title);
// The lines without every line that equals one of the titles exactly.
QStringList withoutTitles(const QStringList &lines, const QSet<QString> &titles);
