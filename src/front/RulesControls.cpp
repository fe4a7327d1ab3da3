#include "RulesControls.h"

#include "ControlLookup.h"
#include "platform/ImageControl.h"
#include "platform/LabelControl.h"

namespace nf {

RulesControls resolveRules(const FormWindow& window, int page) {
    RulesControls c;
    c.exit = requireControl<LabelControl>(window, "Label3", 0);
    c.nextPage = window.control<LabelControl>(QStringLiteral("Label3"), 1);
    c.previousPage = window.control<LabelControl>(QStringLiteral("Label3"), 2);
    c.picture = requireControl<ImageControl>(window, "Image1");
    if (page == 2) {
        c.throwDice = requireControl<LabelControl>(window, "Label2");
        for (std::size_t i = 0; i < c.dice.size(); ++i)
            c.dice[i] = requireControl<LabelControl>(window, "Label4", static_cast<int>(i));
    }
    if (page == 3)
        c.rulesDocument = requireControl<LabelControl>(window, "Label2");
    return c;
}

void connectRules(FormWindow& window, int page, RulesClicks clicks) {
    window.onClick("Label3", [clicks](int index) {
        if (index == 0)
            clicks.exit();
        else if (index == 1)
            clicks.nextPage();
        else if (index == 2)
            clicks.previousPage();
    });
    if (page == 2)
        window.onClick("Label2", [clicks](int) { clicks.throwDice(); });
    if (page == 3)
        window.onClick("Label2", [clicks](int) { clicks.rulesDocument(); });
}

} // namespace nf
