#include "handler_guard.h"
#include "runtime_error.h"
#include "seam_recorders.h"

#include <gtest/gtest.h>

namespace {

TEST(HandlerGuard, ReportsTheErrorInStandardWordingAndEndsTheProgram)
{
    MessageBoxRecorder boxes;
    ProgramEndRecorder ends;
    bool after = false;
    guarded([&] {
        throw RuntimeError(ErrorNumber::FileNotFound);
        after = true;
    })();
    EXPECT_FALSE(after);
    EXPECT_EQ(boxes.texts, QStringList{QStringLiteral("实时错误 '53':\n\n文件未找到")});
    ASSERT_EQ(ends.exitCodes.size(), 1u);
    EXPECT_NE(ends.exitCodes.front(), 0);
}

TEST(HandlerGuard, AHandlerThatSucceedsShowsNothing)
{
    MessageBoxRecorder boxes;
    ProgramEndRecorder ends;
    int runs = 0;
    guarded([&] { ++runs; })();
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(boxes.texts.isEmpty());
    EXPECT_TRUE(ends.exitCodes.empty());
}

TEST(HandlerGuard, EveryErrorNumberHasItsDescription)
{
    const std::pair<int, const char16_t *> expected[] = {
        {5, u"无效的过程调用或参数"}, {6, u"溢出"},        {9, u"下标越界"},  {13, u"类型不匹配"},
        {52, u"错误的文件名或号码"},  {53, u"文件未找到"}, {61, u"磁盘已满"}, {70, u"拒绝的权限"},
        {75, u"路径/文件访问错误"},   {76, u"路径未找到"}};
    for (const auto &[number, description] : expected)
        EXPECT_EQ(RuntimeError(number).description(), QString::fromUtf16(description)) << number;
}

} // namespace
