#pragma once

#include "FormWindow.h"

#include <QObject>
#include <memory>

namespace nf {

// What a window of the game is behind its FormWindow: it lives until the window closes and is
// discarded a moment later, so that a handler that closes it can still finish.
class WindowOwner : public QObject {
    Q_OBJECT
public:
    explicit WindowOwner(FormWindow* window) : window_(window) {}
    ~WindowOwner() override = default;

    FormWindow& window() const { return *window_; }
    bool isClosed() const { return closed_; }
    // Closes the window, without asking its close-request handler, and discards the owner.
    void close() {
        if (markClosed())
            window_->closeWindow();
    }

protected:
    // The first step of any closing: false when the window was already closed. The owner is
    // discarded once the event being handled is over.
    bool markClosed() {
        if (closed_)
            return false;
        closed_ = true;
        deleteLater();
        return true;
    }

private:
    std::unique_ptr<FormWindow> window_;
    bool closed_ = false;
};

} // namespace nf
