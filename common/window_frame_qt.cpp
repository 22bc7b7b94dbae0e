// Where Qt draws the frame or the system computes it (Windows), Qt knows it once the native
// window exists.

#include "common/window_frame.h"

#include <QWidget>
#include <QWindow>

QMarginsF knownFrameMargins(QWidget *window)
{
    return QMarginsF(window->windowHandle()->frameMargins());
}
