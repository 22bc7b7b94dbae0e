#pragma once

#include <QString>

class QLineEdit;

// What a Windows one-line box keeps of a text: the part before its first line break, CR or LF.
QString textBeforeLineBreak(const QString &text);

// Makes the box take text as a Windows one-line box does: of whatever goes in (typed, pasted,
// dropped, or set by the program from a file or a setting), only the part before the first
// line break, the rest of the box left as it was.
void keepToOneLine(QLineEdit *box);
