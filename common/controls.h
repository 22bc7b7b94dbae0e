#pragma once

#include <QString>
#include <QWidget>

// Places a control the way the windows were laid out: in twips, relative to its container.
void placeInTwips(QWidget *control, int left, int top, int width, int height);

// Creates a named control of the given kind inside its container, placed in twips.
template <typename Control, typename... Args>
Control *makeControl(QWidget *container, const QString &name, int left, int top, int width,
                     int height, Args &&...args)
{
    auto *control = new Control(std::forward<Args>(args)..., container);
    control->setObjectName(name);
    placeInTwips(control, left, top, width, height);
    return control;
}

// The text colour of a label or button, as the window's design gives it.
void setTextColor(QWidget *control, const QColor &color);
// A link label: pointing-hand cursor and an optional tooltip.
void makeLink(QWidget *label, const QString &toolTip = QString());

// Puts a top-level window in the middle of the primary screen.
void centerOnScreen(QWidget *window);
