#include "temp_folder.h"
#include "test_environment.h"

#include <QFileInfo>

namespace {

class TempFolder : public FreshFolders {};

TEST_F(TempFolder, LivesInTheUsersCacheAndOnlyTheOwnerMayEnterIt)
{
    const QString path = tempFilePath(kPageHandoffFile);
    const QFileInfo folder(tempFolder());
    EXPECT_TRUE(folder.isDir());
    EXPECT_TRUE(folder.absoluteFilePath().startsWith(qEnvironmentVariable("XDG_CACHE_HOME")));
    EXPECT_EQ(folder.permissions() & 0x0077, QFileDevice::Permissions());
    EXPECT_EQ(QFileInfo(path).fileName(), QStringLiteral("Q731508264.mo"));
    EXPECT_EQ(QFileInfo(path).absolutePath(), folder.absoluteFilePath());
}

} // namespace
