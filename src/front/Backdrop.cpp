#include "Backdrop.h"

#include "platform/FormWindow.h"
#include "screens/ScreenBuilder.h"
#include "screens/Screens.h"

namespace nf {

Backdrop::Backdrop(Program& program) : Screen(program, greySpec()) {
    window().setBackground(toQColor(colours::backdropBlue));
    window().setWindowFlag(Qt::WindowDoesNotAcceptFocus);
    window().onCloseRequest([] { return false; }); // only "Hide Desktop" takes it away
}

void Backdrop::show() {
    window().show(); // a newly shown backdrop lies above the windows shown before it
    window().raise();
}

} // namespace nf
