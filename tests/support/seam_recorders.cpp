#include "seam_recorders.h"

#include "handler_guard.h"
#include "msgbox.h"

MessageBoxRecorder::MessageBoxRecorder()
{
    replaceMessageBoxHandler([this](const QString &text) { texts.append(text); });
}

MessageBoxRecorder::~MessageBoxRecorder()
{
    replaceMessageBoxHandler({});
}

LaunchRecorder::LaunchRecorder()
{
    replaceLaunchHandler([this](const LaunchRequest &request) { requests.push_back(request); });
}

LaunchRecorder::~LaunchRecorder()
{
    replaceLaunchHandler({});
}

ProgramEndRecorder::ProgramEndRecorder()
{
    replaceProgramEndHandler([this](int exitCode) { exitCodes.push_back(exitCode); });
}

ProgramEndRecorder::~ProgramEndRecorder()
{
    replaceProgramEndHandler({});
}
