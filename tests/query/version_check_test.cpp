#include "test_environment.h"
#include "text_file.h"
#include "version_check.h"

namespace {

class VersionCheck : public FreshFolders {};

TEST_F(VersionCheck, ComparesLine2OfTheShippedFileWithLine3OfTheSavedOneIgnoringCase)
{
    EXPECT_FALSE(ownVersionText().has_value());
    EXPECT_FALSE(newestVersionText().has_value());
    writePrintLine(kShippedVersionFile, QStringLiteral("[Ravoskel]\r\nRavoskelv1.3.6"));
    EXPECT_EQ(ownVersionText(), QStringLiteral("Ravoskelv1.3.6"));
    writeTextFile(kSavedVersionFile, QStringLiteral("\r\nonly two"));
    EXPECT_FALSE(newestVersionText().has_value());
    writePrintLine(kSavedVersionFile, savedVersionText({QStringLiteral("版本\r\nRAVOSKELv1.3.6")}));
    EXPECT_EQ(newestVersionText(), QStringLiteral("RAVOSKELv1.3.6"));
    EXPECT_FALSE(announcesNewVersion(*ownVersionText(), *newestVersionText()));
    EXPECT_TRUE(announcesNewVersion(QStringLiteral("v1.3.6"), QStringLiteral("v1.3.6 ")));
}

} // namespace
