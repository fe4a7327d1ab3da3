// ninefold-sim: whole matches without windows, in virtual time.
//   ninefold-sim play --players N --matches M --seed S --strategy NAME...
//   ninefold-sim compare --matches M --seed S
//   ninefold-sim replay [review] FILE|-
//   ninefold-sim analyse [--covered XXXXXXXXX [--dice D1 D2 | --dice D]] [--table]
#include "Analyse.h"
#include "MatchRunner.h"
#include "Replay.h"

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

int usage() {
    std::cerr
        << "usage: ninefold-sim play --players N --matches M --seed S --strategy NAME...\n"
           "                         [--computer classic|expert]   (players 1: against it)\n"
           "       ninefold-sim compare --matches M --seed S\n"
           "       ninefold-sim replay [review] FILE|-\n"
           "       ninefold-sim analyse [--covered XXXXXXXXX [--dice D1 D2 | --dice D]] "
           "[--table]\n"
           "strategies: scan, sum-first, faces-first, random, optimal (one per seat, or one for "
           "all)\n";
    return 2;
}

struct PlayOptions {
    int players = 2;
    long matches = 1000;
    std::uint64_t seed = 1;
    std::vector<nf::sim::Strategy> strategies;
    nf::ComputerPlay computer = nf::ComputerPlay::Classic;
};

bool parsePlay(const std::vector<std::string>& args, PlayOptions& o) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const bool more = i + 1 < args.size();
        if (args[i] == "--players" && more)
            o.players = std::atoi(args[++i].c_str());
        else if (args[i] == "--matches" && more)
            o.matches = std::atol(args[++i].c_str());
        else if (args[i] == "--seed" && more)
            o.seed = std::strtoull(args[++i].c_str(), nullptr, 10);
        else if (args[i] == "--computer" && more &&
                 (args[i + 1] == "classic" || args[i + 1] == "expert"))
            o.computer =
                args[++i] == "expert" ? nf::ComputerPlay::Expert : nf::ComputerPlay::Classic;
        else if (args[i] == "--strategy") {
            while (i + 1 < args.size() && args[i + 1].rfind("--", 0) != 0) {
                const auto s = nf::sim::parseStrategy(args[++i]);
                if (!s)
                    return false;
                o.strategies.push_back(*s);
            }
        } else
            return false;
    }
    if (o.strategies.size() == 1)
        o.strategies.assign(static_cast<std::size_t>(o.players), o.strategies[0]);
    return o.players >= 1 && o.players <= 4 && o.matches > 0 &&
           o.strategies.size() == static_cast<std::size_t>(o.players);
}

int play(const std::vector<std::string>& args) {
    PlayOptions o;
    if (!parsePlay(args, o))
        return usage();
    const auto start = std::chrono::steady_clock::now();
    const std::clock_t cpuStart = std::clock();
    const auto figures =
        nf::sim::playMatches(o.players, o.matches, o.seed, o.strategies, o.computer);
    const double cpu = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    const double wall =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    nf::sim::printFigures(std::cout, figures, o.seed, o.strategies);
    std::cout.flush();
    // The speed varies from run to run, so it goes apart from the figures the seed decides;
    // on a shared machine the CPU time tells more than the time on the clock.
    std::cerr << o.matches << " matches in " << wall << " s (" << cpu << " CPU-seconds): "
              << static_cast<long>(static_cast<double>(o.matches) / std::max(cpu, 1e-9))
              << " matches per CPU-second\n";
    return 0;
}

int compare(const std::vector<std::string>& args) {
    PlayOptions o;
    o.strategies = {nf::sim::Strategy::Optimal, nf::sim::Strategy::Optimal};
    if (!parsePlay(args, o) || o.players != 2)
        return usage();
    nf::sim::printComparison(std::cout, o.matches, o.seed);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty())
        return usage();
    if (args[0] == "play")
        return play({args.begin() + 1, args.end()});
    if (args[0] == "compare")
        return compare({args.begin() + 1, args.end()});
    if (args[0] == "analyse")
        return nf::sim::analyse({args.begin() + 1, args.end()}, std::cout, std::cerr);
    if (args[0] == "replay" && (args.size() == 2 || (args.size() == 3 && args[1] == "review"))) {
        const bool review = args.size() == 3;
        const std::string& path = args.back();
        if (path == "-")
            return nf::sim::replay(std::cin, std::cout, std::cerr, review);
        std::ifstream file(path);
        if (!file) {
            std::cerr << "ninefold-sim: cannot read " << path << '\n';
            return 2;
        }
        return nf::sim::replay(file, std::cout, std::cerr, review);
    }
    return usage();
}
