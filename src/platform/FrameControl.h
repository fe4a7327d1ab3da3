#pragma once

#include <QColor>
#include <QWidget>

namespace nf {

// A container: its children are placed from its corner. It draws its background and the
// etched edge line of a frame, the top line half a caption's height down.
class FrameControl : public QWidget {
    Q_OBJECT
public:
    explicit FrameControl(QWidget* parent = nullptr);
    void setBackColour(const QColor& colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor back_;
};

} // namespace nf
