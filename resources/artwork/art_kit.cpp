#include "resources/artwork/art_kit.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace xaq::art {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr const char* kFont = "DejaVu Sans";

const Palette kDay{
    .panel = rgb(0x3B4045),
    .screw = rgb(0x8A9096),
    .bezelLight = rgb(0x6A6E73),
    .bezelDark = rgb(0x202224),
    .face = rgb(0x1A1A1C),
    .faceGlow = rgb(0x222224),
    .marks = rgb(0xF2F2F2),
    .needle = rgb(0xF4F4F0),
    .hub = rgb(0x2C2C2E),
};

// Night: the plate and bezel sink into the dark, the face takes the warm green of the
// instrument flood lights.
const Palette kNight{
    .panel = rgb(0x16181A),
    .screw = rgb(0x34383A),
    .bezelLight = rgb(0x2C302E),
    .bezelDark = rgb(0x121413),
    .face = rgb(0x141614),
    .faceGlow = rgb(0x26301E),
    .marks = rgb(0xD8EBA4),
    .needle = rgb(0xE6EEC8),
    .hub = rgb(0x202420),
};

// Screen angle for cairo (from +x, clockwise on screen) of a dial angle (from twelve, clockwise).
double cairoAngle(double dialDeg) { return (dialDeg - 90.0) * kPi / 180.0; }

void selectFont(cairo_t* cr, double size, bool bold) {
  cairo_select_font_face(cr, kFont, CAIRO_FONT_SLANT_NORMAL, bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, size);
  // Outlines only, no hinting: the same glyphs whatever the machine's font settings say.
  cairo_font_options_t* options = cairo_font_options_create();
  cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
  cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
  cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
  cairo_set_font_options(cr, options);
  cairo_font_options_destroy(options);
}

void drawScrew(cairo_t* cr, double x, double y, double radius, const Palette& colours) {
  setColour(cr, colours.screw);
  cairo_arc(cr, x, y, radius, 0, 2 * kPi);
  cairo_fill(cr);
  setColour(cr, colours.bezelDark);
  cairo_set_line_width(cr, std::max(1.0, radius * 0.35));
  cairo_move_to(cr, x - radius * 0.7, y + radius * 0.7);
  cairo_line_to(cr, x + radius * 0.7, y - radius * 0.7);
  cairo_stroke(cr);
}

}  // namespace

void setColour(cairo_t* cr, Colour c) { cairo_set_source_rgb(cr, c.r, c.g, c.b); }

const Palette& palette(Lighting lighting) { return lighting == Lighting::kDay ? kDay : kNight; }

double markAngleDeg(Point pivot, Point mark) {
  const double degrees = std::atan2(mark.x - pivot.x, -(mark.y - pivot.y)) * 180.0 / kPi;
  return degrees < 0 ? degrees + 360.0 : degrees;
}

DialGeometry dialGeometry(Size background, Point pivot, std::span<const ScaleMark> marks) {
  const int room = std::min({pivot.x, pivot.y, background.width - pivot.x, background.height - pivot.y});
  double markRadius = 0;
  for (const ScaleMark& m : marks) markRadius += std::hypot(m.point.x - pivot.x, m.point.y - pivot.y);
  markRadius = marks.empty() ? room * 0.7 : markRadius / marks.size();
  DialGeometry d;
  d.pivot = pivot;
  d.radius = std::max(8.0, std::min(room - 1.0, markRadius + 14.0));
  d.faceRadius = d.radius - std::max(3.0, d.radius * 0.075);
  // The ticks take in the table's points, so the needle's tip reaches into them.
  d.tickOuter = std::min(markRadius + 3.0, d.faceRadius - 1.0);
  d.tickInner = d.tickOuter - std::max(5.0, d.radius * 0.19);
  d.minorInner = d.tickOuter - std::max(3.0, d.radius * 0.11);
  d.legendSize = std::max(7.0, d.radius * 0.19);
  d.legendRadius = d.tickInner - d.legendSize * 0.9;
  return d;
}

void drawPanel(cairo_t* cr, Size background, const DialGeometry& dial, const Palette& colours) {
  setColour(cr, colours.panel);
  cairo_rectangle(cr, 0, 0, background.width, background.height);
  cairo_fill(cr);
  const double screw = 3.5, inset = 8.0;
  const double corners[4][2] = {{inset, inset},
                                {background.width - inset, inset},
                                {inset, background.height - inset},
                                {background.width - inset, background.height - inset}};
  for (const auto& c : corners) {
    const double distance = std::hypot(c[0] - dial.pivot.x, c[1] - dial.pivot.y);
    if (distance - screw > dial.radius + 1.0) drawScrew(cr, c[0], c[1], screw, colours);
  }
}

void roundedRectangle(cairo_t* cr, double x, double y, double w, double h, double r) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - r, y + r, r, -kPi / 2, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, kPi / 2);
  cairo_arc(cr, x + r, y + h - r, r, kPi / 2, kPi);
  cairo_arc(cr, x + r, y + r, r, kPi, 3 * kPi / 2);
  cairo_close_path(cr);
}

void drawScreenBezel(cairo_t* cr, Size background, Point screenAt, Size screen, const Palette& colours) {
  setColour(cr, colours.panel);
  cairo_rectangle(cr, 0, 0, background.width, background.height);
  cairo_fill(cr);
  const double screw = 3.5, inset = 8.0;
  drawScrew(cr, inset, inset, screw, colours);
  drawScrew(cr, background.width - inset, inset, screw, colours);
  drawScrew(cr, inset, background.height - inset, screw, colours);
  drawScrew(cr, background.width - inset, background.height - inset, screw, colours);
  // The bezel: a rounded frame a little larger than the screen, lit from above.
  const double margin = 12.0, corner = 10.0;
  const double x = screenAt.x - margin, y = screenAt.y - margin;
  const double w = screen.width + 2 * margin, h = screen.height + 2 * margin;
  cairo_pattern_t* ring = cairo_pattern_create_linear(0, y, 0, y + h);
  cairo_pattern_add_color_stop_rgb(ring, 0, colours.bezelLight.r, colours.bezelLight.g, colours.bezelLight.b);
  cairo_pattern_add_color_stop_rgb(ring, 1, colours.bezelDark.r, colours.bezelDark.g, colours.bezelDark.b);
  roundedRectangle(cr, x, y, w, h, corner);
  cairo_set_source(cr, ring);
  cairo_fill(cr);
  cairo_pattern_destroy(ring);
  setColour(cr, colours.face);
  cairo_rectangle(cr, screenAt.x, screenAt.y, screen.width, screen.height);
  cairo_fill(cr);
}

void drawDialFace(cairo_t* cr, const DialGeometry& dial, const Palette& colours) {
  const double cx = dial.pivot.x, cy = dial.pivot.y;
  cairo_pattern_t* ring = cairo_pattern_create_linear(cx, cy - dial.radius, cx, cy + dial.radius);
  cairo_pattern_add_color_stop_rgb(ring, 0, colours.bezelLight.r, colours.bezelLight.g, colours.bezelLight.b);
  cairo_pattern_add_color_stop_rgb(ring, 1, colours.bezelDark.r, colours.bezelDark.g, colours.bezelDark.b);
  cairo_set_source(cr, ring);
  cairo_arc(cr, cx, cy, dial.radius, 0, 2 * kPi);
  cairo_fill(cr);
  cairo_pattern_destroy(ring);

  cairo_pattern_t* face = cairo_pattern_create_radial(cx, cy, 0, cx, cy, dial.faceRadius);
  cairo_pattern_add_color_stop_rgb(face, 0, colours.faceGlow.r, colours.faceGlow.g, colours.faceGlow.b);
  cairo_pattern_add_color_stop_rgb(face, 1, colours.face.r, colours.face.g, colours.face.b);
  cairo_set_source(cr, face);
  cairo_arc(cr, cx, cy, dial.faceRadius, 0, 2 * kPi);
  cairo_fill(cr);
  cairo_pattern_destroy(face);
}

void drawScale(cairo_t* cr, const DialGeometry& dial, std::span<const ScaleMark> marks, const Palette& colours) {
  if (marks.empty()) return;
  const double cx = dial.pivot.x, cy = dial.pivot.y;
  setColour(cr, colours.marks);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);

  // The arc runs the needle's way: each mark's angle unwrapped to follow on from the one before.
  double first = markAngleDeg(dial.pivot, marks.front().point), previous = first, last = first;
  for (const ScaleMark& m : marks.subspan(1)) {
    double angle = markAngleDeg(dial.pivot, m.point);
    while (angle < previous) angle += 360.0;
    previous = last = angle;
  }
  if (last > first) {
    cairo_set_line_width(cr, 1.2);
    cairo_arc(cr, cx, cy, dial.tickOuter - 0.6, cairoAngle(first), cairoAngle(last));
    cairo_stroke(cr);
  }

  for (const ScaleMark& m : marks) {
    const double a = cairoAngle(markAngleDeg(dial.pivot, m.point));
    const double dx = std::cos(a), dy = std::sin(a);
    const bool major = m.legend != nullptr && m.legend[0] != '\0';
    const double inner = major ? dial.tickInner : dial.minorInner;
    cairo_set_line_width(cr, major ? std::max(2.0, dial.radius * 0.04) : 1.2);
    cairo_move_to(cr, cx + dx * inner, cy + dy * inner);
    cairo_line_to(cr, cx + dx * dial.tickOuter, cy + dy * dial.tickOuter);
    cairo_stroke(cr);
    if (major) {
      drawText(cr, cx + dx * dial.legendRadius, cy + dy * dial.legendRadius, m.legend, dial.legendSize, colours.marks);
    }
  }
}

void drawText(cairo_t* cr, double x, double y, const char* text, double size, Colour colour, bool bold) {
  selectFont(cr, size, bold);
  cairo_text_extents_t extents;
  cairo_text_extents(cr, text, &extents);
  setColour(cr, colour);
  cairo_move_to(cr, x - (extents.x_bearing + extents.width / 2), y - (extents.y_bearing + extents.height / 2));
  cairo_show_text(cr, text);
  cairo_new_path(cr);
}

void drawNeedle(cairo_t* cr, const NeedleLayout& needle, const Palette& colours) {
  const double px = needle.bitmapPivot.x, py = needle.bitmapPivot.y;
  const double tail = needle.bitmapSize.height - 0.5;
  const double room = std::min(px, needle.bitmapSize.width - px);
  const double half = std::max(1.2, room * 0.38);
  const double hub = std::max(2.0, room - 0.8);
  setColour(cr, colours.needle);
  // A blunt tip a pixel and a half wide, so it survives the colour key.
  cairo_move_to(cr, px - 0.9, 0);
  cairo_line_to(cr, px + 0.9, 0);
  cairo_line_to(cr, px + half * 0.55, py * 0.25);
  cairo_line_to(cr, px + half, py);
  cairo_line_to(cr, px + half * 0.8, tail);
  cairo_line_to(cr, px - half * 0.8, tail);
  cairo_line_to(cr, px - half, py);
  cairo_line_to(cr, px - half * 0.55, py * 0.25);
  cairo_close_path(cr);
  cairo_fill(cr);
  cairo_arc(cr, px, py, hub, 0, 2 * kPi);
  cairo_fill(cr);
  setColour(cr, colours.hub);
  cairo_arc(cr, px, py, hub * 0.6, 0, 2 * kPi);
  cairo_fill(cr);
}

void drawLight(cairo_t* cr, Size size, const char* legend, Colour lens, bool lit) {
  const double w = size.width, h = size.height, inset = std::max(1.0, std::min(w, h) * 0.08);
  setColour(cr, rgb(0x202224));
  cairo_rectangle(cr, 0, 0, w, h);
  cairo_fill(cr);
  const Colour face = lit ? lens : Colour{lens.r * 0.22 + 0.04, lens.g * 0.22 + 0.04, lens.b * 0.22 + 0.04};
  setColour(cr, face);
  cairo_rectangle(cr, inset, inset, w - 2 * inset, h - 2 * inset);
  cairo_fill(cr);
  if (legend != nullptr && legend[0] != '\0') {
    const Colour text = lit ? rgb(0x101010) : rgb(0x6E7074);
    double fontSize = std::min(h * 0.45, w / (0.62 * std::strlen(legend) + 0.4));
    // A long legend in bold capitals runs wider than the estimate: shrink it onto the lens.
    selectFont(cr, fontSize, true);
    cairo_text_extents_t extents;
    cairo_text_extents(cr, legend, &extents);
    const double room = w - 2 * inset - 2;
    if (extents.width > room && extents.width > 0) fontSize *= room / extents.width;
    drawText(cr, w / 2, h / 2, legend, fontSize, text);
  }
}

}  // namespace xaq::art
