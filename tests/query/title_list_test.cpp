#include "title_list.h"

#include <gtest/gtest.h>

namespace {

const QString A = QStringLiteral("斗破苍穹");
const QString B = QStringLiteral("凡人修仙传");

TEST(TitleList, FileTextGivesItsLinesWithoutTheEmptyPieceAfterTheLastLineEnd)
{
    EXPECT_EQ(titlesOfFile(QStringLiteral("X\r\nA\r\nB\r\n")),
              (QStringList{QStringLiteral("X"), QStringLiteral("A"), QStringLiteral("B")}));
    EXPECT_TRUE(titlesOfFile(QString()).isEmpty());
    // A hand-edited file whose last line has no line end keeps that line.
    EXPECT_EQ(titlesOfFile(QStringLiteral("A\r\nB")).size(), 2);
}

TEST(TitleList, AddPutsANewTitleFirstAndKeepsTheOthersInOrder)
{
    EXPECT_EQ(withTitleAdded({A, B}, QStringLiteral("X")),
              (QStringList{QStringLiteral("X"), A, B}));
    EXPECT_FALSE(withTitleAdded({A, B}, B).has_value());
    EXPECT_FALSE(withTitleAdded({A, B}, QString()).has_value());
}

TEST(TitleList, TitlesDifferingInCaseOrBlanksAreDifferentTitles)
{
    const QStringList titles = {QStringLiteral("Abc")};
    EXPECT_TRUE(withTitleAdded(titles, QStringLiteral("abc")).has_value());
    EXPECT_TRUE(withTitleAdded(titles, QStringLiteral("Abc ")).has_value());
    EXPECT_TRUE(withTitleAdded(titles, QStringLiteral(" Abc")).has_value());
}

TEST(TitleList, AFullListLetsItsOldestTitleGo)
{
    QStringList full;
    for (int i = 0; i < kTitleListLimit; ++i)
        full.append(QString::number(i));
    const std::optional<QStringList> added = withTitleAdded(full, QStringLiteral("new"));
    ASSERT_TRUE(added.has_value());
    EXPECT_EQ(added->size(), kTitleListLimit);
    EXPECT_EQ(added->first(), QStringLiteral("new"));
    EXPECT_EQ(added->last(), QString::number(kTitleListLimit - 2));
}

TEST(TitleList, DeleteDropsEveryExactMatchAndNothingElse)
{
    const QString AB = QStringLiteral("AB");
    const QStringList lines = {AB, QStringLiteral("ABC"), QStringLiteral("ab"), AB,
                               QStringLiteral("AB ")};
    EXPECT_EQ(withoutTitle(lines, AB),
              (QStringList{QStringLiteral("ABC"), QStringLiteral("ab"), QStringLiteral("AB ")}));
    EXPECT_EQ(withoutTitle(lines, QStringLiteral("missing")), lines);
    EXPECT_EQ(withoutTitle({QString(), A}, QString()), (QStringList{QString(), A}));
}

} // namespace
