#include "RestartPrevious.h"

#include "SavedGame.h"
#include "engine/GameFiles.h"

namespace nf {

BoardWindow* restartPreviousGame(Environment& env, const RestartSteps& steps) {
    MatchState& match = env.match;
    if (!SavedGame::load(env.services.savedGamePlaces(), match)) {
        match.RestartPrevious = 0;
        return nullptr;
    }
    match.RestartPrevious = 1;
    if (match.HideDesktop == 1 && steps.showBackdrop)
        steps.showBackdrop();
    BoardWindow* board = steps.openBoard ? steps.openBoard(match.ComputerGame != 0) : nullptr;
    if (steps.closeTitle)
        steps.closeTitle();
    if (match.soundOn())
        env.services.playwav(gameName(sounds::click));
    match.RestartPrevious = 0;
    return board;
}

} // namespace nf
