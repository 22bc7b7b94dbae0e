#include "color_cycle.h"

#include <gtest/gtest.h>

namespace {

TEST(ColorCycle, ATagIsReadByItsLeadingNumberAndAnUnknownOneStartsTheSequence)
{
    EXPECT_EQ(nextColorIndex(QStringLiteral(" 6abc"), 5, 6, 9, 12), 9);
    EXPECT_EQ(nextColorIndex(QStringLiteral("12"), 5, 6, 9, 12), 5);
    EXPECT_EQ(nextColorIndex(QStringLiteral("x6"), 5, 6, 9, 12), 5);
    EXPECT_EQ(nextColorIndex(QString(), 6, 9, 5, 12), 6);
}

} // namespace
