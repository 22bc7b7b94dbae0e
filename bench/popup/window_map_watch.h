#pragma once

#include <chrono>

struct xcb_connection_t;

// Watches the X server for a top-level window being mapped, the moment a window is first on
// screen. Without a window manager every program's window is a child of the root.
class WindowMapWatch {
public:
    WindowMapWatch();
    ~WindowMapWatch();
    WindowMapWatch(const WindowMapWatch &) = delete;
    WindowMapWatch &operator=(const WindowMapWatch &) = delete;

    // Waits for the next top-level map and returns when it was seen; false on timeout.
    bool waitForMap(std::chrono::milliseconds timeout,
                    std::chrono::steady_clock::time_point *seenAt);

private:
    xcb_connection_t *m_connection;
};
