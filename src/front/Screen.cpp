#include "Screen.h"

#include "Program.h"
#include "platform/FitForm.h"
#include "platform/FormWindow.h"
#include "screens/ScreenBuilder.h"

#include <QGuiApplication>
#include <QScreen>

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
    const QScreen* screen =
        window_->screen() ? window_->screen() : QGuiApplication::primaryScreen();
    if (screen)
        window_->move(centredPosition(screen->geometry(), window_->frameGeometry().size()));
}

void Screen::clickSound() {
    if (env().match.soundOn())
        env().services.playwav("wav\\click.wav");
}

} // namespace nf
