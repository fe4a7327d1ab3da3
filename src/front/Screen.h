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
    // Loads the picture the catalogue names for the control, as a rendered window shows it;
    // false when it does not load.
    bool loadDesignedPicture(const QWidget* control);
    Environment& env() const;

    Program& program_;
    const WindowSpec design_;
};

} // namespace nf
