#pragma once

#include "board/Environment.h"
#include "platform/WindowOwner.h"
#include "screens/Catalogue.h"

namespace nf {

class Program;

// A window of the front end, built from the catalogue when it is opened and discarded when
// it is closed.
class Screen : public WindowOwner {
    Q_OBJECT
public:
    Screen(Program& program, const WindowSpec& design);
    ~Screen() override;

    virtual void show();

protected:
    // Centres the window on its screen at its designed size.
    void centre();
    void clickSound();
    Environment& env() const;

    Program& program_;
    const WindowSpec design_;
};

} // namespace nf
