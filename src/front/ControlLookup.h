#pragma once

#include "platform/FormWindow.h"

#include <stdexcept>
#include <string>

namespace nf {

// A control the window's design must have, by designer name and index. A missing one is a
// fault of the catalogue, found by the first test that opens the window.
template <class Control>
Control* requireControl(const FormWindow& window, const char* name,
                        int index = FormWindow::kNoIndex) {
    auto* control = window.control<Control>(QLatin1String(name), index);
    if (!control)
        throw std::logic_error(window.name().toStdString() + " without " + name + "(" +
                               std::to_string(index) + ")");
    return control;
}

} // namespace nf
