#include "RestartPrevious.h"

#include "SavedGame.h"
#include "engine/GameFiles.h"

namespace nf {

BoardWindow* restartPreviousGame(Environment& env, const RestartSteps& steps) {
    MatchState& match = env.match;
    QString skipped;
    if (!SavedGame::load(env.services.savedGamePlaces(), match, &skipped))
        return nullptr;
    if (!skipped.isEmpty())
        env.services.tellOnce("Ninefold could not read the saved game " + skipped.toStdString() +
                              "; it continues the older one.");
    if (match.HideDesktop == 1 && steps.showBackdrop)
        steps.showBackdrop();
    BoardWindow* board = steps.openBoard ? steps.openBoard(match.ComputerGame != 0) : nullptr;
    if (steps.closeTitle)
        steps.closeTitle();
    if (match.soundOn())
        env.services.playwav(gameName(sounds::click));
    return board;
}

} // namespace nf
