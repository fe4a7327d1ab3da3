#include "TitleScreen.h"

#include "Program.h"
#include "board/RestartPrevious.h"
#include "platform/FitForm.h"
#include "platform/FormWindow.h"
#include "platform/GameTexts.h"
#include "platform/LabelControl.h"
#include "platform/PictureBoxControl.h"
#include "screens/Screens.h"

namespace nf {
namespace {
constexpr Text kShowStatistics = NF_TEXT("Titlefrm", "Show statistics");
} // namespace

TitleScreen::TitleScreen(Program& program)
    : Screen(program, titlefrmSpec()), ui_(resolveTitle(window())) {
    connectTitle(window(),
                 {[this] { clickOk(); }, [this] { clickRestart(); }, [this] { clickExit(); }});
    window().onCloseRequest([this] {
        clickExit();
        return true;
    });
    window().setAccessibleName(gameText(NF_TEXT("Titlefrm", "Ninefold, title screen")));
    window().orderTabsAsRead();
    window().onKey([this](int key) {
        if (key != Qt::Key_S)
            return false;
        program_.showStatistics();
        return true;
    });
    ui_.heading->setAssistiveAction(gameText(kShowStatistics),
                                    [this] { program_.showStatistics(); });
    load();
}

// A picture that does not load leaves the screen at the standard size, without it.
void TitleScreen::load() {
    centre();
    env().match.SoundOn = 1;
    if (!loadDesignedPicture(ui_.picture))
        fitform(&window());
}

void TitleScreen::clickOk() {
    env().match.HideDesktop = 1;
    program_.showBackdrop();
    program_.showSetup();
    close();
    clickSound();
}

void TitleScreen::clickRestart() {
    restartPreviousGame(
        env(), {[this] { program_.showBackdrop(); },
                [this](bool computer) { return program_.openBoard(computer, Opening::Resume); },
                [this] { close(); }});
}

void TitleScreen::clickExit() {
    program_.quit();
}

} // namespace nf
