#pragma once

#include <QRegularExpression>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// Every test runs with its own settings, cache and working folders, so nothing reaches the
// real user's files and no test sees another's leftovers.
class FreshFolders : public ::testing::Test {
protected:
    FreshFolders();
    ~FreshFolders() override;

    QString workingFolder() const { return m_working.path(); }
    QString workingFile(const QString &name) const;
    QString programFolder() const; // the built program folder with both programs

private:
    QTemporaryDir m_config;
    QTemporaryDir m_cache;
    QTemporaryDir m_working;
    QString m_previousWorkingFolder;
};

// Fails the running test on any Qt warning it did not announce with expectQtWarning.
void installQtWarningGuard();
void expectQtWarning(const QRegularExpression &pattern);
