#pragma once

#include "engine/Players.h"
#include "engine/Text.h"

#include <optional>
#include <string>
#include <vector>

namespace nf {

enum class ControlKind { Label, Image, PictureBox, Frame, CheckBox, Shape, Timer };

// Label looks: *text* is transparent with no border; *button* is opaque black, sunken and
// centred; *plain* labels carry exactly the properties given.
enum class LabelStyle { Plain, Text, Button };

struct FontSpec {
    std::string face;
    double points = 0;
    bool bold = false;
};

inline FontSpec arial(double points, bool bold = false) {
    return {"Arial", points, bold};
}
inline FontSpec tahoma(double points, bool bold = false) {
    return {"Tahoma", points, bold};
}

namespace colours {
constexpr Rgb navy{0, 0, 128};
constexpr Rgb lightGrey{192, 192, 192};
constexpr Rgb backdropBlue{49, 135, 215};
} // namespace colours

// One control of a window as it is created. Geometry in twips from the corner of the
// window's client area, or of the parent frame.
struct ControlSpec {
    static constexpr int kNoIndex = -1;

    ControlKind kind = ControlKind::Label;
    std::string name;
    int index = kNoIndex;
    Text caption; // a literal, marked NF_TEXT or asWritten
    FontSpec font;
    LabelStyle style = LabelStyle::Plain;
    std::optional<Rgb> fore, back;
    int left = 0, top = 0, width = 0, height = 0;
    bool sunken = false, centred = false, hidden = false, disabled = false, fitsText = false;
    bool checked = false;
    std::string parent;  // the frame holding the control
    std::string picture; // the picture a window's load puts here (a game file name)
    int interval = 0;    // timers
    Rgb borderColour{};  // shapes
    int borderWidth = 1;

    ControlSpec& at(int l, int t, int w, int h);
    ControlSpec& withFont(FontSpec f);
    ControlSpec& foreColour(Rgb c);
    ControlSpec& backColour(Rgb c);
    ControlSpec& textStyle();
    ControlSpec& buttonStyle();
    ControlSpec& sunkenBorder();
    ControlSpec& centredText();
    ControlSpec& hiddenAtFirst();
    ControlSpec& disabledAtFirst();
    ControlSpec& fitsItsText();
    ControlSpec& ticked();
    ControlSpec& inside(std::string frame);
    ControlSpec& showing(std::string gameFile);
};

ControlSpec label(std::string name, int index, Text caption);
ControlSpec label(std::string name, Text caption);
ControlSpec image(std::string name, int index = ControlSpec::kNoIndex);
ControlSpec pictureBox(std::string name);
ControlSpec frame(std::string name);
ControlSpec checkBox(std::string name, Text caption);
ControlSpec shape(std::string name, Rgb border, int borderWidth, std::optional<Rgb> fill);
ControlSpec timer(std::string name, int intervalMs);

struct WindowSpec {
    std::string name;
    Text caption;
    bool titleBar = true;
    bool maximised = false; // covers the whole screen, no border
    bool disabled = false;
    int border = 0; // pixels of plain border around the client area (no title bar)
    int clientWidth = 0, clientHeight = 0; // twips
    std::optional<Rgb> background;         // none: the desktop's button face
    std::string icon;                      // game file name of the icon, sizes beside it
    std::vector<ControlSpec> controls;     // in the window's order, topmost first

    const ControlSpec* find(const std::string& control, int index = ControlSpec::kNoIndex) const;
};

} // namespace nf
