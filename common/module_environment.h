#pragma once
// What the module learns of its installation once, at creation, and hands to the parts that read
// files: the simulator's folder (with its trailing separator), from which the navigation data,
// the variation grid, the settings, routes and sounds are found.

#include <string>

namespace xaq {

struct ModuleEnvironment {
  std::string simulatorFolder;  // empty when the host reports none: every file then reads missing
};

}  // namespace xaq
