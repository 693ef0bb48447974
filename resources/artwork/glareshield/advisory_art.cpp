// The advisory display: the dark screen in its bezel with the bezel's RESET, L AFCS and R AFCS
// buttons along the bottom and the BRT knob on the right. The lines themselves are the gauge's
// text elements; the screen behind them has their background colour.

#include <cmath>

#include "gauges/glareshield/advisory_layout.h"
#include "resources/artwork/art_kit.h"
#include "resources/artwork/families.h"

namespace xaq::art {

namespace {

namespace gs = gauges::glareshield;

constexpr double kPi = 3.14159265358979323846;

void drawAdvisory(cairo_t* cr) {
  const Palette& p = palette(Lighting::kDay);
  const gs::Rect s = gs::kAdvisoryScreen;
  drawScreenBezel(cr, gs::kAdvisorySize, s.origin(), s.size(), p);
  setColour(cr, rgb(0x101010));
  cairo_rectangle(cr, s.x, s.y, s.width, s.height);
  cairo_fill(cr);
  // Three bezel buttons under the screen.
  const double buttonY = s.y + s.height + 14, buttonW = 40, buttonH = 12;
  for (int i = 0; i < 3; ++i) {
    const double x = s.x + 20 + i * 70;
    setColour(cr, rgb(0x18191A));
    roundedRectangle(cr, x, buttonY, buttonW, buttonH, 2);
    cairo_fill(cr);
    setColour(cr, rgb(0xA8AAAC));
    roundedRectangle(cr, x + 1.5, buttonY + 1.5, buttonW - 3, buttonH - 3, 1.5);
    cairo_fill(cr);
    drawText(cr, x + buttonW / 2, buttonY - 5, gs::kAdvisoryBezelButtons[i], 7.0, p.marks);
  }
  // The brightness knob.
  const double kx = s.x + s.width + 36, ky = s.y + s.height / 2.0;
  setColour(cr, rgb(0x18191A));
  cairo_arc(cr, kx, ky, 14, 0, 2 * kPi);
  cairo_fill(cr);
  setColour(cr, rgb(0x2A2C2E));
  cairo_arc(cr, kx, ky, 11, 0, 2 * kPi);
  cairo_fill(cr);
  setColour(cr, p.marks);
  cairo_set_line_width(cr, 2.0);
  cairo_move_to(cr, kx, ky - 3);
  cairo_line_to(cr, kx, ky - 10);
  cairo_stroke(cr);
  drawText(cr, kx, ky + 22, "BRT", 7.0, p.marks);
}

}  // namespace

void addAdvisoryArt(Registry& art) {
  art.add(gs::kAdvisoryBackgroundId, gs::kAdvisorySize, [](cairo_t* cr) { drawAdvisory(cr); });
  art.add(gs::kAdvisoryVBackgroundId, gs::kAdvisorySize, [](cairo_t* cr) { drawAdvisory(cr); });
}

}  // namespace xaq::art
