#include "DemoMatch.h"
#include "DisplayCheck.h"
#include "engine/Random.h"

#include <cstdint>
#include <iostream>

int main() {
    if (!nf::hasDisplay()) {
        std::cerr << nf::kNoDisplayMessage << '\n';
        return 2;
    }
    std::cout << "Ninefold: the game's windows are not built yet; here is a demonstration match "
                 "played by the engine.\n";
    nf::SystemClock clock;
    nf::playDemoMatch(std::cout, static_cast<std::uint64_t>(clock.secondsSinceMidnight() * 1000));
    return 0;
}
