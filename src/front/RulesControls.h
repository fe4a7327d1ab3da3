#pragma once

#include <array>
#include <functional>

namespace nf {

class FormWindow;
class ImageControl;
class LabelControl;

// A rules page's controls by what they are for; those a page does not have are null. The
// catalogue's designer names become these handles here and nowhere else; the rules pages,
// the tools and the tests use them.
struct RulesControls {
    LabelControl* exit = nullptr;
    LabelControl* nextPage = nullptr;     // pages 1 and 2
    LabelControl* previousPage = nullptr; // pages 2 and 3
    ImageControl* picture = nullptr;
    LabelControl* throwDice = nullptr;     // page 2: the try-out's throw
    std::array<LabelControl*, 4> dice{};   // page 2: the try-out's dice, the last two hidden
    LabelControl* rulesDocument = nullptr; // page 3: "Open Rules Document for Printing"
};

// What a rules page does with its buttons; those of controls the page lacks are not called.
struct RulesClicks {
    std::function<void()> exit, nextPage, previousPage, throwDice, rulesDocument;
};

// The handles of a built rules page (1..3), each the page is designed with checked to be
// there; the page buttons are looked for on every page.
RulesControls resolveRules(const FormWindow& window, int page);
void connectRules(FormWindow& window, int page, RulesClicks clicks);

} // namespace nf
