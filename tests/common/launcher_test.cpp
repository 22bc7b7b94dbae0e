#include "launcher.h"
#include "runtime_error.h"
#include "seam_recorders.h"
#include "test_environment.h"

#include <QCoreApplication>
#include <QFile>

namespace {

class Launcher : public FreshFolders {};

void makeExecutable(const QString &path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\n");
    file.close();
    file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
}

TEST_F(Launcher, EachIntentCarriesItsWindowsCommandLineAndStyle)
{
    LaunchRecorder launches;
    openAddressInBrowser(QStringLiteral("http://x/a"));
    openAddressWithBrowserProgram(QStringLiteral("http://x/b"));
    startSystemProgram(QStringLiteral("Pingrel.exe"));
    deleteFileThroughInterpreter(QStringLiteral("vemotemp.vemo"));
    ASSERT_EQ(launches.requests.size(), 4u);
    EXPECT_EQ(launches.requests[0].commandLine, QStringLiteral("explorer http://x/a"));
    EXPECT_EQ(launches.requests[0].style, WindowStyle::NormalFocus);
    EXPECT_EQ(launches.requests[1].commandLine,
              QStringLiteral("C:\\Program Files\\Internet Explorer\\iexplore.exe http://x/b"));
    EXPECT_EQ(launches.requests[1].style, WindowStyle::Hidden);
    EXPECT_EQ(launches.requests[2].commandLine, QStringLiteral("Pingrel.exe"));
    EXPECT_EQ(launches.requests[3].commandLine, QStringLiteral("cmd /c del vemotemp.vemo"));
    EXPECT_EQ(launches.requests[3].style, WindowStyle::MinimizedFocus);
}

TEST_F(Launcher, SystemProgramsAreFoundBesideTheStarterThenInTheWorkingFolder)
{
    EXPECT_TRUE(locateSystemProgram(QStringLiteral("Nowhere.exe")).isEmpty());
    makeExecutable(workingFile(QStringLiteral("Pingrel")));
    EXPECT_EQ(locateSystemProgram(QStringLiteral("Pingrel.exe")),
              workingFile(QStringLiteral("Pingrel")));
    const QString ownName = QCoreApplication::applicationFilePath().section(QLatin1Char('/'), -1);
    makeExecutable(workingFile(ownName));
    EXPECT_EQ(locateSystemProgram(ownName + QStringLiteral(".exe")),
              QCoreApplication::applicationFilePath());
}

TEST_F(Launcher, AProgramThatCannotBeStartedIsAFileNotFoundError)
{
    try {
        startSystemProgram(QStringLiteral("Nowhere.exe"));
        FAIL() << "a missing program was reported as started";
    } catch (const RuntimeError &error) {
        EXPECT_EQ(error.number(), ErrorNumber::FileNotFound);
    }
}

TEST_F(Launcher, DeleteRemovesTheFileAndAMissingOneIsNoError)
{
    makeExecutable(workingFile(QStringLiteral("vemotemp.vemo")));
    deleteFileThroughInterpreter(QStringLiteral("vemotemp.vemo"));
    EXPECT_FALSE(QFile::exists(workingFile(QStringLiteral("vemotemp.vemo"))));
    EXPECT_NO_THROW(deleteFileThroughInterpreter(QStringLiteral("vemotemp.vemo")));
}

TEST_F(Launcher, ThePurgeBatchClearsTheBrowserCacheWhereNoInterpreterRunsIt)
{
    int purges = 0;
    setBrowserCachePurger([&] { ++purges; });
    runPurgeBatch(QStringLiteral("delCache.bat"));
    setBrowserCachePurger({});
    EXPECT_EQ(purges, 1);
}

} // namespace
