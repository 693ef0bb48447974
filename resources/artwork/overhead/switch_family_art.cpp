#include "resources/artwork/overhead/switch_family_art.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "resources/artwork/art_kit.h"

namespace xaq::art {

namespace {

using gauges::layout::SwitchImages;
using gauges::layout::SwitchLook;

constexpr double kPi = 3.14159265358979323846;

struct SwitchColours {
  Colour plate;   // the ring round the switch
  Colour metal;   // lever, knob body
  Colour shade;   // outlines and the dark side
  Colour mark;    // pointers, position dots
  Colour lit;     // a latched push button's bar
};

SwitchColours coloursFor(Lighting lighting) {
  if (lighting == Lighting::kDay) {
    return {rgb(0x2A2D30), rgb(0xD6D8DA), rgb(0x18191A), rgb(0xF2F2F2), rgb(0xF0F0E8)};
  }
  return {rgb(0x141615), rgb(0x6E7470), rgb(0x101110), rgb(0xD8EBA4), rgb(0xD8EBA4)};
}

void disc(cairo_t* cr, double x, double y, double r, Colour c) {
  setColour(cr, c);
  cairo_arc(cr, x, y, r, 0, 2 * kPi);
  cairo_fill(cr);
}

// A bat lever from the centre toward (dx, dy), drawn over its mounting nut.
void lever(cairo_t* cr, double w, double h, double dx, double dy, const SwitchColours& c) {
  const double cx = w / 2, cy = h / 2, nut = std::min(w, h) * 0.36;
  disc(cr, cx, cy, nut + 1.5, c.shade);
  disc(cr, cx, cy, nut, c.plate);
  const double tipX = cx + dx, tipY = cy + dy;
  setColour(cr, c.shade);
  cairo_set_line_width(cr, std::min(w, h) * 0.30);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_move_to(cr, cx, cy);
  cairo_line_to(cr, tipX, tipY);
  cairo_stroke(cr);
  setColour(cr, c.metal);
  cairo_set_line_width(cr, std::min(w, h) * 0.20);
  cairo_move_to(cr, cx, cy);
  cairo_line_to(cr, tipX, tipY);
  cairo_stroke(cr);
  disc(cr, tipX, tipY, std::min(w, h) * 0.2, c.metal);
}

void paintToggle(cairo_t* cr, const SwitchImages& s, int index, const SwitchColours& c) {
  const double w = s.size.width, h = s.size.height, reach = h * 0.34;
  lever(cr, w, h, 0, index == 1 ? -reach : reach, c);
}

void paintLeverThreeWay(cairo_t* cr, const SwitchImages& s, int index, const SwitchColours& c) {
  const double w = s.size.width, h = s.size.height, reach = h * 0.36;
  if (index == 0) {
    lever(cr, w, h, 0, 0, c);
  } else {
    lever(cr, w, h, 0, index == 2 ? -reach : reach, c);
  }
}

void paintLeverSideways(cairo_t* cr, const SwitchImages& s, int index, const SwitchColours& c) {
  const double w = s.size.width, h = s.size.height, reach = w * 0.36;
  if (index == 0) {
    lever(cr, w, h, 0, 0, c);
  } else {
    lever(cr, w, h, index == 2 ? reach : -reach, 0, c);
  }
}

// Where a rotary position sits on the knob's arc, in degrees clockwise from twelve o'clock.
void paintRotary(cairo_t* cr, const SwitchImages& s, int index, const SwitchColours& c) {
  const double w = s.size.width, h = s.size.height, cx = w / 2, cy = h / 2;
  const double r = std::min(w, h) * 0.5;
  for (int p = 0; p < s.count; ++p) {
    const double a = rotaryAngleDeg(s, p) * kPi / 180.0;
    disc(cr, cx + std::sin(a) * (r - 2.2), cy - std::cos(a) * (r - 2.2), p == index ? 2.0 : 1.2, c.mark);
  }
  disc(cr, cx, cy, r * 0.68, c.shade);
  disc(cr, cx, cy, r * 0.62, c.plate);
  disc(cr, cx, cy, r * 0.46, c.metal);
  const double a = rotaryAngleDeg(s, index) * kPi / 180.0;
  setColour(cr, c.shade);
  cairo_set_line_width(cr, 2.4);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_move_to(cr, cx + std::sin(a) * r * 0.12, cy - std::cos(a) * r * 0.12);
  cairo_line_to(cr, cx + std::sin(a) * r * 0.62, cy - std::cos(a) * r * 0.62);
  cairo_stroke(cr);
}

void paintPushButton(cairo_t* cr, const SwitchImages& s, int index, const SwitchColours& c) {
  const double w = s.size.width, h = s.size.height, inset = index == 1 ? 3.0 : 2.0;
  setColour(cr, c.shade);
  roundedRectangle(cr, 0.5, 0.5, w - 1, h - 1, 3);
  cairo_fill(cr);
  setColour(cr, index == 1 ? Colour{c.metal.r * 0.8, c.metal.g * 0.8, c.metal.b * 0.8} : c.metal);
  roundedRectangle(cr, inset, inset, w - 2 * inset, h - 2 * inset, 2);
  cairo_fill(cr);
  if (index == 1) {
    setColour(cr, c.lit);
    cairo_rectangle(cr, w * 0.25, h * 0.42, w * 0.5, h * 0.16);
    cairo_fill(cr);
  }
}

void triangle(cairo_t* cr, double x, double y, double size, bool right) {
  const double d = right ? size : -size;
  cairo_move_to(cr, x - d / 2, y - size / 2);
  cairo_line_to(cr, x + d / 2, y);
  cairo_line_to(cr, x - d / 2, y + size / 2);
  cairo_close_path(cr);
  cairo_fill(cr);
}

void paintSpringRocker(cairo_t* cr, const SwitchImages& s, int index, const SwitchColours& c) {
  const double w = s.size.width, h = s.size.height;
  setColour(cr, c.shade);
  roundedRectangle(cr, 0.5, 0.5, w - 1, h - 1, 4);
  cairo_fill(cr);
  for (int side = 0; side < 2; ++side) {
    const bool pushed = (side == 0 && index == 1) || (side == 1 && index == 2);
    const Colour body = pushed ? Colour{c.metal.r * 0.6, c.metal.g * 0.6, c.metal.b * 0.6} : c.metal;
    setColour(cr, body);
    roundedRectangle(cr, side == 0 ? 3 : w / 2 + 1, 3, w / 2 - 4, h - 6, 2);
    cairo_fill(cr);
    setColour(cr, c.shade);
    triangle(cr, side == 0 ? w * 0.25 : w * 0.75, h / 2, h * 0.35, side == 1);
  }
}

// The legend of a light's lit state `state` (1...): the lens text's '|'-separated parts in turn.
std::string lampLegend(const SwitchImages& s, int state) {
  std::string all = s.legend != nullptr ? s.legend : "";
  int part = 1;
  std::size_t start = 0;
  for (;;) {
    const std::size_t bar = all.find('|', start);
    if (part == state || bar == std::string::npos) return all.substr(start, bar == std::string::npos ? bar : bar - start);
    start = bar + 1;
    ++part;
  }
}

void paintSwitch(cairo_t* cr, const SwitchImages& s, int index, Lighting lighting) {
  const SwitchColours c = coloursFor(lighting);
  switch (s.look) {
    case SwitchLook::kToggle: paintToggle(cr, s, index, c); break;
    case SwitchLook::kLeverThreeWay: paintLeverThreeWay(cr, s, index, c); break;
    case SwitchLook::kLeverSideways: paintLeverSideways(cr, s, index, c); break;
    case SwitchLook::kRotary: paintRotary(cr, s, index, c); break;
    case SwitchLook::kPushButton: paintPushButton(cr, s, index, c); break;
    case SwitchLook::kSpringRocker: paintSpringRocker(cr, s, index, c); break;
    case SwitchLook::kLight: break;
  }
}

}  // namespace

double rotaryAngleDeg(const SwitchImages& s, int position) {
  const int slot = s.slots != nullptr ? s.slots[position] : position;
  const double spread = std::min(270.0, 45.0 * (s.count - 1));
  return s.count > 1 ? -spread / 2 + spread * slot / (s.count - 1) : 0.0;
}

PlateColours plateColours(Lighting lighting) {
  const Palette& p = palette(lighting);
  if (lighting == Lighting::kDay) {
    return {p.panel, rgb(0x5A6066), p.marks, p.marks, rgb(0x141414), rgb(0x2A2C2E)};
  }
  // At night the legends glow; the plate itself stays dark.
  return {p.panel, rgb(0x2A2E30), p.marks, p.marks, rgb(0x111211), rgb(0x1C1E1D)};
}

void drawCaption(cairo_t* cr, double x, double y, const char* caption, Colour colour) {
  const std::string all = caption;
  std::size_t start = 0;
  for (int line = 0;; ++line) {
    const std::size_t bar = all.find('|', start);
    const std::string part = all.substr(start, bar == std::string::npos ? std::string::npos : bar - start);
    drawText(cr, x, y + line * 9.0, part.c_str(), 7.5, colour);
    if (bar == std::string::npos) break;
    start = bar + 1;
  }
}

void drawPlate(cairo_t* cr, Size size, const char* title, Lighting lighting) {
  const PlateColours c = plateColours(lighting);
  setColour(cr, c.plate);
  cairo_rectangle(cr, 0, 0, size.width, size.height);
  cairo_fill(cr);
  setColour(cr, c.frame);
  cairo_set_line_width(cr, 1.5);
  roundedRectangle(cr, 3.5, 3.5, size.width - 7, size.height - 7, 5);
  cairo_stroke(cr);
  setColour(cr, palette(lighting).screw);
  for (double x : {8.0, size.width - 8.0}) {
    for (double y : {8.0, size.height - 8.0}) {
      cairo_arc(cr, x, y, 2.5, 0, 2 * kPi);
      cairo_fill(cr);
    }
  }
  drawText(cr, size.width / 2.0, 13, title, 9, c.title);
}

void addSwitchImages(Registry& art, const SwitchImages& images) {
  const SwitchImages s = images;
  if (s.look == SwitchLook::kLight) {
    for (int state = 0; state < s.count; ++state) {
      art.add(s.dayId + state, s.size, [s, state](cairo_t* cr) {
        drawLight(cr, s.size, lampLegend(s, std::max(1, state)).c_str(), rgb(s.lensColour), state > 0);
      });
    }
    return;
  }
  for (int index = 0; index < s.count; ++index) {
    art.add(s.dayId + index, s.size, [s, index](cairo_t* cr) { paintSwitch(cr, s, index, Lighting::kDay); });
    art.add(s.nightId + index, s.size, [s, index](cairo_t* cr) { paintSwitch(cr, s, index, Lighting::kNight); });
  }
}

}  // namespace xaq::art
