#pragma once

#include <QWidget>

namespace nf {

// Lets screen readers see the game's controls: the windows as frames, labels that act as buttons
// as buttons with their captions and a press action, the other labels and the lines of a
// spoken status as text with their names, and pictures, shapes and whatever is hidden from
// readers as nothing they stop at. Call once after the application
// object exists.
void installLabelAccessibility();

// Keeps a window or control out of what screen readers present (a backdrop, a decoration).
void hideFromScreenReaders(QWidget* widget);

} // namespace nf
