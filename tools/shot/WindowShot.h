#pragma once

#include <QImage>
#include <QString>

namespace nf {

class GameFolder;
struct WindowSpec;

// Renders a window of the catalogue as created, with the pictures its load puts in, as the
// screen would show its client area (and border, where it has one).
QImage renderWindow(const WindowSpec& design, const GameFolder& folder);

} // namespace nf
