#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <vector>

class QWidget;

namespace nf {

// Keeps the game's windows in front of the backdrop on every desktop. Under an X11 window
// manager the backdrop carries the keep-below hints; a press on it or its activation hands
// the front back to the game's windows at once (raised, or shown afresh where the manager
// cannot keep a window below and may ignore a raise, as twm and weston's do). A Wayland
// client can neither raise nor place its windows, so there the game's windows are the
// backdrop's children, which the compositor keeps above it.
class OverBackdrop : public QObject {
    Q_OBJECT
public:
    // The game's open windows other than the backdrop, bottom first.
    using GameWindows = std::function<std::vector<QWidget*>()>;
    explicit OverBackdrop(GameWindows gameWindows);

    // The backdrop has been shown.
    void watch(QWidget* backdrop);
    // A game window is about to be shown.
    void adopt(QWidget* window);
    // The game's windows take the front back from the backdrop.
    void handBack();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    GameWindows gameWindows_;
    QPointer<QWidget> backdrop_;
    bool pending_ = false;
};

} // namespace nf
