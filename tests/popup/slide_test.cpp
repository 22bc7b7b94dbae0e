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
    // A window manager that would not let the window start below the screen moves it in
    // between: it still comes to rest on the steps down from the screen's bottom.
    float top = kScreen - 135;
    for (SlideStep step; (step = slideStep(SlideState::SlidingIn, top, kScreen, 1485)).top != top;
         top = step.top) {
    }
    EXPECT_EQ(top, kScreen - 1500);
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
    // A window manager that keeps windows on screen: a sinking tick that finds the window no
    // lower than the tick before ends it all the same.
    EXPECT_TRUE(slideStep(SlideState::SlidingOut, 11900, kScreen, 1110, 11900).finished);
    EXPECT_TRUE(slideStep(SlideState::SlidingOut, 11700, kScreen, 1110, 11980).finished);
    EXPECT_FALSE(slideStep(SlideState::SlidingOut, 11930, kScreen, 1110, 11900).finished);
}

} // namespace
