#pragma once

#include <cstddef>
#include <functional>
#include <string>

namespace nf {

class Timer;

// Runs the countdowns of timers. A scheduler delivers each tick on the one thread that runs
// the game, never while another tick or event handler is running.
class Scheduler {
public:
    virtual ~Scheduler() = default;

    virtual void attach(Timer& timer) = 0;
    virtual void detach(Timer& timer) = 0;
    // Starts the countdown of the timer's current interval afresh.
    virtual void restart(Timer& timer) = 0;
    virtual void stop(Timer& timer) = 0;
};

// A periodic tick while enabled, in the way the game's windows use timers: switching a timer
// on, or changing the interval of one that is on, starts its countdown afresh; a handler may
// switch any timer, its own included. An interval below 1 ms never ticks.
class Timer {
public:
    using Handler = std::function<void()>;

    Timer(Scheduler& scheduler, std::string name, int intervalMs, Handler onTick = {});
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    void setHandler(Handler onTick) { handler_ = std::move(onTick); }

    bool enabled() const { return enabled_; }
    // Switching on a timer that is already on leaves its countdown running.
    void setEnabled(bool on);
    int interval() const { return interval_; }
    void setInterval(int ms);
    const std::string& name() const { return name_; }

    // Called by the scheduler when the countdown has run out.
    void tick();
    // Where the scheduler keeps this timer; only the scheduler sets it.
    std::size_t slot() const { return slot_; }
    void setSlot(std::size_t slot) { slot_ = slot; }

private:
    Scheduler& scheduler_;
    std::string name_;
    int interval_;
    bool enabled_ = false;
    Handler handler_;
    std::size_t slot_ = 0;
};

} // namespace nf
