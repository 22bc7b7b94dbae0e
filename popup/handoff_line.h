#pragma once

#include <QString>

// One line of a hand-off file. The popup always shows, so a file that is not there (a demo
// before any polling on this machine) or a line the file lacks (a short or LF-only page) gives
// an empty text. A file that is there but cannot be read is still an error.
QString handoffLine(const QString &fileName, int index);
