#pragma once

#include "BoardHarness.h"
#include "engine/Pauses.h"
#include "front/Program.h"
#include "front/RulesControls.h"
#include "front/SetupControls.h"
#include "front/TitleControls.h"

namespace nf::test {

// The whole program in a test environment, started at its title screen.
struct ProgramHarness : TestEnvironment {
    Program program;
    bool finished = false;

    // withPictures false: a game folder without its Images folder.
    explicit ProgramHarness(bool withPictures = true, ComputerPlay computer = ComputerPlay::Classic)
        : program(env, computer) {
        if (!withPictures)
            QFile::remove(dir.filePath("Images"));
        QObject::connect(&program, &Program::finished, [this] { finished = true; });
        program.start();
    }

    FormWindow* title() const { return program.titleWindow(); }
    FormWindow* setup() const { return program.setupWindow(); }
    FormWindow* rules(int page) const { return program.rulesWindow(page); }
    FormWindow* board() const { return program.board() ? &program.board()->window() : nullptr; }

    // The controls of the windows open now.
    const TitleControls& titleUi() const { return *program.titleControls(); }
    const SetupControls& setupUi() const { return *program.setupControls(); }
    const RulesControls& rulesUi(int page) const { return *program.rulesControls(page); }
    const BoardControls& boardUi() const { return program.board()->controls(); }

    // A click on a control of any window, then the windows it closed let go.
    static void click(QWidget* control) {
        press(control);
        discardClosed();
    }

    // "Throw Dice" on the board with these dice, and the time for them to settle.
    void throwDice(int d1, int d2) {
        random.afterReseeds.clear();
        random.scriptDice(d1, d2);
        click(boardUi().throwDice);
        wait(pauses::kThrowSettles);
    }
};

} // namespace nf::test
