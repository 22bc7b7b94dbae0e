#include "resize_arithmetic.h"
#include "runtime_error.h"

#include <gtest/gtest.h>

namespace {

const TwipsGeometry kTitleLabel{2400, 360, 1935, 375};
const ResizeReference kPopup = resizeReference(9600, 1110, 9);

TEST(ResizeArithmetic, TheReferenceIsTheRoundedClientSizeAndTheFontPerTwipOfHeight)
{
    EXPECT_EQ(kPopup.initScaleWidth, 9600);
    EXPECT_EQ(kPopup.initScaleHeight, 1110);
    EXPECT_FLOAT_EQ(kPopup.fontRatio * 1110, 9);
    // Halves go to the even neighbour; font sizes count to four decimals only.
    EXPECT_EQ(resizeReference(9600.5, 1110, 9).initScaleWidth, 9600);
    EXPECT_EQ(resizeReference(9600, 1111.5, 9).initScaleHeight, 1112);
    EXPECT_EQ(resizeReference(9600, 1110, 9.00004).fontRatio, kPopup.fontRatio);
    EXPECT_NE(resizeReference(9600, 1110, 9.0005).fontRatio, kPopup.fontRatio);
}

TEST(ResizeArithmetic, AReferenceWithoutHeightIsAnOverflowForTheCaller)
{
    try {
        resizeReference(9600, 0, 9);
        ADD_FAILURE() << "a client area without height was divided by";
    } catch (const RuntimeError &error) {
        EXPECT_EQ(error.number(), ErrorNumber::Overflow);
    }
    EXPECT_THROW(resizeFactors({}, 9600, 1110), RuntimeError);
}

TEST(ResizeArithmetic, TheTagHoldsFourNumbersEachFollowedByOneBlank)
{
    EXPECT_EQ(geometryTag(kTitleLabel), QStringLiteral("2400 360 1935 375 "));
    EXPECT_EQ(geometryTag({-240, 7.5, 10215, 495}), QStringLiteral("-240 7.5 10215 495 "));
    EXPECT_EQ(geometryFromTag(QStringLiteral("-240 7.5 10215 495 ")),
              (TwipsGeometry{-240, 7.5, 10215, 495}));
    // A number without its closing blank counts as zero.
    EXPECT_EQ(geometryFromTag(QString()), TwipsGeometry{});
    EXPECT_EQ(geometryFromTag(QStringLiteral("1 2 3 4")), (TwipsGeometry{1, 2, 3, 0}));
}

TEST(ResizeArithmetic, AcrossScalesLeftAndWidthDownScalesTopHeightAndFont)
{
    EXPECT_EQ(scaledGeometry(kTitleLabel, resizeFactors(kPopup, 19200, 2220)),
              (TwipsGeometry{4800, 720, 3870, 750}));
    EXPECT_FLOAT_EQ(scaledFontSize(kPopup, 2220), 18);
    EXPECT_EQ(scaledGeometry(kTitleLabel, resizeFactors(kPopup, 14400, 1110)),
              (TwipsGeometry{3600, 360, 2902.5, 375}));
    EXPECT_EQ(scaledGeometry(kTitleLabel, resizeFactors(kPopup, 9600, 0)),
              (TwipsGeometry{2400, 0, 1935, 0}));
    EXPECT_EQ(scaledFontSize(kPopup, 0), 0);
}

} // namespace
