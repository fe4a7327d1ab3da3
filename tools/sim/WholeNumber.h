#pragma once

#include <charconv>
#include <optional>
#include <string>
#include <system_error>

namespace nf::sim {

// The whole word as a number from `low` to `high`, or nothing: no spaces, no '+', no sign the
// type cannot hold, nothing after the digits, nothing that overflows.
template <typename T>
std::optional<T> wholeNumber(const std::string& word, T low, T high) {
    T value{};
    const char* end = word.data() + word.size();
    const auto [stop, error] = std::from_chars(word.data(), end, value);
    if (error != std::errc() || stop != end || value < low || value > high)
        return std::nullopt;
    return value;
}

} // namespace nf::sim
