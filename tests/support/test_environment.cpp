#include "test_environment.h"

#include <QDir>
#include <QMutex>
#include <QMutexLocker>

#include <vector>

FreshFolders::FreshFolders()
    : m_previousWorkingFolder(QDir::currentPath())
{
    qputenv("XDG_CONFIG_HOME", m_config.path().toUtf8());
    qputenv("XDG_CACHE_HOME", m_cache.path().toUtf8());
    QDir::setCurrent(m_working.path());
}

FreshFolders::~FreshFolders()
{
    QDir::setCurrent(m_previousWorkingFolder);
}

QString FreshFolders::workingFile(const QString &name) const
{
    return QDir(m_working.path()).filePath(name);
}

QString FreshFolders::programFolder() const
{
    return qEnvironmentVariable("RAVOSKEL_PROGRAM_DIR");
}

namespace {

QMutex expectedMutex;
std::vector<QRegularExpression> expectedWarnings;

// What the headless platform itself says, whatever the code under test does.
bool isPlatformNoise(const QString &message)
{
    static const QStringList noise = {QStringLiteral("No suitable graphics backend found"),
                                      QStringLiteral("XDG_RUNTIME_DIR"),
                                      QStringLiteral("This plugin does not support")};
    for (const QString &known : noise) {
        if (message.contains(known))
            return true;
    }
    return false;
}

bool wasExpected(const QString &message)
{
    const QMutexLocker lock(&expectedMutex);
    for (auto it = expectedWarnings.begin(); it != expectedWarnings.end(); ++it) {
        if (it->match(message).hasMatch()) {
            expectedWarnings.erase(it);
            return true;
        }
    }
    return false;
}

void failOnUnexpectedWarning(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtDebugMsg || type == QtInfoMsg)
        return;
    if (isPlatformNoise(message) || wasExpected(message))
        return;
    ADD_FAILURE() << "unexpected Qt message: " << message.toStdString();
}

} // namespace

void installQtWarningGuard()
{
    qInstallMessageHandler(failOnUnexpectedWarning);
}

void expectQtWarning(const QRegularExpression &pattern)
{
    const QMutexLocker lock(&expectedMutex);
    expectedWarnings.push_back(pattern);
}
