#include "engine/VirtualScheduler.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace nf {
namespace {

// Timers that write "name@time" into one log when they tick.
struct Clockwork {
    VirtualScheduler scheduler;
    std::vector<std::string> log;

    void note(const Timer& t) { log.push_back(t.name() + "@" + std::to_string(scheduler.now())); }
};

TEST(VirtualScheduler, PeriodicTicksFireInTimeOrderOnlyWhileEnabled) {
    Clockwork c;
    Timer fast(c.scheduler, "fast", 300, [&] { c.note(fast); });
    Timer slow(c.scheduler, "slow", 500, [&] { c.note(slow); });
    Timer off(c.scheduler, "off", 100, [&] { c.note(off); });
    fast.setEnabled(true);
    slow.setEnabled(true);
    c.scheduler.advance(1000);
    EXPECT_EQ(c.log, (std::vector<std::string>{"fast@300", "slow@500", "fast@600", "fast@900",
                                               "slow@1000"}));
    EXPECT_EQ(c.scheduler.now(), 1000);

    fast.setEnabled(false);
    slow.setEnabled(false);
    c.log.clear();
    c.scheduler.advance(5000);
    EXPECT_TRUE(c.log.empty());
    EXPECT_FALSE(c.scheduler.nextDue().has_value());
}

TEST(VirtualScheduler, SimultaneousTicksFollowCreationOrderUnlessATieOrderIsChosen) {
    Clockwork c;
    Timer a(c.scheduler, "a", 500, [&] { c.note(a); });
    Timer b(c.scheduler, "b", 500, [&] { c.note(b); });
    b.setEnabled(true);
    a.setEnabled(true);
    c.scheduler.advance(500);
    EXPECT_EQ(c.log, (std::vector<std::string>{"a@500", "b@500"}));

    c.log.clear();
    c.scheduler.setTieOrder({"b"});
    c.scheduler.advance(500);
    EXPECT_EQ(c.log, (std::vector<std::string>{"b@1000", "a@1000"}));
}

TEST(VirtualScheduler, EnablingOrChangingTheIntervalRestartsTheCountdown) {
    Clockwork c;
    Timer t(c.scheduler, "t", 1000, [&] { c.note(t); });
    c.scheduler.advance(700);
    t.setEnabled(true); // due at 1700
    c.scheduler.advance(600);
    t.setInterval(600); // running: counts afresh from 1300, so due at 1900
    c.scheduler.advance(500);
    EXPECT_TRUE(c.log.empty());
    c.scheduler.advance(100);
    t.setEnabled(true); // already on: the countdown runs on
    c.scheduler.advance(600);
    EXPECT_EQ(c.log, (std::vector<std::string>{"t@1900", "t@2500"}));
}

// (A destroyed timer is forgotten: the sanitizers watch boards closing while time goes on.)
TEST(VirtualScheduler, TimeCannotMoveInsideATick) {
    VirtualScheduler scheduler;
    bool threw = false;
    Timer nested(scheduler, "nested", 10, [&] {
        try {
            scheduler.advance(10);
        } catch (const std::logic_error&) {
            threw = true;
        }
    });
    nested.setEnabled(true);
    scheduler.advance(10);
    EXPECT_TRUE(threw);
    EXPECT_EQ(scheduler.ticksFired(), 1u);
}

} // namespace
} // namespace nf
