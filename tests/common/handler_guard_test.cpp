#include "handler_guard.h"
#include "runtime_error.h"
#include "seam_recorders.h"

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

} // namespace
