// Without explorer, iexplore, cmd or batch files, Qt stands in for each.

#include "common/launcher.h"

#include "common/runtime_error.h"

#include <QDesktopServices>
#include <QFile>
#include <QProcess>
#include <QUrl>

namespace {

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

} // namespace

void carryOutLaunch(const LaunchRequest &request)
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
        // There is no command interpreter to run the batch, and nothing for it to clear: the
        // embedded browser keeps no HTTP cache (query/browser_page_webengine.cpp).
        break;
    }
}

QString systemProgramFileName(const QString &programFile)
{
    return programFile.endsWith(QStringLiteral(".exe"), Qt::CaseInsensitive)
               ? programFile.chopped(4)
               : programFile;
}
