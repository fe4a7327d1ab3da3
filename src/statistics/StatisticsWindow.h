#pragma once

#include "record/RecordBackend.h"

#include <QWidget>

namespace nf {

// The player's record in the game's navy and yellow: per kind of board and seat colour the
// figures, a plot of the last matches and the review of the last match. Keys: Escape, Enter
// or Space close it; Tab walks its parts, each named for screen readers.
class StatisticsWindow : public QWidget {
    Q_OBJECT
public:
    // Without figures (the record could not be read) it says there are none.
    explicit StatisticsWindow(const std::optional<RecordFigures>& figures,
                              QWidget* parent = nullptr);
    static constexpr int kPlotted = 50;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace nf
