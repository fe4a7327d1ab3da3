#include "DiceTryOut.h"

#include "engine/DiceDraw.h"
#include "engine/GameFiles.h"
#include "engine/Pauses.h"

namespace nf {
namespace {
constexpr int kDice = 4;
}

DiceTryOut::DiceTryOut(const MatchState& match, Scheduler& scheduler, RandomSource& random,
                       Clock& clock, Display display)
    : Timer5(scheduler, "Timer5", pauses::kTryOutSettlesAsDesigned, [this] { settle(); }),
      Timer8(scheduler, "Timer8", pauses::kRollingStarts, [this] { roll(); }), match_(match),
      random_(random), clock_(clock), display_(std::move(display)) {}

void DiceTryOut::throwDice() {
    for (int die = 0; die < kDice; ++die)
        display_.showFace(die, 0);
    random_.reseed(clock_.secondsSinceMidnight());
    for (int die = 0; die < kDice; ++die) {
        int& face = TryDice[static_cast<std::size_t>(die)];
        face = lastOfDraws(random_, face);
        if (face == 0)
            face = 1;
    }
    const bool sound = match_.soundOn();
    Timer5.setInterval(sound ? pauses::kTryOutSettlesWithSound : pauses::kTryOutSettlesSilently);
    Timer8.setInterval(sound ? pauses::kTryOutRollsWithSound : pauses::kTryOutRollsSilently);
    SettledDice = 0;
    Timer5.setEnabled(true);
    Timer8.setEnabled(true);
    if (sound)
        display_.playSound(sounds::dice);
}

void DiceTryOut::roll() {
    Timer8.setInterval(pauses::kRollingFrame);
    for (int die = SettledDice; die < kDice; ++die) {
        display_.enableDie(die);
        display_.showFace(die, drawFigure(random_));
    }
    if (SettledDice >= kDice)
        Timer8.setEnabled(false);
}

void DiceTryOut::settle() {
    Timer5.setInterval(pauses::kTryOutNextDieSettles);
    if (SettledDice < kDice) {
        display_.enableDie(SettledDice);
        display_.showFace(SettledDice, TryDice[static_cast<std::size_t>(SettledDice)]);
        ++SettledDice;
    }
    if (SettledDice >= kDice)
        Timer5.setEnabled(false);
}

} // namespace nf
