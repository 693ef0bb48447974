#pragma once
// The traffic picture inside the TCAS vertical speed indicator: the own aircraft low in the
// middle, a ring of dots a fifth of the width out, and each target in use with its
// threat symbol, its relative altitude in hundreds of feet and its climb or descent arrow.
// Seven miles ahead of the own aircraft reach the top edge.

#include <cstddef>

#include "displays/glass/glass_display.h"
#include "displays/traffic/traffic_data.h"

namespace xaq::displays {

inline constexpr Colour kTcasGrey = 0x808080;

// The relative-altitude label: hundreds of feet, truncated toward zero, signed and two digits
// ("+01", "-12"); empty when the target is less than 100 ft above or below.
void relativeAltitudeLabel(double relativeAltitudeFt, char (&out)[8]);

// Screen units per nautical mile for a surface `heightPx` high.
double tcasPixelsPerNm(double heightPx);

class TcasDisplay final : public GlassDisplay {
 public:
  TcasDisplay(platform::CanvasFactory* canvases, TrafficData& traffic)
      : GlassDisplay(canvases), traffic_(traffic) {}

 protected:
  void draw() override;

 private:
  struct Tools;
  void updateScreen();
  void drawOwnAircraft(const Tools& tools);
  void drawRangeRing(const Tools& tools);
  void drawTarget(const Tools& tools, std::size_t index);

  TrafficData& traffic_;
};

}  // namespace xaq::displays
