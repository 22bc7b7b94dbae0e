#include "common/handler_guard.h"
#include "common/launcher.h"
#include "common/msgbox.h"
#include "common/program_identity.h"
#include "common/purge_batch.h"
#include "common/runtime_error.h"
#include "common/temp_folder.h"
#include "tests/support/effects.h"
#include "tests/support/test_environment.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <QTimer>

namespace {

using Services = FreshFolders;

TEST_F(Services, ThePurgeBatchIsWrittenWholeToTheOwnersTempFolderAndStartedHidden)
{
    RecordedEffects recorded;
    const QString batch = tempFilePath(QStringLiteral("delCache.bat"));
    for (int round = 0; round < 2; ++round) {
        // The first two lines are the window's hidden boxes, in the ANSI code page.
        purgeBrowserCache(QStringLiteral("del 甲"), QStringLiteral("del 乙"));
        const QList<QByteArray> lines = fileBytes(batch).split('\n');
        ASSERT_EQ(lines.size(), 6) << "five lines, each ended by CR LF";
        for (const QByteArray &line : lines.first(5))
            EXPECT_TRUE(line.endsWith('\r')) << line.toStdString();
        EXPECT_EQ(lines[0], "del \xBC\xD7\r");
        EXPECT_EQ(lines[1], "del \xD2\xD2\r");
        // The bare deletes run only where the cd, drive and all, took them: into the cache.
        EXPECT_TRUE(lines[2].startsWith("cd /d \"%USERPROFILE%\\AppData\\Local\\Microsoft\\"));
        EXPECT_TRUE(lines[2].endsWith("\\content.IE5\\\" || exit /b 1\r"));
        EXPECT_EQ(lines[3], "del /s /q /f *.aspx\r");
        EXPECT_EQ(lines[4], "del /s /q /f *.htm\r");
        EXPECT_EQ(lines[5], "");
    }
    EXPECT_EQ(recorded.effects, QStringList(2, batch));
    EXPECT_EQ(recorded.launches.back().style, WindowStyle::Hidden);
    const QFileInfo folder(tempFolder());
    EXPECT_TRUE(folder.absoluteFilePath().startsWith(qEnvironmentVariable("XDG_CACHE_HOME")));
    EXPECT_EQ(folder.permissions() & 0x0077, QFileDevice::Permissions());
}

TEST(HandlerGuard, AnErrorIsReportedOnceWithNothingRunningBehindItThenEndsTheProgram)
{
    RecordedEffects recorded;
    QTimer ticking;
    int ticks = 0;
    QObject::connect(&ticking, &QTimer::timeout, [&] { ++ticks; });
    ticking.start(1);
    bool queuedCallRan = false;
    const ScopedOverride boxes(messageBoxSeam(), [&](const QString &text) {
        recorded.effects << text;
        QMetaObject::invokeMethod(
            &ticking, [&] { queuedCallRan = true; }, Qt::QueuedConnection);
        // The box runs an event loop of its own while the user reads it.
        const int before = ticks;
        EXPECT_FALSE(QTest::qWaitFor([&] { return ticks != before || queuedCallRan; }, 200));
        guarded([] { throw RuntimeError(ErrorNumber::DiskFull); })();
    });
    int runs = 0;
    guarded([&] { ++runs; })();
    guarded([&] {
        throw RuntimeError(ErrorNumber::FileNotFound);
        ++runs;
    })();
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(recorded.effects, (QStringList{QStringLiteral("实时错误 '53':\n\n文件未找到"),
                                             QStringLiteral("exit 1")}));
}

using Launcher = FreshFolders;

TEST_F(Launcher, EachStartGivesWindowsItsWholeCommandLineAndItsWindowStyle)
{
    // Windows gets each line whole and finds the program in it itself, blanks in its path and
    // all; a line cut or quoted here would start something else or nothing.
    const QString offer = QStringLiteral("http://127.0.0.1:8964/offer/tv.html?from=ravoskel&id=7");
    const QString batch = QStringLiteral("C:\\Windows\\Temp\\delCache.bat");
    const std::pair<std::function<void()>, WindowStyle> starts[] = {
        {[&] { openAddressInBrowser(offer); }, WindowStyle::NormalFocus},
        {[&] { openAddressWithBrowserProgram(offer); }, WindowStyle::Hidden},
        {[&] { runPurgeBatch(batch); }, WindowStyle::Hidden},
        {[] { deleteFileThroughInterpreter(QStringLiteral("vemotemp.vemo")); },
         WindowStyle::MinimizedFocus},
        {[] { startSystemProgram(kPopupProgramFile); }, WindowStyle::NormalFocus},
        {[] { startSystemProgram(kMainProgramFile); }, WindowStyle::NormalFocus},
    };
    RecordedEffects recorded;
    for (const auto &[start, style] : starts) {
        start();
        EXPECT_EQ(recorded.launches.back().style, style) << recorded.effects.last().toStdString();
    }
    EXPECT_EQ(
        recorded.effects,
        (QStringList{QStringLiteral("explorer ") + offer,
                     QStringLiteral("C:\\Program Files\\Internet Explorer\\iexplore.exe ") + offer,
                     batch, QStringLiteral("cmd /c del vemotemp.vemo"),
                     QStringLiteral("Pingrel.exe"), kMainProgramFile}));
}

TEST_F(Launcher, HereProgramsAreFoundBesideTheStarterFilesRemovedAndTheBrowserCachePurged)
{
    const auto makeExecutable = [this](const QString &name) {
        writeWorkingFile(name, "#!/bin/sh\n");
        QFile::setPermissions(workingFile(name), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    };
    EXPECT_EQ(errorNumberOf([] { startSystemProgram(QStringLiteral("Pingrel.exe")); }),
              ErrorNumber::FileNotFound);
    makeExecutable(QStringLiteral("Pingrel"));
    EXPECT_EQ(locateSystemProgram(QStringLiteral("Pingrel.exe")),
              workingFile(QStringLiteral("Pingrel")));
    const QString ownName = QCoreApplication::applicationFilePath().section(QLatin1Char('/'), -1);
    makeExecutable(ownName);
    EXPECT_EQ(locateSystemProgram(ownName + QStringLiteral(".exe")),
              QCoreApplication::applicationFilePath());

    deleteFileThroughInterpreter(QStringLiteral("Pingrel"));
    EXPECT_FALSE(QFile::exists(workingFile(QStringLiteral("Pingrel"))));
    EXPECT_NO_THROW(deleteFileThroughInterpreter(QStringLiteral("Pingrel")));
    EXPECT_NO_THROW(runPurgeBatch(QStringLiteral("delCache.bat")));
}

} // namespace
