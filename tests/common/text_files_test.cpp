#include "ansi_codec.h"
#include "code_page_check.h"
#include "runtime_error.h"
#include "seam_recorders.h"
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
}

TEST(AnsiCodec, EveryCharacterGbkCannotHoldBecomesOneQuestionMarkAndNothingVanishes)
{
    const struct {
        QString text;
        QByteArray bytes;
    } cases[] = {
        {QStringLiteral("书😀"), "\xCA\xE9?"},
        {QStringLiteral("abc\u200B"), "abc?"}, // a zero-width space pasted from a page
        {QStringLiteral("\u00AD\u200Ex\uFEFF"), "?\?x?"},
        {QStringLiteral("x") + QChar(0xD800), "x?"}, // a lone high surrogate at the end
        {QChar(0xDC00) + QStringLiteral("\U000E0001"), "?\?"},
        {QStringLiteral("€·—"), "\x80\xA1\xA4\xA1\xAA"},
    };
    for (const auto &[text, bytes] : cases)
        EXPECT_EQ(toAnsi(text), bytes) << text.toStdString();
}

TEST(AnsiCodec, ValidGbkRoundTripsAndACharacterCutShortAtTheEndIsReplaced)
{
    const QByteArray gbk = "\xD0\xA3\xBB\xA8 A\x80\xFE\x40\r\n";
    EXPECT_EQ(toAnsi(fromAnsi(gbk)), gbk);
    EXPECT_EQ(fromAnsi("\x41\x81"), QStringLiteral("A\uFFFD"));
    EXPECT_EQ(fromAnsi("\xD0"), QStringLiteral("\uFFFD"));
}

TEST(AnsiCodec, AQtWithoutTheConverterIsToldOfOnceAtStart)
{
    MessageBoxRecorder boxes;
    EXPECT_TRUE(ansiCodePageReady());
    replaceAnsiCodePage("No-Such-Code-Page");
    EXPECT_FALSE(ansiCodePageReady());
    replaceAnsiCodePage({});
    ASSERT_EQ(boxes.texts.size(), 1);
    EXPECT_TRUE(boxes.texts.first().contains(QStringLiteral("GBK")));
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
