#pragma once

#include <QByteArray>
#include <QString>

// A result page of about the given size, laid out like the search site's: CR LF line ends,
// mostly Chinese text, the chapter on line 56 and a long tail of further rows below it.
QByteArray largeResultPage(qsizetype approximateBytes, const QString &chapterLine);
