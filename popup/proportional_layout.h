#pragma once

#include "popup/resize_arithmetic.h"

#include <QFont>
#include <QObjectList>
#include <QSize>

// The widget side of proportional resizing. Controls are visited in the form's order; one
// without a place on the form (a timer) is passed over, as is a size a control cannot take.

// Writes each control's place, in twips, into its "Tag" property and returns the reference
// for the client area of the given size in pixels.
ResizeReference recordLayout(const QObjectList &controls, const QSize &clientSize,
                             const QFont &formFont);

// Re-lays every control from its Tag for the client area's current size in pixels.
void applyLayout(const QObjectList &controls, const QSize &clientSize,
                 const ResizeReference &reference);
