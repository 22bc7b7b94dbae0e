#include "effects.h"

#include "handler_guard.h"
#include "msgbox.h"

#include <QFile>

RecordedEffects::RecordedEffects()
{
    replaceMessageBoxHandler([this](const QString &text) { effects << text; });
    replaceLaunchHandler([this](const LaunchRequest &request) {
        launches.push_back(request);
        effects << windowsCommandLine(request);
        if (request.intent == LaunchRequest::Intent::RemoveFile)
            QFile::remove(request.target);
    });
    replaceProgramEndHandler(
        [this](int exitCode) { effects << QStringLiteral("exit %1").arg(exitCode); });
}

RecordedEffects::~RecordedEffects()
{
    replaceMessageBoxHandler({});
    replaceLaunchHandler({});
    replaceProgramEndHandler({});
}
