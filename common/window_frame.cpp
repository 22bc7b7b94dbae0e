#include "common/window_frame.h"

#include <QGuiApplication>
#include <QRect>
#include <QRectF>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace {

// The native window must exist for its frame to be known; where Qt draws the frame or the
// system computes it (Windows, offscreen), Qt knows it from then on.
QMarginsF frameOf(QWidget *window)
{
    window->winId();
    return knownFrameMargins(window);
}

// The client area is placed, not the frame: for a window whose native window exists, Qt would
// take a frame position relative to a frame it does not know yet. On a scaled screen the frame
// may take part of a scaled pixel; the client goes to the nearest whole one.
void placeFrameTopLeftAt(QWidget *window, const QMarginsF &frame, const QPointF &topLeft)
{
    const QPointF client = topLeft + QPointF(frame.left(), frame.top());
    window->setGeometry(QRect(client.toPoint(), window->size()));
}

} // namespace

void placeFrameTopRightAt(QWidget *window, const QPoint &topRight)
{
    const QMarginsF frame = frameOf(window);
    const qreal outerWidth = QSizeF(window->size()).grownBy(frame).width();
    placeFrameTopLeftAt(window, frame, QPointF(topRight) - QPointF(outerWidth, 0));
}

void centerOnScreen(QWidget *window)
{
    const QMarginsF frame = frameOf(window);
    const QSizeF outer = QSizeF(window->size()).grownBy(frame);
    const QPointF center = QRectF(QGuiApplication::primaryScreen()->geometry()).center();
    placeFrameTopLeftAt(window, frame, center - QPointF(outer.width() / 2, outer.height() / 2));
}
