#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// What the version page says and does: the newest version it announces, and a script it runs
// once loaded (none normally; a test's misbehaving page otherwise).
struct VersionPage {
    QString versionText;
    QString script;
};

// The author's own pages (version, download, support, blog, offers...), or nothing when
// the path is not one of them.
std::optional<QByteArray> authorPage(const QString &path, const VersionPage &versionPage);
