#pragma once
// Gauge images the way the host draws them: the element tree from the background up, each
// element at its place with the value the host applies to it, children on top of their parent.
// Bitmaps come from a folder of "<resource id>.png" files; where one is missing a plain
// placeholder shows the element's place and value, so every gauge is visible from day one.

#include <string>
#include <vector>

#include "frame/abi/host_abi.h"
#include "simhost/sim_host.h"

namespace xaq::sim {

// What the host applies to one element now.
struct ElementState {
  double values[3] = {0, 0, 0};  // needle/icon: [0]; slider, moving image: x, y; sprite: x, y, rotation
  int valueCount = 0;
  std::string text;              // string elements
  bool hidden = false;
};

ElementState evaluateElement(SimHost& host, abi::ElementHeader* element);

// The element at a path of child indices: "0" is the gauge's first element, "0.2" its third
// child. Null when the path leads nowhere.
abi::ElementHeader* elementAt(abi::GaugeHeader* gauge, const std::string& path);

// Needle angle in degrees clockwise from twelve o'clock for a value, by the scale table.
double needleAngle(const abi::NeedleElement& needle, double value);

struct RenderOptions {
  std::string bitmapFolder;  // "<id>.png" files; empty = placeholders only
};

// Calls the gauge's draw service, then writes its image. False when the file cannot be written.
bool renderGauge(SimHost& host, abi::GaugeHeader* gauge, const std::string& pngPath,
                 const RenderOptions& options);

}  // namespace xaq::sim
