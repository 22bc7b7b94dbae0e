// Invariants of the ANSI codec (GBK):
// - bytes made only of what GBK defines come back byte for byte through fromAnsi then toAnsi.
//   What GBK defines is learnt from Qt's own GBK converter: every byte or lead/trail pair it
//   turns into one character that it turns back into the same bytes;
// - any text, lone surrogates included, comes back through toAnsi then fromAnsi with exactly
//   as many characters, each either itself or '?': nothing is dropped, doubled or swapped;
// - a broken byte never swallows a line end: two pieces of any bytes joined by CR LF decode
//   as the pieces decoded apart, joined by CR LF.
#include "common/ansi_codec.h"
#include "tests/fuzz/fuzz_input.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <vector>

namespace {

bool isWholeCharacter(const QByteArray &bytes)
{
    QStringDecoder decoder("GBK");
    const QString text = decoder.decode(bytes);
    QStringEncoder encoder("GBK");
    return text.size() == 1 && text.at(0) != QChar::ReplacementCharacter &&
           QByteArray(encoder.encode(text)) == bytes;
}

struct GbkUnits {
    std::vector<QByteArray> single; // bytes standing alone
    std::vector<QByteArray> pairs;  // lead and trail
};

const GbkUnits &gbkUnits()
{
    static const GbkUnits units = [] {
        GbkUnits found;
        for (int first = 0; first <= 0xFF; ++first) {
            const QByteArray single(1, static_cast<char>(first));
            if (isWholeCharacter(single))
                found.single.push_back(single);
            for (int second = 0x40; first >= 0x81 && second <= 0xFE; ++second) {
                const QByteArray pair = single + static_cast<char>(second);
                if (isWholeCharacter(pair))
                    found.pairs.push_back(pair);
            }
        }
        return found;
    }();
    return units;
}

// Each input byte below 0x80 picks a single byte, any other with the next one picks a pair.
QByteArray validGbk(FuzzedDataProvider &input)
{
    const GbkUnits &units = gbkUnits();
    QByteArray bytes;
    for (size_t n = input.ConsumeIntegralInRange<size_t>(0, 64);
         n > 0 && input.remaining_bytes() > 0; --n) {
        const uint8_t pick = input.ConsumeIntegral<uint8_t>();
        if (pick < 0x80) {
            bytes += units.single[pick % units.single.size()];
        } else {
            const size_t index = (pick - 0x80u) << 8 | input.ConsumeIntegral<uint8_t>();
            bytes += units.pairs[index % units.pairs.size()];
        }
    }
    return bytes;
}

void checkCharacters(const QString &in, const QString &out)
{
    FUZZ_CHECK(characterCount(out) == characterCount(in));
    for (qsizetype i = 0, o = 0; i < in.size(); ++i, ++o) {
        const bool pair =
            in.at(i).isHighSurrogate() && i + 1 < in.size() && in.at(i + 1).isLowSurrogate();
        const QStringView character = QStringView(in).sliced(i, pair ? 2 : 1);
        const bool same = QStringView(out).sliced(o).startsWith(character);
        FUZZ_CHECK(same || out.at(o) == u'?');
        o += same && pair ? 1 : 0;
        i += pair ? 1 : 0;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider input(data, size);

    const QByteArray gbk = validGbk(input);
    FUZZ_CHECK(toAnsi(fromAnsi(gbk)) == gbk);

    const QString text = takeUtf16(input, 64);
    checkCharacters(text, fromAnsi(toAnsi(text)));

    const std::string first = input.ConsumeRandomLengthString(64);
    const std::string second = input.ConsumeRemainingBytesAsString();
    const QByteArray firstBytes(first.data(), static_cast<qsizetype>(first.size()));
    const QByteArray secondBytes(second.data(), static_cast<qsizetype>(second.size()));
    FUZZ_CHECK(fromAnsi(firstBytes + "\r\n" + secondBytes) ==
               fromAnsi(firstBytes) + QStringLiteral("\r\n") + fromAnsi(secondBytes));
    return 0;
}
