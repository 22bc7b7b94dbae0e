#include "test_environment.h"
#include "text_file.h"
#include "version_check.h"

namespace {

class VersionCheck : public FreshFolders {};

TEST_F(VersionCheck, ComparesLine2OfTheShippedFileWithLine3OfTheSavedOne)
{
    writePrintLine(kShippedVersionFile, QStringLiteral("[Ravoskel]\r\nRavoskelv1.3.6"));
    writePrintLine(kSavedVersionFile,
                   savedVersionText(
                       {QStringLiteral("版本信息\r\nRAVOSKELv1.3.6"), QStringLiteral("版本信息")}));
    const std::optional<VersionTexts> texts = readVersionTexts();
    ASSERT_TRUE(texts.has_value());
    EXPECT_EQ(texts->own, QStringLiteral("Ravoskelv1.3.6"));
    EXPECT_EQ(texts->newest, QStringLiteral("RAVOSKELv1.3.6"));
    EXPECT_FALSE(announcesNewVersion(*texts)) << "letter case alone is no new version";
}

TEST_F(VersionCheck, ATrailingBlankOrAnyOtherDifferenceAnnouncesAVersion)
{
    EXPECT_TRUE(announcesNewVersion({QStringLiteral("v1.3.6"), QStringLiteral("v1.3.6 ")}));
    EXPECT_TRUE(announcesNewVersion({QStringLiteral("v1.4.0"), QStringLiteral("v1.3.6")}));
}

TEST_F(VersionCheck, MissingOrShortFilesSkipTheComparison)
{
    EXPECT_FALSE(readVersionTexts().has_value());
    writePrintLine(kShippedVersionFile, QStringLiteral("[Ravoskel]\r\nv1"));
    EXPECT_FALSE(readVersionTexts().has_value());
    writeTextFile(kSavedVersionFile, QStringLiteral("\r\nonly two"));
    EXPECT_FALSE(readVersionTexts().has_value());
}

TEST_F(VersionCheck, SavedTextStartsEmptyAndPutsEachElementOnItsOwnLines)
{
    EXPECT_EQ(savedVersionText({QStringLiteral("a\r\nb"), QStringLiteral("c")}),
              QStringLiteral("\r\na\r\nb\r\nc"));
}

TEST_F(VersionCheck, TheMessageNamesBothDownloadPlaces)
{
    EXPECT_EQ(newVersionMessage(QStringLiteral("http://b"), QStringLiteral("http://p")),
              QStringLiteral("Ravoskel已有新的版本，去博客http://b或作者QQ空间http://"
                             "p下载最新版本，可获得更多的功能！！"));
}

} // namespace
