#include "common/launcher.h"

#include "common/runtime_error.h"

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
    // No application name: CreateProcessW then reads the program from the line itself and, for
    // an unquoted path with blanks such as C:\Program Files\Internet Explorer\iexplore.exe,
    // tries ever longer readings up to each blank until one is a program. Splitting the line
    // ourselves would try "C:\Program" alone. It may write into the line, hence the copy.
    std::wstring line = windowsCommandLine(request).toStdWString();
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = showWindowCommand(request.style);
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &started))
        throw RuntimeError(ErrorNumber::FileNotFound);
    // Nothing waits for the program, so its handles are not kept.
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
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
    case LaunchRequest::Intent::OpenAddressWithBrowserProgram:
        openUrlOrFail(request.target);
        break;
    case LaunchRequest::Intent::StartProgram:
        startDetachedOrFail(locateSystemProgram(request.target));
        break;
    case LaunchRequest::Intent::RemoveFile:
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
    if (const LaunchHandler &handler = launchSeam().get())
        handler(request);
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

QString windowsCommandLine(const LaunchRequest &request)
{
    switch (request.intent) {
    case LaunchRequest::Intent::OpenAddress:
        return QStringLiteral("explorer ") + request.target;
    case LaunchRequest::Intent::OpenAddressWithBrowserProgram:
        return QStringLiteral("C:\\Program Files\\Internet Explorer\\iexplore.exe ") +
               request.target;
    case LaunchRequest::Intent::RemoveFile:
        return QStringLiteral("cmd /c del ") + request.target;
    case LaunchRequest::Intent::StartProgram:
    case LaunchRequest::Intent::RunPurgeBatch:
        break;
    }
    return request.target;
}

void openAddressInBrowser(const QString &address)
{
    launch({LaunchRequest::Intent::OpenAddress, address, WindowStyle::NormalFocus});
}

void openAddressWithBrowserProgram(const QString &address)
{
    launch({LaunchRequest::Intent::OpenAddressWithBrowserProgram, address, WindowStyle::Hidden});
}

void startSystemProgram(const QString &programFile)
{
    launch({LaunchRequest::Intent::StartProgram, programFile, WindowStyle::NormalFocus});
}

void deleteFileThroughInterpreter(const QString &fileName)
{
    launch({LaunchRequest::Intent::RemoveFile, fileName, WindowStyle::MinimizedFocus});
}

void runPurgeBatch(const QString &batchPath)
{
    launch({LaunchRequest::Intent::RunPurgeBatch, batchPath, WindowStyle::Hidden});
}

void setBrowserCachePurger(std::function<void()> purger)
{
    cachePurger() = std::move(purger);
}

Replaceable<LaunchHandler> &launchSeam()
{
    static Replaceable<LaunchHandler> seam;
    return seam;
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
