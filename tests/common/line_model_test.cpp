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
    EXPECT_EQ(firstLine(QStringLiteral("A\r\nB\r\n")), QStringLiteral("A"));
    EXPECT_EQ(firstLine(QStringLiteral("only")), QStringLiteral("only"));
}

TEST(LineModel, TheChapterLineIsTakenRawAndAMissingOneIsASubscriptError)
{
    EXPECT_EQ(lineAt(pageOfLines(60, kLineEnd), kChapterLine), QStringLiteral("line 56"));
    EXPECT_EQ(lineAt(pageOfLines(56, kLineEnd), kChapterLine), QString());
    EXPECT_EQ(lineAt(QStringLiteral("  <b>x</b> \r\n"), 0), QStringLiteral("  <b>x</b> "));
    for (const QString &page :
         {pageOfLines(100, QStringLiteral("\n")), pageOfLines(55, kLineEnd)}) {
        try {
            lineAt(page, kChapterLine);
            ADD_FAILURE() << "no line 56 was found in a page that has none";
        } catch (const RuntimeError &error) {
            EXPECT_EQ(error.message(), QStringLiteral("实时错误 '9':\n\n下标越界"));
        }
    }
}

} // namespace
