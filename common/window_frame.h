#pragma once

#include <QMarginsF>
#include <QPoint>

class QWidget;

// Places a top-level window that is not shown yet so that the top right corner of its frame
// lies at the given point (the first pixel right of the frame). Qt learns the frame a window
// manager puts around a window only once the window is on screen: too late to place it by
// its outer edges without a visible jump, so the frame is asked for beforehand.
void placeFrameTopRightAt(QWidget *window, const QPoint &topRight);

// Places a top-level window that is not shown yet with its frame in the middle of the primary
// screen.
void centerOnScreen(QWidget *window);

// The frame the window gets, in Qt's pixels, for a window whose native window exists; each
// platform learns it its own way (window_frame_xcb.cpp, window_frame_qt.cpp).
QMarginsF knownFrameMargins(QWidget *window);
