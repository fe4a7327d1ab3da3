#pragma once

#include <QByteArray>
#include <string>

namespace nf {

// Around the construction of the application object: when Qt cannot start its platform after
// all, the program ends with one line of words and exit code 2 instead of Qt's abort and its
// advice to reinstall; what Qt and its plugins say on the way is kept back. Also
// gives Qt the platform chosen for the game, only for the start, so that programs the game
// starts later (the desktop's "open") see the environment as it was.
class QtStartGuard {
public:
    QtStartGuard(const std::string& platform, const std::string& failure);
    ~QtStartGuard();
    QtStartGuard(const QtStartGuard&) = delete;
    QtStartGuard& operator=(const QtStartGuard&) = delete;

private:
    bool platformSet_ = false;
};

} // namespace nf
