#include "common/text_file.h"

#include "common/ansi_codec.h"
#include "common/line_model.h"
#include "common/runtime_error.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QThread>

namespace {

// Windows will not replace a file that another program holds open: cmd keeps the purge batch
// open while it runs it, and another copy of the program reads the files it has just written.
// Such a hold lasts moments, so a write waits that long before it counts as failed.
constexpr int kHeldFilePatienceMs = 2000;
constexpr int kHeldFileRetryMs = 10;

bool folderExists(const QString &fileName)
{
    return QFileInfo(fileName).absoluteDir().exists();
}

bool holdsBytes(const QString &fileName, const QByteArray &bytes)
{
    QFile file(fileName);
    return file.size() == bytes.size() && file.open(QIODevice::ReadOnly) && file.readAll() == bytes;
}

// False when only putting the new file in place of the old one failed.
bool replaceWhole(const QString &fileName, const QByteArray &bytes)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        throwFileError(fileName, true);
    file.write(bytes);
    if (file.commit())
        return true;
    if (file.error() == QFileDevice::RenameError)
        return false;
    if (file.error() == QFileDevice::ResourceError)
        throw RuntimeError(ErrorNumber::DiskFull);
    throwFileError(fileName, true);
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
    // A file that holds the bytes already is left alone: the purge batch is the same at every
    // query, and the batch started by the last one may still be running from it.
    if (holdsBytes(fileName, bytes))
        return;
    const QDeadlineTimer patience(kHeldFilePatienceMs);
    while (!replaceWhole(fileName, bytes)) {
        if (patience.hasExpired())
            throwFileError(fileName, true);
        QThread::msleep(kHeldFileRetryMs);
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
