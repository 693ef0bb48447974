// The TCAS vertical speed indicator: a round dial with the ±6000 ft/min marks at the needle's
// angles, the dark screen in the middle for the traffic picture, a rim pointer that leaves the
// picture uncovered, and the OFF flag; the virtual-cockpit twin's dial has a plain dark centre.

#include <cmath>

#include "gauges/glass/tcas_layout.h"
#include "resources/artwork/art_kit.h"
#include "resources/artwork/families.h"

namespace xaq::art {

namespace {

namespace tcas = gauges::tcas;

void paintDial(cairo_t* cr) {
  const Palette& colours = palette(Lighting::kDay);
  const DialGeometry dial = dialGeometry(tcas::kBackgroundSize, tcas::kNeedle.pivot, tcas::kScale);
  drawPanel(cr, tcas::kBackgroundSize, dial, colours);
  drawDialFace(cr, dial, colours);
  drawScale(cr, dial, tcas::kScale, colours);
  // The screen's dark glass inside a thin ring; the display clips its picture to this circle.
  const double cx = tcas::kScreenAt.x + tcas::kScreenSize.width / 2.0;
  const double cy = tcas::kScreenAt.y + tcas::kScreenSize.height / 2.0;
  setColour(cr, colours.bezelDark);
  cairo_arc(cr, cx, cy, tcas::kScreenSize.width / 2.0 + 2.0, 0, 2 * M_PI);
  cairo_fill(cr);
  setColour(cr, rgb(0x101010));
  cairo_arc(cr, cx, cy, tcas::kScreenSize.width / 2.0, 0, 2 * M_PI);
  cairo_fill(cr);
  drawText(cr, tcas::kNeedle.pivot.x - 62, tcas::kNeedle.pivot.y - 78, "VS", dial.legendSize * 0.7, colours.marks);
  drawText(cr, tcas::kNeedle.pivot.x - 64, tcas::kNeedle.pivot.y + 80, "x1000", dial.legendSize * 0.55,
           colours.marks, false);
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
