#include "common/text_file.h"

#include "common/ansi_codec.h"
#include "common/line_model.h"
#include "common/runtime_error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

bool folderExists(const QString &fileName)
{
    return QFileInfo(fileName).absoluteDir().exists();
}

} // namespace

void throwFileError(const QString &fileName, bool forWriting)
{
    if (!folderExists(fileName))
        throw RuntimeError(ErrorNumber::PathNotFound);
    if (!forWriting && !QFileInfo::exists(fileName))
        throw RuntimeError(ErrorNumber::FileNotFound);
    const QFileInfo info(fileName);
    if (info.exists() && (forWriting ? !info.isWritable() : !info.isReadable()))
        throw RuntimeError(ErrorNumber::PermissionDenied);
    throw RuntimeError(ErrorNumber::PathFileAccess);
}

QString LoadTextFile(const QString &fileName)
{
    QFile file(fileName);
    if (QFileInfo(fileName).isDir() || !file.open(QIODevice::ReadOnly))
        throwFileError(fileName, false);
    return fromAnsi(file.readAll());
}

void writeFileBytes(const QString &fileName, const QByteArray &bytes)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        throwFileError(fileName, true);
    file.write(bytes);
    if (!file.commit()) {
        if (file.error() == QFileDevice::ResourceError)
            throw RuntimeError(ErrorNumber::DiskFull);
        throwFileError(fileName, true);
    }
}

void writeTextFile(const QString &fileName, const QString &content)
{
    writeFileBytes(fileName, toAnsi(content));
}

void writePrintLine(const QString &fileName, const QString &text)
{
    // The line end joins the bytes rather than the text, which would copy a whole page first.
    QByteArray bytes = toAnsi(text);
    bytes.append("\r\n");
    writeFileBytes(fileName, bytes);
}

void writeLines(const QString &fileName, const QStringList &lines)
{
    QString content;
    for (const QString &line : lines)
        content += line + kLineEnd;
    writeTextFile(fileName, content);
}

void ensureFileExists(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::Append))
        throwFileError(fileName, true);
}
