#include "CheckBoxControl.h"

#include "TextFit.h"

namespace nf {

CheckBoxControl::CheckBoxControl(QWidget* parent) : QCheckBox(parent) {
    setAutoFillBackground(true);
}

void CheckBoxControl::setColours(const QColor& fore, const QColor& back) {
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, fore);
    pal.setColor(QPalette::Window, back);
    pal.setColor(QPalette::Button, back); // a button fills its background with this role
    setPalette(pal);
}

QColor CheckBoxControl::foreColour() const {
    return palette().color(QPalette::WindowText);
}

QColor CheckBoxControl::backColour() const {
    return palette().color(QPalette::Window);
}

void CheckBoxControl::showFittedText(const QString& text, double designedPoints) {
    setText(text);
    shrinkFontToFit(*this, designedPoints, [this] { return textFits(); });
}

bool CheckBoxControl::textFits() const {
    return sizeHint().width() <= width();
}

bool CheckBoxControl::hitButton(const QPoint& pos) const {
    return rect().contains(pos);
}

} // namespace nf
