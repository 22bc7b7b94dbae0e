#pragma once

#include <QByteArray>
#include <QStringList>

// UTF-8 text with "\r\n" after every line, the last one included, the way the search site
// and the author's pages end their lines.
QByteArray crLfText(const QStringList &lines);
