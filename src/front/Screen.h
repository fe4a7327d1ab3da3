#pragma once

#include "board/Environment.h"
#include "screens/Catalogue.h"

#include <QObject>
#include <memory>

namespace nf {

class FormWindow;
class Program;

// A window of the front end, built from the catalogue when it is opened and discarded when
// it is closed.
class Screen : public QObject {
    Q_OBJECT
public:
    Screen(Program& program, const WindowSpec& design);
    ~Screen() override;

    FormWindow& window() const { return *window_; }
    virtual void show();
    // Closes the window; the screen is discarded right after.
    void close();
    bool isClosed() const { return closed_; }

protected:
    // Centres the window on its screen at its designed size.
    void centre();
    void clickSound();
    Environment& env() const;

    Program& program_;
    const WindowSpec design_;

private:
    std::unique_ptr<FormWindow> window_;
    bool closed_ = false;
};

} // namespace nf
