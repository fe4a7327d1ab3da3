// Any bytes as a replay script: every command line is taken or refused, never a fault.
#include "sim/Replay.h"

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream script(std::string(reinterpret_cast<const char*>(data), size));
    std::ostringstream out, err;
    nf::sim::replay(script, out, err);
    return 0;
}
