#pragma once

#include <istream>
#include <ostream>

namespace nf::sim {

// Plays a script of clicks and waits, one command per line, as the game would take them:
//   players N | throw D1 D2 | throw D | cover N | single | wait MS | newgame | state
// Blank lines and lines starting with '#' are skipped. `state` prints one line to `out`. A
// command that is unknown or names something out of range, a line longer than 4096
// characters or a read error stops the replay with its line number on `err`. Returns the exit
// status: 0, or 1 after an error. Reviewed, it also says
// how many expected points each choice lost against best play, and the totals at the end.
int replay(std::istream& script, std::ostream& out, std::ostream& err, bool reviewed = false);

} // namespace nf::sim
