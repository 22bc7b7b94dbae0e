#pragma once

#include "common/replaceable.h"

#include <QString>

// The folder the running program was started from, where its shipped files live.
QString programFolder();

// Makes the program folder the working folder, as a shortcut's "Start in" does, so that every
// bare file name means the program's own file however the program was started.
void enterProgramFolder();

// The folder programFolder() answers: the program's own; a suite plays a fresh one without
// copying the program.
Replaceable<QString> &programFolderSeam();
