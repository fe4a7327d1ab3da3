#include "Catalogue.h"

namespace nf {

ControlSpec& ControlSpec::at(int l, int t, int w, int h) {
    left = l;
    top = t;
    width = w;
    height = h;
    return *this;
}

ControlSpec& ControlSpec::withFont(FontSpec f) {
    font = std::move(f);
    return *this;
}

ControlSpec& ControlSpec::foreColour(Rgb c) {
    fore = c;
    return *this;
}

ControlSpec& ControlSpec::backColour(Rgb c) {
    back = c;
    return *this;
}

ControlSpec& ControlSpec::textStyle() {
    style = LabelStyle::Text;
    back.reset();
    return *this;
}

ControlSpec& ControlSpec::buttonStyle() {
    style = LabelStyle::Button;
    back = colours::black;
    sunken = true;
    centred = true;
    return *this;
}

ControlSpec& ControlSpec::sunkenBorder() {
    sunken = true;
    return *this;
}

ControlSpec& ControlSpec::centredText() {
    centred = true;
    return *this;
}

ControlSpec& ControlSpec::hiddenAtFirst() {
    hidden = true;
    return *this;
}

ControlSpec& ControlSpec::disabledAtFirst() {
    disabled = true;
    return *this;
}

ControlSpec& ControlSpec::fitsItsText() {
    fitsText = true;
    return *this;
}

ControlSpec& ControlSpec::ticked() {
    checked = true;
    return *this;
}

ControlSpec& ControlSpec::inside(std::string frame) {
    parent = std::move(frame);
    return *this;
}

ControlSpec& ControlSpec::showing(std::string gameFile) {
    picture = std::move(gameFile);
    return *this;
}

namespace {
ControlSpec make(ControlKind kind, std::string name, int index, Text caption) {
    ControlSpec c;
    c.kind = kind;
    c.name = std::move(name);
    c.index = index;
    c.caption = caption;
    return c;
}
} // namespace

ControlSpec label(std::string name, int index, Text caption) {
    return make(ControlKind::Label, std::move(name), index, caption);
}

ControlSpec label(std::string name, Text caption) {
    return label(std::move(name), ControlSpec::kNoIndex, caption);
}

ControlSpec image(std::string name, int index) {
    return make(ControlKind::Image, std::move(name), index, {});
}

ControlSpec pictureBox(std::string name) {
    return make(ControlKind::PictureBox, std::move(name), ControlSpec::kNoIndex, {}).sunkenBorder();
}

ControlSpec frame(std::string name) {
    return make(ControlKind::Frame, std::move(name), ControlSpec::kNoIndex, {});
}

ControlSpec checkBox(std::string name, Text caption) {
    return make(ControlKind::CheckBox, std::move(name), ControlSpec::kNoIndex, caption);
}

ControlSpec shape(std::string name, Rgb border, int borderWidth, std::optional<Rgb> fill) {
    ControlSpec c = make(ControlKind::Shape, std::move(name), ControlSpec::kNoIndex, {});
    c.borderColour = border;
    c.borderWidth = borderWidth;
    c.back = fill;
    return c;
}

ControlSpec timer(std::string name, int intervalMs) {
    ControlSpec c = make(ControlKind::Timer, std::move(name), ControlSpec::kNoIndex, {});
    c.interval = intervalMs;
    return c;
}

const ControlSpec* WindowSpec::find(const std::string& control, int index) const {
    for (const ControlSpec& c : controls)
        if (c.name == control && c.index == index)
            return &c;
    return nullptr;
}

} // namespace nf
