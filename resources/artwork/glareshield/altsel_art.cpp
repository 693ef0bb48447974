// The altitude preselect controller: a plate with the digit windows, the caption and the knob,
// by day and with the lit panel for night; the virtual-cockpit twin's plate with its windows.

#include <cmath>

#include "gauges/glareshield/altsel_layout.h"
#include "resources/artwork/art_kit.h"
#include "resources/artwork/families.h"
#include "resources/artwork/overhead/switch_family_art.h"

namespace xaq::art {

namespace {

namespace gs = gauges::glareshield;

constexpr double kPi = 3.14159265358979323846;

void drawWindow(cairo_t* cr, gs::Rect r) {
  setColour(cr, rgb(0x18191A));
  cairo_rectangle(cr, r.x - 2, r.y - 2, r.width + 4, r.height + 4);
  cairo_fill(cr);
  setColour(cr, rgb(0x101010));
  cairo_rectangle(cr, r.x, r.y, r.width, r.height);
  cairo_fill(cr);
}

void drawAltSel(cairo_t* cr, Lighting lighting) {
  const Palette& p = palette(lighting);
  drawPlate(cr, gs::kAltSelSize, "ALT SEL", lighting);
  drawWindow(cr, {gs::kAltSelHundreds.x, gs::kAltSelHundreds.y, gs::kAltSelHundreds.width + gs::kAltSelZeros.width,
                  gs::kAltSelHundreds.height});
  drawText(cr, 88, 74, "FT", 8.0, p.marks);
  // The knob over both halves of its mouse areas, with the turn marks either side.
  const double cx = gs::kAltSelKnobUp.x, cy = gs::kAltSelKnobDown.y + gs::kAltSelKnobDown.height / 2.0;
  setColour(cr, rgb(0x18191A));
  cairo_arc(cr, cx, cy, 23, 0, 2 * kPi);
  cairo_fill(cr);
  setColour(cr, lighting == Lighting::kDay ? rgb(0x2A2C2E) : rgb(0x1C1E1D));
  cairo_arc(cr, cx, cy, 20, 0, 2 * kPi);
  cairo_fill(cr);
  setColour(cr, p.marks);
  cairo_set_line_width(cr, 1.2);
  for (int i = 0; i < 18; ++i) {
    const double a = i * 2 * kPi / 18;
    cairo_move_to(cr, cx + std::sin(a) * 16, cy - std::cos(a) * 16);
    cairo_line_to(cr, cx + std::sin(a) * 20, cy - std::cos(a) * 20);
  }
  cairo_stroke(cr);
  drawText(cr, cx - 26, cy - 28, "-", 10.0, p.marks);
  drawText(cr, cx + 26, cy - 28, "+", 10.0, p.marks);
}

}  // namespace

void addAltSelArt(Registry& art) {
  art.add(gs::kAltSelBackgroundId, gs::kAltSelSize, [](cairo_t* cr) { drawAltSel(cr, Lighting::kDay); });
  art.add(gs::kAltSelOverlayId, gs::kAltSelSize, [](cairo_t* cr) { drawAltSel(cr, Lighting::kNight); });
  art.add(gs::kAltSelectorVBackgroundId, gs::kAltSelectorVSize, [](cairo_t* cr) {
    drawPlate(cr, gs::kAltSelectorVSize, "ALT SEL", Lighting::kDay);
    drawWindow(cr, {gs::kAltSelectorVHundreds.x, gs::kAltSelectorVHundreds.y,
                    gs::kAltSelectorVHundreds.width + gs::kAltSelectorVZeros.width, gs::kAltSelectorVHundreds.height});
  });
}

}  // namespace xaq::art
