#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The whole file decoded from the ANSI code page, line ends untouched. A missing file is
// "file not found"; any other failure to read is a path/file access error.
QString LoadTextFile(const QString &fileName);

// Files are written whole: the new content replaces the old in one step, so a failed write
// leaves the previous file as it was. Text goes to the file in the ANSI code page.
void writeFileBytes(const QString &fileName, const QByteArray &bytes);
void writeTextFile(const QString &fileName, const QString &content);
// The text followed by one CR LF.
void writePrintLine(const QString &fileName, const QString &text);
// Each line followed by CR LF; no lines make an empty file.
void writeLines(const QString &fileName, const QStringList &lines);

// Creates an empty file if there is none, leaving an existing one untouched.
void ensureFileExists(const QString &fileName);

// The error a failed open or write of the file stands for.
[[noreturn]] void throwFileError(const QString &fileName, bool forWriting);
