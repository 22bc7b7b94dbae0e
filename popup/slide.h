#pragma once

#include <QtGlobal>

#include <optional>

// Where the popup is in its life: still loading, rising into view, or sinking out of it.
enum class SlideState : qint16 { Loading = 0, SlidingIn = 1, SlidingOut = 2 };

// Each tick moves the window by 30 twips: two pixels, small enough to look like a glide.
constexpr float kSlideStepTwips = 30.0F;

// What one tick does to the window's top edge. Every value is in twips, the top measured from
// the screen's top, and read afresh by the caller at each tick, so a screen or window that
// changed size mid-slide is followed.
struct SlideStep {
    float top;     // the new top edge
    bool finished; // the window is out of sight, or can sink no further: the program may end
};

// lastSinkingTop is the top read at the previous sinking tick, if there was one: a window
// manager that keeps windows on screen may refuse to let it sink any further.
SlideStep slideStep(SlideState state, float top, float screenHeight, float windowHeight,
                    std::optional<float> lastSinkingTop = std::nullopt);
