#pragma once

#include "launcher.h"

#include <QString>
#include <QStringList>

#include <vector>

// Stand-ins for the platform services a window calls, installed for the recorder's lifetime.

class MessageBoxRecorder {
public:
    MessageBoxRecorder();
    ~MessageBoxRecorder();
    QStringList texts;
};

class LaunchRecorder {
public:
    LaunchRecorder();
    ~LaunchRecorder();
    std::vector<LaunchRequest> requests;
};

class ProgramEndRecorder {
public:
    ProgramEndRecorder();
    ~ProgramEndRecorder();
    std::vector<int> exitCodes;
};
