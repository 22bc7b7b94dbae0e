// Invariants of the whole-file reader and the writers, on one file in a scratch folder:
// - writePrintLine(text) leaves exactly toAnsi(text) and CR LF on disk;
// - writeLines(lines) leaves each line's toAnsi bytes followed by CR LF, nothing for no lines;
// - writeFileBytes(bytes) leaves exactly those bytes;
// - after each, LoadTextFile gives fromAnsi of the bytes on disk: no trimming, no line-end
//   conversion, nothing lost at the end;
// - the folder holds the file and nothing else: no write leaves a temporary file behind.
#include "common/ansi_codec.h"
#include "common/line_model.h"
#include "common/text_file.h"
#include "tests/fuzz/fuzz_input.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

const QString kName = QStringLiteral("QQ731508264.vemo");

QString scratchFile()
{
    static const QTemporaryDir folder;
    return QDir(folder.path()).filePath(kName);
}

QByteArray bytesOnDisk(const QString &path)
{
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

void checkWritten(const QString &path, const QByteArray &expected)
{
    const QByteArray onDisk = bytesOnDisk(path);
    FUZZ_CHECK(onDisk == expected);
    FUZZ_CHECK(LoadTextFile(path) == fromAnsi(onDisk));
    const QStringList left =
        QFileInfo(path).dir().entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    FUZZ_CHECK(left == QStringList{kName});
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const QString path = scratchFile();

    const QString text = takeUtf16(input, 64);
    writePrintLine(path, text);
    checkWritten(path, toAnsi(text) + "\r\n");

    QStringList lines;
    QByteArray expected;
    for (size_t n = input.ConsumeIntegralInRange<size_t>(0, 8); n > 0; --n) {
        lines << takeUtf16(input, 16);
        expected += toAnsi(lines.last()) + "\r\n";
    }
    writeLines(path, lines);
    checkWritten(path, expected);

    const std::string raw = input.ConsumeRemainingBytesAsString();
    const QByteArray bytes(raw.data(), static_cast<qsizetype>(raw.size()));
    writeFileBytes(path, bytes);
    checkWritten(path, bytes);
    return 0;
}
