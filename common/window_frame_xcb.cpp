// Under X11 the window manager draws the frame, and says how wide only when asked.

#include "common/window_frame.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QThread>
#include <QWidget>
#include <QWindow>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <vector>

namespace {

// Window managers answer in a millisecond or two; one that does not answer at all must not
// hold up the window for long.
constexpr qint64 kPatienceMs = 100;

template <typename Reply> using XcbReply = std::unique_ptr<Reply, decltype(&std::free)>;

xcb_atom_t internAtom(xcb_connection_t *connection, const char *name)
{
    const XcbReply<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(connection,
                              xcb_intern_atom(connection, false, std::strlen(name), name), nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// The 32-bit values of a window property; none when the window does not have it.
std::vector<quint32> propertyValues(xcb_connection_t *connection, xcb_window_t window,
                                    xcb_atom_t property, xcb_atom_t type)
{
    const XcbReply<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(connection,
                               xcb_get_property(connection, false, window, property, type, 0, 1024),
                               nullptr),
        &std::free);
    if (!reply || reply->format != 32)
        return {};
    const auto *values = static_cast<const quint32 *>(xcb_get_property_value(reply.get()));
    return {values, values + xcb_get_property_value_length(reply.get()) / 4};
}

xcb_window_t rootOf(xcb_connection_t *connection, xcb_window_t window)
{
    const XcbReply<xcb_query_tree_reply_t> reply(
        xcb_query_tree_reply(connection, xcb_query_tree(connection, window), nullptr), &std::free);
    return reply ? reply->root : xcb_window_t(XCB_WINDOW_NONE);
}

// A window manager that supports it sets the frame extents of a window it has not yet framed
// when asked to.
std::optional<QMargins> frameExtentsFromWindowManager(xcb_connection_t *connection, QWidget *window)
{
    const auto id = static_cast<xcb_window_t>(window->winId());
    const xcb_window_t root = rootOf(connection, id);
    const xcb_atom_t request = internAtom(connection, "_NET_REQUEST_FRAME_EXTENTS");
    const std::vector<quint32> supported =
        propertyValues(connection, root, internAtom(connection, "_NET_SUPPORTED"), XCB_ATOM_ATOM);
    if (std::find(supported.begin(), supported.end(), request) == supported.end())
        return std::nullopt;
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = id;
    message.type = request;
    xcb_send_event(connection, false, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char *>(&message));
    xcb_flush(connection);
    const xcb_atom_t extents = internAtom(connection, "_NET_FRAME_EXTENTS");
    QElapsedTimer waited;
    waited.start();
    do {
        // left, right, top, bottom
        const std::vector<quint32> sides =
            propertyValues(connection, id, extents, XCB_ATOM_CARDINAL);
        if (sides.size() == 4)
            return QMargins(int(sides[0]), int(sides[2]), int(sides[1]), int(sides[3]));
        QThread::msleep(1);
    } while (waited.elapsed() < kPatienceMs);
    return std::nullopt;
}

} // namespace

QMarginsF knownFrameMargins(QWidget *window)
{
    // The offscreen platform answers to the X11 interface too, without a connection.
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return QMarginsF(window->windowHandle()->frameMargins());
    // Without an answer there is no window manager to frame the window, or one that will not
    // say; Qt itself would only guess from a window tree the manager has not built yet.
    // The manager measures in the screen's pixels, Qt places windows in scaled ones.
    return QMarginsF(frameExtentsFromWindowManager(connection, window).value_or(QMargins())) /
           window->windowHandle()->devicePixelRatio();
}
