#pragma once

#include "DiceTryOut.h"
#include "RulesControls.h"
#include "Screen.h"

#include <memory>

namespace nf {

// One of the three rules pages: page 1 `Doreroduzad`, page 2 `Doreroduzad2` with the dice
// try-out, page 3 `Doreroduzad2b` with the printable rules document.
class RulesPage : public Screen {
    Q_OBJECT
public:
    RulesPage(Program& program, int page);
    const RulesControls& controls() const { return ui_; }
    DiceTryOut* tryOut() const { return tryOut_.get(); }

private:
    void turnTo(int page);
    void leave();
    void makeTryOut();
    void openRulesDocument();

    int page_;
    RulesControls ui_;
    std::unique_ptr<DiceTryOut> tryOut_;
};

} // namespace nf
