#include "LabelControl.h"

#include "SunkenBorder.h"
#include "TextFit.h"

#include <QAccessible>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRegion>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

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
    // Taller where letters of another face (Japanese, Chinese) reach below the line.
    for (int more = 0; more < metrics.height() / 2 && !inkWithinHeight(); ++more)
        resize(width(), height() + 1);
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

// Drawn whole, however tall its line: the painter's clip is the label's area, and a text raised
// over its rectangle (textArea) or measured for its ink must not be cut to that rectangle.
int LabelControl::textFlags() const {
    return static_cast<int>(alignment()) | (singleLine_ ? 0 : Qt::TextWordWrap) | Qt::TextDontClip;
}

QRect LabelControl::drawnArea() const {
    if (back_ || sunken_)
        return rect();
    return QFontMetrics(font()).boundingRect(textArea(), textFlags(), text()) & contentsRect();
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
    p.drawText(textArea(), textFlags(), text());
    p.end();
    return !anyPixelIn(ink, covered);
}

bool LabelControl::textInside() const {
    const QFontMetrics metrics(font());
    const QRect area = contentsRect();
    if (singleLine_ || area.height() < 2 * metrics.lineSpacing())
        return metrics.horizontalAdvance(text()) <= area.width() && inkWithinHeight();
    const QRect needed =
        metrics.boundingRect(QRect(0, 0, area.width(), 1 << 20),
                             static_cast<int>(alignment()) | Qt::TextWordWrap, text());
    return needed.width() <= area.width() && needed.height() <= area.height();
}

// Where the text is drawn: the label's area, raised where a face with a taller line (Japanese,
// Chinese letters) draws part of the first line, so that its baseline lies where the designed
// face puts it and the letters sit in the label as the designed ones do.
QRect LabelControl::textArea() const {
    const QRect area = contentsRect();
    QTextLayout layout(text(), font());
    layout.beginLayout();
    QTextLine line = layout.createLine();
    if (line.isValid())
        line.setLineWidth(area.width());
    layout.endLayout();
    if (!line.isValid())
        return area;
    // Never so far that the tallest letter would rise out of the label.
    const QFontMetrics metrics(font());
    const int ascent = static_cast<int>(std::floor(line.ascent()));
    const int raise =
        std::min(ascent - metrics.ascent(), ascent + metrics.tightBoundingRect(text()).top());
    return raise > 0 ? area.translated(0, -raise) : area;
}

// A label of one line may be shorter than its face's line, as designed. A line drawn partly in
// a face with a taller line (Japanese, Chinese) sits lower: none of its ink may fall above or
// below the label.
bool LabelControl::inkWithinHeight() const {
    const QRect area = contentsRect();
    if (text().isEmpty() || area.isEmpty())
        return true;
    const int h = area.height();
    QImage ink(area.width(), 3 * h, QImage::Format_Alpha8);
    ink.fill(0);
    QPainter p(&ink);
    p.setFont(font());
    p.drawText(textArea().translated(-area.left(), h - area.top()), textFlags(), text());
    p.end();
    return !anyPixelIn(ink, QRegion(0, 0, area.width(), h) + QRegion(0, 2 * h, area.width(), h));
}

void LabelControl::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (back_)
        p.fillRect(rect(), *back_);
    const int flags = textFlags();
    p.setFont(font());
    p.setClipRect(contentsRect());
    const QRect area = textArea();
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
