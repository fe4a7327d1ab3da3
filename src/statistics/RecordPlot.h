#pragma once

#include "record/RecordBackend.h"

#include <QWidget>

namespace nf {

// The last matches at a glance: each person's total as a dot in the seat's colour (on the left
// scale, from 0 to 100 or the highest total), and the points the people lost per turn as a
// white line (0 to 5 on the right scale). Screen readers get the same figures as text.
class RecordPlot : public QWidget {
    Q_OBJECT
public:
    explicit RecordPlot(std::vector<RecordedMatch> matches, QWidget* parent = nullptr);
    QSize sizeHint() const override { return {560, 150}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<RecordedMatch> matches_;
};

} // namespace nf
