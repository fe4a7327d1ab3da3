// Any bytes as "lastgame.inf": read them as the title screen does, resume the match as a
// board does, and play on with a fixed run of clicks and pauses.
#include "board/SavedGame.h"
#include "engine/HeadlessGame.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    nf::MatchState match;
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (!nf::SavedGame::decodeInto(bytes, match))
        return 0;
    // What is read is written back whole: a second reading gives the same match.
    const auto& s = match.Scores;
    nf::MatchState again;
    if (!nf::SavedGame::decodeInto(nf::SavedGame::encode(match, {s[0], s[1], s[2], s[3]}), again) ||
        !nf::SavedGame::sameFields(again, match))
        __builtin_trap();
    auto table = nf::HeadlessGame::resume(match, size);
    table->game().setRollingShown(false);
    for (int step = 0; step < 40; ++step) {
        table->throwRandom();
        for (int n = 9; n >= 1; --n)
            table->cover(n);
        table->tickBox();
        table->wait(step % 7 == 6 ? 60000 : 2500);
        if (step % 13 == 12)
            table->newGame();
    }
    return 0;
}
