#include "tests/windows/wine_prefix.h"

#include "tests/support/user_view.h"
#include "tests/support/x11_window.h"

#include <QDir>
#include <QStringDecoder>
#include <QTest>

namespace {

// Setting up a prefix takes a while the first time on a slow machine.
constexpr int kWinePatienceMs = 120000;
// Long enough for a message box to have come up, were one coming.
constexpr int kNoBoxMs = 3000;

QString windowsProgramFolder()
{
    return qEnvironmentVariable("RAVOSKEL_WINDOWS_PROGRAM_DIR");
}

bool copyFolder(const QString &from, const QString &to)
{
    QProcess copy;
    copy.start(QStringLiteral("cp"), {QStringLiteral("-r"), from, to});
    return copy.waitForFinished(kWinePatienceMs) && copy.exitCode() == 0;
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
              copyFolder(windowsProgramFolder(), programFolder());
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
    return m_folder.filePath(QStringLiteral("drive_c/Ravoskel"));
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

void WinePrefix::start(QProcess &process, const QString &program) const
{
    process.setProcessEnvironment(environment());
    process.setWorkingDirectory(programFolder());
    process.start(QStringLiteral("wine"), {program});
}

void WinePrefix::startFrom(QProcess &process, const QString &program,
                           const QString &workingFolder) const
{
    process.setProcessEnvironment(environment());
    process.setWorkingDirectory(workingFolder);
    process.start(QStringLiteral("wine"), {QStringLiteral("C:\\Ravoskel\\") + program});
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

void WineSession::SetUp()
{
    ASSERT_TRUE(prefix.isReady());
    const QString endpoints = kSettingsKey + QStringLiteral("Endpoints");
    const QString base = site.baseAddress();
    ASSERT_TRUE(prefix.setRegistryValue(endpoints, QStringLiteral("SearchSite"), base));
    ASSERT_TRUE(prefix.setRegistryValue(endpoints, QStringLiteral("VersionPage"),
                                        base + QStringLiteral("/version.html")));
    ASSERT_TRUE(prefix.setRegistryValue(endpoints, QStringLiteral("SupportPage"),
                                        base + QStringLiteral("/support.html")));
}

void WineSession::TearDown()
{
    prefix.endPrograms();
    program.waitForFinished(kPatienceMs);
}

bool WineSession::boxAppears() const
{
    return QTest::qWaitFor([] { return X11Window::withCaption(kBoxCaption).isValid(); }, kNoBoxMs);
}

void clickControl(const X11Window &window, const QList<ControlDesign> &design, const QString &name)
{
    window.click(placeInWindow(design, name).center());
}
