#include "popup/slide.h"

#include <cmath>

namespace {

SlideStep rise(float top, float screenHeight, float windowHeight)
{
    // The window stops as soon as its top is no lower than where it would sit flush with the
    // screen's bottom, so a height that is no multiple of the step leaves a small gap below.
    const float restingTop = screenHeight - windowHeight;
    if (top <= restingTop)
        return {top, false};
    // Each step lands on the steps down from the screen's bottom, so the window comes to
    // rest at the same place even when a window manager did not let it start there.
    const float stepsUp = std::floor((screenHeight - top) / kSlideStepTwips) + 1;
    return {screenHeight - stepsUp * kSlideStepTwips, false};
}

SlideStep sink(float top, float screenHeight, std::optional<float> lastSinkingTop)
{
    if (top >= screenHeight || (lastSinkingTop && top <= *lastSinkingTop))
        return {top, true};
    return {top + kSlideStepTwips, false};
}

} // namespace

SlideStep slideStep(SlideState state, float top, float screenHeight, float windowHeight,
                    std::optional<float> lastSinkingTop)
{
    switch (state) {
    case SlideState::SlidingIn:
        return rise(top, screenHeight, windowHeight);
    case SlideState::SlidingOut:
        return sink(top, screenHeight, lastSinkingTop);
    case SlideState::Loading:
        break;
    }
    return {top, false};
}
