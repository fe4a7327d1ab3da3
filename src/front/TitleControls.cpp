#include "TitleControls.h"

#include "ControlLookup.h"
#include "platform/LabelControl.h"
#include "platform/PictureBoxControl.h"

namespace nf {

TitleControls resolveTitle(const FormWindow& window) {
    TitleControls c;
    c.frame = requireControl<QWidget>(window, "Frame1");
    c.picture = requireControl<PictureBoxControl>(window, "Picture1");
    c.heading = requireControl<LabelControl>(window, "Label4");
    c.publisher = requireControl<LabelControl>(window, "Label2");
    c.restart = requireControl<LabelControl>(window, "Label6");
    c.ok = requireControl<LabelControl>(window, "Label5");
    c.exit = requireControl<LabelControl>(window, "Label7");
    return c;
}

void connectTitle(FormWindow& window, TitleClicks clicks) {
    window.onClick("Label5", [clicks](int) { clicks.ok(); });
    window.onClick("Label6", [clicks](int) { clicks.restart(); });
    window.onClick("Label7", [clicks](int) { clicks.exit(); });
}

} // namespace nf
