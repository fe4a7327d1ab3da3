#include "TextsToTranslate.h"

#include "board/BoardTexts.h"
#include "screens/Screens.h"

#include <algorithm>
#include <cctype>

namespace nf {
namespace {

bool staysAsWritten(const std::string& text) {
    const bool hasLetters = std::any_of(text.begin(), text.end(), [](char c) {
        return std::isalpha(static_cast<unsigned char>(c)) != 0;
    });
    return !hasLetters || text == kPublisherAddress || text == "Form1";
}

} // namespace

std::vector<std::string> textsToTranslate() {
    std::vector<std::string> texts;
    const auto add = [&texts](const std::string& text) {
        if (!staysAsWritten(text) && std::find(texts.begin(), texts.end(), text) == texts.end())
            texts.push_back(text);
    };
    for (const WindowSpec& window : allWindowSpecs()) {
        add(window.caption);
        for (const ControlSpec& control : window.controls)
            add(control.caption);
    }
    for (const std::string& text : allBoardTexts())
        add(text);
    return texts;
}

} // namespace nf
