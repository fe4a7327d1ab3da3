#pragma once

#include <string_view>

namespace nf {

// A text a player reads, as written in English, and the context a translator finds it under:
// the window or part of the game it belongs to. The English is the source text the
// translations know it by.
struct Text {
    std::string_view context; // none: shown as written in every language
    std::string_view english;
};

// Marks a text to translate where it is written. lupdate reads NF_TEXT as it reads
// QT_TRANSLATE_NOOP (translations/CMakeLists.txt), so both arguments must be string literals;
// a //: comment on the line before reaches the translator (how much room the text has).
#define NF_TEXT(context, english) (::nf::Text{context, english})

// Numbers, names and addresses that stay as they are in every language.
constexpr Text asWritten(std::string_view text) {
    return {{}, text};
}

} // namespace nf
