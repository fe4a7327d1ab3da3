#include "QtScheduler.h"

#include <QTimer>

namespace nf {

QtScheduler::QtScheduler() = default;
QtScheduler::~QtScheduler() = default;

void QtScheduler::attach(Timer& timer) {
    auto qtimer = std::make_unique<QTimer>();
    qtimer->setTimerType(Qt::PreciseTimer); // the dice roll every 5 ms
    QObject::connect(qtimer.get(), &QTimer::timeout, [&timer] { timer.tick(); });
    timers_[&timer] = std::move(qtimer);
}

void QtScheduler::detach(Timer& timer) {
    timers_.erase(&timer);
}

void QtScheduler::restart(Timer& timer) {
    auto it = timers_.find(&timer);
    if (it == timers_.end())
        return;
    if (timer.interval() >= 1)
        it->second->start(timer.interval());
    else
        it->second->stop();
}

void QtScheduler::stop(Timer& timer) {
    auto it = timers_.find(&timer);
    if (it != timers_.end())
        it->second->stop();
}

int QtScheduler::running() const {
    int n = 0;
    for (const auto& entry : timers_)
        n += entry.second->isActive() ? 1 : 0;
    return n;
}

} // namespace nf
