#include "tests/support/test_environment.h"

#include "common/program_identity.h"
#include "common/runtime_error.h"
#include "common/settings_store.h"

#include <QDir>
#include <QFile>

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

QString FreshFolders::programFolder()
{
    return qEnvironmentVariable("RAVOSKEL_PROGRAM_DIR");
}

void FreshFolders::writeWorkingFile(const QString &name, const QByteArray &bytes) const
{
    QFile file(workingFile(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << name.toStdString();
    file.write(bytes);
}

SiteFolders::SiteFolders()
{
    EXPECT_NE(site.listen(), 0);
    const QString base = site.baseAddress();
    const QString endpoints = QStringLiteral("Endpoints");
    writeSetting(endpoints, QStringLiteral("SearchSite"), base);
    writeSetting(endpoints, QStringLiteral("VersionPage"), base + QStringLiteral("/version.html"));
    writeSetting(endpoints, QStringLiteral("SupportPage"), base + QStringLiteral("/support.html"));
}

ScopedVariable::ScopedVariable(const char *name, const QString &value)
    : m_name(name)
{
    if (qEnvironmentVariableIsSet(name))
        m_previous = qgetenv(name);
    if (value.isNull())
        qunsetenv(name);
    else
        qputenv(name, value.toLocal8Bit());
}

ScopedVariable::~ScopedVariable()
{
    if (m_previous)
        qputenv(m_name, *m_previous);
    else
        qunsetenv(m_name);
}

int errorNumberOf(const std::function<void()> &action)
{
    try {
        action();
    } catch (const RuntimeError &error) {
        return error.number();
    }
    return 0;
}

QByteArray shippedVersionFile()
{
    return ("[Ravoskel]\r\n" + kProgramTitle + "\r\n").toLatin1();
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

namespace {

// What the headless platform itself says, whatever the code under test does.
bool isPlatformNoise(const QString &message)
{
    static const QStringList noise = {QStringLiteral("No suitable graphics backend found"),
                                      QStringLiteral("XDG_RUNTIME_DIR"),
                                      QStringLiteral("This plugin does not support")};
    return std::any_of(noise.begin(), noise.end(),
                       [&](const QString &known) { return message.contains(known); });
}

void failOnWarning(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type != QtDebugMsg && type != QtInfoMsg && !isPlatformNoise(message))
        ADD_FAILURE() << "unexpected Qt message: " << message.toStdString();
}

} // namespace

void installQtWarningGuard()
{
    qInstallMessageHandler(failOnWarning);
}
