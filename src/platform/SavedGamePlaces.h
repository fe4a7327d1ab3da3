#pragma once

#include <QString>

namespace nf {

class GameFolder;

constexpr const char* kSavedGameFile = "lastgame.inf";

// Where the saved game may be kept, decided once at start-up: beside the program (a copy run
// from its build folder), else the user's state folder (an installed copy, whose folder cannot
// be written). Both are absolute file paths; an empty one is no place.
struct SavedGamePlaces {
    QString besideProgram;
    QString userState;
};

// Beside the program only.
SavedGamePlaces besideProgramOnly(const GameFolder& folder);
// The places for the user running the program: beside it, and $XDG_STATE_HOME/ninefold/
// (by default ~/.local/state/ninefold/), the home folder taken from the user database when
// HOME is unset.
SavedGamePlaces savedGamePlacesFor(const GameFolder& folder);

} // namespace nf
