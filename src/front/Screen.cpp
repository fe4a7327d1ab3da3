#include "Screen.h"

#include "Program.h"
#include "engine/GameFiles.h"
#include "platform/FitForm.h"
#include "platform/FormWindow.h"
#include "screens/ScreenBuilder.h"

namespace nf {

Screen::Screen(Program& program, const WindowSpec& design)
    : program_(program), design_(design),
      window_(buildWindow(design, program.env().services.folder())) {}

Screen::~Screen() = default;

Environment& Screen::env() const {
    return program_.env();
}

void Screen::show() {
    window_->show();
    window_->raise();
}

void Screen::close() {
    if (closed_)
        return;
    closed_ = true;
    window_->closeWindow();
    deleteLater();
}

void Screen::centre() {
    centreform(window_.get());
}

void Screen::clickSound() {
    if (env().match.soundOn())
        env().services.playwav(gameName(sounds::click));
}

} // namespace nf
