#include "controls.h"

#include "look.h"
#include "twips.h"

#include <QGuiApplication>
#include <QScreen>

void placeInTwips(QWidget *control, int left, int top, int width, int height)
{
    control->setGeometry(twipsRect(left, top, width, height));
}

QTimer *makeTimer(QObject *owner, const QString &name, int interval)
{
    auto *timer = new QTimer(owner);
    timer->setObjectName(name);
    timer->setInterval(interval);
    return timer;
}

void setTextColor(QWidget *control, const QColor &color)
{
    QPalette palette = control->palette();
    palette.setColor(QPalette::WindowText, color);
    palette.setColor(QPalette::ButtonText, color);
    control->setPalette(palette);
}

void makeLink(QWidget *label, const QString &toolTip)
{
    label->setCursor(handCursor());
    if (!toolTip.isEmpty())
        label->setToolTip(toolTip);
}

void centerOnScreen(QWidget *window)
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QSize outer = window->frameGeometry().size();
    window->move(screen.center() - QPoint(outer.width() / 2, outer.height() / 2));
}
