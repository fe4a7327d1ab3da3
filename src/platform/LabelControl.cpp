#include "LabelControl.h"

#include "SunkenBorder.h"
#include "TextFit.h"

#include <QAccessible>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRegion>

namespace nf {

LabelControl::LabelControl(QWidget* parent) : QLabel(parent) {
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setWordWrap(true);
}

void LabelControl::setAssistiveAction(const QString& name, std::function<void()> action) {
    assistiveName_ = name;
    assistiveAction_ = std::move(action);
}

void LabelControl::runAssistiveAction() const {
    if (assistiveAction_)
        assistiveAction_();
}

void LabelControl::press() {
    if (actsAsButton_ && isEnabled() && isVisible())
        emit clicked(); // last: the handler may close the window
}

void LabelControl::setUnavailableToReaders(bool unavailable) {
    if (unavailable == unavailableToReaders_)
        return;
    unavailableToReaders_ = unavailable;
    QAccessible::State changed;
    changed.disabled = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
}

void LabelControl::setForeColour(const QColor& colour) {
    fore_ = colour;
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, colour);
    setPalette(pal);
    update();
}

void LabelControl::setBackColour(std::optional<QColor> colour) {
    back_ = colour;
    update();
}

void LabelControl::setSunken(bool sunken) {
    sunken_ = sunken;
    const int m = sunken ? kSunkenBorderWidth : 0;
    setContentsMargins(m, m, m, m);
    update();
}

void LabelControl::setCentred(bool centred) {
    setAlignment((centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
}

void LabelControl::setActsAsButton(bool on) {
    actsAsButton_ = on;
    setFocusPolicy(on ? Qt::TabFocus : Qt::NoFocus);
}

void LabelControl::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (actsAsButton_ && (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter))
        press();
    else
        QLabel::keyPressEvent(event);
}

void LabelControl::fitText() {
    singleLine_ = true;
    const QFontMetrics metrics(font());
    const QMargins m = contentsMargins();
    resize(metrics.horizontalAdvance(text()) + m.left() + m.right(),
           metrics.height() + m.top() + m.bottom());
}

void LabelControl::setShrinksToFit(double designedPoints) {
    designedPoints_ = designedPoints;
}

void LabelControl::showText(const QString& text) {
    setText(text);
    if (designedPoints_ > 0)
        shrinkFontToFit(*this, designedPoints_, [this] { return textFits(); });
}

void LabelControl::refitText() {
    showText(text());
}

int LabelControl::textFlags() const {
    return static_cast<int>(alignment()) | (singleLine_ ? 0 : Qt::TextWordWrap);
}

QRect LabelControl::drawnArea() const {
    if (back_ || sunken_)
        return rect();
    return QFontMetrics(font()).boundingRect(contentsRect(), textFlags(), text()) & contentsRect();
}

bool LabelControl::textFits() const {
    return textInside() && textShowsWhole();
}

// No pixel of the text lies where a visible control above the label draws.
bool LabelControl::textShowsWhole() const {
    const QRegion covered = partCoveredFromAbove(*this, [](const QWidget& above) {
        const auto* label = qobject_cast<const LabelControl*>(&above);
        return label ? label->drawnArea() : above.rect();
    });
    if (covered.isEmpty() || text().isEmpty())
        return true;
    QImage ink(size(), QImage::Format_Alpha8);
    ink.fill(0);
    QPainter p(&ink);
    p.setFont(font());
    p.setClipRect(contentsRect());
    p.drawText(contentsRect(), textFlags(), text());
    p.end();
    return !anyPixelIn(ink, covered);
}

bool LabelControl::textInside() const {
    const QFontMetrics metrics(font());
    const QRect area = contentsRect();
    if (singleLine_ || area.height() < 2 * metrics.lineSpacing())
        return metrics.horizontalAdvance(text()) <= area.width();
    const QRect needed =
        metrics.boundingRect(QRect(0, 0, area.width(), 1 << 20),
                             static_cast<int>(alignment()) | Qt::TextWordWrap, text());
    return needed.width() <= area.width() && needed.height() <= area.height();
}

void LabelControl::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (back_)
        p.fillRect(rect(), *back_);
    const int flags = textFlags();
    p.setFont(font());
    const QRect area = contentsRect();
    p.setClipRect(area);
    if (isEnabled()) {
        p.setPen(fore_);
        p.drawText(area, flags, text());
    } else {
        p.setPen(QColor(255, 255, 255));
        p.drawText(area.translated(1, 1), flags, text());
        p.setPen(QColor(128, 128, 128));
        p.drawText(area, flags, text());
    }
    p.setClipping(false);
    if (sunken_)
        paintSunkenBorder(p, rect());
    if (hasFocus()) {
        p.setPen(QPen(fore_, 1, Qt::DotLine));
        p.drawRect(rect().adjusted(3, 3, -4, -4));
    }
}

void LabelControl::mousePressEvent(QMouseEvent* event) {
    click_.press(event);
}

void LabelControl::mouseReleaseEvent(QMouseEvent* event) {
    if (click_.release(event, *this))
        emit clicked(); // last: the handler may close the window
}

} // namespace nf
