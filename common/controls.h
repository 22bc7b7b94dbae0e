#pragma once

#include <QLabel>
#include <QString>
#include <QTimer>
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

// A label as the windows' labels always were: its text drawn from the top left corner of its
// box, and shown as it stands, never read as markup. Chapter lines and version texts are page
// text taken raw, and a line running under a neighbouring caption stays hidden behind it.
template <typename Label>
Label *makePlainLabel(QWidget *container, const QString &name, int left, int top, int width,
                      int height, const QString &text)
{
    auto *label = makeControl<Label>(container, name, left, top, width, height, text);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

// A named timer, switched off until something switches it on.
QTimer *makeTimer(QObject *owner, const QString &name, int interval);

// A top-level window with the title bar's system menu, minimise and close buttons only.
inline constexpr Qt::WindowFlags kMinimizeOnlyWindow =
    Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
    Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;

// The text colour of a label or button, as the window's design gives it.
void setTextColor(QWidget *control, const QColor &color);
// A link label: pointing-hand cursor and an optional tooltip.
void makeLink(QWidget *label, const QString &toolTip = QString());

// Puts a top-level window in the middle of the primary screen.
void centerOnScreen(QWidget *window);
