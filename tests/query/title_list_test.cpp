#include "title_list.h"

#include <gtest/gtest.h>

namespace {

TEST(TitleList, FileTextGivesItsLinesWithoutTheEmptyPieceAfterTheLastLineEnd)
{
    EXPECT_EQ(titlesOfFile(QStringLiteral("X\r\nA\r\n")),
              (QStringList{QStringLiteral("X"), QStringLiteral("A")}));
    EXPECT_TRUE(titlesOfFile(QString()).isEmpty());
    EXPECT_EQ(titlesOfFile(QStringLiteral("A\r\nB")).size(), 2) << "a hand-edited last line";
}

TEST(TitleList, AddTakesOnlyNewNonEmptyTitlesExactlyAsTyped)
{
    const QStringList titles = {QStringLiteral("Abc"), QStringLiteral("B")};
    for (const char *added : {"abc", "Abc ", " Abc", "X"})
        EXPECT_EQ(withTitleAdded(titles, QString::fromUtf8(added)),
                  QStringList{QString::fromUtf8(added)} + titles);
    EXPECT_FALSE(withTitleAdded(titles, QStringLiteral("B")).has_value());
    EXPECT_FALSE(withTitleAdded(titles, QString()).has_value());
}

TEST(TitleList, DeleteDropsEveryExactMatchAndNothingElse)
{
    const QStringList lines = {QStringLiteral("AB"), QStringLiteral("ABC"), QStringLiteral("ab"),
                               QStringLiteral("AB"), QStringLiteral("AB ")};
    EXPECT_EQ(withoutTitle(lines, QStringLiteral("AB")),
              (QStringList{QStringLiteral("ABC"), QStringLiteral("ab"), QStringLiteral("AB ")}));
    EXPECT_EQ(withoutTitle({QString(), QStringLiteral("A")}, QString()).size(), 2);
}

} // namespace
