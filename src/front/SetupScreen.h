#pragma once

#include "Screen.h"

namespace nf {

// `Startplay2`: the number of players, sound, the backdrop; the rules and the publisher's
// web address open from here.
class SetupScreen : public Screen {
    Q_OBJECT
public:
    explicit SetupScreen(Program& program);

private:
    bool load();
    void clickPlaySound();
    void clickHideDesktop();
    void clickPlayers(int index);
    void clickExit();
    void clickRules();
};

} // namespace nf
