// The radio magnetic indicator and its twins: the plate and bezel, the compass card, the single-
// and double-bar needles, the source knobs and the VOR/ADF annunciators, lit and unlit.

#include <cmath>

#include "gauges/instruments/rmi_layout.h"
#include "resources/artwork/families.h"
#include "resources/artwork/instruments/instrument_parts_art.h"

namespace xaq::art {

namespace {

namespace rmi = gauges::rmi;
using namespace instruments;

void paintBackground(cairo_t* cr, const rmi::Geometry& g, Lighting lighting) {
  const Palette& colours = palette(lighting);
  drawRoundInstrument(cr, g.size, g.pivot, rmi::kCardRadius + 14, colours);
  drawLubberMarks(cr, g.pivot, rmi::kCardRadius, colours.marks);
  drawText(cr, g.pivot.x, g.pivot.y - rmi::kCardRadius - 8, "RMI", 7, colours.marks);
  if (g.leftKnobArea.width > 0) {
    drawText(cr, g.leftKnob.x + rmi::kKnobSize.width / 2.0, g.leftKnob.y - 6, "SEL 1", 7, colours.marks);
    drawText(cr, g.rightKnob.x + rmi::kKnobSize.width / 2.0, g.rightKnob.y - 6, "SEL 2", 7, colours.marks);
  }
}

// The needle: a bar from the tail to the arrowhead, one bar or two side by side.
void paintNeedle(cairo_t* cr, bool doubleBar, Colour colour) {
  const double cx = rmi::kNeedlePivot.x, cy = rmi::kNeedlePivot.y;
  const double tip = 6, tail = rmi::kNeedleSize.height - 6;
  setColour(cr, colour);
  cairo_set_line_width(cr, 2.2);
  const double offsets[2] = {doubleBar ? -3.0 : 0.0, doubleBar ? 3.0 : 0.0};
  for (double dx : offsets) {
    cairo_move_to(cr, cx + dx, tip + 14);
    cairo_line_to(cr, cx + dx, cy - 12);
    cairo_move_to(cr, cx + dx, cy + 12);
    cairo_line_to(cr, cx + dx, tail);
    cairo_stroke(cr);
    if (!doubleBar) break;
  }
  fillTriangle(cr, cx, tip, 0.0, 16, doubleBar ? 14 : 11, colour);
  cairo_set_line_width(cr, 2.0);
  cairo_move_to(cr, cx - 6, tail);
  cairo_line_to(cr, cx + 6, tail);
  cairo_stroke(cr);
  setColour(cr, rgb(0x2C2C2E));
  cairo_arc(cr, cx, cy, 5, 0, 2 * kPi);
  cairo_fill(cr);
}

void addLegends(Registry& art, std::uint32_t firstId, const char* source1, const char* source2, bool lit) {
  const Colour lens = rgb(0xF0F0F0);
  art.add(firstId, rmi::kAnnunciatorSize, [=](cairo_t* cr) { drawLight(cr, rmi::kAnnunciatorSize, source1, lens, lit); });
  art.add(firstId + 1, rmi::kAnnunciatorSize,
          [=](cairo_t* cr) { drawLight(cr, rmi::kAnnunciatorSize, source2, lens, lit); });
}

}  // namespace

void addRmiArt(Registry& art) {
  for (const rmi::Geometry* g : {&rmi::kMain, &rmi::kTwinV, &rmi::kTwinG}) {
    art.add(g->backgroundId, g->size, [g](cairo_t* cr) { paintBackground(cr, *g, Lighting::kDay); });
  }
  art.add(rmi::kMain.nightId, rmi::kMain.size, [](cairo_t* cr) { paintBackground(cr, rmi::kMain, Lighting::kNight); });
  art.add(rmi::kCardId, rmi::kCardSize,
          [](cairo_t* cr) { drawCompassCard(cr, rmi::kCardSize, rmi::kCardRadius, palette(Lighting::kDay)); });
  art.add(rmi::kLeftNeedleId, rmi::kNeedleSize, [](cairo_t* cr) { paintNeedle(cr, false, rgb(0x40D040)); });
  art.add(rmi::kRightNeedleId, rmi::kNeedleSize, [](cairo_t* cr) { paintNeedle(cr, true, rgb(0xF0F0F0)); });
  for (std::uint32_t id : {rmi::kLeftKnobId, rmi::kRightKnobId}) {
    art.add(id, rmi::kKnobSize, [](cairo_t* cr) { drawKnob(cr, rmi::kKnobSize, -45.0, nullptr); });
    art.add(id + 1, rmi::kKnobSize, [](cairo_t* cr) { drawKnob(cr, rmi::kKnobSize, 45.0, nullptr); });
  }
  addLegends(art, rmi::kLeftSourceUnlitId, "VOR 1", "ADF 1", false);
  addLegends(art, rmi::kLeftSourceLitId, "VOR 1", "ADF 1", true);
  addLegends(art, rmi::kRightSourceUnlitId, "VOR 2", "ADF 2", false);
  addLegends(art, rmi::kRightSourceLitId, "VOR 2", "ADF 2", true);
}

}  // namespace xaq::art
