#pragma once

#include "common/handler_guard.h"
#include "common/launcher.h"
#include "common/msgbox.h"

#include <QStringList>

#include <vector>

// Stand-ins for the platform services the windows call, for the recorder's lifetime: message
// boxes, program starts and the program's end are recorded in order instead of carried out.
// A start reads as the command line Windows would run for it; a file removal through the
// command interpreter is carried out too, as cmd's del would.
class RecordedEffects {
public:
    RecordedEffects();

    QStringList effects; // a box's text, a start's command line, or "exit N"
    std::vector<LaunchRequest> launches;

private:
    ScopedOverride<MessageBoxHandler> m_boxes;
    ScopedOverride<LaunchHandler> m_starts;
    ScopedOverride<ProgramEndHandler> m_end;
};
