#pragma once

#include "Timer.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace nf {

// Time that moves only when told to. Ticks fire in time order; ticks due at the same moment
// fire in the tie order (see setTieOrder), else in the order the timers were created.
class VirtualScheduler : public Scheduler {
public:
    void attach(Timer& timer) override;
    void detach(Timer& timer) override;
    void restart(Timer& timer) override;
    void stop(Timer& timer) override;

    std::int64_t now() const { return now_; }

    // Fires every tick due up to now() + ms, then sets the time to that moment.
    void advance(std::int64_t ms);
    // Fires the earliest tick due at or before the given moment; false when there is none.
    bool fireNext(std::int64_t notAfter);
    std::optional<std::int64_t> nextDue() const;

    // Timers named here win ties against other timers, earlier names first.
    void setTieOrder(std::vector<std::string> names) { tieOrder_ = std::move(names); }

    std::uint64_t ticksFired() const { return ticksFired_; }

private:
    struct Entry {
        Timer* timer;     // null for a slot whose timer has gone
        std::int64_t due; // -1 while the timer is off
        std::uint64_t created;
    };

    std::size_t tieRank(const Entry& entry) const;
    bool firesBefore(const Entry& a, const Entry& b) const;

    std::vector<Entry> entries_; // a timer's slot is its index here
    std::vector<std::size_t> freeSlots_;
    std::vector<std::string> tieOrder_;
    std::int64_t now_ = 0;
    std::uint64_t created_ = 0;
    std::uint64_t ticksFired_ = 0;
    bool firing_ = false;
};

} // namespace nf
