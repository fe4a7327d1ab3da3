#pragma once

class QWidget;
struct xcb_connection_t;

namespace nf {

// For a window that only hides the desktop: the window manager keeps it out of the taskbar,
// the pager and the window switcher, and below the program's other windows, so that neither
// a click nor the switcher can bring it over them. Call before the window is first shown;
// on a display other than X11 only the keep-below hint applies.
void markAsBackdrop(QWidget* window);

// After the window is shown: asks a running window manager for the same again, since some
// managers read the hints only from a request.
void remindWindowManagerOfBackdrop(QWidget* window);

// Whether the X11 window manager says it keeps a window below the others when asked
// (_NET_WM_STATE_BELOW); false without one (twm), with weston's, and off X11.
bool windowManagerKeepsBelow();
// The same, asked over a connection of one's own (before Qt has one).
bool windowManagerKeepsBelow(xcb_connection_t* connection);

// Whether the program runs as a Wayland client, where it can neither place nor raise its
// windows and a window is kept above another only as its child (transient parent).
bool onWayland();

} // namespace nf
