#pragma once

#include "DocumentOpener.h"
#include "SoundPlayer.h"

namespace nf {

// Platform services that do nothing, for tools that open the game's windows without a player:
// no sound is heard and nothing is handed to the desktop.
struct SilentSound : SoundPlayer {
    bool play(const QString&) override { return true; }
};

struct NoDesktop : DocumentOpener {
    void open(const QString&) override {}
};

} // namespace nf
