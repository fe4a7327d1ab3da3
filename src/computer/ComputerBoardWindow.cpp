#include "ComputerBoardWindow.h"

#include "screens/Screens.h"

namespace nf {

ComputerBoardWindow::ComputerBoardWindow(Environment& env, Opening opening, ComputerPlay play)
    : BoardWindow(
          env,
          {ninefoldcompSpec(),
           [&env, play](GameDisplay& display) {
               return std::make_unique<ComputerGame>(env.match, display, env.scheduler, env.random,
                                                     env.clock, play);
           },
           false,
           play == ComputerPlay::Expert ? BoardKind::ExpertComputer : BoardKind::ClassicComputer},
          opening) {}

} // namespace nf
