// Any bytes as a replay script: every command line is taken or refused, never a fault. Scripts
// whose first byte is odd are also reviewed against best play.
#include "sim/Replay.h"

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream script(std::string(reinterpret_cast<const char*>(data), size));
    std::ostringstream out, err;
    nf::sim::replay(script, out, err, size > 0 && (data[0] & 1) != 0);
    return 0;
}
