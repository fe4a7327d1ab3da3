#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace nf::sim {

// ninefold-sim's command line (the words after the program's name). The whole line is
// checked before anything runs: a word it cannot take is said on `err` with the usage, and
// the status is 2. With --help (or -h) nothing is required, but nothing may be wrong: the
// usage goes to `out`, and the status is 0. Otherwise the command runs and gives the status;
// `in` is the script of `replay -`.
int runCommandLine(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                   std::ostream& err);

} // namespace nf::sim
