#include "launcher.h"
#include "runtime_error.h"
#include "test_environment.h"

#include <QCoreApplication>
#include <QFile>

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

} // namespace
