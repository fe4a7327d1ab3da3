#pragma once

#include <QImage>

class QTranslator;

namespace nf::assets {

// Each picture is drawn at `size`, its size on screen; `scale` 2 makes it with twice the
// pixels for dense screens.
QImage openingPicture(QSize size, qreal scale = 1); // title screen: dice over the board
QImage logoPicture(QSize size, qreal scale = 1);    // setup screen: the rings and a die
QImage startPicture(QSize size, qreal scale = 1);   // rules page 1: the players' counters
QImage boardPicture(QSize size, qreal scale = 1);   // rules page 2: a row of the board
// rules page 3: the end of a match, in English or in the language of the translator given
QImage gameOverPicture(QSize size, qreal scale = 1, const QTranslator* translator = nullptr);
QImage spotPicture(int player, QSize size, qreal scale = 1); // a player's counter and letter
QImage dieIcon(int size);                                    // a red die showing five white pips
QImage ringsIcon(int size);                                  // concentric red and yellow rings

} // namespace nf::assets
