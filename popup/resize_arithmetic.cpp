#include "popup/resize_arithmetic.h"

#include "common/runtime_error.h"

#include <QLocale>

#include <cmath>
#include <limits>

namespace {

// Halves go to the even neighbour, as the rounding of the client size always has. A size no
// whole number holds is an overflow, never a conversion out of range.
int roundToEven(double value)
{
    const double rounded = std::nearbyint(value);
    if (!(rounded >= std::numeric_limits<int>::min() && rounded <= std::numeric_limits<int>::max()))
        throw RuntimeError(ErrorNumber::Overflow);
    return static_cast<int>(rounded);
}

// Font sizes carry four decimals at most.
double toFourDecimals(double value)
{
    return std::nearbyint(value * 10000.0) / 10000.0;
}

double takeNumber(const QString &tag, qsizetype &position)
{
    const qsizetype blank = tag.indexOf(QLatin1Char(' '), position);
    if (blank < 0)
        return 0;
    const double number = QStringView(tag).sliced(position, blank - position).toDouble();
    position = blank + 1;
    return number;
}

} // namespace

ResizeReference resizeReference(double scaleWidth, double scaleHeight, double fontPointSize)
{
    ResizeReference reference{roundToEven(scaleWidth), roundToEven(scaleHeight), 0};
    if (reference.initScaleHeight == 0)
        throw RuntimeError(ErrorNumber::Overflow);
    reference.fontRatio =
        static_cast<float>(toFourDecimals(fontPointSize) / reference.initScaleHeight);
    return reference;
}

ResizeFactors resizeFactors(const ResizeReference &reference, double scaleWidth, double scaleHeight)
{
    if (reference.initScaleWidth == 0 || reference.initScaleHeight == 0)
        throw RuntimeError(ErrorNumber::Overflow);
    return {scaleWidth / reference.initScaleWidth, scaleHeight / reference.initScaleHeight};
}

QString geometryTag(const TwipsGeometry &geometry)
{
    QString tag;
    // Whole numbers in full and the shortest decimals that read back as the same number: six
    // significant digits would turn a place of a million twips or more into "1.00001e+06".
    for (const double number : {geometry.left, geometry.top, geometry.width, geometry.height})
        tag += QString::number(number, 'f', QLocale::FloatingPointShortest) + QLatin1Char(' ');
    return tag;
}

TwipsGeometry geometryFromTag(const QString &tag)
{
    qsizetype position = 0;
    TwipsGeometry geometry;
    geometry.left = takeNumber(tag, position);
    geometry.top = takeNumber(tag, position);
    geometry.width = takeNumber(tag, position);
    geometry.height = takeNumber(tag, position);
    return geometry;
}

TwipsGeometry scaledGeometry(const TwipsGeometry &recorded, const ResizeFactors &factors)
{
    return {recorded.left * factors.across, recorded.top * factors.down,
            recorded.width * factors.across, recorded.height * factors.down};
}

float scaledFontSize(const ResizeReference &reference, double scaleHeight)
{
    return static_cast<float>(scaleHeight) * reference.fontRatio;
}
