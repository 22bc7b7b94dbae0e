#include "tests/windows/wine_prefix.h"

#include "tests/support/test_environment.h"

#include <QDir>
#include <QFileInfo>
#include <QStringDecoder>
#include <QTest>

namespace {

// Setting up a prefix takes a while the first time on a slow machine.
constexpr int kWinePatienceMs = 120000;

// The zip holds one folder named like itself.
QString windowsZip()
{
    return qEnvironmentVariable("RAVOSKEL_WINDOWS_ZIP");
}

bool unpack(const QString &zip, const QString &into)
{
    QProcess unzip;
    unzip.setWorkingDirectory(into);
    unzip.start(QStringLiteral("cmake"),
                {QStringLiteral("-E"), QStringLiteral("tar"), QStringLiteral("xf"), zip});
    return unzip.waitForFinished(kWinePatienceMs) && unzip.exitStatus() == QProcess::NormalExit &&
           unzip.exitCode() == 0;
}

} // namespace

WinePrefix::WinePrefix()
{
    m_ready =
        m_folder.isValid() && runWine({QStringLiteral("wineboot"), QStringLiteral("-i")}) == 0;
    // wineboot returns before the prefix's own programs have finished setting it up.
    QProcess server;
    server.setProcessEnvironment(environment());
    server.start(QStringLiteral("wineserver"), {QStringLiteral("-w")});
    m_ready = m_ready && server.waitForFinished(kWinePatienceMs) &&
              unpack(windowsZip(), m_folder.filePath(QStringLiteral("drive_c"))) &&
              QFileInfo(programFile(QStringLiteral("Pingrel.exe"))).isFile();
}

WinePrefix::~WinePrefix()
{
    endPrograms();
}

void WinePrefix::endPrograms() const
{
    // Ends what runs in this prefix, and nothing else.
    QProcess server;
    server.setProcessEnvironment(environment());
    server.start(QStringLiteral("wineserver"), {QStringLiteral("-k")});
    server.waitForFinished(kWinePatienceMs);
}

QString WinePrefix::programFolder() const
{
    return m_folder.filePath(QStringLiteral("drive_c/") +
                             QFileInfo(windowsZip()).completeBaseName());
}

QString WinePrefix::programFile(const QString &name) const
{
    return QDir(programFolder()).filePath(name);
}

QString WinePrefix::tempFile(const QString &name) const
{
    return m_folder.filePath(QStringLiteral("drive_c/windows/temp/") + name);
}

QProcessEnvironment WinePrefix::environment() const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("WINEPREFIX"), m_folder.path());
    environment.insert(QStringLiteral("WINEDEBUG"), QStringLiteral("-all"));
    // The prefix's ANSI code page follows the locale: Chinese (PRC), 936.
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("zh_CN.UTF-8"));
    // Qt for Windows would take the suite's own platform choice for itself.
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    return environment;
}

int WinePrefix::runWine(const QStringList &arguments, QByteArray *output) const
{
    QProcess wine;
    wine.setProcessEnvironment(environment());
    wine.start(QStringLiteral("wine"), arguments);
    if (!wine.waitForFinished(kWinePatienceMs))
        return -1;
    if (output)
        *output = wine.readAllStandardOutput();
    return wine.exitStatus() == QProcess::NormalExit ? wine.exitCode() : -1;
}

void WinePrefix::start(QProcess &process, const QString &program,
                       const QStringList &arguments) const
{
    process.setProcessEnvironment(environment());
    process.setWorkingDirectory(programFolder());
    process.start(QStringLiteral("wine"), QStringList{program} + arguments);
}

void WinePrefix::startFrom(QProcess &process, const QString &program,
                           const QString &workingFolder) const
{
    process.setProcessEnvironment(environment());
    process.setWorkingDirectory(workingFolder);
    const QString folder = QFileInfo(windowsZip()).completeBaseName();
    process.start(QStringLiteral("wine"), {"C:\\" + folder + "\\" + program});
}

bool WinePrefix::addRegistryValue(const QString &key, const QString &name, const QString &type,
                                  const QString &value) const
{
    return runWine({QStringLiteral("reg"), QStringLiteral("add"), QStringLiteral("HKCU\\") + key,
                    QStringLiteral("/v"), name, QStringLiteral("/t"), type, QStringLiteral("/d"),
                    value, QStringLiteral("/f")}) == 0;
}

bool WinePrefix::setRegistryValue(const QString &key, const QString &name,
                                  const QString &value) const
{
    return addRegistryValue(key, name, QStringLiteral("REG_SZ"), value);
}

bool WinePrefix::setRegistryNumber(const QString &key, const QString &name, quint32 value) const
{
    return addRegistryValue(key, name, QStringLiteral("REG_DWORD"), QString::number(value));
}

QString WinePrefix::registryKey(const QString &key) const
{
    QByteArray printed;
    if (runWine({QStringLiteral("reg"), QStringLiteral("query"), QStringLiteral("HKCU\\") + key},
                &printed) != 0)
        return {};
    return QStringDecoder("GBK").decode(printed);
}
