#include "PlatformChoice.h"

#include "CommandLine.h"
#include "platform/BackdropHints.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <tuple>
#include <unistd.h>
#include <vector>
#include <xcb/xcb.h>

namespace nf {
namespace {

std::string variable(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// Whether an X server answers at `display`, and whether its window manager keeps a window
// below the others when asked.
std::pair<bool, bool> probeX(const std::string& display) {
    if (display.empty())
        return {false, false};
    xcb_connection_t* connection = xcb_connect(display.c_str(), nullptr);
    const bool answers = xcb_connection_has_error(connection) == 0;
    const bool keepsBelow = answers && windowManagerKeepsBelow(connection);
    xcb_disconnect(connection);
    return {answers, keepsBelow};
}

// As libwayland finds the compositor: WAYLAND_SOCKET, else the socket WAYLAND_DISPLAY names
// (wayland-0 when unset) in XDG_RUNTIME_DIR, or its absolute path.
bool compositorAnswers(const std::string& wayland) {
    if (!variable("WAYLAND_SOCKET").empty())
        return true;
    const std::string name = wayland.empty() ? "wayland-0" : wayland;
    const std::string runtime = variable("XDG_RUNTIME_DIR");
    if (name[0] != '/' && runtime.empty())
        return false;
    const std::string path = name[0] == '/' ? name : runtime + "/" + name;
    sockaddr_un address{};
    if (path.size() >= sizeof address.sun_path)
        return false;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    const bool answers =
        connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    close(fd);
    return answers;
}

// The platforms of a Qt platform list ("wayland;xcb"), each without its options.
std::vector<std::string> platformNames(const std::string& list) {
    std::vector<std::string> names;
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t end = std::min(list.find(';', start), list.size());
        const std::string entry = list.substr(start, end - start);
        if (!entry.empty())
            names.push_back(entry.substr(0, entry.find(':')));
        start = end + 1;
    }
    return names;
}

std::string quoted(const std::string& text) {
    return "\"" + text + "\"";
}

std::string xState(const Session& s) {
    if (s.display.empty())
        return "DISPLAY is unset";
    return "no X server answers at " + s.displayFrom + " " + quoted(s.display);
}

std::string waylandState(const Session& s) {
    if (s.wayland.empty())
        return "WAYLAND_DISPLAY is unset";
    return "no Wayland compositor answers at WAYLAND_DISPLAY " + quoted(s.wayland);
}

bool isWayland(const std::string& name) {
    return name.rfind("wayland", 0) == 0;
}

// Whether a platform of the list can start; platforms other than X11 and Wayland are left to
// Qt, whose failure the start-up guard words.
bool canStart(const Session& s, const std::string& name) {
    if (name == "xcb")
        return s.xAnswers;
    if (isWayland(name))
        return s.waylandAnswers;
    return true;
}

PlatformChoice followTheNamed(const Session& s, const std::string& command) {
    const std::string hint =
        ". To run it without a display: " +
        std::string(s.namedBy.rfind("QT_QPA_PLATFORM", 0) == 0 ? "env -u QT_QPA_PLATFORM " : "") +
        "xvfb-run -a " + command;
    std::string states;
    for (const std::string& name : platformNames(s.named)) {
        if (canStart(s, name))
            return {{},
                    {},
                    "Ninefold could not start Qt's platform " + quoted(s.named) + " (" + s.namedBy +
                        "): it is not installed here, cannot connect or has no screen" + hint};
        const std::string state = name == "xcb" ? xState(s) : waylandState(s);
        if (states.find(state) == std::string::npos)
            states += (states.empty() ? "" : "; ") + state;
    }
    if (states.empty())
        states = "the list names no platform";
    return {{}, "Ninefold cannot start as " + s.namedBy + " asks: " + states + hint, {}};
}

} // namespace

PlatformChoice choosePlatform(const Session& s, const std::string& command) {
    if (!s.named.empty())
        return followTheNamed(s, command);
    const std::string hint = ". To run it without one: xvfb-run -a " + command;
    if (s.xAnswers && (s.xKeepsBelow || !s.waylandAnswers || s.wayland.empty()))
        return {"xcb",
                {},
                "Ninefold could not start Qt's X11 platform at " + s.displayFrom + " " +
                    quoted(s.display) + hint};
    if (s.waylandAnswers && !s.wayland.empty())
        return {"wayland",
                {},
                "Ninefold could not start Qt's Wayland platform for the compositor at "
                "WAYLAND_DISPLAY " +
                    quoted(s.wayland) + " (is qt6-wayland installed?)" + hint};
    return {{},
            "Ninefold needs a graphical display and none answers: " + xState(s) + "; " +
                waylandState(s) + hint,
            {}};
}

Session currentSession(const StartOptions& options) {
    Session s;
    if (!options.platform.empty()) {
        s.named = options.platform;
        s.namedBy = "-platform " + options.platform;
    } else if (!variable("QT_QPA_PLATFORM").empty()) {
        s.named = variable("QT_QPA_PLATFORM");
        s.namedBy = "QT_QPA_PLATFORM=" + s.named;
    }
    s.display = options.display.empty() ? variable("DISPLAY") : options.display;
    s.displayFrom = options.display.empty() ? "DISPLAY" : "-display";
    s.wayland = variable("WAYLAND_DISPLAY");
    const std::vector<std::string> names = platformNames(s.named);
    const auto asks = [&names, &s](auto test) {
        if (s.named.empty())
            return true;
        for (const std::string& name : names)
            if (test(name))
                return true;
        return false;
    };
    // Only what may be used is probed: connecting costs a round trip.
    if (asks([](const std::string& n) { return n == "xcb"; }))
        std::tie(s.xAnswers, s.xKeepsBelow) = probeX(s.display);
    if ((!s.xAnswers || !s.xKeepsBelow) && asks(isWayland))
        s.waylandAnswers = compositorAnswers(s.wayland);
    return s;
}

} // namespace nf
