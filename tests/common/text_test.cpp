#include "common/ansi_codec.h"
#include "common/code_page_check.h"
#include "common/line_model.h"
#include "common/runtime_error.h"
#include "common/text_file.h"
#include "tests/support/effects.h"
#include "tests/support/test_environment.h"

#include <QDir>

namespace {

TEST(AnsiCodec, AQtWithoutTheConverterIsToldOfOnceAtStart)
{
    RecordedEffects recorded;
    EXPECT_TRUE(ansiCodePageReady());
    {
        const ScopedOverride missing(ansiCodePageSeam(), QByteArray("No-Such-Code-Page"));
        EXPECT_FALSE(ansiCodePageReady());
    }
    ASSERT_EQ(recorded.effects.size(), 1);
    EXPECT_TRUE(recorded.effects.first().contains(QStringLiteral("GBK")));
}

using TextFiles = FreshFolders;

TEST_F(TextFiles, AreCreatedWhenMissingKeptWhenThereAndFailWithTheStandardNumbers)
{
    ensureFileExists(QStringLiteral("b.txt"));
    writePrintLine(QStringLiteral("a.txt"), QStringLiteral("A"));
    ensureFileExists(QStringLiteral("a.txt"));
    EXPECT_EQ(fileBytes(QStringLiteral("a.txt")), QByteArray("A\r\n"));
    EXPECT_EQ(fileBytes(QStringLiteral("b.txt")), QByteArray());

    EXPECT_EQ(errorNumberOf([] { LoadTextFile(QStringLiteral("missing.txt")); }),
              ErrorNumber::FileNotFound);
    EXPECT_EQ(errorNumberOf([] { LoadTextFile(QStringLiteral("no/such/folder/x")); }),
              ErrorNumber::PathNotFound);
    EXPECT_EQ(errorNumberOf([] { writePrintLine(QStringLiteral("no/such/folder/x"), {}); }),
              ErrorNumber::PathNotFound);
    QDir().mkdir(QStringLiteral("folder"));
    EXPECT_NE(errorNumberOf([] { LoadTextFile(QStringLiteral("folder")); }), 0);
    EXPECT_NE(errorNumberOf([] { writePrintLine(QStringLiteral("folder"), {}); }), 0);
}

} // namespace
