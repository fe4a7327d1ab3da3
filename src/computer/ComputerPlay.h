#pragma once

namespace nf {

// How the computer chooses: the designed scan, which covers whatever its tries meet first, or
// the expert's, whose tries cover only the numbers of the best choice.
enum class ComputerPlay { Classic, Expert };

} // namespace nf
