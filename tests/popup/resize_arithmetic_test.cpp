#include "resize_arithmetic.h"
#include "runtime_error.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(ResizeArithmetic, ATagKeepsEveryPlaceAWidgetCanTakeExactly)
{
    // Widgets reach 16777215 pixels, 251658225 twips: far past six significant digits.
    const TwipsGeometry place{-251658225, 1000005, 251658225, 1000000};
    EXPECT_EQ(geometryTag(place), QStringLiteral("-251658225 1000005 251658225 1000000 "));
    EXPECT_EQ(geometryFromTag(geometryTag(place)), place);
}

TEST(ResizeArithmetic, AClientSizeNoWholeNumberHoldsIsAnOverflow)
{
    for (const double size : {3e9, -3e9, std::numeric_limits<double>::infinity(),
                              std::numeric_limits<double>::quiet_NaN()}) {
        for (const auto &[width, height] : {std::pair{size, 4500.0}, std::pair{4500.0, size}}) {
            try {
                resizeReference(width, height, 9);
                ADD_FAILURE() << width << " x " << height << " was taken";
            } catch (const RuntimeError &error) {
                EXPECT_EQ(error.number(), ErrorNumber::Overflow);
            }
        }
    }
    EXPECT_EQ(resizeReference(2147483647.4, 4500, 9).initScaleWidth, 2147483647);
}

} // namespace
