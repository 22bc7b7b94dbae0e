#include "launcher.h"

#include "runtime_error.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#endif

namespace {

LaunchHandler &currentHandler()
{
    static LaunchHandler handler;
    return handler;
}

std::function<void()> &cachePurger()
{
    static std::function<void()> purger;
    return purger;
}

#ifdef Q_OS_WIN

WORD showWindowCommand(WindowStyle style)
{
    switch (style) {
    case WindowStyle::Hidden:
        return SW_HIDE;
    case WindowStyle::MinimizedFocus:
        return SW_SHOWMINIMIZED;
    case WindowStyle::NormalFocus:
        break;
    }
    return SW_SHOWNORMAL;
}

void carryOut(const LaunchRequest &request)
{
    // CreateProcess with the exact command line and the window style the window asked for.
    const qsizetype programEnd = request.commandLine.indexOf(QLatin1Char(' '));
    QProcess process;
    process.setProgram(request.commandLine.left(programEnd));
    if (programEnd >= 0)
        process.setNativeArguments(request.commandLine.mid(programEnd + 1));
    process.setCreateProcessArgumentsModifier(
        [show = showWindowCommand(request.style)](QProcess::CreateProcessArguments *arguments) {
            arguments->startupInfo->dwFlags |= STARTF_USESHOWWINDOW;
            arguments->startupInfo->wShowWindow = show;
        });
    if (!process.startDetached())
        throw RuntimeError(ErrorNumber::FileNotFound);
}

#else

void startDetachedOrFail(const QString &program)
{
    if (program.isEmpty() || !QProcess::startDetached(program, {}))
        throw RuntimeError(ErrorNumber::FileNotFound);
}

void openUrlOrFail(const QString &address)
{
    if (!QDesktopServices::openUrl(QUrl(address)))
        throw RuntimeError(ErrorNumber::FileNotFound);
}

void carryOut(const LaunchRequest &request)
{
    switch (request.intent) {
    case LaunchRequest::Intent::OpenAddress:
        openUrlOrFail(request.target);
        break;
    case LaunchRequest::Intent::StartProgram:
        startDetachedOrFail(locateSystemProgram(request.target));
        break;
    case LaunchRequest::Intent::DeleteFile:
        // cmd's del reports a missing file in its own window and nothing to the caller.
        QFile::remove(request.target);
        break;
    case LaunchRequest::Intent::RunPurgeBatch:
        if (cachePurger())
            cachePurger()();
        break;
    }
}

#endif

void launch(LaunchRequest request)
{
    if (currentHandler())
        currentHandler()(request);
    else
        carryOut(request);
}

QString withoutExeSuffix(const QString &programFile)
{
#ifdef Q_OS_WIN
    return programFile;
#else
    return programFile.endsWith(QStringLiteral(".exe"), Qt::CaseInsensitive)
               ? programFile.chopped(4)
               : programFile;
#endif
}

} // namespace

void openAddressInBrowser(const QString &address)
{
    launch({LaunchRequest::Intent::OpenAddress, address, WindowStyle::NormalFocus,
            QStringLiteral("explorer ") + address});
}

void openAddressWithBrowserProgram(const QString &address)
{
    launch({LaunchRequest::Intent::OpenAddress, address, WindowStyle::Hidden,
            QStringLiteral("C:\\Program Files\\Internet Explorer\\iexplore.exe ") + address});
}

void startSystemProgram(const QString &programFile)
{
    launch(
        {LaunchRequest::Intent::StartProgram, programFile, WindowStyle::NormalFocus, programFile});
}

void deleteFileThroughInterpreter(const QString &fileName)
{
    launch({LaunchRequest::Intent::DeleteFile, fileName, WindowStyle::MinimizedFocus,
            QStringLiteral("cmd /c del ") + fileName});
}

void runPurgeBatch(const QString &batchPath)
{
    launch({LaunchRequest::Intent::RunPurgeBatch, batchPath, WindowStyle::Hidden, batchPath});
}

void setBrowserCachePurger(std::function<void()> purger)
{
    cachePurger() = std::move(purger);
}

LaunchHandler replaceLaunchHandler(LaunchHandler handler)
{
    return std::exchange(currentHandler(), std::move(handler));
}

QString locateSystemProgram(const QString &programFile)
{
    const QString name = withoutExeSuffix(programFile);
    for (const QString &folder : {QCoreApplication::applicationDirPath(), QDir::currentPath()}) {
        const QFileInfo candidate(QDir(folder).filePath(name));
        if (candidate.isFile() && candidate.isExecutable())
            return candidate.absoluteFilePath();
    }
    return QStandardPaths::findExecutable(name);
}
