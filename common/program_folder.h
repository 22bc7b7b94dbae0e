#pragma once

#include <QString>

// The folder the running program was started from, where its shipped files live.
QString programFolder();

// Test seam: a suite plays a fresh program folder without copying the program. Returns the
// folder it replaced; an empty one restores the real folder.
QString replaceProgramFolder(const QString &folder);
