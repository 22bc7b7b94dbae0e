#pragma once

#include "site/reference_site.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <functional>
#include <optional>

#include <gtest/gtest.h>

// Every test runs with its own settings, cache and working folders, so nothing reaches the
// real user's files and no test sees another's leftovers.
class FreshFolders : public ::testing::Test {
protected:
    FreshFolders();
    ~FreshFolders() override;

    QString workingFolder() const { return m_working.path(); }
    QString workingFile(const QString &name) const;
    static QString programFolder(); // the built program folder with both programs
    void writeWorkingFile(const QString &name, const QByteArray &bytes) const;

private:
    QTemporaryDir m_config;
    QTemporaryDir m_cache;
    QTemporaryDir m_working;
    QString m_previousWorkingFolder;
};

// Fresh folders and the reference site on loopback, the programs' outside addresses pointing
// at it.
class SiteFolders : public FreshFolders {
protected:
    SiteFolders();

    ReferenceSite site;
};

// Gives an environment variable of this process a value, or none, for the object's lifetime.
class ScopedVariable {
public:
    ScopedVariable(const char *name, const QString &value);
    ~ScopedVariable();

    ScopedVariable(const ScopedVariable &) = delete;
    ScopedVariable &operator=(const ScopedVariable &) = delete;

private:
    const char *m_name;
    std::optional<QByteArray> m_previous;
};

// How long a test waits for what the programs do before it fails: generous, for a loaded
// machine; a passing test waits only as long as the programs take.
constexpr int kPatienceMs = 60000;

// The number of the RuntimeError the action raised, 0 when it raised none.
int errorNumberOf(const std::function<void()> &action);

// What the shipped "version1.ini" holds: this build's version on its second line.
QByteArray shippedVersionFile();

// The bytes of a file, none when there is no file.
QByteArray fileBytes(const QString &path);

// Fails the running test on any Qt warning but what the headless platform itself says.
void installQtWarningGuard();
