#include "SetupScreen.h"

#include "Program.h"
#include "platform/CheckBoxControl.h"
#include "platform/FitForm.h"
#include "platform/FormWindow.h"
#include "screens/Screens.h"

#include <QGuiApplication>
#include <QScreen>

namespace nf {
namespace {
constexpr int kStandardWidth = 800; // pixels: only wider screens offer "Hide Desktop"
}

SetupScreen::SetupScreen(Program& program) : Screen(program, startplay2Spec()) {
    FormWindow& w = window();
    w.onClick("Check1", [this](int) { clickPlaySound(); });
    w.onClick("Check3", [this](int) { clickHideDesktop(); });
    w.onClick("Label1", [this](int index) { clickPlayers(index); });
    w.onClick("Label2", [this](int) { env().services.openAddress(kPublisherAddress); });
    w.onClick("Label3", [this](int) { clickExit(); });
    w.onClick("Label6", [this](int) { clickRules(); });
    w.onCloseRequest([this] {
        clickExit();
        return true;
    });
    if (!load())
        fitform(&w);
}

// False when a step failed; the steps after it are skipped.
bool SetupScreen::load() {
    env().match.ComputerGame = 0;
    centre();
    if (!loadDesignedPicture("Image2"))
        return false;
    const QScreen* screen =
        window().screen() ? window().screen() : QGuiApplication::primaryScreen();
    auto* hideDesktop = window().control<CheckBoxControl>("Check3");
    if (screen && screen->geometry().width() > kStandardWidth)
        hideDesktop->show();
    hideDesktop->setChecked(env().match.HideDesktop != 0);
    return true;
}

void SetupScreen::clickPlaySound() {
    clickSound();
}

void SetupScreen::clickHideDesktop() {
    clickSound();
    MatchState& match = env().match;
    if (window().control<CheckBoxControl>("Check3")->isChecked()) {
        match.HideDesktop = 1;
        program_.showBackdrop();
    } else {
        match.HideDesktop = 0;
        program_.closeBackdrop();
    }
    show(); // in front of a new backdrop
}

void SetupScreen::clickPlayers(int index) {
    MatchState& match = env().match;
    match.PlayerCount = static_cast<i16>(index + 1);
    match.SoundOn = window().control<CheckBoxControl>("Check1")->isChecked() ? 1 : 0;
    const bool computer = match.PlayerCount == 1;
    if (computer) {
        match.ComputerGame = 1;
        match.PlayerCount = 2;
    }
    program_.openBoard(computer, Opening::New);
    program_.closeRulesPage(1);
    close();
    clickSound();
}

void SetupScreen::clickExit() {
    program_.showTitle();
    close();
}

void SetupScreen::clickRules() {
    program_.showRulesPage(1);
    clickSound();
}

} // namespace nf
