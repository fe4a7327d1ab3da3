#include "ComputerBoardWindow.h"

#include "screens/Screens.h"

namespace nf {

ComputerBoardWindow::ComputerBoardWindow(Environment& env, Opening opening)
    : BoardWindow(env,
                  {ninefoldcompSpec(),
                   [&env](GameDisplay& display) {
                       return std::make_unique<ComputerGame>(env.match, display, env.scheduler,
                                                             env.random, env.clock);
                   },
                   false},
                  opening) {}

} // namespace nf
