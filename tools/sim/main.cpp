// ninefold-sim: whole matches without windows, in virtual time; `ninefold-sim --help` says how.
#include "CommandLine.h"

#include <iostream>

int main(int argc, char** argv) {
    return nf::sim::runCommandLine({argv + 1, argv + argc}, std::cin, std::cout, std::cerr);
}
