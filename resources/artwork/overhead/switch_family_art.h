#pragma once
// The switch family's images, for every panel built from it: toggles, three-way levers, rotary
// selectors, push buttons, spring-loaded rockers and lights, each drawn at its set's size, one
// bitmap per position, by day and by night.

#include "gauges/kit/switch_layout.h"
#include "resources/artwork/registry.h"

namespace xaq::art {

// Adds every day and night bitmap of the set (lights: the dark lens and one per lit state).
void addSwitchImages(Registry& art, const gauges::layout::SwitchImages& images);

}  // namespace xaq::art
