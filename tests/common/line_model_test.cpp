#include "line_model.h"
#include "runtime_error.h"

#include <gtest/gtest.h>

namespace {

QString pageOfLines(int count, const QString &lineEnd)
{
    QString page;
    for (int i = 0; i < count; ++i)
        page += QStringLiteral("line %1").arg(i) + lineEnd;
    return page;
}

TEST(LineModel, CutsOnlyAtCrLfAndKeepsEmptyPieces)
{
    EXPECT_EQ(splitLines(QStringLiteral("a\r\n\r\nb\nc\rd\r\n")),
              (QStringList{QStringLiteral("a"), QString(), QStringLiteral("b\nc\rd"), QString()}));
    EXPECT_EQ(splitLines(QString()), QStringList{QString()});
}

TEST(LineModel, ChapterLineOfAPage)
{
    const QString page = pageOfLines(60, kLineEnd);
    EXPECT_EQ(lineAt(page, kChapterLine), QStringLiteral("line 56"));
    // 56 lines each ended by CR LF: line 56 is the empty piece after the last one.
    EXPECT_EQ(lineAt(pageOfLines(56, kLineEnd), kChapterLine), QString());
    EXPECT_EQ(lineAt(QStringLiteral("  <b>x</b> \r\n"), 0), QStringLiteral("  <b>x</b> "));
}

TEST(LineModel, AMissingPieceIsASubscriptError)
{
    try {
        lineAt(pageOfLines(100, QStringLiteral("\n")), kChapterLine);
        FAIL() << "an LF-only page has no line 56";
    } catch (const RuntimeError &error) {
        EXPECT_EQ(error.number(), ErrorNumber::SubscriptOutOfRange);
        EXPECT_EQ(error.message(), QStringLiteral("实时错误 '9':\n\n下标越界"));
    }
    EXPECT_THROW(lineAt(pageOfLines(55, kLineEnd), kChapterLine), RuntimeError);
    EXPECT_THROW(lineAt(QStringLiteral("a"), -1), RuntimeError);
}

TEST(LineModel, FirstLine)
{
    EXPECT_EQ(firstLine(QStringLiteral("A\r\nB\r\n")), QStringLiteral("A"));
    EXPECT_EQ(firstLine(QStringLiteral("only")), QStringLiteral("only"));
    EXPECT_EQ(firstLine(QString()), QString());
}

} // namespace
