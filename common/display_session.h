#pragma once

// The windows place themselves: the monitor in the screen's top right corner, the popup
// rising from below the bottom right one, on top of the others. A Wayland compositor lets no
// client do that, so in a Wayland session with an X server beside it (XWayland), both
// programs go through X11 unless the user chose a platform. Must run before the application
// object exists.
void preferX11InWaylandSession();
