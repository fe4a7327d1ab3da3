#pragma once

#include <QPixmap>
#include <QWidget>

namespace nf {

// A box with a sunken edge that keeps its size and shows its picture from the top-left
// corner inside the edge, cut where the box ends.
class PictureBoxControl : public QWidget {
    Q_OBJECT
public:
    explicit PictureBoxControl(QWidget* parent = nullptr);
    bool loadPicture(const QString& path);
    const QPixmap& picture() const { return picture_; }
    // The room inside the edge, where the picture shows.
    QSize interiorSize() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
};

} // namespace nf
