#pragma once
// The electronic horizontal situation indicator drawn on the `EHSI` gauge's screen: the heading
// card as a full rose or a 90-degree arc, the heading bug, course pointer with deviation and
// TO/FROM, two bearing pointers, the map (tuned VOR stations and the next FMS waypoints), the
// glideslope scale and the data fields round the edge.

#include "displays/glass/ehsi_rules.h"
#include "displays/glass/glass_display.h"

namespace xaq::displays {

class EhsiDisplay final : public GlassDisplay {
 public:
  using GlassDisplay::GlassDisplay;

  // One frame with these inputs on the element's surface (null: skipped).
  void drawFrame(const GlassElement* element, const EhsiInputs& inputs);

  // The surface is this much wider than tall; vertical fractions are of the width's scale.
  static constexpr double kAspect = 1.36;

 protected:
  void draw() override;

 private:
  struct Pens {
    CanvasObject white, cyan, green, magenta, amber;
  };
  struct Card {
    double x, y;   // centre of the card, pixels
    double radius;
  };

  std::int32_t xUnits(double f) const { return toPixel(f * width); }
  std::int32_t yUnits(double f) const { return toPixel(f * height * kAspect); }
  Card card() const;
  // A point at `radius` from the card's centre, `angleDeg` clockwise from the lubber line.
  platform::Point polar(const Card& c, double angleDeg, double radius) const;
  // The same, pushed `across` pixels to the right of that radial.
  platform::Point polarAcross(const Card& c, double angleDeg, double along, double across) const;
  void line(platform::Point a, platform::Point b);

  void drawCardTicks(const Card& c);
  void drawCardLabels(const Card& c);
  void drawArcOutline(const Card& c);
  void drawBearingPointers(const Card& c);
  void drawCoursePointer(const Card& c);
  void drawMap(const Card& c);
  void drawHeadingBug(const Card& c);
  void drawAircraftSymbol(const Card& c);
  void drawHeadingBox();
  void drawRangeRingLabel(const Card& c);
  void drawGlideslopeScale();
  void drawDataFields();
  void drawBearingLegends();
  void text(std::int32_t x, std::int32_t y, const char* s, Colour colour, platform::TextAlign align);

  EhsiInputs in_;
  Pens pens_{};
  CanvasObject smallFont_ = 0;
  CanvasObject largeFont_ = 0;
};

}  // namespace xaq::displays
