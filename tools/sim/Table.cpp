#include "Table.h"

#include "computer/ComputerGame.h"

namespace nf::sim {

std::unique_ptr<HeadlessGame> newTable(int players, ComputerPlay computer) {
    HeadlessGame::GameFactory againstComputer = [computer](MatchState& m, GameDisplay& d,
                                                           Scheduler& s, RandomSource& r,
                                                           Clock& c) -> std::unique_ptr<Game> {
        m.ComputerGame = 1;
        return std::make_unique<ComputerGame>(m, d, s, r, c, computer);
    };
    auto table = players == 1 ? std::make_unique<HeadlessGame>(2, 0, againstComputer)
                              : std::make_unique<HeadlessGame>(players, 0);
    table->game().setRollingShown(false);
    return table;
}

} // namespace nf::sim
