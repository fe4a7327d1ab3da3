#pragma once

#include <QImage>
#include <QString>
#include <utility>
#include <vector>

namespace nf {

// Every screen of the game as a player sees it after it has loaded (boards with a few moves
// made, the try-out's dice thrown), rendered in virtual time with the data files of the
// given folder. Name and picture of each.
std::vector<std::pair<QString, QImage>> renderScreensInPlay(const QString& dataFolder);

} // namespace nf
