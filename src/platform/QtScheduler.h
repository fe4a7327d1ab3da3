#pragma once

#include "engine/Timer.h"

#include <QObject>
#include <map>
#include <memory>

class QTimer;

namespace nf {

// The game's timers on Qt's event loop: each enabled Timer is a running QTimer, so a
// program whose timers are all off never wakes up for them.
class QtScheduler : public Scheduler {
public:
    QtScheduler();
    ~QtScheduler() override;
    void attach(Timer& timer) override;
    void detach(Timer& timer) override;
    void restart(Timer& timer) override;
    void stop(Timer& timer) override;

    // How many timers are counting down; none means no wake-ups at all.
    int running() const;

private:
    std::map<Timer*, std::unique_ptr<QTimer>> timers_;
};

} // namespace nf
