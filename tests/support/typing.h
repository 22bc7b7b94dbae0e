#pragma once

#include <QString>

class QWidget;

// Types the text into the widget as a user does: letters, digits and signs key by key, and
// Chinese characters committed by an input method, the way they reach a widget for real.
void typeText(QWidget *widget, const QString &text);
