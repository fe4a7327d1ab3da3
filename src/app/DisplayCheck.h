#pragma once

namespace nf {

// Whether the program has somewhere to show its windows: an X or Wayland display, or a Qt
// platform chosen explicitly (QT_QPA_PLATFORM=offscreen). Without one Qt would abort.
bool hasDisplay();

constexpr const char* kNoDisplayMessage =
    "Ninefold needs a graphical display; none was found (DISPLAY and WAYLAND_DISPLAY are unset). "
    "To run it without one: xvfb-run -a build/ninefold";

} // namespace nf
