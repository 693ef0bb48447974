// The pedestal: a grey plate with the throttle quadrant's slots and gates, the weather radar's
// screen, the EFIS control panel, the audio panel and four radio heads with dark digit windows;
// the handles and transfer buttons as separate images over it, the switches and knobs as the
// switch family's day and night images; and the weather picture in seven intensities. Every control is drawn inside the rectangle its mouse area uses.

#include <cmath>
#include <cstdint>

#include "gauges/pedestal/pedestal_layout.h"
#include "resources/artwork/art_kit.h"
#include "resources/artwork/families.h"
#include "resources/artwork/overhead/switch_family_art.h"

namespace xaq::art {

namespace {

namespace pd = gauges::pedestal;
using pd::Rect;

constexpr double kPi = 3.14159265358979323846;

Colour legendColour(Lighting l) { return palette(l).marks; }

void fillRect(cairo_t* cr, Rect r, Colour c) {
  cairo_rectangle(cr, r.x, r.y, r.w, r.h);
  setColour(cr, c);
  cairo_fill(cr);
}

void frameRect(cairo_t* cr, Rect r, Colour c, double width = 1.0) {
  cairo_rectangle(cr, r.x + 0.5, r.y + 0.5, r.w - 1, r.h - 1);
  setColour(cr, c);
  cairo_set_line_width(cr, width);
  cairo_stroke(cr);
}

void label(cairo_t* cr, double x, double y, const char* text, Lighting l, double size = 9) {
  drawText(cr, x, y, text, size, legendColour(l));
}

// A lever's slot: a dark groove down the middle of its area.
void slot(cairo_t* cr, Rect r, Lighting l) {
  const Rect groove{r.x + r.w / 2 - 4, r.y + 6, 8, r.h - 12};
  fillRect(cr, groove, rgb(0x121314));
  frameRect(cr, groove, palette(l).bezelLight);
}

void radioHeadPlate(cairo_t* cr, const pd::RadioHeadLayout& h, const char* name, Lighting l, bool transponder) {
  roundedRectangle(cr, h.head.x + 0.5, h.head.y + 0.5, h.head.w - 1, h.head.h - 1, 5);
  setColour(cr, l == Lighting::kDay ? rgb(0x2A2D30) : rgb(0x101112));
  cairo_fill_preserve(cr);
  setColour(cr, palette(l).bezelLight);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  label(cr, h.head.x + 30, h.head.y + 10, name, l);
  for (Rect w : {h.active, h.standby}) {
    if (w.w == 0) continue;
    fillRect(cr, {w.x - 2, w.y - 2, w.w + 4, w.h + 4}, palette(l).bezelDark);
    fillRect(cr, w, rgb(0x101010));
  }
  label(cr, h.active.x + h.active.w / 2, h.active.y + h.active.h + 9, transponder ? "CODE" : "ACT", l, 8);
  if (!transponder) label(cr, h.standby.x + h.standby.w / 2, h.standby.y + h.standby.h + 9, "STBY", l, 8);
  // The concentric knob: outer ring and inner knob.
  const double cx = h.knob.x + h.knob.w / 2.0, cy = h.knob.y + h.knob.h / 2.0;
  const double r = std::min(h.knob.w, h.knob.h) / 2.0;
  cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
  setColour(cr, rgb(0x1C1D1F));
  cairo_fill(cr);
  cairo_arc(cr, cx, cy, r * 0.6, 0, 2 * kPi);
  setColour(cr, rgb(0x3A3C40));
  cairo_fill(cr);
}

void knobRim(cairo_t* cr, Rect area, const char* legend, Lighting l) {
  const double cx = area.x + area.w / 2.0, cy = area.y + area.h / 2.0;
  cairo_arc(cr, cx, cy, 19, 0, 2 * kPi);
  setColour(cr, palette(l).bezelDark);
  cairo_fill(cr);
  label(cr, cx, area.y + area.h + 7, legend, l, 8);
}

void button(cairo_t* cr, Rect r, const char* legend, Lighting l) {
  roundedRectangle(cr, r.x + 1, r.y + 1, r.w - 2, r.h - 2, 3);
  setColour(cr, rgb(0x2A2B2E));
  cairo_fill(cr);
  label(cr, r.x + r.w / 2.0, r.y + r.h / 2.0, legend, l, 9);
}

void paintPedestal(cairo_t* cr, Lighting l) {
  const Palette& p = palette(l);
  setColour(cr, p.panel);
  cairo_paint(cr);

  // Throttle quadrant.
  fillRect(cr, {60, 0, 270, pd::kPowerTravel}, l == Lighting::kDay ? rgb(0x303438) : rgb(0x121416));
  slot(cr, pd::kPowerLeft, l);
  slot(cr, pd::kPowerRight, l);
  slot(cr, pd::kConditionLeft, l);
  slot(cr, pd::kConditionRight, l);
  label(cr, 120, 348, "POWER", l);
  label(cr, 120, 10, "MAX", l, 8);
  label(cr, 274, 352, "FEATHER", l, 8);
  label(cr, 274, 10, "MAX", l, 8);
  for (Rect gate : {pd::kFuelOffLeft, pd::kFuelOffRight}) {
    fillRect(cr, gate, rgb(0x5A1414));
    frameRect(cr, gate, p.bezelLight);
  }
  label(cr, pd::kFuelOffLeft.x + pd::kFuelOffLeft.w / 2.0, 326, "FUEL", l, 8);
  label(cr, pd::kFuelOffLeft.x + pd::kFuelOffLeft.w / 2.0, 336, "OFF", l, 8);
  label(cr, pd::kFuelOffRight.x + pd::kFuelOffRight.w / 2.0, 326, "FUEL", l, 8);
  label(cr, pd::kFuelOffRight.x + pd::kFuelOffRight.w / 2.0, 336, "OFF", l, 8);
  // Flap selector with its detents.
  slot(cr, pd::kFlapSelector, l);
  label(cr, pd::kFlapSelector.x + pd::kFlapSelector.w / 2.0, 12, "FLAPS", l);
  // The handle's four detents, where the handle's middle stands at each.
  const char* detents[] = {"0", "10", "15", "35"};
  for (int k = 0; k < 4; ++k) {
    const double y = pd::kFlapSelector.y + pd::kFlapHandleSize.height / 2.0 +
                     k * (pd::kFlapSelector.h - pd::kFlapHandleSize.height) / 3.0;
    label(cr, pd::kFlapSelector.x + pd::kFlapSelector.w + 8, y, detents[k], l, 8);
  }
  // Trim wheel: a dark wheel edge with ridges, the pointer's scale beside it.
  fillRect(cr, pd::kTrimWheel, rgb(0x1E1F21));
  setColour(cr, rgb(0x4A4C50));
  cairo_set_line_width(cr, 2);
  for (int y = pd::kTrimWheel.y + 6; y < pd::kTrimWheel.y + pd::kTrimWheel.h; y += 12) {
    cairo_move_to(cr, pd::kTrimWheel.x + 3, y);
    cairo_line_to(cr, pd::kTrimWheel.x + pd::kTrimWheel.w - 3, y);
  }
  cairo_stroke(cr);
  label(cr, pd::kTrimWheel.x + pd::kTrimWheel.w / 2.0, pd::kTrimWheel.y - 18, "NOSE", l, 8);
  label(cr, pd::kTrimWheel.x + pd::kTrimWheel.w / 2.0, pd::kTrimWheel.y - 8, "DN", l, 8);
  label(cr, pd::kTrimWheel.x + pd::kTrimWheel.w / 2.0, pd::kTrimWheel.y + pd::kTrimWheel.h + 8, "NOSE UP", l, 8);
  label(cr, pd::kParkingBrake.x + pd::kParkingBrake.w / 2.0, pd::kParkingBrake.y - 6, "PARKING BRAKE", l, 8);

  // The host's strips: a thin darker edge.
  for (Rect s : pd::kPanelStrips) fillRect(cr, s, p.bezelDark);

  // Weather radar.
  fillRect(cr, {pd::kRadarScreen.x - 4, pd::kRadarScreen.y - 4, pd::kRadarScreen.w + 8, pd::kRadarScreen.h + 8},
           p.bezelDark);
  fillRect(cr, pd::kRadarScreen, rgb(0x101410));
  label(cr, pd::kRadarSwitch.x + pd::kRadarSwitch.w / 2.0, pd::kRadarSwitch.y + pd::kRadarSwitch.h + 8, "WX", l);

  // EFIS control panel.
  roundedRectangle(cr, pd::kEfisPanel.x, pd::kEfisPanel.y, pd::kEfisPanel.w, pd::kEfisPanel.h, 6);
  setColour(cr, l == Lighting::kDay ? rgb(0x2A2D30) : rgb(0x101112));
  cairo_fill(cr);
  knobRim(cr, pd::kMapRangeKnob, "RANGE", l);
  knobRim(cr, pd::kBearing1Knob, "BRG 1", l);
  knobRim(cr, pd::kBearing2Knob, "BRG 2", l);
  knobRim(cr, pd::kDhAdiDimKnob, "DH / ADI", l);
  knobRim(cr, pd::kHsiDimKnob, "HSI DIM", l);
  button(cr, pd::kFullArcButtons.leftHalf(), "ARC", l);
  button(cr, pd::kFullArcButtons.rightHalf(), "MAP", l);
  button(cr, pd::kGspdTtgButton, "GSPD / TTG", l);

  // Audio panel.
  const char* audio[pd::kAudioSwitches] = {"COM 1", "COM 2", "VOR 1", "VOR 2", "DME 1", "ADF 1", "MKR"};
  for (int k = 0; k < pd::kAudioSwitches; ++k) {
    const Rect r = pd::audioSwitch(k);
    label(cr, r.x + r.w / 2.0, r.y + r.h + 7, audio[k], l, 8);
  }
  label(cr, pd::kTransmitSelect.x + pd::kTransmitSelect.w / 2.0, pd::kTransmitSelect.y + pd::kTransmitSelect.h + 7,
        "MIC", l, 8);
  label(cr, pd::kTransmitSelect.x + 8, pd::kTransmitSelect.y + pd::kTransmitSelect.h + 7, "1", l, 8);
  label(cr, pd::kTransmitSelect.x + pd::kTransmitSelect.w - 8, pd::kTransmitSelect.y + pd::kTransmitSelect.h + 7, "2",
        l, 8);

  radioHeadPlate(cr, pd::kCom1Head, "COM 1", l, false);
  radioHeadPlate(cr, pd::kCom2Head, "COM 2", l, false);
  radioHeadPlate(cr, pd::kAdf1Head, "ADF 1", l, false);
  radioHeadPlate(cr, pd::kTransponderHead, "XPDR", l, true);
}

void paintRadios(cairo_t* cr, Lighting l) {
  setColour(cr, palette(l).panel);
  cairo_paint(cr);
  radioHeadPlate(cr, pd::kVcCom1Head, "COM 1", l, false);
  radioHeadPlate(cr, pd::kVcCom2Head, "COM 2", l, false);
  radioHeadPlate(cr, pd::kVcAdf1Head, "ADF 1", l, false);
  radioHeadPlate(cr, pd::kVcTransponderHead, "XPDR", l, true);
}

void paintWxr(cairo_t* cr, Lighting l) {
  setColour(cr, palette(l).panel);
  cairo_paint(cr);
  fillRect(cr, {pd::kWxrScreen.x - 3, pd::kWxrScreen.y - 3, pd::kWxrScreen.w + 6, pd::kWxrScreen.h + 6},
           palette(l).bezelDark);
  fillRect(cr, pd::kWxrScreen, rgb(0x101410));
  label(cr, pd::kWxrScreen.x + pd::kWxrScreen.w / 2.0, pd::kWxrScreen.y + pd::kWxrScreen.h + 8, "WEATHER", l, 8);
  for (int k = 0; k < pd::kWxrKnobs; ++k) {
    const Rect r = pd::wxrKnob(k);
    cairo_arc(cr, r.x + r.w / 2.0, r.y + r.h / 2.0, 20, 0, 2 * kPi);
    setColour(cr, palette(l).bezelDark);
    cairo_fill(cr);
    label(cr, r.x + r.w / 2.0, r.y + r.h + 7, pd::kWxrKnobLegends[k], l, 8);
  }
}

void paintHandle(cairo_t* cr, pd::Size s, Colour c, const char* legend) {
  roundedRectangle(cr, 0.5, 0.5, s.width - 1, s.height - 1, 4);
  setColour(cr, c);
  cairo_fill_preserve(cr);
  setColour(cr, rgb(0x202020));
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  if (legend != nullptr) drawText(cr, s.width / 2.0, s.height / 2.0, legend, 8, rgb(0x181818));
}

void paintTwoWay(cairo_t* cr, pd::Size s, bool right, const char* left, const char* rightText) {
  roundedRectangle(cr, 1, 1, s.width - 2, s.height - 2, 4);
  setColour(cr, rgb(0x242528));
  cairo_fill(cr);
  cairo_rectangle(cr, right ? s.width / 2.0 + 2 : 3, 3, s.width / 2.0 - 5, s.height - 6);
  setColour(cr, rgb(0x3CE060));
  cairo_fill(cr);
  drawText(cr, s.width / 4.0, s.height / 2.0, left, 8, right ? rgb(0xD0D0D0) : rgb(0x101010));
  drawText(cr, 3 * s.width / 4.0, s.height / 2.0, rightText, 8, right ? rgb(0x101010) : rgb(0xD0D0D0));
}

void paintTransfer(cairo_t* cr, bool pressed) {
  const pd::Size s = pd::kTransferSize;
  roundedRectangle(cr, 1, 1, s.width - 2, s.height - 2, 3);
  setColour(cr, pressed ? rgb(0x8A8C90) : rgb(0xC8CACE));
  cairo_fill(cr);
  // The swap arrows.
  setColour(cr, rgb(0x202020));
  cairo_set_line_width(cr, 1.5);
  cairo_move_to(cr, 4, 7);
  cairo_line_to(cr, 14, 7);
  cairo_line_to(cr, 11, 4);
  cairo_move_to(cr, 14, 11);
  cairo_line_to(cr, 4, 11);
  cairo_line_to(cr, 7, 14);
  cairo_stroke(cr);
}

// The weather picture: rain cells on a 256-pixel repeat, more and stronger with the level
// (green, then yellow, then red cores).
void paintWeather(cairo_t* cr, int level) {
  setColour(cr, rgb(0x101410));
  cairo_paint(cr);
  std::uint32_t seed = 12345u;
  const auto next = [&seed] {
    seed = seed * 1664525u + 1013904223u;
    return (seed >> 8) / 16777216.0;
  };
  const Colour bands[] = {rgb(0x1FA03A), rgb(0xE8D82A), rgb(0xE0302A), rgb(0xC040C0)};
  const int cells = level * 4;
  for (int k = 0; k < cells; ++k) {
    const double x = next() * 256, y = next() * 256, r = 8 + next() * (6 + 4 * level);
    const int strength = static_cast<int>(next() * (level + 1) / 2.0);
    for (int tx = -1; tx <= 2; ++tx) {
      for (int ty = -1; ty <= 2; ++ty) {
        for (int b = 0; b <= strength && b < 4; ++b) {
          cairo_arc(cr, x + 256 * tx, y + 256 * ty, r * (1.0 - 0.28 * b), 0, 2 * kPi);
          setColour(cr, bands[b]);
          cairo_fill(cr);
        }
      }
    }
  }
}

}  // namespace

void addPedestalArt(Registry& art) {
  art.add(pd::kBackgroundId, pd::kBackgroundSize, [](cairo_t* cr) { paintPedestal(cr, Lighting::kDay); });
  art.add(pd::kNightBackgroundId, pd::kBackgroundSize, [](cairo_t* cr) { paintPedestal(cr, Lighting::kNight); });
  art.add(pd::kRadioBackgroundId, pd::kRadioBackgroundSize, [](cairo_t* cr) { paintRadios(cr, Lighting::kDay); });
  art.add(pd::kRadioNightBackgroundId, pd::kRadioBackgroundSize, [](cairo_t* cr) { paintRadios(cr, Lighting::kNight); });
  art.add(pd::kWxrBackgroundId, pd::kWxrBackgroundSize, [](cairo_t* cr) { paintWxr(cr, Lighting::kDay); });
  art.add(pd::kWxrNightBackgroundId, pd::kWxrBackgroundSize, [](cairo_t* cr) { paintWxr(cr, Lighting::kNight); });

  for (int on = 0; on < 2; ++on) {
    art.add(pd::kParkingBrakeId + on, pd::kParkingBrake.size(),
            [on](cairo_t* cr) { paintTwoWay(cr, pd::kParkingBrake.size(), on != 0, "OFF", "SET"); });
    art.add(pd::kTransferButtonId + on, pd::kTransferSize, [on](cairo_t* cr) { paintTransfer(cr, on != 0); });
  }
  art.add(pd::kPowerHandleId, pd::kPowerHandleSize,
          [](cairo_t* cr) { paintHandle(cr, pd::kPowerHandleSize, rgb(0xD8D8D0), nullptr); });
  art.add(pd::kConditionHandleId, pd::kConditionHandleSize,
          [](cairo_t* cr) { paintHandle(cr, pd::kConditionHandleSize, rgb(0x4A78C8), nullptr); });
  art.add(pd::kFlapHandleId, pd::kFlapHandleSize,
          [](cairo_t* cr) { paintHandle(cr, pd::kFlapHandleSize, rgb(0xD8D8D0), "FLAP"); });
  art.add(pd::kTrimPointerId, pd::kTrimPointerSize,
          [](cairo_t* cr) { paintHandle(cr, pd::kTrimPointerSize, rgb(0xF0F0F0), nullptr); });
  for (const gauges::layout::SwitchImages* images :
       {&pd::kRadarSwitchArt, &pd::kAudioSwitchArt, &pd::kTransmitSelectArt, &pd::kKnobArt}) {
    addSwitchImages(art, *images);
  }
  for (int level = 0; level < pd::kWeatherLevels; ++level) {
    const auto id = pd::kWeatherTextureId + 2u * static_cast<std::uint32_t>(level);
    art.add(id, pd::kWeatherTextureSize, [level](cairo_t* cr) { paintWeather(cr, level); });
    art.add(id + 1, pd::kRadarScreen.size(), [](cairo_t* cr) {
      setColour(cr, rgb(0xF0F0F0));
      cairo_paint(cr);
    });
  }
}

}  // namespace xaq::art
