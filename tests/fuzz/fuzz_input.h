#pragma once

#include <QString>

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

// A broken invariant ends the run like a crash, so libFuzzer keeps the input that broke it.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "invariant broken at %s:%d: %s\n", __FILE__, __LINE__,            \
                         #condition);                                                              \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

// Any UTF-16 text, lone surrogates included: two bytes of input to a code unit.
inline QString takeUtf16(FuzzedDataProvider &input, size_t maxUnits)
{
    QString text;
    for (size_t n = input.ConsumeIntegralInRange<size_t>(0, maxUnits);
         n > 0 && input.remaining_bytes() >= sizeof(char16_t); --n)
        text.append(QChar(input.ConsumeIntegral<char16_t>()));
    return text;
}

// Characters as the user sees them: a surrogate pair is one, a lone surrogate one too.
inline qsizetype characterCount(const QString &text)
{
    qsizetype count = 0;
    for (qsizetype i = 0; i < text.size(); ++i, ++count) {
        if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
    }
    return count;
}
