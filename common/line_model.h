#pragma once

#include <QString>
#include <QStringList>

// Texts are cut into lines at every CR LF pair only (a lone CR or LF does not cut), empty
// pieces kept, numbered from 0. A text ending in CR LF has one more, empty, piece.
inline const QString kLineEnd = QStringLiteral("\r\n");

// A result page carries the newest chapter on this line.
constexpr int kChapterLine = 56;

QStringList splitLines(const QString &text);
// The piece with the given number; a piece that does not exist is a subscript error.
QString lineAt(const QString &text, int index);
// The piece before the first CR LF, or the whole text when it has none.
QString firstLine(const QString &text);
