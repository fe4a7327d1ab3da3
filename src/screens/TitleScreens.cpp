#include "Screens.h"
#include "engine/GameFiles.h"

namespace nf {

//: Also on the setup screen.
const Text kPublisherNotice = NF_TEXT("Titlefrm", "Ninefold 2026 - free to play and to share");
const char* const kPublisherAddress = "ninefold.example.org";

WindowSpec titlefrmSpec() {
    using namespace colours;
    WindowSpec w;
    w.name = "Titlefrm";
    w.caption = asWritten(" ");
    w.clientWidth = 5445;
    w.clientHeight = 6570;
    w.background = lightGrey;
    w.icon = icons::die;
    const FontSpec buttonFont = arial(15.75, true);
    w.controls = {
        frame("Frame1").backColour(navy).at(-30, -120, 5640, 6720),
        pictureBox("Picture1")
            .inside("Frame1")
            .at(360, 1440, 4860, 3120)
            .showing(std::string(pictures::opening)),
        label("Label4", NF_TEXT("Titlefrm", "Ninefold"))
            .inside("Frame1")
            .textStyle()
            .withFont(arial(39.75, true))
            .foreColour(yellow)
            .at(240, 240, 4995, 1095)
            .centredText(),
        label("Label2", kPublisherNotice)
            .inside("Frame1")
            .textStyle()
            .withFont(arial(12, true))
            .foreColour(yellow)
            .at(0, 6300, 5535, 285)
            .centredText(),
        label("Label6", NF_TEXT("Titlefrm", "Restart Previous Game"))
            .inside("Frame1")
            .buttonStyle()
            .withFont(buttonFont)
            .foreColour(yellow)
            .at(780, 5040, 3975, 435),
        label("Label5", NF_TEXT("Titlefrm", "OK"))
            .inside("Frame1")
            .buttonStyle()
            .withFont(buttonFont)
            .foreColour(yellow)
            .at(960, 5760, 1695, 435),
        label("Label7", NF_TEXT("Titlefrm", "Exit"))
            .inside("Frame1")
            .buttonStyle()
            .withFont(buttonFont)
            .foreColour(yellow)
            .at(2880, 5760, 1695, 435),
    };
    return w;
}

WindowSpec greySpec() {
    WindowSpec w;
    w.name = "Grey";
    w.caption = asWritten("Form1");
    w.titleBar = false;
    w.maximised = true;
    w.disabled = true;
    return w;
}

WindowSpec startplay2Spec() {
    using namespace colours;
    WindowSpec w;
    w.name = "Startplay2";
    w.caption = asWritten(" ");
    w.clientWidth = 5445;
    w.clientHeight = 6570;
    w.background = navy;
    w.icon = icons::rings;
    const FontSpec numberFont = tahoma(26.25, true);
    w.controls = {
        checkBox("Check3", NF_TEXT("Startplay2", "Hide Desktop"))
            .withFont(arial(12, true))
            .foreColour(yellow)
            .backColour(navy)
            .at(720, 2760, 1935, 375)
            .ticked()
            .hiddenAtFirst(),
        checkBox("Check1", NF_TEXT("Startplay2", "Play Sound"))
            .withFont(arial(12, true))
            .foreColour(yellow)
            .backColour(navy)
            .at(720, 2160, 1695, 375)
            .ticked(),
        label("Label2", 1, kPublisherNotice)
            .textStyle()
            .withFont(arial(12, true))
            .foreColour(yellow)
            .at(-30, 6180, 5535, 285)
            .centredText(),
        label("Label2", 12, asWritten(kPublisherAddress))
            .buttonStyle()
            .withFont(tahoma(12, true))
            .foreColour(yellow)
            .at(720, 5520, 3315, 375),
        label("Label6", NF_TEXT("Startplay2", "The Rules"))
            .buttonStyle()
            .withFont(arial(15.75, true))
            .foreColour(yellow)
            .at(720, 1440, 1935, 435),
        label("Label3", 0, NF_TEXT("Startplay2", "Exit"))
            .buttonStyle()
            .withFont(arial(12.75, true))
            .foreColour(yellow)
            .at(4440, 5520, 735, 375),
        image("Image2")
            .at(3600, 1320, 1500, 2085)
            .sunkenBorder()
            .showing(std::string(pictures::logo)),
        label("Label1", 3, asWritten("4"))
            .buttonStyle()
            .withFont(numberFont)
            .foreColour(yellow)
            .at(4050, 4440, 855, 735),
        label("Label1", 2, asWritten("3"))
            .buttonStyle()
            .withFont(numberFont)
            .foreColour(yellow)
            .at(2940, 4440, 855, 735),
        label("Label1", 1, asWritten("2"))
            .buttonStyle()
            .withFont(numberFont)
            .foreColour(yellow)
            .at(1830, 4440, 855, 735),
        label("Label4", NF_TEXT("Startplay2", "Ninefold"))
            .textStyle()
            .withFont(arial(39.75, true))
            .foreColour(yellow)
            .at(90, 120, 5235, 975)
            .centredText(),
        label("Label1", 0, asWritten("1"))
            .buttonStyle()
            .withFont(numberFont)
            .foreColour(yellow)
            .at(720, 4440, 855, 735),
        label("Label2", 0, NF_TEXT("Startplay2", "Select Number of Players"))
            .textStyle()
            .withFont(arial(20.25, true))
            .foreColour(yellow)
            .at(240, 3840, 5160, 600)
            .centredText(),
    };
    return w;
}

} // namespace nf
