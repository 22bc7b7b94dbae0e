#include "chapter_change.h"
#include "check_interval.h"
#include "page_text.h"
#include "runtime_error.h"
#include "test_environment.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

QByteArray crLfPage(int lineCount)
{
    QByteArray page;
    for (int line = 0; line < lineCount; ++line)
        page += "第" + QByteArray::number(line) + "行\r\n";
    return page;
}

int errorNumberOf(const std::function<void()> &step)
{
    try {
        step();
    } catch (const RuntimeError &error) {
        return error.number();
    }
    return 0;
}

} // namespace

TEST(CheckInterval, TakesWholeMillisecondsFromOneSecondToTheLongestTimer)
{
    EXPECT_EQ(parseCheckInterval(QStringLiteral("1000")), 1000);
    EXPECT_EQ(parseCheckInterval(QStringLiteral("  10000\t")), 10000);
    EXPECT_EQ(parseCheckInterval(QStringLiteral("2147483647")), 2147483647);
    EXPECT_EQ(parseCheckInterval(QStringLiteral("0001500")), 1500);
}

TEST(CheckInterval, RefusesEverythingElse)
{
    for (const char *typed :
         {"", "   ", "999", "0", "-5000", "+5000", "2147483648", "99999999999999999999999",
          "10000.0", "1e4", "10 000", "五千", "１０００", "abc"}) {
        EXPECT_FALSE(parseCheckInterval(QString::fromUtf8(typed)).has_value()) << typed;
    }
}

TEST(ChapterChange, LetterCaseAloneIsNoChange)
{
    EXPECT_FALSE(
        chapterChanged(QStringLiteral("<td>第9章 ABC</td>"), QStringLiteral("<TD>第9章 abc</td>")));
}

TEST(ChapterChange, AnyOtherDifferenceIsAChangeInEitherDirection)
{
    const QString older = QStringLiteral("第8章 旧");
    const QString newer = QStringLiteral("第9章 新");
    EXPECT_TRUE(chapterChanged(older, newer));
    EXPECT_TRUE(chapterChanged(newer, older));
    EXPECT_TRUE(chapterChanged(newer, newer + QLatin1Char(' ')));
    EXPECT_FALSE(chapterChanged(newer, newer));
}

TEST(ChapterChange, NothingIsNewBeforeACurrentChapterWasRead)
{
    EXPECT_FALSE(chapterChanged(kAwaitingCurrentChapter, QStringLiteral("第9章 新")));
    EXPECT_FALSE(chapterChanged(kAwaitingCurrentChapter, kAwaitingServerChapter));
    EXPECT_TRUE(chapterChanged(QStringLiteral("第8章"), kAwaitingServerChapter));
}

TEST(PageText, APageMustReachItsChapterLineThroughCrLfLineEnds)
{
    EXPECT_TRUE(pageHoldsChapterLine(crLfPage(56))); // line 56 is the empty piece at the end
    EXPECT_FALSE(pageHoldsChapterLine(crLfPage(55)));
    EXPECT_FALSE(pageHoldsChapterLine(crLfPage(200).replace("\r\n", "\n")));
    EXPECT_FALSE(pageHoldsChapterLine(QByteArray()));
}

class ReadFileTest : public FreshFolders {
protected:
    void writeBytes(const QByteArray &bytes) const
    {
        QFile file(workingFile(QStringLiteral("page.ve")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
};

TEST_F(ReadFileTest, DecodesTheWholeFileInTheNamedCharacterSet)
{
    writeBytes("\xEF\xBB\xBF" + QStringLiteral("第一行\r\n第二行").toUtf8());
    EXPECT_EQ(ReadFile(QStringLiteral("page.ve"), QStringLiteral("utf-8")),
              QStringLiteral("第一行\r\n第二行"));
    writeBytes("\xB5\xDA\xD2\xBB"); // GBK
    EXPECT_EQ(ReadFile(QStringLiteral("page.ve"), QStringLiteral("GBK")), QStringLiteral("第一"));
}

TEST_F(ReadFileTest, AMissingFileOrUnknownCharacterSetIsAnError)
{
    EXPECT_EQ(
        errorNumberOf([] { ReadFile(QStringLiteral("nothing.ve"), QStringLiteral("utf-8")); }),
        ErrorNumber::FileNotFound);
    writeBytes("abc");
    EXPECT_EQ(errorNumberOf([] { ReadFile(QStringLiteral("page.ve"), QStringLiteral("no-such")); }),
              ErrorNumber::InvalidCall);
}
