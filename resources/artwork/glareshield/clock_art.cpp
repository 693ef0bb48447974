// The captain's glareshield panel: the clock's bezel with its digit windows, the four selectors
// in their three positions (unlit by day, lit at night), the course and heading knobs and their
// pointers; the virtual-cockpit clock's plate.

#include <cmath>

#include "gauges/glareshield/clock_layout.h"
#include "resources/artwork/art_kit.h"
#include "resources/artwork/families.h"
#include "resources/artwork/overhead/switch_family_art.h"

namespace xaq::art {

namespace {

namespace gs = gauges::glareshield;

constexpr double kPi = 3.14159265358979323846;

void drawDigitWindows(cairo_t* cr, const gs::Point (&at)[3]) {
  for (const gs::Point& p : at) {
    setColour(cr, rgb(0x18191A));
    cairo_rectangle(cr, p.x - 3, p.y - 3, gs::kClockDigitBox.width + 6, gs::kClockDigitBox.height + 6);
    cairo_fill(cr);
    setColour(cr, rgb(0x101010));
    cairo_rectangle(cr, p.x, p.y, gs::kClockDigitBox.width, gs::kClockDigitBox.height);
    cairo_fill(cr);
  }
}

void drawKnob(cairo_t* cr, gs::Point centre, const char* caption, Lighting lighting) {
  const Palette& p = palette(lighting);
  setColour(cr, rgb(0x18191A));
  cairo_arc(cr, centre.x, centre.y, 34, 0, 2 * kPi);
  cairo_fill(cr);
  setColour(cr, lighting == Lighting::kDay ? rgb(0x2A2C2E) : rgb(0x1C1E1D));
  cairo_arc(cr, centre.x, centre.y, 31, 0, 2 * kPi);
  cairo_fill(cr);
  setColour(cr, p.marks);
  cairo_set_line_width(cr, 1.2);
  for (int i = 0; i < 36; ++i) {
    const double a = i * 2 * kPi / 36, inner = i % 9 == 0 ? 24 : 28;
    cairo_move_to(cr, centre.x + std::sin(a) * inner, centre.y - std::cos(a) * inner);
    cairo_line_to(cr, centre.x + std::sin(a) * 31, centre.y - std::cos(a) * 31);
  }
  cairo_stroke(cr);
  drawText(cr, centre.x - 50, centre.y, caption, 9.0, p.marks);
  drawText(cr, centre.x - 22, centre.y + 42, "-", 11.0, p.marks);
  drawText(cr, centre.x + 22, centre.y + 42, "+", 11.0, p.marks);
}

void drawPanel(cairo_t* cr, Lighting lighting) {
  const Palette& p = palette(lighting);
  drawPlate(cr, gs::kLeftGlareshieldSize, "", lighting);
  setColour(cr, rgb(0x232527));
  roundedRectangle(cr, 630, 60, 340, 190, 14);
  cairo_fill(cr);
  drawText(cr, 866, 76, "CLOCK", 9.0, p.marks);
  drawDigitWindows(cr, gs::kClockDigits);
  drawText(cr, 864, 169, ":", 14.0, p.marks);
  drawKnob(cr, gs::kCourseKnobNeedle.pivot, "CRS", lighting);
  drawKnob(cr, gs::kHeadingKnobNeedle.pivot, "HDG", lighting);
}

// One selector in `position` (0 ... 2): a slot with the three legends and the lever over the
// chosen one, the legends lit at night.
void drawSelector(cairo_t* cr, const gs::ClockSelector& s, int position, bool lit) {
  const Colour legend = lit ? rgb(0xFFE8B0) : rgb(0xD8D8D8);
  setColour(cr, rgb(0x1A1B1C));
  roundedRectangle(cr, 0, 0, s.image.width, s.image.height, 4);
  cairo_fill(cr);
  const double w = s.image.width, h = s.image.height;
  for (int i = 0; i < 3; ++i) {
    const double cx = s.horizontal ? w * (i + 0.5) / 3 : w / 2, cy = s.horizontal ? h - 6 : h * (i + 0.5) / 3;
    drawText(cr, cx, cy, s.legends[i], s.horizontal ? 7.0 : 7.5, legend, i == position);
  }
  // The lever's tip over the chosen legend.
  const double lx = s.horizontal ? w * (position + 0.5) / 3 : w / 2;
  const double ly = s.horizontal ? h / 2 - 4 : h * (position + 0.5) / 3;
  setColour(cr, lit ? rgb(0xC8C0A8) : rgb(0xB8BCC0));
  if (s.horizontal) {
    cairo_arc(cr, lx, ly, 6, 0, 2 * kPi);
  } else {
    roundedRectangle(cr, 2, ly - 5, w - 4, 10, 3);
  }
  cairo_fill_preserve(cr);
  setColour(cr, rgb(0x303234));
  cairo_set_line_width(cr, 1.0);
  cairo_stroke(cr);
  if (!s.horizontal) drawText(cr, w / 2, ly, s.legends[position], 7.0, rgb(0x101010), true);
}

void addSelector(Registry& art, const gs::ClockSelector& s) {
  for (int frame = 0; frame < 6; ++frame) {
    art.add(s.imageId + static_cast<std::uint32_t>(frame), s.image.size(),
            [&s, frame](cairo_t* cr) { drawSelector(cr, s, frame % 3, frame >= 3); });
  }
}

}  // namespace

void addClockArt(Registry& art) {
  art.add(gs::kLeftGlareshieldBackgroundId, gs::kLeftGlareshieldSize, [](cairo_t* cr) { drawPanel(cr, Lighting::kDay); });
  art.add(gs::kLeftGlareshieldBackgroundId + 1, gs::kLeftGlareshieldSize,
          [](cairo_t* cr) { drawPanel(cr, Lighting::kNight); });
  art.add(gs::kClockVBackgroundId, gs::kClockVSize, [](cairo_t* cr) {
    drawPlate(cr, gs::kClockVSize, "CLOCK", Lighting::kDay);
    drawDigitWindows(cr, gs::kClockVDigits);
  });
  for (const gs::ClockSelector* s : {&gs::kModeSelector, &gs::kChronometerSelector, &gs::kSimRateSelector,
                                     &gs::kBrightnessSelector}) {
    addSelector(art, *s);
  }
  for (const gs::NeedleLayout* n : {&gs::kCourseKnobNeedle, &gs::kHeadingKnobNeedle}) {
    art.add(n->bitmapId, n->bitmapSize, [n](cairo_t* cr) { drawNeedle(cr, *n, palette(Lighting::kDay)); });
  }
}

}  // namespace xaq::art
