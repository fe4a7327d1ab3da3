#pragma once

#include "Catalogue.h"

#include <QColor>
#include <QIcon>

class QWidget;

namespace nf {

class FormWindow;
class GameFolder;

// Turns a window of the catalogue into a Qt window with every control as created: not yet
// shown, owned by the caller.
FormWindow* buildWindow(const WindowSpec& design, const GameFolder& folder);

// Creates one more control in a built window, as its design says (a new element of a
// control array, say), on top of the others; it starts hidden.
QWidget* loadControl(FormWindow& window, const ControlSpec& design);

// Puts into the window the pictures that its load gives it, as named in the catalogue: all of
// them (for a picture of the window), or one control's, false when it does not load.
void loadCataloguePictures(FormWindow& window, const WindowSpec& design, const GameFolder& folder);
bool loadCataloguePicture(FormWindow& window, const WindowSpec& design, const QWidget* control,
                          const GameFolder& folder);

QColor toQColor(Rgb colour);

// A window's icon, "icons\\die.png" say, in the sizes a title bar, a taskbar and a window
// switcher show.
QIcon iconFrom(const GameFolder& folder, const std::string& name);

} // namespace nf
