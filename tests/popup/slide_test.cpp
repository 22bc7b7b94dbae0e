#include "slide.h"

#include <gtest/gtest.h>

namespace {

constexpr float kScreen = 12000; // 800 pixels

TEST(Slide, RisesUntilItsBottomIsWithin29TwipsOfTheScreenBottomEvenWhenTallerThanTheScreen)
{
    const struct {
        float height, gapBelow;
    } cases[] = {{1110, 0}, {1111, 29}, {1139, 1}, {15015, 15}};
    for (const auto &[height, gapBelow] : cases) {
        float top = kScreen;
        for (SlideStep step;
             (step = slideStep(SlideState::SlidingIn, top, kScreen, height)).top != top;
             top = step.top)
            ASSERT_EQ(step.top, top - kSlideStepTwips) << height;
        EXPECT_EQ(kScreen - (top + height), gapBelow) << height;
    }
    // The screen is read afresh: a screen that shrank under a resting window raises it again.
    EXPECT_EQ(slideStep(SlideState::SlidingIn, 10890, kScreen - 300, 1110).top, 10860);
    EXPECT_EQ(slideStep(SlideState::Loading, kScreen, kScreen, 1110).top, kScreen);
}

TEST(Slide, ACloseWhileRisingSinksAtOnceAndEndsOnlyOnceTheTopReachesTheScreenBottom)
{
    float top = 11395; // mid-rise
    for (SlideStep step; !(step = slideStep(SlideState::SlidingOut, top, kScreen, 1110)).finished;
         top = step.top)
        ASSERT_EQ(step.top, top + kSlideStepTwips);
    EXPECT_EQ(top, 12025);
}

} // namespace
