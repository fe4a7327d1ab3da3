#pragma once

#include <string>

namespace nf {

struct StartOptions;

// What the desktop session offers the game, as found at start.
struct Session {
    std::string named;           // the platform asked for: -platform, else QT_QPA_PLATFORM
    std::string namedBy;         // how it was asked for ("-platform xcb", "QT_QPA_PLATFORM=xcb")
    std::string display;         // the X display: -display, else DISPLAY
    std::string displayFrom;     // "DISPLAY" or "-display"
    std::string wayland;         // WAYLAND_DISPLAY
    bool xAnswers = false;       // an X server answers at `display`
    bool xKeepsBelow = false;    // and its window manager keeps a window below when asked
    bool waylandAnswers = false; // a compositor answers at `wayland` (or wayland-0 if unset)
};

// The platform the game gives Qt, or why it cannot show its windows.
struct PlatformChoice {
    // "xcb" or "wayland" where the game chooses; empty where Qt is to follow what was asked.
    std::string platform;
    // One line of words when nothing can show the game; empty when the game starts.
    std::string problem;
    // One line for the case that Qt fails to start the platform all the same.
    std::string failure;
};

// X11 wherever an X server answers, also in a Wayland session that runs one (GNOME and KDE
// start XWayland), so that windows are placed as designed; but a Wayland compositor where its
// X11 window manager cannot keep the backdrop below the game (weston's), since the compositor
// itself keeps the game's windows above the backdrop as its children. A platform that was
// asked for is respected. `command` is the program as it was started,
// for the words that say how to run it under a virtual display.
PlatformChoice choosePlatform(const Session& session, const std::string& command);

// The session of this process: its environment, the command line's -platform and -display,
// and whether the X server and the Wayland compositor named there answer.
Session currentSession(const StartOptions& options);

} // namespace nf
