// The guidance controller: a dark plate with grey push buttons and their captions, the dead MLS
// button and the powered flight control shutoff lights above, the pitch wheel on the right; the
// lit panel for night (captions glowing); the switchlights over AP, YD, HSI SEL and NAV SEL; and
// the pitch wheel's three frames by day and by night.

#include <cmath>
#include <string>

#include "gauges/glareshield/autopilot_layout.h"
#include "resources/artwork/art_kit.h"
#include "resources/artwork/families.h"
#include "resources/artwork/overhead/switch_family_art.h"

namespace xaq::art {

namespace {

namespace gs = gauges::glareshield;

struct PlateColours {
  Colour plate;
  Colour frame;
  Colour caption;
  Colour button;
  Colour buttonEdge;
  Colour legend;
  Colour wheel;
  Colour ridge;
};

PlateColours plateColours(Lighting lighting) {
  const Palette& p = palette(lighting);
  if (lighting == Lighting::kDay) {
    return {p.panel, rgb(0x5A6066), p.marks, rgb(0xC8CACC), rgb(0x18191A), rgb(0x1A1A1C), rgb(0x2A2C2E), rgb(0x6A6E73)};
  }
  // At night the captions and the button legends glow; the plate and buttons stay dark.
  return {p.panel, rgb(0x2A2E30), p.marks, rgb(0x3A3E3C), rgb(0x101110), p.marks, rgb(0x1C1E1D), rgb(0x3A3E3C)};
}

// Text lines split at '|', the first centred on y.
void drawCaption(cairo_t* cr, double x, double y, const std::string& caption, Colour colour) {
  std::size_t start = 0;
  for (int line = 0;; ++line) {
    const std::size_t bar = caption.find('|', start);
    drawText(cr, x, y + line * 9.0, caption.substr(start, bar == std::string::npos ? bar : bar - start).c_str(), 7.5,
             colour);
    if (bar == std::string::npos) break;
    start = bar + 1;
  }
}

// A rounded body inside its dark edge: the buttons and the wheel's housing.
void drawBody(cairo_t* cr, gs::Rect r, double inset, double corner, Colour edge, Colour body) {
  setColour(cr, edge);
  roundedRectangle(cr, r.x + 0.5, r.y + 0.5, r.width - 1, r.height - 1, corner);
  cairo_fill(cr);
  setColour(cr, body);
  roundedRectangle(cr, r.x + inset, r.y + inset, r.width - 2 * inset, r.height - 2 * inset, corner - 1);
  cairo_fill(cr);
}

void drawButton(cairo_t* cr, gs::Rect r, const char* legend, const PlateColours& c) {
  drawBody(cr, r, 2, 3, c.buttonEdge, c.button);
  drawText(cr, r.x + r.width / 2.0, r.y + r.height / 2.0, legend, 8.0, c.legend);
}

// Ridges across the wheel, moved down by a third of their spacing per frame.
void drawWheel(cairo_t* cr, gs::Rect r, int frame, const PlateColours& c) {
  drawBody(cr, r, 4, 6, c.buttonEdge, c.wheel);
  const double spacing = 9.0, offset = frame * spacing / 3.0;
  setColour(cr, c.ridge);
  cairo_set_line_width(cr, 2.0);
  for (double y = r.y + 6 + offset; y < r.y + r.height - 5; y += spacing) {
    cairo_move_to(cr, r.x + 7, y);
    cairo_line_to(cr, r.x + r.width - 7, y);
  }
  cairo_stroke(cr);
}

void drawAutopilotPlate(cairo_t* cr, Lighting lighting) {
  const PlateColours c = plateColours(lighting);
  const gs::Size size = gs::kAutopilotSize;
  setColour(cr, c.plate);
  cairo_rectangle(cr, 0, 0, size.width, size.height);
  cairo_fill(cr);
  setColour(cr, c.frame);
  cairo_set_line_width(cr, 2.0);
  roundedRectangle(cr, 3, 3, size.width - 6, size.height - 6, 6);
  cairo_stroke(cr);

  for (const gs::ApControlLayout& b : gs::kApControls) {
    if (b.control == gs::ApControl::kPitchWheel) continue;
    drawButton(cr, b.rect, b.caption, c);
  }
  // Mode groups: lateral on the left of the middle row, vertical on its right.
  setColour(cr, c.frame);
  cairo_set_line_width(cr, 1.0);
  cairo_move_to(cr, 243, gs::kRow2 - 4);
  cairo_line_to(cr, 243, gs::kRow2 + 34);
  cairo_stroke(cr);

  drawButton(cr, gs::kMlsButton, "MLS", c);
  drawCaption(cr, gs::kPfcsCaption.x, gs::kPfcsCaption.y - 10, "POWERED FLIGHT CONTROL SHUTOFFS", c.caption);
  for (int i = 0; i < 3; ++i) {
    const gs::Rect r = gs::pfcsLightAt(i);
    cairo_save(cr);
    cairo_translate(cr, r.x, r.y);
    drawLight(cr, r.size(), gs::kPfcsLegends[i], rgb(0xF2A81C), false);
    cairo_restore(cr);
  }

  const gs::Rect wheel = gs::apControl(gs::ApControl::kPitchWheel).rect;
  drawWheel(cr, wheel, 0, c);
  drawCaption(cr, wheel.x + wheel.width / 2.0, wheel.y - 14, "NOSE|DN", c.caption);
  drawCaption(cr, wheel.x + wheel.width / 2.0, wheel.y + wheel.height + 6, "NOSE UP", c.caption);
}

}  // namespace

void addAutopilotArt(Registry& art) {
  art.add(gs::kAutopilotBackgroundId, gs::kAutopilotSize, [](cairo_t* cr) { drawAutopilotPlate(cr, Lighting::kDay); });
  art.add(gs::kAutopilotOverlayId, gs::kAutopilotSize, [](cairo_t* cr) { drawAutopilotPlate(cr, Lighting::kNight); });
  art.add(gs::kAutopilotVBackgroundId, gs::kAutopilotSize, [](cairo_t* cr) { drawAutopilotPlate(cr, Lighting::kDay); });
  art.add(gs::kAutopilotVOverlayId, gs::kAutopilotSize, [](cairo_t* cr) { drawAutopilotPlate(cr, Lighting::kNight); });
  for (const gs::ApLightLayout& l : gs::kApLights) addSwitchImages(art, *l.images);

  const gs::SwitchImages& wheel = gs::kPitchWheelArt;
  for (int frame = 0; frame < wheel.count; ++frame) {
    for (Lighting lighting : {Lighting::kDay, Lighting::kNight}) {
      const std::uint32_t id = (lighting == Lighting::kDay ? wheel.dayId : wheel.nightId) + static_cast<std::uint32_t>(frame);
      art.add(id, wheel.size, [frame, lighting, wheel](cairo_t* cr) {
        drawWheel(cr, {0, 0, wheel.size.width, wheel.size.height}, frame, plateColours(lighting));
      });
    }
  }
}

}  // namespace xaq::art
