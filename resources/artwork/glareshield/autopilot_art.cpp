// The guidance controller: a dark plate with grey push buttons and their captions, the dead MLS
// button and the powered flight control shutoff lights above, the pitch wheel on the right; the
// lit panel for night (captions glowing); the switchlights over AP, YD, HSI SEL and NAV SEL; and
// the pitch wheel's three frames by day and by night.

#include <cmath>

#include "gauges/glareshield/autopilot_layout.h"
#include "resources/artwork/art_kit.h"
#include "resources/artwork/families.h"
#include "resources/artwork/overhead/switch_family_art.h"

namespace xaq::art {

namespace {

namespace gs = gauges::glareshield;

// The buttons and the wheel on the switch panels' plate.
struct ButtonColours {
  Colour button;
  Colour edge;
  Colour legend;
  Colour wheel;
  Colour ridge;
};

ButtonColours buttonColours(Lighting lighting) {
  if (lighting == Lighting::kDay) {
    return {rgb(0xC8CACC), rgb(0x18191A), rgb(0x1A1A1C), rgb(0x2A2C2E), rgb(0x6A6E73)};
  }
  // At night the button legends glow; the buttons themselves stay dark.
  return {rgb(0x3A3E3C), rgb(0x101110), palette(lighting).marks, rgb(0x1C1E1D), rgb(0x3A3E3C)};
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

void drawButton(cairo_t* cr, gs::Rect r, const char* legend, const ButtonColours& c) {
  drawBody(cr, r, 2, 3, c.edge, c.button);
  drawText(cr, r.x + r.width / 2.0, r.y + r.height / 2.0, legend, 8.0, c.legend);
}

// Ridges across the wheel, moved down by a third of their spacing per frame.
void drawWheel(cairo_t* cr, gs::Rect r, int frame, const ButtonColours& c) {
  drawBody(cr, r, 4, 6, c.edge, c.wheel);
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
  const PlateColours p = plateColours(lighting);
  const ButtonColours c = buttonColours(lighting);
  drawPlate(cr, gs::kAutopilotSize, "FLIGHT GUIDANCE", lighting);

  for (const gs::ApControlLayout& b : gs::kApControls) {
    if (b.control == gs::ApControl::kPitchWheel) continue;
    drawButton(cr, b.rect, b.caption, c);
  }
  // Mode groups: lateral on the left of the middle row, vertical on its right.
  setColour(cr, p.frame);
  cairo_set_line_width(cr, 1.0);
  cairo_move_to(cr, 243, gs::kRow2 - 4);
  cairo_line_to(cr, 243, gs::kRow2 + 34);
  cairo_stroke(cr);

  drawButton(cr, gs::kMlsButton, "MLS", c);
  drawCaption(cr, gs::kPfcsCaption.x, gs::kPfcsCaption.y, "POWERED FLIGHT CONTROL SHUTOFFS", p.caption);
  for (int i = 0; i < 3; ++i) {
    const gs::Rect r = gs::pfcsLightAt(i);
    cairo_save(cr);
    cairo_translate(cr, r.x, r.y);
    drawLight(cr, r.size(), gs::kPfcsLegends[i], rgb(0xF2A81C), false);
    cairo_restore(cr);
  }

  const gs::Rect wheel = gs::apControl(gs::ApControl::kPitchWheel).rect;
  drawWheel(cr, wheel, 0, c);
  drawCaption(cr, wheel.x + wheel.width / 2.0, wheel.y - 14, "NOSE|DN", p.caption);
  drawCaption(cr, wheel.x + wheel.width / 2.0, wheel.y + wheel.height + 6, "NOSE UP", p.caption);
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
        drawWheel(cr, {0, 0, wheel.size.width, wheel.size.height}, frame, buttonColours(lighting));
      });
    }
  }
}

}  // namespace xaq::art
