#pragma once

#include "common/replaceable.h"

#include <QString>

// The folder the running program was started from, where its shipped files live.
QString programFolder();

// Test seam: a suite plays a fresh program folder without copying the program; empty for the
// real folder.
Replaceable<QString> &programFolderSeam();
