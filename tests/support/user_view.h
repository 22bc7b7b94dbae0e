#pragma once

#include "common/controls.h"

#include <QRect>
#include <QRgb>
#include <QString>

class QImage;
class QWidget;

// Types the text into the widget as a user does: letters, digits and signs key by key, and
// Chinese characters committed by an input method, the way they reach a widget for real.
void typeText(QWidget *widget, const QString &text);
// Double-clicks a point of the widget (its centre by default) through its window, as the
// window system delivers it: a press and release, then a second press that Qt turns into a
// double click, and its release. The widget under the point receives them.
void doubleClick(QWidget *widget, QPoint point = {});
// Clicks into a text box or a combo box's text, selects what it holds and types over it.
void typeOver(QWidget *box, const QString &text);
// Puts the text on the clipboard and pastes it with Ctrl+V where the cursor of a text box or
// a combo box's text stands.
void pasteText(QWidget *box, const QString &text);

// Where a widget, drawn as the user sees it, shows anything but its background colour (taken
// from its bottom right corner); an empty rectangle when it shows nothing.
QRect inkRect(QWidget *widget);
// Where the area of a drawn image shows anything but the given background colour.
QRect inkRect(const QImage &image, const QRect &area, QRgb background);

// Where the named control of a design lies in its window's client area, in pixels.
QRect placeInWindow(const QList<ControlDesign> &design, const QString &name);

// A control as the user finds it: where it lies in the window's client area, in pixels, and
// the text it shows.
struct SeenControl {
    const char *name;
    QRect place;
    QString text;
};
// Each control lies where the user sees it and shows its text.
void expectSeenAs(const QWidget &window, const QList<SeenControl> &controls);
