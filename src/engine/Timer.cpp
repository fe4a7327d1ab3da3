#include "Timer.h"

namespace nf {

Timer::Timer(Scheduler& scheduler, std::string name, int intervalMs, Handler onTick)
    : scheduler_(scheduler), name_(std::move(name)), interval_(intervalMs),
      handler_(std::move(onTick)) {
    scheduler_.attach(*this);
}

Timer::~Timer() {
    scheduler_.detach(*this);
}

void Timer::setEnabled(bool on) {
    if (on == enabled_)
        return;
    enabled_ = on;
    if (on)
        scheduler_.restart(*this);
    else
        scheduler_.stop(*this);
}

void Timer::setInterval(int ms) {
    interval_ = ms;
    if (enabled_)
        scheduler_.restart(*this);
}

void Timer::tick() {
    if (enabled_ && handler_)
        handler_();
}

} // namespace nf
