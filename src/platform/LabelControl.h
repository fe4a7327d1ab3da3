#pragma once

#include "ClickDetector.h"

#include <QColor>
#include <QLabel>
#include <functional>
#include <optional>

namespace nf {

// A label as the game's windows use it: static text, or a button when it has a click handler.
// Text wraps at words within the width and is cut at the bottom edge; an opaque label fills
// its background; a disabled one draws its text greyed and embossed and takes no clicks.
class LabelControl : public QLabel {
    Q_OBJECT
public:
    explicit LabelControl(QWidget* parent = nullptr);

    QColor foreColour() const { return fore_; }
    void setForeColour(const QColor& colour);
    // No background colour: the window shows through.
    std::optional<QColor> backColour() const { return back_; }
    void setBackColour(std::optional<QColor> colour);
    bool sunken() const { return sunken_; }
    void setSunken(bool sunken);
    void setCentred(bool centred);
    // A button reached with Tab and pressed with Space or Enter; screen readers call it a
    // button.
    void setActsAsButton(bool on);
    bool actsAsButton() const { return actsAsButton_; }
    // Takes the width and height of its text, on one line from then on.
    void fitText();
    // From now on, a text shown with showText() that does not fit the label at its designed
    // font size (a translation) shrinks the font until it does; with 0, or without this,
    // texts show as set.
    void setShrinksToFit(double designedPoints);
    void showText(const QString& text);
    // Fits the text shown again, now that the controls over the label are in place.
    void refitText();
    // Whether the text fits: on one line in a label that shows one line (its height takes
    // less than two), else wrapped at words within the width and the height; and no control
    // drawn over the label hides any of it.
    bool textFits() const;
    // What the label draws over the controls under it: all of it when it is opaque, else the
    // rectangle of its text.
    QRect drawnArea() const;
    // An action that assistive technology offers on the label, beside the usual ones.
    void setAssistiveAction(const QString& name, std::function<void()> action);
    const QString& assistiveActionName() const { return assistiveName_; }
    void runAssistiveAction() const;
    // A button pressed by a screen reader's action, as Space presses it.
    void press();
    // A button that takes clicks (the designed look) but does nothing now: screen readers are
    // told it is unavailable.
    void setUnavailableToReaders(bool unavailable);
    bool unavailableToReaders() const { return unavailableToReaders_; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int textFlags() const;
    bool textInside() const;
    bool textShowsWhole() const;
    bool inkWithinHeight() const;
    QRect textArea() const;

    QColor fore_{0, 0, 0};
    std::optional<QColor> back_;
    bool sunken_ = false;
    bool singleLine_ = false;
    bool actsAsButton_ = false;
    double designedPoints_ = 0; // above zero while texts shrink to fit
    ClickDetector click_;
    QString assistiveName_;
    std::function<void()> assistiveAction_;
    bool unavailableToReaders_ = false;
};

} // namespace nf
