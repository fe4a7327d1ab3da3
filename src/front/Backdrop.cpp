#include "Backdrop.h"

#include "platform/BackdropHints.h"
#include "platform/FormWindow.h"
#include "platform/LabelAccessibility.h"
#include "screens/ScreenBuilder.h"
#include "screens/Screens.h"

namespace nf {

Backdrop::Backdrop(Program& program) : Screen(program, greySpec()) {
    window().setBackground(toQColor(colours::backdropBlue));
    window().setWindowFlag(Qt::WindowDoesNotAcceptFocus);
    window().onCloseRequest([] { return false; }); // only "Hide Desktop" takes it away
    markAsBackdrop(&window());
    hideFromScreenReaders(&window());
}

void Backdrop::show() {
    window().show();
    remindWindowManagerOfBackdrop(&window());
}

} // namespace nf
