#include "app/DemoMatch.h"

#include <gtest/gtest.h>
#include <sstream>

namespace nf {
namespace {

TEST(DemoMatch, PlaysToAResultAndReplaysFromItsSeed) {
    for (std::uint64_t seed : {1u, 2u, 3u}) {
        std::ostringstream first, second;
        const int winner = playDemoMatch(first, seed);
        playDemoMatch(second, seed);
        EXPECT_EQ(first.str(), second.str());
        EXPECT_TRUE(winner == -1 || winner == 0 || winner == 1);
        const std::string text = first.str();
        EXPECT_NE(text.find("Round 5"), std::string::npos);
        EXPECT_TRUE(text.find("HAS WON!") != std::string::npos ||
                    text.find("IT'S A DRAW") != std::string::npos);
    }
}

} // namespace
} // namespace nf
