#include "Screens.h"
#include "engine/Pauses.h"
#include "engine/Players.h"

namespace nf {
namespace {

std::vector<ControlSpec> boardControls() {
    using namespace colours;
    const FontSpec buttonFont = tahoma(15.75, true);
    return {
        timer("Timer3", pauses::kResultBlinks),
        timer("Timer2", pauses::kTurnOverShown),
        checkBox("Check1", NF_TEXT("Board", "Throw Just One Die"))
            .withFont(arial(15.75))
            .foreColour(black)
            .backColour(lightGrey)
            .at(240, 2160, 3375, 495)
            .hiddenAtFirst(),
        timer("Timer1", pauses::kNextTurnStarts),
        timer("Timer5", pauses::kFirstDieSettles),
        timer("Timer8", pauses::kRollingStarts),
        label("Label6", NF_TEXT("Board", "ROUND 1 OF 5"))
            .textStyle()
            .withFont(arial(24))
            .foreColour(red)
            .at(2520, 1920, 7335, 735)
            .centredText(),
        label("Label5", 3, asWritten("0"))
            .withFont(arial(27.75))
            .foreColour(black)
            .backColour(green)
            .at(9960, 2760, 1335, 675)
            .sunkenBorder()
            .centredText(),
        label("Label5", 2, asWritten("0"))
            .withFont(arial(27.75))
            .foreColour(black)
            .backColour(yellow)
            .at(9960, 1920, 1335, 675)
            .sunkenBorder()
            .centredText(),
        label("Label5", 1, asWritten("0"))
            .withFont(arial(27.75))
            .foreColour(black)
            .backColour(magenta)
            .at(9960, 1080, 1335, 675)
            .sunkenBorder()
            .centredText(),
        label("Label5", 0, asWritten("0"))
            .withFont(arial(27.75))
            .foreColour(white)
            .backColour(red)
            .at(9960, 240, 1335, 675)
            .sunkenBorder()
            .centredText(),
        label("Label4", 1, asWritten(""))
            .withFont(arial(39.75))
            .foreColour(white)
            .backColour(red)
            .at(1440, 960, 975, 975)
            .sunkenBorder()
            .centredText(),
        label("Label4", 0, asWritten(""))
            .withFont(arial(39.75))
            .foreColour(white)
            .backColour(red)
            .at(240, 960, 975, 975)
            .sunkenBorder()
            .centredText(),
        image("Image1", 0).at(1080, 5520, 975, 975).sunkenBorder(),
        label("Label3", 0, asWritten("1"))
            .buttonStyle()
            .withFont(arial(36))
            .foreColour(red)
            .at(1080, 4440, 975, 975),
        label("Label2", 2, NF_TEXT("Board", "Exit"))
            .buttonStyle()
            .withFont(buttonFont)
            .foreColour(yellow)
            .at(10560, 7920, 1245, 495),
        label("Label2", 3, NF_TEXT("Board", "Throw Dice"))
            .buttonStyle()
            .withFont(buttonFont)
            .foreColour(red)
            .at(240, 240, 2205, 495),
        label("Label2", 4, NF_TEXT("Board", "New Game"))
            .buttonStyle()
            .withFont(buttonFont)
            .foreColour(yellow)
            .at(120, 7920, 2085, 495),
        label("Label1", NF_TEXT("Board", "RED TO PLAY"))
            .textStyle()
            .withFont(arial(36))
            .foreColour(red)
            .at(2520, 120, 7335, 1695)
            .centredText(),
        shape("Shape1", yellow, 3, blue).at(840, 4200, 10215, 2535),
    };
}

WindowSpec boardFrame(std::string name) {
    WindowSpec w;
    w.name = std::move(name);
    w.caption = NF_TEXT("Board", "Ninefold");
    w.titleBar = true;
    w.clientWidth = 11910;
    w.clientHeight = 9210;
    w.background = colours::blue;
    return w;
}

void replaceGeometry(std::vector<ControlSpec>& controls, const std::string& name, int index, int l,
                     int t, int w, int h, bool hidden) {
    for (ControlSpec& c : controls)
        if (c.name == name && c.index == index) {
            c.at(l, t, w, h);
            c.hidden = hidden;
        }
}

} // namespace

WindowSpec ninefoldSpec() {
    WindowSpec w = boardFrame("ninefold");
    w.controls = boardControls();
    return w;
}

WindowSpec ninefoldcompSpec() {
    WindowSpec w = boardFrame("ninefoldcomp");
    w.controls = {timer("Timer6", pauses::kComputerTries),
                  timer("Timer4", pauses::kComputerThrows)};
    std::vector<ControlSpec> board = boardControls();
    replaceGeometry(board, "Label5", 0, 9960, 600, 1335, 675, false);
    replaceGeometry(board, "Label5", 1, 9960, 1560, 1335, 675, false);
    replaceGeometry(board, "Label5", 2, 8160, 3720, 1335, 315, true);
    replaceGeometry(board, "Label5", 3, 9600, 3720, 1335, 315, true);
    w.controls.insert(w.controls.end(), board.begin(), board.end());
    w.controls.push_back(label("Label7", NF_TEXT("Board", "The computer is playing as magenta"))
                             .textStyle()
                             .withFont(arial(15.75))
                             .foreColour(colours::magenta)
                             .at(9600, 2400, 2055, 1095)
                             .centredText());
    return w;
}

} // namespace nf
