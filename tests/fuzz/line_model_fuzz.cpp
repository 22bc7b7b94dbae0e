// Invariants of the line model, for any text:
// - splitLines cuts at every CR LF pair and nowhere else, keeping empty pieces, exactly as a
//   plain left-to-right scan does, and joining the pieces with CR LF gives the text back;
// - firstLine is piece 0;
// - lineAt(n) is piece n, and throws the subscript error (9) exactly when there is no piece n.
#include "common/line_model.h"
#include "common/runtime_error.h"
#include "tests/fuzz/fuzz_input.h"

#include <optional>

namespace {

QStringList scannedPieces(const QString &text)
{
    QStringList pieces;
    qsizetype start = 0;
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text.at(i) == u'\r' && text.at(i + 1) == u'\n') {
            pieces << text.sliced(start, i - start);
            start = i + 2;
            ++i;
        }
    }
    pieces << text.sliced(start);
    return pieces;
}

std::optional<QString> lineOrNothing(const QString &text, int index)
{
    try {
        return lineAt(text, index);
    } catch (const RuntimeError &error) {
        FUZZ_CHECK(error.number() == ErrorNumber::SubscriptOutOfRange);
        return std::nullopt;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const int asked = input.ConsumeIntegral<int>();
    // Latin-1 keeps CR and LF one byte each, so the fuzzer meets line ends often.
    const std::string bytes = input.ConsumeRemainingBytesAsString();
    const QString text = QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));

    const QStringList pieces = scannedPieces(text);
    FUZZ_CHECK(splitLines(text) == pieces);
    FUZZ_CHECK(pieces.join(kLineEnd) == text);
    FUZZ_CHECK(firstLine(text) == pieces.first());
    const int count = static_cast<int>(pieces.size());
    for (const int index : {asked, -1, 0, kChapterLine, count - 1, count}) {
        const std::optional<QString> line = lineOrNothing(text, index);
        const bool exists = index >= 0 && index < count;
        FUZZ_CHECK(line.has_value() == exists);
        FUZZ_CHECK(!exists || *line == pieces.at(index));
    }
    return 0;
}
