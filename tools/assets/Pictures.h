#pragma once

#include <QImage>

namespace nf::assets {

QImage openingPicture(QSize size);  // title screen: dice over the board
QImage logoPicture(QSize size);     // setup screen: the rings and a die
QImage startPicture(QSize size);    // rules page 1: the four players' counters in turn order
QImage boardPicture(QSize size);    // rules page 2: a row of the board with numbers covered
QImage gameOverPicture(QSize size); // rules page 3: the end of a match
QImage spotPicture(int player, QSize size); // a player's counter, with its letter
QImage dieIcon(int size);                   // a red die showing five white pips
QImage ringsIcon(int size);                 // concentric red and yellow rings

} // namespace nf::assets
