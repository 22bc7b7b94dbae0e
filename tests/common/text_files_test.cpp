#include "ansi_codec.h"
#include "runtime_error.h"
#include "test_environment.h"
#include "text_file.h"

#include <QFile>

namespace {

int errorNumberOf(const std::function<void()> &action)
{
    try {
        action();
    } catch (const RuntimeError &error) {
        return error.number();
    }
    return 0;
}

class TextFiles : public FreshFolders {};

TEST_F(TextFiles, TextIsWrittenAsGbkWithOneCrLfAndReadBackUnchanged)
{
    writePrintLine(QStringLiteral("a.txt"), QStringLiteral("校花 A\r\nB\nC"));
    EXPECT_EQ(fileBytes(QStringLiteral("a.txt")), QByteArray("\xD0\xA3\xBB\xA8 A\r\nB\nC\r\n"));
    EXPECT_EQ(LoadTextFile(QStringLiteral("a.txt")), QStringLiteral("校花 A\r\nB\nC\r\n"));
    writeLines(QStringLiteral("a.txt"), {});
    EXPECT_EQ(fileBytes(QStringLiteral("a.txt")), QByteArray());
    EXPECT_EQ(toAnsi(QStringLiteral("书😀")), QByteArray("\xCA\xE9?"));
}

TEST_F(TextFiles, FailuresCarryTheStandardErrorNumbers)
{
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

TEST_F(TextFiles, EnsureFileExistsCreatesEmptyAndKeepsExisting)
{
    ensureFileExists(QStringLiteral("list.vemo"));
    EXPECT_EQ(fileBytes(QStringLiteral("list.vemo")), QByteArray());
    writePrintLine(QStringLiteral("list.vemo"), QStringLiteral("A"));
    ensureFileExists(QStringLiteral("list.vemo"));
    EXPECT_EQ(fileBytes(QStringLiteral("list.vemo")), QByteArray("A\r\n"));
}

} // namespace
