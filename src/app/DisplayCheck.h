#pragma once

#include <optional>
#include <string>

namespace nf {

// Why the program could not show its windows, as one line that says how to run it under a
// virtual display, naming the command as it was started; nothing when a display answers
// (or a Qt platform was chosen explicitly, such as QT_QPA_PLATFORM=offscreen). Without this
// check Qt would abort.
std::optional<std::string> displayProblem(const std::string& command);

} // namespace nf
