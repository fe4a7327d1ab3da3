#include "ComputerBoardWindow.h"

#include "screens/Screens.h"

namespace nf {

ComputerBoardWindow::ComputerBoardWindow(Environment& env)
    : BoardWindow(env, ninefoldcompSpec(), [&env](GameDisplay& display) {
          return std::make_unique<ComputerGame>(env.match, display, env.scheduler, env.random,
                                                env.clock);
      }) {
    load();
}

void ComputerBoardWindow::clickNumber(int index) {
    computerGame().personClicksNumber(index);
}

void ComputerBoardWindow::clickThrowDice() {
    computerGame().personThrows();
}

} // namespace nf
