#pragma once

#include "Screen.h"

namespace nf {

// `Grey`: one flat colour over the whole screen, behind the game's windows; it takes no
// clicks and never comes forward by itself.
class Backdrop : public Screen {
    Q_OBJECT
public:
    explicit Backdrop(Program& program);
    void show() override;
};

} // namespace nf
