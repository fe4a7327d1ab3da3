#include "DisplayCheck.h"

#include <cstdlib>
#include <xcb/xcb.h>

namespace nf {
namespace {

std::string variable(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

bool xServerAnswers(const std::string& display) {
    xcb_connection_t* connection = xcb_connect(display.c_str(), nullptr);
    const bool answers = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return answers;
}

} // namespace

std::optional<std::string> displayProblem(const std::string& command) {
    const std::string platform = variable("QT_QPA_PLATFORM");
    const std::string display = variable("DISPLAY");
    const std::string hint = ". To run it without one: xvfb-run -a " + command;
    if (!platform.empty() && platform.rfind("xcb", 0) != 0)
        return std::nullopt;
    if (!display.empty()) {
        if (xServerAnswers(display))
            return std::nullopt;
        return "Ninefold cannot open the display \"" + display +
               "\" (DISPLAY): no X server answers there" + hint;
    }
    if (platform.empty() && !variable("WAYLAND_DISPLAY").empty())
        return std::nullopt;
    return "Ninefold needs a graphical display; none was found (DISPLAY and WAYLAND_DISPLAY "
           "are unset)" +
           hint;
}

} // namespace nf
