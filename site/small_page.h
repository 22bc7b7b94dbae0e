#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// A plain Chinese page with a heading and a few paragraphs, as UTF-8 with CR LF line ends.
// The paragraphs are HTML as they stand; the heading is escaped.
QByteArray smallPage(const QString &heading, const QStringList &paragraphs);
