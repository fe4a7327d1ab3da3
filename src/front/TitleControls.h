#pragma once

#include <functional>

class QWidget;

namespace nf {

class FormWindow;
class LabelControl;
class PictureBoxControl;

// The title screen's controls by what they are for. The catalogue's designer names become
// these handles here and nowhere else; the title screen, the tools and the tests use them.
struct TitleControls {
    QWidget* frame = nullptr;             // the navy ground the others lie on
    PictureBoxControl* picture = nullptr; // the opening picture
    LabelControl* heading = nullptr;      // "Ninefold"
    LabelControl* publisher = nullptr;    // the publisher's line
    LabelControl* restart = nullptr;      // "Restart Previous Game"
    LabelControl* ok = nullptr;
    LabelControl* exit = nullptr;
};

// What the title screen does with its buttons.
struct TitleClicks {
    std::function<void()> ok, restart, exit;
};

// The handles of a built title window, each checked to be there.
TitleControls resolveTitle(const FormWindow& window);
void connectTitle(FormWindow& window, TitleClicks clicks);

} // namespace nf
