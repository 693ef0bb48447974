// The horizontal situation indicator and its twin: the plate and bezel with the lubber line and
// the glideslope scale, the compass card, the course pointer with its deviation dots, the
// deviation bar, the TO/FROM arrow, the heading bug, the glideslope pointer and the NAV flag.

#include <cmath>

#include "gauges/instruments/hsi_layout.h"
#include "resources/artwork/families.h"
#include "resources/artwork/instruments/instrument_parts_art.h"

namespace xaq::art {

namespace {

namespace hsi = gauges::hsi;
using namespace instruments;

void paintBackground(cairo_t* cr, const hsi::Geometry& g, Lighting lighting) {
  const Palette& colours = palette(lighting);
  drawRoundInstrument(cr, g.size, g.pivot, hsi::kCardRadius + 14, colours);
  drawLubberMarks(cr, g.pivot, hsi::kCardRadius, colours.marks);
  // The glideslope scale: a centre bar and two dots each way beside the pointer's travel.
  const double gx = g.glideslope.x + hsi::kGlideslopePointerSize.width / 2.0;
  const double gy = g.glideslope.y + hsi::kGlideslopePointerSize.height / 2.0;
  setColour(cr, colours.marks);
  for (int dot = -2; dot <= 2; ++dot) {
    if (dot == 0) {
      cairo_rectangle(cr, gx - 8, gy - 1, 16, 2);
    } else {
      cairo_arc(cr, gx, gy + dot * hsi::kDotSpacing, 2.5, 0, 2 * kPi);
    }
    cairo_fill(cr);
  }
  // Captions above the readouts.
  drawText(cr, g.course.x + g.course.width / 2.0, g.course.y - 6, "CRS", 7, colours.marks);
  drawText(cr, g.distance.x + g.distance.width / 2.0, g.distance.y - 6, "NM", 7, colours.marks);
  if (g.dhDown.width > 0) {
    drawText(cr, g.dhDown.x - 8, g.dhDown.y + 9, "DH", 7, colours.marks);
    cairo_save(cr);
    cairo_translate(cr, g.dhDown.x + 4, g.dhDown.y);
    drawKnob(cr, {20, 20}, 30.0, nullptr);
    cairo_restore(cr);
  }
}

// The course pointer: the arrowhead and the tail on the course line, the gap between them for
// the deviation bar, and the dots across it.
void paintCoursePointer(cairo_t* cr) {
  const double cx = hsi::kPointerSize.width / 2.0, cy = hsi::kPointerSize.height / 2.0;
  const double halfBar = hsi::kDeviationTexture.height / 2.0;
  fillTriangle(cr, cx, 2, 0.0, 16, 14, kYellow);
  setColour(cr, kYellow);
  cairo_rectangle(cr, cx - 2, 18, 4, cy - halfBar - 22);
  cairo_rectangle(cr, cx - 2, cy + halfBar + 4, 4, hsi::kPointerSize.height - (cy + halfBar + 4) - 2);
  cairo_fill(cr);
  setColour(cr, kWhite);
  cairo_set_line_width(cr, 1.5);
  for (int dot = -2; dot <= 2; ++dot) {
    if (dot == 0) continue;
    cairo_arc(cr, cx + dot * hsi::kDotSpacing, cy, 3, 0, 2 * kPi);
    cairo_stroke(cr);
  }
}

}  // namespace

void addHsiArt(Registry& art) {
  for (const hsi::Geometry* g : {&hsi::kMain, &hsi::kTwin}) {
    art.add(g->backgroundId, g->size, [g](cairo_t* cr) { paintBackground(cr, *g, Lighting::kDay); });
  }
  art.add(hsi::kMain.nightId, hsi::kMain.size, [](cairo_t* cr) { paintBackground(cr, hsi::kMain, Lighting::kNight); });
  art.add(hsi::kCardId, hsi::kCardSize, [](cairo_t* cr) {
    drawCompassCard(cr, hsi::kCardSize, hsi::kCardRadius, palette(Lighting::kDay));
  });
  art.add(hsi::kCoursePointerId, hsi::kPointerSize, [](cairo_t* cr) { paintCoursePointer(cr); });
  art.add(hsi::kToFromArrowId, hsi::kArrowSize, [](cairo_t* cr) {
    fillTriangle(cr, hsi::kArrowSize.width / 2.0, 14, 0.0, 12, 12, kWhite);
  });
  art.add(hsi::kDeviationBarId, hsi::kDeviationTexture, [](cairo_t* cr) {
    setColour(cr, kYellow);
    cairo_rectangle(cr, 1, 0, hsi::kDeviationTexture.width - 2, hsi::kDeviationTexture.height);
    cairo_fill(cr);
  });
  art.add(hsi::kDeviationBarId + 1, hsi::kDeviationWindow, [](cairo_t* cr) {
    setColour(cr, kWhite);
    cairo_rectangle(cr, 0, 0, hsi::kDeviationWindow.width, hsi::kDeviationWindow.height);
    cairo_fill(cr);
  });
  art.add(hsi::kGlideslopePointerId, hsi::kGlideslopePointerSize, [](cairo_t* cr) {
    fillTriangle(cr, 1, hsi::kGlideslopePointerSize.height / 2.0, 270.0, 12, 10, kGreen);
  });
  art.add(hsi::kNavFlagId, hsi::kNavFlagSize, [](cairo_t*) {});
  art.add(hsi::kNavFlagId + 1, hsi::kNavFlagSize,
          [](cairo_t* cr) { drawFlag(cr, hsi::kNavFlagSize, "NAV", kRed, kWhite); });
  art.add(hsi::kHeadingBugId, hsi::kBugSize, [](cairo_t* cr) {
    setColour(cr, kMagenta);
    const double cx = hsi::kBugSize.width / 2.0;
    cairo_move_to(cr, cx - 9, 0);
    cairo_line_to(cr, cx + 9, 0);
    cairo_line_to(cr, cx + 9, 7);
    cairo_line_to(cr, cx + 4, 7);
    cairo_line_to(cr, cx, 3);
    cairo_line_to(cr, cx - 4, 7);
    cairo_line_to(cr, cx - 9, 7);
    cairo_close_path(cr);
    cairo_fill(cr);
  });
}

}  // namespace xaq::art
