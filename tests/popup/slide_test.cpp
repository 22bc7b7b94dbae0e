#include "slide.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr float kScreen = 12000; // 800 pixels

// Ticks the rise from below the screen until the window stops; every move is one whole step.
float restingTop(float height)
{
    float top = kScreen;
    for (int tick = 0; tick < 10000; ++tick) {
        const SlideStep step = slideStep(SlideState::SlidingIn, top, kScreen, height);
        EXPECT_FALSE(step.finished);
        if (step.top == top)
            return top;
        EXPECT_EQ(step.top, top - kSlideStepTwips);
        top = step.top;
    }
    ADD_FAILURE() << "the window never came to rest";
    return top;
}

TEST(Slide, RisesUntilItsBottomIsWithin29TwipsOfTheScreenBottomEvenWhenTallerThanTheScreen)
{
    for (const float height : {1110.0F, 1111.0F, 1139.0F, 1485.0F, 15015.0F}) {
        SCOPED_TRACE(height);
        const float top = restingTop(height);
        const float gapBelow = kScreen - (top + height);
        EXPECT_GE(gapBelow, 0);
        EXPECT_LE(gapBelow, 29);
        EXPECT_EQ(top<0, height> kScreen);
    }
    // The screen is read afresh: a screen that shrank under a resting window raises it again.
    EXPECT_EQ(slideStep(SlideState::SlidingIn, 10890, kScreen - 300, 1110).top, 10860);
}

TEST(Slide, SinkingStartsAtOnceWhereverTheWindowIsAndEndsOnlyAtTheScreenBottom)
{
    EXPECT_EQ(slideStep(SlideState::SlidingOut, 11400, kScreen, 1110).top, 11430);
    float top = restingTop(1125);
    int ticks = 0;
    for (SlideStep step; !(step = slideStep(SlideState::SlidingOut, top, kScreen, 1125)).finished;
         top = step.top) {
        ASSERT_LT(top, kScreen);
        ASSERT_EQ(step.top, top + kSlideStepTwips);
        ASSERT_LT(++ticks, 10000);
    }
    EXPECT_GE(top, kScreen);
    EXPECT_EQ(ticks, static_cast<int>(std::ceil(1125 / kSlideStepTwips)));
}

TEST(Slide, NothingMovesWhileTheWindowIsStillLoading)
{
    const SlideStep step = slideStep(SlideState::Loading, kScreen, kScreen, 1110);
    EXPECT_EQ(step.top, kScreen);
    EXPECT_FALSE(step.finished);
}

} // namespace
