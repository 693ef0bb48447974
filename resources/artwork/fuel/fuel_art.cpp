// The fuel panel and its pieces: the tank quantity dials in pounds, the tank temperature dial,
// the engines' fuel temperature dial with its two half scales, the captions of the pumps, the
// transfer switch and the test button, the view strip, the needles and the lights; the lit
// panel for night.

#include <span>

#include "gauges/fuel/fuel_layout.h"
#include "resources/artwork/art_kit.h"
#include "resources/artwork/families.h"
#include "resources/artwork/overhead/switch_family_art.h"

namespace xaq::art {

namespace {

namespace fl = gauges::fuel;
using gauges::layout::Rect;

// A dial of `marks` about `pivot`, drawn on whatever plate is already there: its caption in the
// quarter the needle never sweeps (the bottom) with its units under it.
void drawDial(cairo_t* cr, Size room, Point pivot, std::span<const ScaleMark> marks, const char* caption,
              const char* units, const Palette& colours) {
  const DialGeometry dial = dialGeometry(room, pivot, marks);
  drawDialFace(cr, dial, colours);
  drawScale(cr, dial, marks, colours);
  drawText(cr, pivot.x, pivot.y + dial.radius * 0.56, caption, dial.legendSize * 0.62, colours.marks);
  if (units != nullptr) {
    drawText(cr, pivot.x, pivot.y + dial.radius * 0.74, units, dial.legendSize * 0.5, colours.marks);
  }
}

void plate(cairo_t* cr, Size size, Point pivot, std::span<const ScaleMark> marks, const Palette& colours) {
  drawPanel(cr, size, dialGeometry(size, pivot, marks), colours);
}

// The controls' row at `row`: captions, the lights' frames and the transfer switch's legends.
void drawControlsRow(cairo_t* cr, Point row, Point testButton, const Palette& colours) {
  const Colour frame = rgb(0x3A3E42);
  auto lightFrame = [&](Point p, Size s) {
    setColour(cr, frame);
    cairo_rectangle(cr, row.x + p.x - 2, row.y + p.y - 2, s.width + 4, s.height + 4);
    cairo_fill(cr);
  };
  lightFrame(fl::kPump1Light, fl::kPumpLightArt.size);
  lightFrame(fl::kPump2Light, fl::kPumpLightArt.size);
  lightFrame(fl::kTransfer1Light, fl::kTransferLightArt.size);
  lightFrame(fl::kTransfer2Light, fl::kTransferLightArt.size);
  auto above = [&](Rect r, const char* text) {
    drawText(cr, row.x + r.x + r.width / 2.0, row.y + r.y - 9, text, 7.5, colours.marks);
  };
  above(fl::kPump1Switch, "AUX PUMP 1");
  above(fl::kPump2Switch, "AUX PUMP 2");
  above(fl::kTransferSwitch, "FUEL XFER");
  const Rect x = fl::kTransferSwitch;
  // The lever's three positions: to tank 1 on the left, off in the middle, to tank 2 on the right.
  drawText(cr, row.x + x.x + 3, row.y + x.y + x.height + 8, "1", 7, colours.marks);
  drawText(cr, row.x + x.x + x.width / 2.0, row.y + x.y + x.height + 8, "OFF", 7, colours.marks);
  drawText(cr, row.x + x.x + x.width - 3, row.y + x.y + x.height + 8, "2", 7, colours.marks);
  drawText(cr, testButton.x + fl::kTestButtonArt.size.width / 2.0, testButton.y - 7, "QTY TEST", 7, colours.marks);
}

void paintPanel(cairo_t* cr, Lighting lighting) {
  const Palette& colours = palette(lighting);
  plate(cr, fl::kPanelSize, fl::kTank1Pivot, fl::kTank1Scale.mark, colours);
  const Size dialRoom{fl::kPanelSize.width, 164};
  drawDial(cr, dialRoom, fl::kTank1Pivot, fl::kTank1Scale.mark, "NO 1 TANK", "LBS x1000", colours);
  drawDial(cr, dialRoom, fl::kTank2Pivot, fl::kTank2Scale.mark, "NO 2 TANK", "LBS x1000", colours);
  drawText(cr, fl::kPanelSize.width / 2.0, 22, "FUEL", 11, colours.marks);
  drawControlsRow(cr, fl::kControlsOnPanel, fl::kTestButton.origin(), colours);
  const Rect strip = fl::kHostEventStrip;
  setColour(cr, rgb(0x141414));
  cairo_rectangle(cr, strip.x, strip.y, strip.width, strip.height);
  cairo_fill(cr);
  drawText(cr, strip.x + strip.width / 2.0, strip.y + strip.height / 2.0, "PEDESTAL VIEW", 7, rgb(0x5A6066));
}

void paintControls(cairo_t* cr, Lighting lighting) {
  const Palette& colours = palette(lighting);
  setColour(cr, colours.panel);
  cairo_rectangle(cr, 0, 0, fl::kControlsSize.width, fl::kControlsSize.height);
  cairo_fill(cr);
  drawControlsRow(cr, {0, 0}, fl::kPieceTestButton.origin(), colours);
}

void paintSingleDial(cairo_t* cr, std::span<const ScaleMark> marks, const char* caption, const char* units,
                     Lighting lighting) {
  const Palette& colours = palette(lighting);
  plate(cr, fl::kDialSize, fl::kDialPivot, marks, colours);
  drawDial(cr, fl::kDialSize, fl::kDialPivot, marks, caption, units, colours);
}

// Two half scales on one face: the left engine's on the left, the right engine's on the right.
void paintFuelTemp(cairo_t* cr, Lighting lighting) {
  const Palette& colours = palette(lighting);
  plate(cr, fl::kDialSize, fl::kDialPivot, fl::kDialLeftFuelTempScale.mark, colours);
  const DialGeometry dial = dialGeometry(fl::kDialSize, fl::kDialPivot, fl::kDialLeftFuelTempScale.mark);
  drawDialFace(cr, dial, colours);
  drawScale(cr, dial, fl::kDialLeftFuelTempScale.mark, colours);
  drawScale(cr, dial, fl::kDialRightFuelTempScale.mark, colours);
  const Point p = fl::kDialPivot;
  // The scales leave the top and the bottom free: the engines' letters above, the caption below.
  drawText(cr, p.x - dial.radius * 0.18, p.y - dial.radius * 0.55, "L", dial.legendSize * 0.7, colours.marks);
  drawText(cr, p.x + dial.radius * 0.18, p.y - dial.radius * 0.55, "R", dial.legendSize * 0.7, colours.marks);
  drawText(cr, p.x, p.y + dial.radius * 0.70, "FUEL TEMP °C", dial.legendSize * 0.45, colours.marks);
}

}  // namespace

void addFuelArt(Registry& art) {
  for (Lighting lighting : {Lighting::kDay, Lighting::kNight}) {
    const std::uint32_t lit = lighting == Lighting::kNight ? 1 : 0;
    art.add(fl::kPanelBackgroundId + lit, fl::kPanelSize, [lighting](cairo_t* cr) { paintPanel(cr, lighting); });
    art.add(fl::kControlsBackgroundId + lit, fl::kControlsSize,
            [lighting](cairo_t* cr) { paintControls(cr, lighting); });
    art.add(fl::kTank1DialId + lit, fl::kDialSize, [lighting](cairo_t* cr) {
      paintSingleDial(cr, fl::kDialQuantityScale.mark, "NO 1 TANK", "LBS x1000", lighting);
    });
    art.add(fl::kTank2DialId + lit, fl::kDialSize, [lighting](cairo_t* cr) {
      paintSingleDial(cr, fl::kDialQuantityScale.mark, "NO 2 TANK", "LBS x1000", lighting);
    });
    for (std::uint32_t id : {fl::kTankTempBackgroundId, fl::kTankTempTwinId}) {
      art.add(id + lit, fl::kDialSize, [lighting](cairo_t* cr) {
        paintSingleDial(cr, fl::kDialTankTempScale.mark, "FUEL TANK", "TEMP °C", lighting);
      });
    }
    art.add(fl::kFuelTempBackgroundId + lit, fl::kDialSize, [lighting](cairo_t* cr) { paintFuelTemp(cr, lighting); });
  }
  art.add(fl::kQuantityNeedleId, fl::kQuantityNeedleSize,
          [](cairo_t* cr) { drawNeedle(cr, fl::kDialNeedle, palette(Lighting::kDay)); });
  art.add(fl::kTempNeedleId, fl::kQuantityNeedleSize,
          [](cairo_t* cr) { drawNeedle(cr, fl::kTankTempNeedle, palette(Lighting::kDay)); });
  art.add(fl::kFuelTempNeedleId, fl::kFuelTempNeedleSize,
          [](cairo_t* cr) { drawNeedle(cr, fl::kFuelTempNeedle, palette(Lighting::kDay)); });
  addSwitchImages(art, fl::kPumpLightArt);
  // The transfer indications show their legend unlit while the panel has power and no transfer
  // runs, so image 1 is the unlit lens as well.
  const fl::SwitchImages x = fl::kTransferLightArt;
  for (int state = 0; state < x.count; ++state) {
    art.add(x.dayId + state, x.size,
            [x, state](cairo_t* cr) { drawLight(cr, x.size, x.legend, rgb(x.lensColour), state == 2); });
  }
}

}  // namespace xaq::art
