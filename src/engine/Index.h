#pragma once

#include <cstddef>

namespace nf {

// An int that indexes a std::array, where the caller has checked its range.
constexpr std::size_t idx(int i) {
    return static_cast<std::size_t>(i);
}

} // namespace nf
