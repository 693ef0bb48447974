#include "resources/artwork/instruments/instrument_parts_art.h"

#include <cmath>
#include <cstdio>

namespace xaq::art::instruments {

double cairoAngle(double instrumentDeg) { return (instrumentDeg - 90.0) * kPi / 180.0; }

void drawRoundInstrument(cairo_t* cr, Size size, Point pivot, double radius, const Palette& colours) {
  DialGeometry dial;
  dial.pivot = pivot;
  dial.radius = radius;
  dial.faceRadius = radius - std::max(4.0, radius * 0.07);
  drawPanel(cr, size, dial, colours);
  drawDialFace(cr, dial, colours);
}

void cutWindow(cairo_t* cr, Point centre, double radius) {
  cairo_save(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
  cairo_arc(cr, centre.x, centre.y, radius, 0, 2 * kPi);
  cairo_fill(cr);
  cairo_restore(cr);
}

void drawCompassCard(cairo_t* cr, Size size, double radius, const Palette& colours) {
  const double cx = size.width / 2.0, cy = size.height / 2.0;
  setColour(cr, colours.face);
  cairo_arc(cr, cx, cy, radius, 0, 2 * kPi);
  cairo_fill(cr);
  setColour(cr, colours.marks);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
  for (int deg = 0; deg < 360; deg += 5) {
    const double a = cairoAngle(deg);
    const double inner = radius - (deg % 10 == 0 ? radius * 0.11 : radius * 0.06);
    cairo_set_line_width(cr, deg % 10 == 0 ? 1.8 : 1.0);
    cairo_move_to(cr, cx + std::cos(a) * inner, cy + std::sin(a) * inner);
    cairo_line_to(cr, cx + std::cos(a) * (radius - 1), cy + std::sin(a) * (radius - 1));
    cairo_stroke(cr);
  }
  // The numbers stand upright toward the centre, as on a real card: each drawn turned with it.
  const double fontSize = std::max(8.0, radius * 0.15);
  for (int deg = 0; deg < 360; deg += 30) {
    char label[12];
    switch (deg) {
      case 0: std::snprintf(label, sizeof label, "N"); break;
      case 90: std::snprintf(label, sizeof label, "E"); break;
      case 180: std::snprintf(label, sizeof label, "S"); break;
      case 270: std::snprintf(label, sizeof label, "W"); break;
      default: std::snprintf(label, sizeof label, "%d", deg / 10);
    }
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, deg * kPi / 180.0);
    drawText(cr, 0, -(radius - radius * 0.11 - fontSize * 0.75), label, fontSize, colours.marks);
    cairo_restore(cr);
  }
}

void drawLubberMarks(cairo_t* cr, Point pivot, double radius, Colour colour) {
  setColour(cr, colour);
  cairo_set_line_width(cr, 2.0);
  for (int deg = 45; deg < 360; deg += 45) {
    if (deg == 180) continue;
    const double a = cairoAngle(deg);
    cairo_move_to(cr, pivot.x + std::cos(a) * (radius + 2), pivot.y + std::sin(a) * (radius + 2));
    cairo_line_to(cr, pivot.x + std::cos(a) * (radius + 9), pivot.y + std::sin(a) * (radius + 9));
    cairo_stroke(cr);
  }
  fillTriangle(cr, pivot.x, pivot.y - radius + 1, 180.0, 10, 10, colour);
}

void drawFlag(cairo_t* cr, Size size, const char* legend, Colour background, Colour letters) {
  setColour(cr, background);
  roundedRectangle(cr, 0.5, 0.5, size.width - 1, size.height - 1, 2);
  cairo_fill(cr);
  drawText(cr, size.width / 2.0, size.height / 2.0, legend, size.height * 0.7, letters);
}

void drawKnob(cairo_t* cr, Size size, double pointerDeg, const char* caption) {
  const double cx = size.width / 2.0, cy = size.height / 2.0, r = std::min(cx, cy) - 1;
  cairo_pattern_t* p = cairo_pattern_create_radial(cx - r * 0.3, cy - r * 0.3, 1, cx, cy, r);
  cairo_pattern_add_color_stop_rgb(p, 0, 0.45, 0.45, 0.47);
  cairo_pattern_add_color_stop_rgb(p, 1, 0.12, 0.12, 0.13);
  cairo_set_source(cr, p);
  cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  const double a = cairoAngle(pointerDeg);
  setColour(cr, kWhite);
  cairo_set_line_width(cr, 2.5);
  cairo_move_to(cr, cx + std::cos(a) * r * 0.2, cy + std::sin(a) * r * 0.2);
  cairo_line_to(cr, cx + std::cos(a) * r * 0.9, cy + std::sin(a) * r * 0.9);
  cairo_stroke(cr);
  if (caption != nullptr) drawText(cr, cx, cy + r * 0.35, caption, r * 0.55, kWhite);
}

void fillTriangle(cairo_t* cr, double x, double y, double directionDeg, double length, double width, Colour colour) {
  const double a = cairoAngle(directionDeg);
  const double bx = x - std::cos(a) * length, by = y - std::sin(a) * length;
  const double nx = -std::sin(a) * width / 2, ny = std::cos(a) * width / 2;
  setColour(cr, colour);
  cairo_move_to(cr, x, y);
  cairo_line_to(cr, bx + nx, by + ny);
  cairo_line_to(cr, bx - nx, by - ny);
  cairo_close_path(cr);
  cairo_fill(cr);
}

}  // namespace xaq::art::instruments
