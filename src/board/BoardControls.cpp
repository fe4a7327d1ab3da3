#include "BoardControls.h"

#include "engine/Index.h"
#include "platform/CheckBoxControl.h"
#include "platform/FormWindow.h"
#include "platform/ImageControl.h"
#include "platform/LabelControl.h"
#include "screens/ScreenBuilder.h"

#include <stdexcept>

namespace nf {
namespace {

constexpr int kTileGapTwips = 120;

// The tiles and spots of 2 to 9 are copies of those of 1, in one row 120 twips apart.
void createNumbers(FormWindow& window, const WindowSpec& design) {
    const ControlSpec* tile = design.find("Label3", 0);
    const ControlSpec* spot = design.find("Image1", 0);
    if (!tile || !spot)
        throw std::logic_error("a board design without the number 1");
    constexpr std::string_view kFigures = "123456789";
    for (int i = 1; i < 9; ++i) {
        ControlSpec t = *tile, s = *spot;
        t.index = s.index = i;
        t.caption = asWritten(kFigures.substr(static_cast<std::size_t>(i), 1));
        t.left = s.left = tile->left + i * (tile->width + kTileGapTwips);
        loadControl(window, t)->show();
        loadControl(window, s)->show();
    }
}

// A missing control is a fault of the catalogue, found by the first test that opens a board.
template <class Control>
Control* find(const FormWindow& window, const char* name, int index = FormWindow::kNoIndex) {
    auto* control = window.control<Control>(QLatin1String(name), index);
    if (!control)
        throw std::logic_error(std::string("a board without ") + name);
    return control;
}

BoardControls resolve(const FormWindow& window) {
    BoardControls c;
    c.message = find<LabelControl>(window, "Label1");
    c.round = find<LabelControl>(window, "Label6");
    c.exit = find<LabelControl>(window, "Label2", 2);
    c.throwDice = find<LabelControl>(window, "Label2", 3);
    c.newGame = find<LabelControl>(window, "Label2", 4);
    for (int i = 0; i < 4; ++i)
        c.totals[idx(i)] = find<LabelControl>(window, "Label5", i);
    for (int i = 0; i < 2; ++i)
        c.dice[idx(i)] = find<LabelControl>(window, "Label4", i);
    for (int i = 0; i < 9; ++i) {
        c.numbers[idx(i)] = find<LabelControl>(window, "Label3", i);
        c.spots[idx(i)] = find<ImageControl>(window, "Image1", i);
    }
    c.singleDie = find<CheckBoxControl>(window, "Check1");
    c.frame = find<QWidget>(window, "Shape1");
    return c;
}

void connect(FormWindow& window, BoardClicks clicks) {
    window.onClick("Label2", [clicks](int index) {
        const auto& act = index == 2 ? clicks.exit : index == 3 ? clicks.throwDice : clicks.newGame;
        if ((index >= 2 && index <= 4) && act)
            act();
    });
    const auto number = [clicks](int index) { clicks.number(index + 1); };
    window.onClick("Label3", number);
    window.onClick("Image1", number);
    window.onClick("Check1", [clicks](int) { clicks.singleDie(); });
}

} // namespace

BoardControls completeBoard(FormWindow& window, const WindowSpec& design, BoardClicks clicks) {
    createNumbers(window, design);
    connect(window, std::move(clicks));
    return resolve(window);
}

} // namespace nf
