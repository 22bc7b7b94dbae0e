#include "color_cycle.h"

#include <gtest/gtest.h>

namespace {

QList<int> sequenceFrom(const QString &startTag, int first, int second, int third, int fourth,
                        int steps)
{
    QList<int> shown;
    QString tag = startTag;
    for (int i = 0; i < steps; ++i) {
        const int next = nextColorIndex(tag, first, second, third, fourth);
        shown.append(next);
        tag = QString::number(next);
    }
    return shown;
}

TEST(ColorCycle, BothSequencesStartAtTheirFirstIndexAndWrapAfterFour)
{
    EXPECT_EQ(sequenceFrom(QString(), 5, 6, 9, 12, 6), (QList<int>{5, 6, 9, 12, 5, 6}));
    EXPECT_EQ(sequenceFrom(QString(), 6, 9, 5, 12, 6), (QList<int>{6, 9, 5, 12, 6, 9}));
}

TEST(ColorCycle, ATagIsReadByItsLeadingNumber)
{
    EXPECT_EQ(nextColorIndex(QStringLiteral(" 6abc"), 5, 6, 9, 12), 9);
    EXPECT_EQ(nextColorIndex(QStringLiteral("x6"), 5, 6, 9, 12), 5);
}

TEST(ColorCycle, TheIndexesUsedHaveTheirClassicColours)
{
    EXPECT_EQ(paletteColor(5), QColor(128, 0, 128));
    EXPECT_EQ(paletteColor(6), QColor(128, 128, 0));
    EXPECT_EQ(paletteColor(9), QColor(0, 0, 255));
    EXPECT_EQ(paletteColor(12), QColor(255, 0, 0));
}

} // namespace
