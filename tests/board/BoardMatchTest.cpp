#include "engine/Pauses.h"
#include "support/BoardHarness.h"

#include <gtest/gtest.h>

namespace nf {
namespace {
using test::BoardHarness;

// The match's course is the engine's (its tests, and the comparison of the board with the
// headless board), and so are the throw and New Game refused during a hand-over; the window's
// own part is that Exit and the close box wait for the hand-over too.
TEST(BoardMatch, ExitAndTheCloseBoxWaitForTheHandOver) {
    BoardHarness h;
    h.openNew(2);
    h.throwDice(6, 6);
    for (int pause : {pauses::kTurnOverShown, pauses::kNextTurnStarts}) {
        h.click(h.ui().exit);
        EXPECT_FALSE(h.window().close());
        EXPECT_FALSE(h.exited);
        EXPECT_TRUE(h.savedGame().isEmpty());
        h.wait(pause);
    }
    EXPECT_EQ(h.ui().message->text(), "MAGENTA TO PLAY");
    EXPECT_TRUE(h.window().close());
    EXPECT_TRUE(h.exited);
    EXPECT_FALSE(h.savedGame().isEmpty());
}

} // namespace
} // namespace nf
