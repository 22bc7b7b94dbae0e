// Invariant of the check interval: whatever is typed, it is taken exactly when it is a plain
// run of ASCII digits, with only blanks (as Qt counts them, the ideographic space included)
// around it, whose value lies from 1000 to 2147483647; the value taken is that number.
#include "monitor/check_interval.h"
#include "tests/fuzz/fuzz_input.h"

#include <algorithm>
#include <limits>

namespace {

std::optional<int> plainNumber(QStringView typed)
{
    while (!typed.isEmpty() && typed.front().isSpace())
        typed = typed.sliced(1);
    while (!typed.isEmpty() && typed.back().isSpace())
        typed.chop(1);
    if (typed.isEmpty())
        return std::nullopt;
    long long value = 0;
    for (const QChar c : typed) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = std::min(value * 10 + (c.unicode() - u'0'), 1LL << 40);
    }
    if (value < 1000 || value > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(value);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // As UTF-8, so digits and blanks stay one byte each; odd bytes give replacement characters.
    const QString typed =
        QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    FUZZ_CHECK(parseCheckInterval(typed) == plainNumber(typed));
    return 0;
}
