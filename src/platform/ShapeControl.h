#pragma once

#include <QColor>
#include <QWidget>
#include <optional>

namespace nf {

// A rectangle with a border drawn inside its bounds and an optional fill. It takes no
// clicks: they reach whatever lies under it.
class ShapeControl : public QWidget {
    Q_OBJECT
public:
    explicit ShapeControl(QWidget* parent = nullptr);
    void setBorder(const QColor& colour, int width);
    void setFill(std::optional<QColor> fill);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor border_{0, 0, 0};
    int borderWidth_ = 1;
    std::optional<QColor> fill_;
};

} // namespace nf
