#include "common/click_label.h"

#include <QMouseEvent>

#include <utility>

void ClickLabel::mouseDoubleClickEvent(QMouseEvent *event)
{
    QLabel::mouseDoubleClickEvent(event);
    m_endingDoubleClick = event->button() == Qt::LeftButton;
}

void ClickLabel::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    if (std::exchange(m_endingDoubleClick, false))
        return;
    if (rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
}
