#pragma once

#include "Screen.h"
#include "SetupControls.h"

namespace nf {

// `Startplay2`: the number of players, sound, the backdrop; the rules and the publisher's
// web address open from here.
class SetupScreen : public Screen {
    Q_OBJECT
public:
    explicit SetupScreen(Program& program);
    const SetupControls& controls() const { return ui_; }

private:
    bool load();
    void clickPlaySound();
    void clickHideDesktop();
    void clickPlayers(int players);
    void clickExit();
    void clickRules();

    SetupControls ui_;
};

} // namespace nf
