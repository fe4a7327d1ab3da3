#include "Screens.h"

namespace nf {

std::vector<WindowSpec> allWindowSpecs() {
    return {titlefrmSpec(),     greySpec(),        startplay2Spec(),   ninefoldSpec(),
            ninefoldcompSpec(), doreroduzadSpec(), doreroduzad2Spec(), doreroduzad2bSpec()};
}

const WindowSpec* findWindowSpec(const std::string& name) {
    static const std::vector<WindowSpec> windows = allWindowSpecs();
    for (const WindowSpec& w : windows)
        if (w.name == name)
            return &w;
    return nullptr;
}

} // namespace nf
