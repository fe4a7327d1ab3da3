#pragma once

namespace nf {

// Lets screen readers see the game's labels: those that act as buttons as buttons with their
// captions, the others as text with their names and current texts. Call once after the
// application object exists.
void installLabelAccessibility();

} // namespace nf
