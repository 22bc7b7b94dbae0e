#include "app/window_registry.h"

#include "common/handler_guard.h"
#include "common/window_frame.h"

namespace {

enum class Placement { Centered, OwnLoad };

// Set on a window while its load runs.
constexpr char kLoading[] = "ravoskelLoading";

// Shows the one instance of a window: again, in front, when it is loaded; otherwise a new one,
// wired first, then loaded, then shown. A load can wait on a message box, and a request to
// show the window meanwhile waits for the load, which shows it when it is through: shown
// earlier, the window would appear half-loaded and jump.
template <typename Window, typename Wiring>
void showSingle(QPointer<Window> &instance, Placement placement, Wiring wire)
{
    if (instance && instance->property(kLoading).toBool())
        return;
    if (instance) {
        instance->show();
        instance->raise();
        instance->activateWindow();
        return;
    }
    instance = new Window;
    instance->setAttribute(Qt::WA_DeleteOnClose);
    wire(instance.data());
    instance->setProperty(kLoading, true);
    runGuarded([window = instance.data()] { window->Form_Load(); });
    instance->setProperty(kLoading, false);
    if (placement == Placement::Centered)
        centerOnScreen(instance);
    instance->show();
}

} // namespace

void WindowRegistry::showQueryWindow()
{
    showSingle(m_query, Placement::Centered, [this](Form1 *window) {
        connect(window, &Form1::monitorRequested, this, &WindowRegistry::showMonitorWindow);
        connect(window, &Form1::supportWindowRequested, this, &WindowRegistry::showSupportWindow);
    });
}

void WindowRegistry::showSupportWindow()
{
    showSingle(m_support, Placement::Centered, [](Form2 *) {});
}

void WindowRegistry::showMonitorWindow()
{
    showSingle(m_monitor, Placement::OwnLoad, [this](Form3 *window) {
        connect(window, &Form3::queryWindowRequested, this, &WindowRegistry::showQueryWindow);
    });
}
