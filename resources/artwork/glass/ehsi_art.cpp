// The heading indicator's bezel by day and lit, its screen (the dark glass the display draws on,
// whose size the host gives the drawing surface), and the virtual-cockpit twin: a dark face with
// the lubber line and aircraft symbol, the turning card, and the needles and deviation bar that
// turn about its centre, each pointing up in its own bitmap.

#include <cmath>
#include <numbers>

#include "displays/glass/ehsi_rules.h"
#include "gauges/glass/ehsi_layout.h"
#include "resources/artwork/art_kit.h"
#include "resources/artwork/families.h"

namespace xaq::art {

namespace {

namespace ehsi = gauges::ehsi;

constexpr double kPi = std::numbers::pi;
const Colour kWhite = rgb(0xFFFFFF);
const Colour kCyan = rgb(0x00FFFF);
const Colour kGreen = rgb(0x00FF00);
const Colour kMagenta = rgb(0xFF00FF);
const Colour kFace = rgb(0x101010);

void line(cairo_t* cr, double x0, double y0, double x1, double y1) {
  cairo_move_to(cr, x0, y0);
  cairo_line_to(cr, x1, y1);
  cairo_stroke(cr);
}

void paintTwinBackground(cairo_t* cr) {
  const auto size = ehsi::kTwinBackgroundSize;
  const Palette& day = palette(Lighting::kDay);
  setColour(cr, day.panel);
  cairo_paint(cr);
  setColour(cr, day.bezelDark);
  roundedRectangle(cr, 2, 2, size.width - 4, size.height - 4, 12);
  cairo_fill(cr);
  setColour(cr, kFace);
  roundedRectangle(cr, 6, 6, size.width - 12, size.height - 12, 8);
  cairo_fill(cr);
  const double cx = ehsi::kTwinPivot.x, cy = ehsi::kTwinPivot.y;
  // Lubber line above the card and the fixed aircraft symbol at its centre.
  setColour(cr, kWhite);
  cairo_set_line_width(cr, 2);
  line(cr, cx, cy - ehsi::kTwinCardRadius - 8, cx, cy - ehsi::kTwinCardRadius + 2);
  line(cr, cx, cy - 14, cx, cy + 16);
  line(cr, cx - 14, cy - 2, cx + 14, cy - 2);
  line(cr, cx - 6, cy + 14, cx + 6, cy + 14);
  // The deviation dots, fixed across the lubber line.
  for (int d = -2; d <= 2; ++d) {
    if (d == 0) continue;
    cairo_arc(cr, cx + d * ehsi::kTwinDotSpacing, cy + 34, 2.0, 0, 2 * kPi);
    cairo_stroke(cr);
  }
}

void paintTwinCard(cairo_t* cr) {
  const double r = ehsi::kTwinCardRadius;
  const double c = r;
  setColour(cr, kWhite);
  for (int tick = 0; tick < 360; tick += 5) {
    const double a = tick * kPi / 180.0;
    const double inner = tick % 10 == 0 ? r * 0.87 : r * 0.94;
    cairo_set_line_width(cr, tick % 10 == 0 ? 2.0 : 1.0);
    line(cr, c + inner * std::sin(a), c - inner * std::cos(a), c + (r - 1) * std::sin(a), c - (r - 1) * std::cos(a));
  }
  for (int deg = 0; deg < 360; deg += 30) {
    const char* label = displays::kCardLabels[deg / 30];
    cairo_save(cr);
    cairo_translate(cr, c, c);
    cairo_rotate(cr, deg * kPi / 180.0);
    drawText(cr, 0, -r * 0.72, label, 13, kWhite);
    cairo_restore(cr);
  }
}

// A needle pointing up from the pivot at (w/2, h/2).
void paintCourse(cairo_t* cr) {
  const auto s = ehsi::kTwinCourse.bitmapSize;
  const double cx = s.width / 2.0, top = 2, bottom = s.height - 2;
  setColour(cr, kGreen);
  cairo_set_line_width(cr, 3);
  line(cr, cx, top + 14, cx, s.height / 2.0 - 34);
  line(cr, cx, s.height / 2.0 + 34, cx, bottom);
  cairo_move_to(cr, cx, top);
  cairo_line_to(cr, cx + 7, top + 16);
  cairo_line_to(cr, cx - 7, top + 16);
  cairo_close_path(cr);
  cairo_fill(cr);
}

void paintToFrom(cairo_t* cr) {
  const auto s = ehsi::kTwinToFrom.bitmapSize;
  const double cx = s.width / 2.0;
  setColour(cr, kWhite);
  cairo_move_to(cr, cx, 6);
  cairo_line_to(cr, cx + 6, 18);
  cairo_line_to(cr, cx - 6, 18);
  cairo_close_path(cr);
  cairo_fill(cr);
}

void paintDeviation(cairo_t* cr) {
  const auto s = ehsi::kTwinDeviationSize;
  setColour(cr, kGreen);
  cairo_set_line_width(cr, 3);
  line(cr, s.width / 2.0, s.height / 2.0 - 32, s.width / 2.0, s.height / 2.0 + 32);
}

void paintBug(cairo_t* cr) {
  const auto s = ehsi::kTwinBug.bitmapSize;
  const double cx = s.width / 2.0;
  setColour(cr, kMagenta);
  cairo_move_to(cr, cx - 9, 0);
  cairo_line_to(cr, cx + 9, 0);
  cairo_line_to(cr, cx + 9, 8);
  cairo_line_to(cr, cx + 3, 8);
  cairo_line_to(cr, cx, 4);
  cairo_line_to(cr, cx - 3, 8);
  cairo_line_to(cr, cx - 9, 8);
  cairo_close_path(cr);
  cairo_fill(cr);
}

// Bearing pointer 1: a single line with a hollow circle head; 2: a double line with a hollow
// diamond head, as on the drawn display.
void paintBearing(cairo_t* cr, bool doubleLine) {
  const auto s = ehsi::kTwinBearing1.bitmapSize;
  const double cx = s.width / 2.0, mid = s.height / 2.0;
  setColour(cr, doubleLine ? kWhite : kCyan);
  cairo_set_line_width(cr, 1.5);
  const double offsets[] = {doubleLine ? -2.5 : 0.0, doubleLine ? 2.5 : 0.0};
  for (const double dx : offsets) {
    line(cr, cx + dx, 18, cx + dx, mid - 28);
    line(cr, cx + dx, mid + 28, cx + dx, s.height - 2);
  }
  if (doubleLine) {
    cairo_move_to(cr, cx, 2);
    cairo_line_to(cr, cx + 6, 10);
    cairo_line_to(cr, cx, 18);
    cairo_line_to(cr, cx - 6, 10);
    cairo_close_path(cr);
  } else {
    line(cr, cx, 2, cx, 18);
    cairo_arc(cr, cx, 10, 5, 0, 2 * kPi);
  }
  cairo_stroke(cr);
}

}  // namespace

void addEhsiArt(Registry& art) {
  art.add(ehsi::kBackgroundId, ehsi::kBackgroundSize, [](cairo_t* cr) {
    drawScreenBezel(cr, ehsi::kBackgroundSize, ehsi::kScreenAt, ehsi::kScreenSize, palette(Lighting::kDay));
  });
  art.add(ehsi::kLightingOverlayId, ehsi::kBackgroundSize, [](cairo_t* cr) {
    drawScreenBezel(cr, ehsi::kBackgroundSize, ehsi::kScreenAt, ehsi::kScreenSize, palette(Lighting::kNight));
  });
  art.add(ehsi::kScreenId, ehsi::kScreenSize, [](cairo_t* cr) {
    setColour(cr, palette(Lighting::kDay).face);
    cairo_paint(cr);
  });
  art.add(ehsi::kTwinBackgroundId, ehsi::kTwinBackgroundSize, paintTwinBackground);
  art.add(ehsi::kTwinCardId, ehsi::kTwinCard.bitmapSize, paintTwinCard);
  art.add(ehsi::kTwinCourseId, ehsi::kTwinCourse.bitmapSize, paintCourse);
  art.add(ehsi::kTwinToFromId, ehsi::kTwinToFrom.bitmapSize, paintToFrom);
  art.add(ehsi::kTwinDeviationId, ehsi::kTwinDeviationSize, paintDeviation);
  art.add(ehsi::kTwinDeviationWindowId, ehsi::kTwinDeviationWindowSize, [](cairo_t* cr) {
    setColour(cr, kWhite);
    cairo_paint(cr);
  });
  art.add(ehsi::kTwinBugId, ehsi::kTwinBug.bitmapSize, paintBug);
  art.add(ehsi::kTwinBearing1Id, ehsi::kTwinBearing1.bitmapSize, [](cairo_t* cr) { paintBearing(cr, false); });
  art.add(ehsi::kTwinBearing2Id, ehsi::kTwinBearing2.bitmapSize, [](cairo_t* cr) { paintBearing(cr, true); });
}

}  // namespace xaq::art
