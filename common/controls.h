#pragma once

#include <QColor>
#include <QLabel>
#include <QList>
#include <QRect>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <type_traits>

// A control as its window was laid out: its name, the name of its container, its place in
// twips relative to the container, and its design-time text (a frame's caption, a box's or
// label's text; empty for none). Each window builds its controls from one table of these.
struct ControlDesign {
    QString name;
    QString container;
    QRect twips;
    QString text;
};

// The named control's entry in a window's design table; a name the table lacks ends the
// program, since the window could never be built.
const ControlDesign &designOf(const QList<ControlDesign> &design, const QString &name);

// Where a control of the window's design goes: the window itself or a control already built.
QWidget *containerOf(QWidget *window, const ControlDesign &control);

// Gives a control its name, place and design-time text.
void applyDesign(QWidget *control, const ControlDesign &design);

// Creates the named control of the window's design, of the given kind, inside its container
// (the window itself or a control already built). Labels draw their text as the windows'
// labels always did: from the top left corner of their box, as it stands, never read as
// markup; chapter lines and version texts are page text taken raw.
template <typename Control>
Control *buildControl(QWidget *window, const QList<ControlDesign> &design, const QString &name)
{
    const ControlDesign &control = designOf(design, name);
    auto *built = new Control(containerOf(window, control));
    if constexpr (std::is_base_of_v<QLabel, Control>) {
        built->setTextFormat(Qt::PlainText);
        built->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    applyDesign(built, control);
    return built;
}

// A named timer, switched off until something switches it on.
QTimer *makeTimer(QObject *owner, const QString &name, int interval);

// A top-level window with the title bar's system menu, minimise and close buttons only.
inline constexpr Qt::WindowFlags kMinimizeOnlyWindow =
    Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
    Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;

// A top-level window with the title bar's system menu and close button only.
inline constexpr Qt::WindowFlags kCloseOnlyWindow = Qt::Window | Qt::CustomizeWindowHint |
                                                    Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                                    Qt::WindowCloseButtonHint;

// The two text colours the windows' designs use besides the default: red links and chapter
// lines (&H000000FF&), blue links (&H00FF0000&).
inline constexpr QColor kRedText(255, 0, 0);
inline constexpr QColor kBlueText(0, 0, 255);

// The text colour of a label or button, as the window's design gives it.
void setTextColor(QWidget *control, const QColor &color);
// A link label: pointing-hand cursor and an optional tooltip.
void makeLink(QWidget *label, const QString &toolTip = QString());
