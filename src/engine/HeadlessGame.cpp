#include "HeadlessGame.h"

#include "Pauses.h"

#include <sstream>

namespace nf {
namespace {
constexpr double kTenInTheMorning = 36000.0;
} // namespace

std::unique_ptr<Game> HeadlessGame::plainGame(MatchState& match, GameDisplay& display,
                                              Scheduler& scheduler, RandomSource& random,
                                              Clock& clock) {
    return std::make_unique<Game>(match, display, scheduler, random, clock);
}

HeadlessGame::HeadlessGame(int players, std::uint64_t seed, const GameFactory& makeGame)
    : clock_(scheduler_, kTenInTheMorning), random_(seed) {
    match_.PlayerCount = static_cast<i16>(players);
    match_.SoundOn = 1;
    match_.HideDesktop = 1;
    game_ = (makeGame ? makeGame : plainGame)(match_, shown_, scheduler_, random_, clock_);
    game_->load(Opening::New);
    opened_ = game_->moment();
}

void HeadlessGame::openAgain(std::uint64_t seed) {
    random_ = SeededRandom(seed);
    clock_.restartAt(kTenInTheMorning);
    shown_ = DisplayModel();
    game_->restore(opened_);
}

HeadlessGame::HeadlessGame(const MatchState& saved, std::uint64_t seed, Resumed)
    : match_(saved), clock_(scheduler_, kTenInTheMorning), random_(seed),
      game_(plainGame(match_, shown_, scheduler_, random_, clock_)) {
    game_->load(Opening::Resume);
}

std::unique_ptr<HeadlessGame> HeadlessGame::resume(const MatchState& saved, std::uint64_t seed) {
    return std::unique_ptr<HeadlessGame>(new HeadlessGame(saved, seed, Resumed{}));
}

void HeadlessGame::settleThrow(int diceCount) {
    wait(diceCount == 1 ? pauses::kFirstDieSettles : pauses::kThrowSettles);
}

bool HeadlessGame::throwDice(int d1, int d2) {
    const int diceCount = game_->throwState().DiceCount;
    if (!game_->throwDice(d1, d2))
        return false;
    settleThrow(diceCount);
    return true;
}

bool HeadlessGame::throwRandom() {
    const int diceCount = game_->throwState().DiceCount;
    if (!game_->clickThrowDice())
        return false;
    settleThrow(diceCount);
    return true;
}

std::string HeadlessGame::stateLine() const {
    const ThrowState& t = game_->throwState();
    std::ostringstream out;
    out << "round=" << match_.RoundNumber << " player=" << match_.CurrentPlayer
        << " scores=" << match_.Scores[0] << ',' << match_.Scores[1] << ',' << match_.Scores[2]
        << ',' << match_.Scores[3] << " covered=";
    for (int n = 1; n <= 9; ++n)
        out << (match_.isCovered(n) ? '1' : '0');
    out << " dice=" << t.Dice[0] << ',' << t.Dice[1] << " dicecount=" << t.DiceCount
        << " throw=" << (game_->canThrow() ? "on" : "off")
        << " box=" << (t.boxShown ? "shown" : "hidden") << " message=\"" << shown_.message
        << "\" gameover=" << game_->endState().GameOver;
    return out.str();
}

} // namespace nf
