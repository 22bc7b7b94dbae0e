#include "launcher.h"
#include "program_identity.h"
#include "runtime_error.h"
#include "seam_recorders.h"
#include "test_environment.h"

#include <QCoreApplication>
#include <QFile>

#include <functional>

namespace {

class Launcher : public FreshFolders {
protected:
    void makeExecutable(const QString &name) const
    {
        QFile file(workingFile(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\n");
        file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
    }
};

TEST_F(Launcher, SystemProgramsAreFoundBesideTheStarterThenInTheWorkingFolder)
{
    EXPECT_TRUE(locateSystemProgram(QStringLiteral("Pingrel.exe")).isEmpty());
    try {
        startSystemProgram(QStringLiteral("Pingrel.exe"));
        ADD_FAILURE() << "a missing program was reported as started";
    } catch (const RuntimeError &error) {
        EXPECT_EQ(error.number(), ErrorNumber::FileNotFound);
    }
    makeExecutable(QStringLiteral("Pingrel"));
    EXPECT_EQ(locateSystemProgram(QStringLiteral("Pingrel.exe")),
              workingFile(QStringLiteral("Pingrel")));
    const QString ownName = QCoreApplication::applicationFilePath().section(QLatin1Char('/'), -1);
    makeExecutable(ownName);
    EXPECT_EQ(locateSystemProgram(ownName + QStringLiteral(".exe")),
              QCoreApplication::applicationFilePath());
}

TEST_F(Launcher, DeleteRemovesTheFileAndThePurgeClearsTheBrowserCache)
{
    makeExecutable(QStringLiteral("vemotemp.vemo"));
    deleteFileThroughInterpreter(QStringLiteral("vemotemp.vemo"));
    EXPECT_FALSE(QFile::exists(workingFile(QStringLiteral("vemotemp.vemo"))));
    EXPECT_NO_THROW(deleteFileThroughInterpreter(QStringLiteral("vemotemp.vemo")));
    int purges = 0;
    setBrowserCachePurger([&] { ++purges; });
    runPurgeBatch(QStringLiteral("delCache.bat"));
    setBrowserCachePurger({});
    EXPECT_EQ(purges, 1);
}

TEST(LauncherOnWindows, EachStartRunsTheWholeCommandLineItWasGiven)
{
    // Windows gets each line whole and finds the program in it itself, blanks in its path and
    // all; a line cut or quoted here would start something else or nothing.
    const QString offer = QStringLiteral("http://127.0.0.1:8964/offer/tv.html?from=ravoskel&id=7");
    const QString batch = QStringLiteral("C:\\Windows\\Temp\\delCache.bat");
    const struct {
        std::function<void()> start;
        QString commandLine;
        WindowStyle style;
    } starts[] = {
        {[&] { openAddressInBrowser(offer); }, QStringLiteral("explorer ") + offer,
         WindowStyle::NormalFocus},
        {[&] { openAddressWithBrowserProgram(offer); },
         QStringLiteral("C:\\Program Files\\Internet Explorer\\iexplore.exe ") + offer,
         WindowStyle::Hidden},
        {[&] { runPurgeBatch(batch); }, batch, WindowStyle::Hidden},
        {[] { deleteFileThroughInterpreter(QStringLiteral("vemotemp.vemo")); },
         QStringLiteral("cmd /c del vemotemp.vemo"), WindowStyle::MinimizedFocus},
        {[] { startSystemProgram(kPopupProgramFile); }, QStringLiteral("Pingrel.exe"),
         WindowStyle::NormalFocus},
        {[] { startSystemProgram(kMainProgramFile); }, QStringLiteral("Ravoskelv1.3.6.exe"),
         WindowStyle::NormalFocus},
    };
    LaunchRecorder launches;
    for (const auto &start : starts) {
        launches.requests.clear();
        start.start();
        ASSERT_EQ(launches.requests.size(), 1u) << start.commandLine.toStdString();
        EXPECT_EQ(windowsCommandLine(launches.requests[0]), start.commandLine);
        EXPECT_EQ(launches.requests[0].style, start.style) << start.commandLine.toStdString();
    }
}

} // namespace
