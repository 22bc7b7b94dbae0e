#include "chapter_change.h"
#include "check_interval.h"
#include "page_text.h"

#include <gtest/gtest.h>

TEST(CheckInterval, TakesWholeMillisecondsFromOneSecondToTheLongestTimerOnly)
{
    EXPECT_EQ(parseCheckInterval("1000"), 1000);
    EXPECT_EQ(parseCheckInterval("  10000\t"), 10000);
    EXPECT_EQ(parseCheckInterval("0001500"), 1500);
    EXPECT_EQ(parseCheckInterval("2147483647"), 2147483647);
    for (const char *typed :
         {"", "   ", "999", "0", "-5000", "+5000", "2147483648", "99999999999999999999999",
          "10000.0", "1e4", "10 000", "五千", "１０００", "abc"})
        EXPECT_EQ(parseCheckInterval(typed), std::nullopt) << typed;
}

TEST(ChapterChange, OnlyLetterCaseOrAMissingCurrentChapterIsNoChange)
{
    const struct {
        QString current, server;
        bool changed;
    } cases[] = {
        {"<td>第9章 ABC</td>", "<TD>第9章 abc</td>", false},
        {"第8章 旧", "第9章 新", true},
        {"第9章 新", "第8章 旧", true}, // back to an older text
        {"第9章 新", "第9章 新 ", true},
        {"第8章", kAwaitingServerChapter, true},
        {kAwaitingCurrentChapter, "第9章 新", false},
        {kAwaitingCurrentChapter, kAwaitingServerChapter, false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(chapterChanged(c.current, c.server), c.changed) << c.server.toStdString();
}

TEST(PageText, APageMustReachItsChapterLineThroughCrLfLineEnds)
{
    const QByteArray line = "第一行\r\n";
    EXPECT_TRUE(pageHoldsChapterLine(line.repeated(56))); // line 56 is the empty piece at the end
    EXPECT_FALSE(pageHoldsChapterLine(line.repeated(55)));
    EXPECT_FALSE(pageHoldsChapterLine(line.repeated(200).replace("\r\n", "\n")));
}
