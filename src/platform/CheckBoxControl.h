#pragma once

#include <QCheckBox>

namespace nf {

// A check box whose whole rectangle takes the click, as the game's windows expect; a change
// of its value, by a click or by the program, emits toggled().
class CheckBoxControl : public QCheckBox {
    Q_OBJECT
public:
    explicit CheckBoxControl(QWidget* parent = nullptr);
    void setColours(const QColor& fore, const QColor& back);
    QColor foreColour() const;
    QColor backColour() const;
    // Shows the text, its font shrunk until box and text fit the control's width.
    void showFittedText(const QString& text, double designedPoints);
    bool textFits() const;

protected:
    bool hitButton(const QPoint& pos) const override;
};

} // namespace nf
