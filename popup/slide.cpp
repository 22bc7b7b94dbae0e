#include "slide.h"

namespace {

SlideStep rise(float top, float screenHeight, float windowHeight)
{
    // The window stops as soon as its top is no lower than where it would sit flush with the
    // screen's bottom, so a height that is no multiple of the step leaves a small gap below.
    const float restingTop = screenHeight - windowHeight;
    return {top > restingTop ? top - kSlideStepTwips : top, false};
}

SlideStep sink(float top, float screenHeight)
{
    if (top < screenHeight)
        return {top + kSlideStepTwips, false};
    return {top, true};
}

} // namespace

SlideStep slideStep(SlideState state, float top, float screenHeight, float windowHeight)
{
    switch (state) {
    case SlideState::SlidingIn:
        return rise(top, screenHeight, windowHeight);
    case SlideState::SlidingOut:
        return sink(top, screenHeight);
    case SlideState::Loading:
        break;
    }
    return {top, false};
}
