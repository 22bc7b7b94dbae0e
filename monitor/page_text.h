#pragma once

#include <QByteArray>
#include <QString>

// The whole text of a file decoded in the named character set ("utf-8" for the downloaded
// pages). A byte-order mark at its start is dropped.
QString ReadFile(const QString &fileName, const QString &charset);

// Whether a downloaded page, read as UTF-8, reaches the line that carries the chapter. A
// page that does not is never kept: it would leave nothing to read the chapter from.
bool pageHoldsChapterLine(const QByteArray &page);
