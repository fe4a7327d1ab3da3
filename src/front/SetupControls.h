#pragma once

#include <array>
#include <functional>

namespace nf {

class CheckBoxControl;
class FormWindow;
class ImageControl;
class LabelControl;

// The setup screen's controls by what they are for. The catalogue's designer names become
// these handles here and nowhere else; the setup screen and the tests use them.
struct SetupControls {
    CheckBoxControl* playSound = nullptr;
    CheckBoxControl* hideDesktop = nullptr; // offered on screens wider than 800 pixels
    std::array<LabelControl*, 4> players{}; // "1" to "4"
    LabelControl* rules = nullptr;          // "The Rules"
    LabelControl* exit = nullptr;
    LabelControl* prompt = nullptr;    // "Select Number of Players"
    LabelControl* publisher = nullptr; // the publisher's line
    LabelControl* address = nullptr;   // the publisher's web address
    LabelControl* heading = nullptr;   // "Ninefold"
    ImageControl* logo = nullptr;
};

// What the setup screen does with its clicks. The prompt, the publisher's line and the
// address are one control array as designed: a click on any of them is `address`.
struct SetupClicks {
    std::function<void()> playSound, hideDesktop;
    std::function<void(int players)> players; // 1..4
    std::function<void()> address, exit, rules;
};

// The handles of a built setup window, each checked to be there.
SetupControls resolveSetup(const FormWindow& window);
void connectSetup(FormWindow& window, SetupClicks clicks);

} // namespace nf
