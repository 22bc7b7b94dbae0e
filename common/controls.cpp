#include "common/controls.h"

#include "common/look.h"
#include "common/twips.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>

#include <algorithm>

const ControlDesign &designOf(const QList<ControlDesign> &design, const QString &name)
{
    const auto found =
        std::find_if(design.begin(), design.end(),
                     [&](const ControlDesign &control) { return control.name == name; });
    // A window built from a table that lacks one of its controls is a fault of this program:
    // it must end here, in every kind of build, rather than read past the table.
    if (found == design.end())
        qFatal("No control named %s in the window's design", qUtf8Printable(name));
    return *found;
}

QWidget *containerOf(QWidget *window, const ControlDesign &control)
{
    if (control.container == window->objectName())
        return window;
    auto *container = window->findChild<QWidget *>(control.container);
    // Without its container a control would be a window of its own that nobody ever sees.
    if (!container)
        qFatal("The container %s of control %s is not built", qUtf8Printable(control.container),
               qUtf8Printable(control.name));
    return container;
}

void applyDesign(QWidget *control, const ControlDesign &design)
{
    control->setObjectName(design.name);
    const QRect &twips = design.twips;
    control->setGeometry(twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
    if (design.text.isEmpty())
        return;
    if (auto *frame = qobject_cast<QGroupBox *>(control))
        frame->setTitle(design.text);
    else if (auto *box = qobject_cast<QComboBox *>(control)) {
        // A combo box with a text of its own is one whose text can be typed. Like an edit box,
        // it shows its text from the first character.
        box->setEditable(true);
        box->setEditText(design.text);
        box->lineEdit()->setCursorPosition(0);
    } else
        control->setProperty("text", design.text);
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
