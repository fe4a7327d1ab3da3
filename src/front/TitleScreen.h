#pragma once

#include "Screen.h"
#include "TitleControls.h"

namespace nf {

// `Titlefrm`: the program's first window and the one it comes back to. "OK" leads to a new
// game, "Restart Previous Game" continues the saved one, "Exit" ends the program.
class TitleScreen : public Screen {
    Q_OBJECT
public:
    explicit TitleScreen(Program& program);
    const TitleControls& controls() const { return ui_; }

private:
    void load();
    void clickOk();
    void clickRestart();
    void clickExit();

    TitleControls ui_;
};

} // namespace nf
