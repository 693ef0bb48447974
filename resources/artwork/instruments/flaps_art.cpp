// The flaps position indicator and its virtual-cockpit twin: a round dial with the flap
// positions of the needle's scale, the needle, and the lit face for night.

#include <span>

#include "gauges/instruments/flaps_layout.h"
#include "resources/artwork/art_kit.h"
#include "resources/artwork/families.h"

namespace xaq::art {

namespace {

namespace flaps = gauges::flaps;

void paintDial(cairo_t* cr, Size size, const NeedleLayout& needle, std::span<const ScaleMark> marks,
               Lighting lighting) {
  const Palette& colours = palette(lighting);
  const DialGeometry dial = dialGeometry(size, needle.pivot, marks);
  drawPanel(cr, size, dial, colours);
  drawDialFace(cr, dial, colours);
  drawScale(cr, dial, marks, colours);
  // The caption sits in the upper left, the quarter the needle never sweeps.
  drawText(cr, needle.pivot.x - dial.radius * 0.40, needle.pivot.y - dial.radius * 0.16, "FLAPS",
           dial.legendSize * 0.72, colours.marks);
}

}  // namespace

void addFlapsArt(Registry& art) {
  art.add(flaps::kBackgroundId, flaps::kBackgroundSize, [](cairo_t* cr) {
    paintDial(cr, flaps::kBackgroundSize, flaps::kNeedle, flaps::kScale, Lighting::kDay);
  });
  art.add(flaps::kLightingOverlayId, flaps::kBackgroundSize, [](cairo_t* cr) {
    paintDial(cr, flaps::kBackgroundSize, flaps::kNeedle, flaps::kScale, Lighting::kNight);
  });
  art.add(flaps::kNeedleId, flaps::kNeedle.bitmapSize,
          [](cairo_t* cr) { drawNeedle(cr, flaps::kNeedle, palette(Lighting::kDay)); });

  art.add(flaps::kTwinBackgroundId, flaps::kTwinBackgroundSize, [](cairo_t* cr) {
    paintDial(cr, flaps::kTwinBackgroundSize, flaps::kTwinNeedle, flaps::kTwinScale.mark, Lighting::kDay);
  });
  art.add(flaps::kTwinNeedleId, flaps::kTwinNeedle.bitmapSize,
          [](cairo_t* cr) { drawNeedle(cr, flaps::kTwinNeedle, palette(Lighting::kDay)); });
}

}  // namespace xaq::art
