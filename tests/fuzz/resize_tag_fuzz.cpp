// Invariants of the popup's proportional resizing:
// - the Tag written for any place a widget can take (whole pixels within Qt's widget limit,
//   in twips) reads back as exactly that place;
// - any Tag text reads without harm, and a number without its closing blank reads as 0;
// - nothing is divided by zero and nothing converted out of range: a client size that rounds
//   to no height, or to more than a whole number holds, makes the reference an overflow error
//   (6), a reference without width or height makes the factors one, and nothing else does;
// - at the load size both factors are 1, every place stays, and the font size is the form's,
//   to four decimals, within single precision.
#include "common/runtime_error.h"
#include "common/twips.h"
#include "popup/resize_arithmetic.h"
#include "tests/fuzz/fuzz_input.h"

#include <QWidget>

#include <bit>
#include <cmath>
#include <limits>

namespace {

double anyDouble(FuzzedDataProvider &input)
{
    return std::bit_cast<double>(input.ConsumeIntegral<uint64_t>());
}

double widgetTwips(FuzzedDataProvider &input, int fewestPixels)
{
    return pixelsToTwips(input.ConsumeIntegralInRange<int>(fewestPixels, QWIDGETSIZE_MAX));
}

TwipsGeometry widgetPlace(FuzzedDataProvider &input)
{
    return {widgetTwips(input, -QWIDGETSIZE_MAX), widgetTwips(input, -QWIDGETSIZE_MAX),
            widgetTwips(input, 0), widgetTwips(input, 0)};
}

bool roundsToWholeNumber(double value)
{
    const double rounded = std::nearbyint(value);
    return rounded >= std::numeric_limits<int>::min() && rounded <= std::numeric_limits<int>::max();
}

bool isOverflow(const RuntimeError &error)
{
    return error.number() == ErrorNumber::Overflow;
}

void checkAnyReference(double width, double height, double font)
{
    const bool refused =
        !roundsToWholeNumber(width) || !roundsToWholeNumber(height) || std::nearbyint(height) == 0;
    try {
        const ResizeReference reference = resizeReference(width, height, font);
        FUZZ_CHECK(!refused);
        FUZZ_CHECK(reference.initScaleWidth == std::nearbyint(width));
        FUZZ_CHECK(reference.initScaleHeight == std::nearbyint(height));
    } catch (const RuntimeError &error) {
        FUZZ_CHECK(refused && isOverflow(error));
    }
}

void checkAnyFactors(const ResizeReference &reference, double width, double height)
{
    const bool refused = reference.initScaleWidth == 0 || reference.initScaleHeight == 0;
    try {
        const ResizeFactors factors = resizeFactors(reference, width, height);
        FUZZ_CHECK(!refused);
        FUZZ_CHECK(std::bit_cast<uint64_t>(factors.across) ==
                   std::bit_cast<uint64_t>(width / reference.initScaleWidth));
        FUZZ_CHECK(std::bit_cast<uint64_t>(factors.down) ==
                   std::bit_cast<uint64_t>(height / reference.initScaleHeight));
    } catch (const RuntimeError &error) {
        FUZZ_CHECK(refused && isOverflow(error));
    }
}

void checkLoadSize(double width, double height, double font, const TwipsGeometry &place)
{
    const ResizeReference reference = resizeReference(width, height, font);
    const ResizeFactors factors = resizeFactors(reference, width, height);
    FUZZ_CHECK(factors.across == 1 && factors.down == 1);
    FUZZ_CHECK(scaledGeometry(place, factors) == place);
    const double fourDecimals = std::nearbyint(font * 10000) / 10000;
    const double size = scaledFontSize(reference, height);
    FUZZ_CHECK(std::abs(size - fourDecimals) <=
               2 * std::numeric_limits<float>::epsilon() * fourDecimals);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider input(data, size);

    const TwipsGeometry place = widgetPlace(input);
    FUZZ_CHECK(geometryFromTag(geometryTag(place)) == place);

    checkAnyReference(anyDouble(input), anyDouble(input), anyDouble(input));
    const ResizeReference any{input.ConsumeIntegral<int>(), input.ConsumeIntegral<int>(),
                              std::bit_cast<float>(input.ConsumeIntegral<uint32_t>())};
    checkAnyFactors(any, anyDouble(input), anyDouble(input));
    checkLoadSize(widgetTwips(input, 1), widgetTwips(input, 1),
                  input.ConsumeFloatingPointInRange(1.0, 1638.0), place);

    const std::string text = input.ConsumeRemainingBytesAsString();
    const QString tag = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    const TwipsGeometry read = geometryFromTag(tag);
    const double numbers[] = {read.left, read.top, read.width, read.height};
    for (qsizetype i = tag.count(u' '); i < 4; ++i)
        FUZZ_CHECK(numbers[i] == 0);
    return 0;
}
