#include "window_registry.h"

#include "controls.h"
#include "handler_guard.h"

namespace {

// Shows a window that is already loaded again, in front.
void showAgain(QWidget *window) {
    window->show();
    window->raise();
    window->activateWindow();
}

template <typename Window> void loadAndShow(Window *window, bool centered) {
    window->setAttribute(Qt::WA_DeleteOnClose);
    runGuarded([window] { window->Form_Load(); });
    if (centered)
        centerOnScreen(window);
    window->show();
}

} // namespace

void WindowRegistry::showQueryWindow() {
    if (m_query) {
        showAgain(m_query);
        return;
    }
    m_query = new Form1;
    connect(m_query, &Form1::monitorRequested, this, &WindowRegistry::showMonitorWindow);
    connect(m_query, &Form1::supportWindowRequested, this, &WindowRegistry::showSupportWindow);
    loadAndShow(m_query.data(), true);
}

void WindowRegistry::showSupportWindow() {
    if (m_support) {
        showAgain(m_support);
        return;
    }
    m_support = new Form2;
    loadAndShow(m_support.data(), true);
}

void WindowRegistry::showMonitorWindow() {
    if (m_monitor) {
        showAgain(m_monitor);
        return;
    }
    m_monitor = new Form3;
    connect(m_monitor, &Form3::queryWindowRequested, this, &WindowRegistry::showQueryWindow);
    loadAndShow(m_monitor.data(), false);
}
