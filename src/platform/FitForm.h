#pragma once

class QWidget;

namespace nf {

// Gives a top-level window the outer size 800 x 600 pixels, title bar and border included,
// and centres it on its screen; a screen smaller than that leaves it overlapping the edges.
void fitform(QWidget* window);

} // namespace nf
