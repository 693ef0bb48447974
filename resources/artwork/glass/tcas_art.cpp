// The TCAS vertical speed indicator: a round dial with the dark screen in the middle for the
// traffic picture, the ±6000 ft/min ticks and numerals at the needle's angles in the ring round
// it, a rim pointer that leaves the picture uncovered, and the OFF flag; the virtual-cockpit
// twin's dial has a plain dark centre.

#include "resources/artwork/glass/tcas_art.h"

#include <cmath>

#include "gauges/glass/tcas_layout.h"
#include "resources/artwork/families.h"

namespace xaq::art {

namespace tcas = gauges::tcas;

namespace {

constexpr double kScreenRingWidth = 2.0;
constexpr double kMajorTickLength = 7.0;
constexpr double kMinorTickLength = 4.0;

// The screen's centre: the picture is the circle inscribed in its square.
double screenCentreX() { return tcas::kScreenAt.x + tcas::kScreenSize.width / 2.0; }
double screenCentreY() { return tcas::kScreenAt.y + tcas::kScreenSize.height / 2.0; }

}  // namespace

double tcasScreenEdgeRadius() {
  // Measured from the needle's pivot, so a screen set off the pivot still keeps the scale clear.
  const double offset = std::hypot(screenCentreX() - tcas::kNeedle.pivot.x, screenCentreY() - tcas::kNeedle.pivot.y);
  return offset + tcas::kScreenSize.width / 2.0 + kScreenRingWidth;
}

DialGeometry tcasDialGeometry() {
  // The kit's dial keeps its bezel and its ticks' outer end at the scale table's points; the
  // ticks are short and the numerals sit in the band the screen leaves free.
  DialGeometry dial = dialGeometry(tcas::kBackgroundSize, tcas::kNeedle.pivot, tcas::kScale);
  const double edge = tcasScreenEdgeRadius();
  dial.tickInner = dial.tickOuter - kMajorTickLength;
  dial.minorInner = dial.tickOuter - kMinorTickLength;
  dial.legendRadius = (edge + dial.tickInner) / 2.0;
  dial.legendSize = (dial.tickInner - edge) * 0.8;
  return dial;
}

namespace {

void paintDial(cairo_t* cr) {
  const Palette& colours = palette(Lighting::kDay);
  const DialGeometry dial = tcasDialGeometry();
  drawPanel(cr, tcas::kBackgroundSize, dial, colours);
  drawDialFace(cr, dial, colours);
  // The screen's dark glass inside a thin ring; the display clips its picture to this circle.
  const double cx = screenCentreX(), cy = screenCentreY();
  setColour(cr, colours.bezelDark);
  cairo_arc(cr, cx, cy, tcas::kScreenSize.width / 2.0 + kScreenRingWidth, 0, 2 * M_PI);
  cairo_fill(cr);
  setColour(cr, rgb(0x101010));
  cairo_arc(cr, cx, cy, tcas::kScreenSize.width / 2.0, 0, 2 * M_PI);
  cairo_fill(cr);
  // The scale last, at the needle's own table, in the ring round the screen.
  drawScale(cr, dial, tcas::kScale, colours);
  // The captions on the plate keep the size of a plain dial's numerals.
  const double caption = dialGeometry(tcas::kBackgroundSize, tcas::kNeedle.pivot, tcas::kScale).legendSize;
  drawText(cr, tcas::kNeedle.pivot.x - 62, tcas::kNeedle.pivot.y - 78, "VS", caption * 0.7, colours.marks);
  drawText(cr, tcas::kNeedle.pivot.x - 64, tcas::kNeedle.pivot.y + 80, "x1000", caption * 0.55, colours.marks,
           false);
}

// The pointer: only its outer part, from the screen's edge to the marks.
void paintNeedle(cairo_t* cr) {
  const Palette& colours = palette(Lighting::kDay);
  const double px = tcas::kNeedle.bitmapPivot.x, py = tcas::kNeedle.bitmapPivot.y;
  const double inner = py - tcas::kNeedleInnerRadius;
  setColour(cr, colours.needle);
  cairo_move_to(cr, px - 0.9, 0);
  cairo_line_to(cr, px + 0.9, 0);
  cairo_line_to(cr, px + 3.0, inner * 0.6);
  cairo_line_to(cr, px + 3.0, inner);
  cairo_line_to(cr, px - 3.0, inner);
  cairo_line_to(cr, px - 3.0, inner * 0.6);
  cairo_close_path(cr);
  cairo_fill(cr);
}

void paintPowerFlag(cairo_t* cr) { drawLight(cr, tcas::kPowerFlagSize, "OFF", rgb(0xD03020), true); }

}  // namespace

void addTcasArt(Registry& art) {
  art.add(tcas::kBackgroundId, tcas::kBackgroundSize, [](cairo_t* cr) { paintDial(cr); });
  art.add(tcas::kTwinBackgroundId, tcas::kBackgroundSize, [](cairo_t* cr) { paintDial(cr); });
  art.add(tcas::kNeedleId, tcas::kNeedle.bitmapSize, [](cairo_t* cr) { paintNeedle(cr); });
  art.add(tcas::kScreenId, tcas::kScreenSize, [](cairo_t* cr) {
    setColour(cr, rgb(0x101010));
    cairo_paint(cr);
  });
  art.add(tcas::kPowerFlagId, tcas::kPowerFlagSize, [](cairo_t* cr) { paintPowerFlag(cr); });
  art.add(tcas::kTwinPowerFlagId, tcas::kPowerFlagSize, [](cairo_t* cr) { paintPowerFlag(cr); });
}

}  // namespace xaq::art
