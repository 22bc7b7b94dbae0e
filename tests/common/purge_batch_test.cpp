#include "purge_batch.h"
#include "seam_recorders.h"
#include "temp_folder.h"
#include "test_environment.h"

#include <QFile>

namespace {

class PurgeBatch : public FreshFolders {};

const QByteArray kExpectedBatch =
    "del /s /q /f \"%userprofile%\\Local Settings\\Temporary Internet Files\\*.aspx\"\r\n"
    "del /s /q /f \"%userprofile%\\Local Settings\\Temporary Internet Files\\*.htm\"\r\n"
    "cd /d \"%USERPROFILE%\\AppData\\Local\\Microsoft\\Windows\\Temporary Internet "
    "Files\\content.IE5\\\" || exit /b 1\r\n"
    "del /s /q /f *.aspx\r\n"
    "del /s /q /f *.htm\r\n";

TEST_F(PurgeBatch, IsWrittenWholeThenStartedHiddenEveryTime)
{
    LaunchRecorder launches;
    for (int round = 0; round < 2; ++round) {
        purgeBrowserCache(kPurgeLine1, kPurgeLine2);
        QFile batch(tempFilePath(QStringLiteral("delCache.bat")));
        ASSERT_TRUE(batch.open(QIODevice::ReadOnly));
        EXPECT_EQ(batch.readAll(), kExpectedBatch);
    }
    ASSERT_EQ(launches.requests.size(), 2u);
    EXPECT_EQ(launches.requests[1].intent, LaunchRequest::Intent::RunPurgeBatch);
    EXPECT_EQ(launches.requests[1].style, WindowStyle::Hidden);
    EXPECT_EQ(launches.requests[1].target, tempFilePath(QStringLiteral("delCache.bat")));
}

} // namespace
