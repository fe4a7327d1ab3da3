#include "VirtualScheduler.h"

#include <algorithm>
#include <stdexcept>

namespace nf {

void VirtualScheduler::attach(Timer& timer) {
    const Entry entry{&timer, -1, created_++};
    if (freeSlots_.empty()) {
        timer.setSlot(entries_.size());
        entries_.push_back(entry);
        return;
    }
    timer.setSlot(freeSlots_.back());
    freeSlots_.pop_back();
    entries_[timer.slot()] = entry;
}

void VirtualScheduler::detach(Timer& timer) {
    entries_[timer.slot()] = {nullptr, -1, 0};
    freeSlots_.push_back(timer.slot());
}

void VirtualScheduler::restart(Timer& timer) {
    entries_[timer.slot()].due = timer.interval() >= 1 ? now_ + timer.interval() : -1;
}

void VirtualScheduler::stop(Timer& timer) {
    entries_[timer.slot()].due = -1;
}

std::size_t VirtualScheduler::tieRank(const Entry& entry) const {
    auto it = std::find(tieOrder_.begin(), tieOrder_.end(), entry.timer->name());
    return static_cast<std::size_t>(it - tieOrder_.begin());
}

bool VirtualScheduler::firesBefore(const Entry& a, const Entry& b) const {
    if (a.due != b.due)
        return a.due < b.due;
    std::size_t ra = tieRank(a), rb = tieRank(b);
    if (ra != rb)
        return ra < rb;
    return a.created < b.created;
}

std::optional<std::int64_t> VirtualScheduler::nextDue() const {
    std::optional<std::int64_t> best;
    for (const Entry& e : entries_)
        if (e.due >= 0 && (!best || e.due < *best))
            best = e.due;
    return best;
}

bool VirtualScheduler::fireNext(std::int64_t notAfter) {
    if (firing_)
        throw std::logic_error("virtual time cannot move inside a tick");
    const Entry* next = nullptr;
    for (const Entry& e : entries_)
        if (e.due >= 0 && e.due <= notAfter && (!next || firesBefore(e, *next)))
            next = &e;
    if (!next)
        return false;
    Timer* timer = next->timer;
    now_ = next->due;
    restart(*timer); // periodic: the next countdown runs from this tick
    ++ticksFired_;
    firing_ = true;
    try {
        timer->tick();
    } catch (...) {
        firing_ = false;
        throw;
    }
    firing_ = false;
    return true;
}

void VirtualScheduler::advance(std::int64_t ms) {
    const std::int64_t target = now_ + std::max<std::int64_t>(ms, 0);
    while (fireNext(target)) {
    }
    now_ = target;
}

} // namespace nf
