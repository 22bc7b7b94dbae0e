#include "handler_guard.h"
#include "msgbox.h"
#include "runtime_error.h"
#include "seam_recorders.h"

#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

TEST(HandlerGuard, ReportsTheErrorInStandardWordingAndEndsTheProgram)
{
    MessageBoxRecorder boxes;
    ProgramEndRecorder ends;
    int runs = 0;
    guarded([&] { ++runs; })();
    EXPECT_TRUE(boxes.texts.isEmpty());
    guarded([&] {
        throw RuntimeError(ErrorNumber::FileNotFound);
        ++runs;
    })();
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(boxes.texts, QStringList{QStringLiteral("实时错误 '53':\n\n文件未找到")});
    ASSERT_EQ(ends.exitCodes.size(), 1u);
    EXPECT_NE(ends.exitCodes.front(), 0);
}

TEST(HandlerGuard, WhileTheErrorIsReportedNothingElseRunsAndNoSecondBoxComes)
{
    ProgramEndRecorder ends;
    QTimer ticking;
    int ticks = 0;
    QObject::connect(&ticking, &QTimer::timeout, [&] { ++ticks; });
    ticking.start(1);
    bool queuedCallRan = false;
    QStringList boxes;
    replaceMessageBoxHandler([&](const QString &text) {
        boxes << text;
        QMetaObject::invokeMethod(
            &ticking, [&] { queuedCallRan = true; }, Qt::QueuedConnection);
        // The box runs an event loop of its own while the user reads it.
        const int before = ticks;
        EXPECT_FALSE(QTest::qWaitFor([&] { return ticks != before || queuedCallRan; }, 200));
        guarded([] { throw RuntimeError(ErrorNumber::DiskFull); })();
    });
    guarded([] { throw RuntimeError(ErrorNumber::PathFileAccess); })();
    replaceMessageBoxHandler({});
    EXPECT_EQ(boxes, QStringList{RuntimeError(ErrorNumber::PathFileAccess).message()});
    EXPECT_EQ(ends.exitCodes.size(), 1u);
}

} // namespace
