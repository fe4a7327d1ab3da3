#include "SetupScreen.h"

#include "Program.h"
#include "platform/CheckBoxControl.h"
#include "platform/FitForm.h"
#include "platform/FormWindow.h"
#include "platform/GameTexts.h"
#include "platform/ImageControl.h"
#include "platform/LabelControl.h"
#include "screens/Screens.h"

#include <QGuiApplication>
#include <QScreen>

namespace nf {
namespace {
constexpr int kStandardWidth = 800; // pixels: only wider screens offer "Hide Desktop"
}

SetupScreen::SetupScreen(Program& program)
    : Screen(program, startplay2Spec()), ui_(resolveSetup(window())) {
    connectSetup(window(), {[this] { clickPlaySound(); }, [this] { clickHideDesktop(); },
                            [this](int players) { clickPlayers(players); },
                            [this] { env().services.openAddress(kPublisherAddress); },
                            [this] { clickExit(); }, [this] { clickRules(); }});
    window().onCloseRequest([this] {
        clickExit();
        return true;
    });
    // The prompt and the publisher's line open the address when clicked, as designed, but only
    // the address itself is a button for the keyboard and screen readers.
    ui_.prompt->setActsAsButton(false);
    ui_.publisher->setActsAsButton(false);
    window().setAccessibleName(gameText(NF_TEXT("Startplay2", "Ninefold, new game")));
    window().orderTabsAsRead();
    if (!load())
        fitform(&window());
}

// False when a step failed; the steps after it are skipped.
bool SetupScreen::load() {
    env().match.ComputerGame = 0;
    centre();
    if (!loadDesignedPicture(ui_.logo))
        return false;
    const QScreen* screen =
        window().screen() ? window().screen() : QGuiApplication::primaryScreen();
    if (screen && screen->geometry().width() > kStandardWidth)
        ui_.hideDesktop->show();
    ui_.hideDesktop->setChecked(env().match.HideDesktop != 0);
    return true;
}

void SetupScreen::clickPlaySound() {
    clickSound();
}

void SetupScreen::clickHideDesktop() {
    clickSound();
    MatchState& match = env().match;
    if (ui_.hideDesktop->isChecked()) {
        match.HideDesktop = 1;
        program_.showBackdrop();
    } else {
        match.HideDesktop = 0;
        program_.closeBackdrop();
    }
    show(); // in front of a new backdrop
}

void SetupScreen::clickPlayers(int players) {
    MatchState& match = env().match;
    match.PlayerCount = static_cast<i16>(players);
    match.SoundOn = ui_.playSound->isChecked() ? 1 : 0;
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
