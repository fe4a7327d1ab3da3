#include "SetupControls.h"

#include "ControlLookup.h"
#include "platform/CheckBoxControl.h"
#include "platform/ImageControl.h"
#include "platform/LabelControl.h"

namespace nf {

SetupControls resolveSetup(const FormWindow& window) {
    SetupControls c;
    c.playSound = requireControl<CheckBoxControl>(window, "Check1");
    c.hideDesktop = requireControl<CheckBoxControl>(window, "Check3");
    for (std::size_t i = 0; i < c.players.size(); ++i)
        c.players[i] = requireControl<LabelControl>(window, "Label1", static_cast<int>(i));
    c.rules = requireControl<LabelControl>(window, "Label6");
    c.exit = requireControl<LabelControl>(window, "Label3", 0);
    c.prompt = requireControl<LabelControl>(window, "Label2", 0);
    c.publisher = requireControl<LabelControl>(window, "Label2", 1);
    c.address = requireControl<LabelControl>(window, "Label2", 12);
    c.heading = requireControl<LabelControl>(window, "Label4");
    c.logo = requireControl<ImageControl>(window, "Image2");
    return c;
}

void connectSetup(FormWindow& window, SetupClicks clicks) {
    window.onClick("Check1", [clicks](int) { clicks.playSound(); });
    window.onClick("Check3", [clicks](int) { clicks.hideDesktop(); });
    window.onClick("Label1", [clicks](int index) { clicks.players(index + 1); });
    window.onClick("Label2", [clicks](int) { clicks.address(); });
    window.onClick("Label3", [clicks](int) { clicks.exit(); });
    window.onClick("Label6", [clicks](int) { clicks.rules(); });
}

} // namespace nf
