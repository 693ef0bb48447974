// The NAV control heads (frequency windows, the knob, the transfer switch unlit and lit, the
// master warning and caution switchlights dark and lit) and the landing-gear panel (the leg
// lights in their five images, the lever up and down with its handle light out and on, the fuel
// temperature and right-engine oil dials), with the twins' plates.

#include <cmath>

#include "gauges/instruments/nav_gear_layout.h"
#include "resources/artwork/art_kit.h"
#include "resources/artwork/families.h"
#include "resources/artwork/overhead/switch_family_art.h"

namespace xaq::art {

namespace {

namespace in = gauges::instruments;
using gauges::layout::Rect;

constexpr double kPi = 3.14159265358979323846;

void drawWindow(cairo_t* cr, double x, double y, double w, double h) {
  setColour(cr, rgb(0x18191A));
  cairo_rectangle(cr, x - 3, y - 3, w + 6, h + 6);
  cairo_fill(cr);
  setColour(cr, rgb(0x101010));
  cairo_rectangle(cr, x, y, w, h);
  cairo_fill(cr);
}

void drawNavHead(cairo_t* cr, const char* title) {
  const Palette& p = palette(Lighting::kDay);
  drawPlate(cr, in::kNavHeadSize, title, Lighting::kDay);
  drawWindow(cr, in::kActiveFrequency.x, in::kActiveFrequency.y, in::kFrequencyBox.width, in::kFrequencyBox.height);
  drawWindow(cr, in::kStandbyFrequency.x, in::kStandbyFrequency.y, in::kFrequencyBox.width, in::kFrequencyBox.height);
  drawText(cr, 103, in::kActiveFrequency.y + 44, "ACTIVE", 7.5, p.marks);
  drawText(cr, 103, in::kStandbyFrequency.y + 44, "STBY", 7.5, p.marks);
  // The concentric frequency knob over both halves of its areas.
  const double cx = in::kFrequencyKnobUp.x, cy = in::kFrequencyKnobDown.y + in::kFrequencyKnobDown.height / 2.0;
  setColour(cr, rgb(0x18191A));
  cairo_arc(cr, cx, cy, 30, 0, 2 * kPi);
  cairo_fill(cr);
  setColour(cr, rgb(0x2A2C2E));
  cairo_arc(cr, cx, cy, 27, 0, 2 * kPi);
  cairo_fill(cr);
  setColour(cr, rgb(0x3A3D40));
  cairo_arc(cr, cx, cy, 15, 0, 2 * kPi);
  cairo_fill(cr);
  drawText(cr, cx - 38, cy + 38, "-", 11.0, p.marks);
  drawText(cr, cx + 38, cy + 38, "+", 11.0, p.marks);
}

void drawTransfer(cairo_t* cr, bool lit) {
  setColour(cr, rgb(0x2A2C2E));
  roundedRectangle(cr, 0, 0, in::kTransferSwitchSize.width, in::kTransferSwitchSize.height, 4);
  cairo_fill(cr);
  drawText(cr, in::kTransferSwitchSize.width / 2.0, in::kTransferSwitchSize.height / 2.0, "TFR", 9.0,
           lit ? rgb(0x60F060) : rgb(0xC8C8C8));
}

void drawGearPanel(cairo_t* cr, Lighting lighting) {
  const Palette& p = palette(lighting);
  drawPlate(cr, in::kGearPanelSize, "GEAR", lighting);
  for (int i = 0; i < 3; ++i) {
    drawWindow(cr, in::kGearLights[i].x, in::kGearLights[i].y, in::kGearLightSize.width, in::kGearLightSize.height);
    drawText(cr, in::kGearLights[i].x + 20, in::kGearLights[i].y - 10, in::kGearLegends[i], 8.0, p.marks);
  }
  setColour(cr, rgb(0x18191A));
  roundedRectangle(cr, in::kGearLever.x - 4, in::kGearLever.y - 4, in::kGearLeverSize.width + 8,
                   in::kGearLeverSize.height + 8, 6);
  cairo_fill(cr);
  drawText(cr, in::kGearLever.x - 18, in::kGearLever.y + 14, "UP", 8.0, p.marks);
  drawText(cr, in::kGearLever.x - 22, in::kGearLever.y + in::kGearLeverSize.height - 14, "DN", 8.0, p.marks);
  const std::span<const ScaleMark> pressure(in::kOilPressureScale.mark), temperature(in::kOilTemperatureScale.mark);
  const std::span<const ScaleMark> leftFuel(in::kLeftFuelTempScale.mark), rightFuel(in::kRightFuelTempScale.mark);
  const DialGeometry oil = dialGeometry(in::kGearPanelSize, in::kOilPivot, pressure);
  const DialGeometry fuel = dialGeometry(in::kGearPanelSize, in::kFuelTempPivot, rightFuel);
  drawDialFace(cr, oil, p);
  drawScale(cr, oil, pressure, p);
  drawScale(cr, oil, temperature, p);
  drawText(cr, in::kOilPivot.x, in::kOilPivot.y + 20, "OIL", 7.0, p.marks);
  drawText(cr, in::kOilPivot.x, in::kOilPivot.y + 52, "ENG 2  \xC2\xB0""C  PSI", 7.0, p.marks);
  drawDialFace(cr, fuel, p);
  drawScale(cr, fuel, leftFuel, p);
  drawScale(cr, fuel, rightFuel, p);
  drawText(cr, in::kFuelTempPivot.x, in::kFuelTempPivot.y + 20, "FUEL", 7.0, p.marks);
  drawText(cr, in::kFuelTempPivot.x, in::kFuelTempPivot.y + 52, "1  \xC2\xB0""C  2", 7.0, p.marks);
}

// Leg light images: 0 dark, 1 green down and locked, 2 red in transit, 3 both, 4 red UNLK.
void drawGearLight(cairo_t* cr, int frame) {
  const gauges::layout::Size half{in::kGearLightSize.width, in::kGearLightSize.height / 2};
  const bool red = frame >= 2, green = frame == 1 || frame == 3;
  drawLight(cr, half, frame == 4 ? "UNLK" : "TRANS", rgb(0xE03020), red);
  cairo_save(cr);
  cairo_translate(cr, 0, half.height);
  drawLight(cr, half, "DOWN", rgb(0x40E060), green);
  cairo_restore(cr);
}

void drawLever(cairo_t* cr, bool down, bool lit) {
  const double w = in::kGearLeverSize.width, h = in::kGearLeverSize.height;
  const double knobY = down ? h - 26 : 26;
  setColour(cr, rgb(0xA8ACB0));
  cairo_rectangle(cr, w / 2 - 4, std::fmin(knobY, h / 2), 8, std::fabs(knobY - h / 2));
  cairo_fill(cr);
  // The wheel-shaped handle, its light red while lit.
  setColour(cr, lit ? rgb(0xF04030) : rgb(0xE8E8E8));
  cairo_arc(cr, w / 2, knobY, 20, 0, 2 * kPi);
  cairo_fill(cr);
  setColour(cr, rgb(0x303234));
  cairo_set_line_width(cr, 3.0);
  cairo_arc(cr, w / 2, knobY, 12, 0, 2 * kPi);
  cairo_stroke(cr);
}

void drawMaster(cairo_t* cr, const in::MasterLight& m, bool lit) {
  drawLight(cr, in::kMasterLightSize, m.legend, rgb(m.lensRgb), lit);
}

}  // namespace

void addNavGearArt(Registry& art) {
  art.add(in::kNav1BackgroundId, in::kNavHeadSize, [](cairo_t* cr) { drawNavHead(cr, "NAV 1"); });
  art.add(in::kNav2BackgroundId, in::kNavHeadSize, [](cairo_t* cr) { drawNavHead(cr, "NAV 2"); });
  for (std::uint32_t id : {in::kNav1TwinBackgroundId, in::kNav2TwinBackgroundId}) {
    art.add(id, in::kNavTwinSize, [id](cairo_t* cr) {
      drawPlate(cr, in::kNavTwinSize, id == in::kNav1TwinBackgroundId ? "NAV 1" : "NAV 2", Lighting::kDay);
      drawWindow(cr, in::kTwinActiveFrequency.x, in::kTwinActiveFrequency.y, in::kFrequencyBox.width, in::kFrequencyBox.height);
      drawWindow(cr, in::kTwinStandbyFrequency.x, in::kTwinStandbyFrequency.y, in::kFrequencyBox.width,
                 in::kFrequencyBox.height);
    });
  }
  for (int lit = 0; lit < 2; ++lit) {
    art.add(in::kTransferSwitchId + lit, in::kTransferSwitchSize, [lit](cairo_t* cr) { drawTransfer(cr, lit != 0); });
    art.add(in::kMasterWarning.imageId + lit, in::kMasterLightSize,
            [lit](cairo_t* cr) { drawMaster(cr, in::kMasterWarning, lit != 0); });
    art.add(in::kMasterCaution.imageId + lit, in::kMasterLightSize,
            [lit](cairo_t* cr) { drawMaster(cr, in::kMasterCaution, lit != 0); });
    art.add(in::kGearLeverUnlitId + lit, in::kGearLeverSize, [lit](cairo_t* cr) { drawLever(cr, lit != 0, false); });
    art.add(in::kGearLeverLitId + lit, in::kGearLeverSize, [lit](cairo_t* cr) { drawLever(cr, lit != 0, true); });
  }
  for (std::uint32_t first : in::kGearLightIds) {
    for (int frame = 0; frame < 5; ++frame) {
      art.add(first + frame, in::kGearLightSize, [frame](cairo_t* cr) { drawGearLight(cr, frame); });
    }
  }
  art.add(in::kGearBackgroundId, in::kGearPanelSize, [](cairo_t* cr) { drawGearPanel(cr, Lighting::kDay); });
  art.add(in::kGearBackgroundId + 1, in::kGearPanelSize, [](cairo_t* cr) { drawGearPanel(cr, Lighting::kNight); });
  art.add(in::kGearTwinBackgroundId, in::kGearTwinSize, [](cairo_t* cr) {
    drawPlate(cr, in::kGearTwinSize, "GEAR", Lighting::kDay);
    for (const auto& at : in::kGearLights) drawWindow(cr, at.x, at.y, in::kGearLightSize.width, in::kGearLightSize.height);
  });
}

}  // namespace xaq::art
