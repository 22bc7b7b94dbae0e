#include "common/display_session.h"

#include <QByteArray>
#include <QString>

void preferX11InWaylandSession()
{
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM") || !qEnvironmentVariableIsSet("DISPLAY"))
        return;
    const bool wayland = qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland") ||
                         qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
    if (wayland)
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("xcb"));
}
