#pragma once

#include "common/replaceable.h"

#include <QString>

// The folder the running program was started from, where its shipped files live.
QString programFolder();

// The folder programFolder() answers: the program's own; a suite plays a fresh one without
// copying the program.
Replaceable<QString> &programFolderSeam();
