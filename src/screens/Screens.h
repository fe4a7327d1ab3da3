#pragma once

#include "Catalogue.h"

#include <string>
#include <vector>

namespace nf {

// The publisher's line on the title and setup screens, and its web address.
extern const Text kPublisherNotice;
extern const char* const kPublisherAddress;

WindowSpec titlefrmSpec();
WindowSpec greySpec();
WindowSpec startplay2Spec();
WindowSpec ninefoldSpec();
WindowSpec ninefoldcompSpec();
WindowSpec doreroduzadSpec();
WindowSpec doreroduzad2Spec();
WindowSpec doreroduzad2bSpec();

// Every window of the game, by designer name.
std::vector<WindowSpec> allWindowSpecs();
const WindowSpec* findWindowSpec(const std::string& name);

} // namespace nf
