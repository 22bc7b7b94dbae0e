#pragma once

#include <QRect>

class QWidget;

// Where a widget, drawn as the user sees it, shows anything but its background colour (taken
// from its bottom right corner); an empty rectangle when it shows nothing.
QRect inkRect(QWidget *widget);
