#pragma once

#include "ClickDetector.h"

#include <QPixmap>
#include <QWidget>

namespace nf {

// Shows a picture and takes its size, the top-left corner staying put; shows nothing (or only
// its border) without one. A click on it is a click on the control.
class ImageControl : public QWidget {
    Q_OBJECT
public:
    explicit ImageControl(QWidget* parent = nullptr);

    // Loads a picture file; a file that does not load leaves the image empty.
    bool loadPicture(const QString& path);
    void setPicture(const QPixmap& picture);
    void clearPicture();
    const QPixmap& picture() const { return picture_; }
    void setSunken(bool sunken);
    bool sunken() const { return sunken_; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPixmap picture_;
    bool sunken_ = false;
    ClickDetector click_;
};

} // namespace nf
