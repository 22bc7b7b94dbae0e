#include "common/launcher.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

void launch(const LaunchRequest &request)
{
    launchSeam().get()(request);
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

Replaceable<LaunchHandler> &launchSeam()
{
    static Replaceable<LaunchHandler> seam(carryOutLaunch);
    return seam;
}

QString locateSystemProgram(const QString &programFile)
{
    const QString name = systemProgramFileName(programFile);
    for (const QString &folder : {QCoreApplication::applicationDirPath(), QDir::currentPath()}) {
        const QFileInfo candidate(QDir(folder).filePath(name));
        if (candidate.isFile() && candidate.isExecutable())
            return candidate.absoluteFilePath();
    }
    return QStandardPaths::findExecutable(name);
}
