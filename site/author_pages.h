#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The author's own pages (version, download, support, blog, offers...), or nothing when
// the path is not one of them. versionText is the newest version the version page announces.
std::optional<QByteArray> authorPage(const QString &path, const QString &versionText);
