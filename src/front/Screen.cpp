#include "Screen.h"

#include "Program.h"
#include "engine/GameFiles.h"
#include "platform/FitForm.h"
#include "platform/FormWindow.h"
#include "screens/ScreenBuilder.h"

namespace nf {

Screen::Screen(Program& program, const WindowSpec& design)
    : WindowOwner(buildWindow(design, program.env().services.folder())), program_(program),
      design_(design) {}

Screen::~Screen() = default;

Environment& Screen::env() const {
    return program_.env();
}

void Screen::show() {
    window().show();
    window().raise();
}

void Screen::centre() {
    centreform(&window());
}

bool Screen::loadDesignedPicture(const QWidget* control) {
    return loadCataloguePicture(window(), design_, control, env().services.folder());
}

void Screen::clickSound() {
    if (env().match.soundOn())
        env().services.playwav(gameName(sounds::click));
}

} // namespace nf
