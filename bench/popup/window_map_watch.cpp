#include "bench/popup/window_map_watch.h"

#include <xcb/xcb.h>

#include <poll.h>

#include <cstdlib>
#include <memory>
#include <stdexcept>

namespace {

bool isTopLevelMap(const xcb_generic_event_t *event)
{
    if ((event->response_type & ~0x80) != XCB_MAP_NOTIFY)
        return false;
    return !reinterpret_cast<const xcb_map_notify_event_t *>(event)->override_redirect;
}

} // namespace

WindowMapWatch::WindowMapWatch()
    : m_connection(xcb_connect(nullptr, nullptr))
{
    if (xcb_connection_has_error(m_connection))
        throw std::runtime_error("no X display to watch");
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(m_connection, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(m_connection);
}

WindowMapWatch::~WindowMapWatch()
{
    xcb_disconnect(m_connection);
}

bool WindowMapWatch::waitForMap(std::chrono::milliseconds timeout,
                                std::chrono::steady_clock::time_point *seenAt)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    pollfd display{xcb_get_file_descriptor(m_connection), POLLIN, 0};
    while (std::chrono::steady_clock::now() < deadline) {
        while (auto *event = xcb_poll_for_event(m_connection)) {
            const std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> owned(event,
                                                                                   &std::free);
            if (isTopLevelMap(event)) {
                *seenAt = std::chrono::steady_clock::now();
                return true;
            }
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        poll(&display, 1, static_cast<int>(std::max<long long>(left.count(), 0)));
    }
    return false;
}
