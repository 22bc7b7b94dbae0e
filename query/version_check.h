#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// This build's version text is the second line of the shipped file; the newest one is the
// third line of the file saved from the version page.
inline const QString kShippedVersionFile = QStringLiteral("version1.ini");
inline const QString kSavedVersionFile = QStringLiteral("version.ini");

// Each text, or nothing when its file is missing or too short to hold its line.
std::optional<QString> ownVersionText();
std::optional<QString> newestVersionText();

// Any difference but letter case counts as a newer version.
bool announcesNewVersion(const QString &own, const QString &newest);

// What "version.ini" holds for a page: an empty first line, then each element's text on
// lines of its own.
QString savedVersionText(const QStringList &elementTexts);

QString newVersionMessage(const QString &blogAddress, const QString &personalAddress);
