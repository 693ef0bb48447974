// The engine panels: the intake bypass, ECU and feather plates with their captions, the ECU
// rating legends on the selector's rays and the frames round the switchlights; the oil pressure
// and temperature dials with their marks at the needles' scale points; by day and by night; and
// the switch images and lights these panels use.

#include <cmath>
#include <string>
#include <vector>

#include "gauges/engine/engine_layout.h"
#include "resources/artwork/art_kit.h"
#include "resources/artwork/families.h"
#include "resources/artwork/overhead/switch_family_art.h"

namespace xaq::art {

namespace {

namespace eng = gauges::engine;

constexpr double kPi = 3.14159265358979323846;

void paintPanel(cairo_t* cr, eng::Panel p, Lighting lighting) {
  const eng::PanelLayout& layout = eng::kPanelLayouts[p];
  const PlateColours c = plateColours(lighting);
  drawPlate(cr, layout.size, layout.title, lighting);
  for (const eng::ControlLayout& ctl : eng::kControls) {
    if (ctl.panel != p) continue;
    const eng::Rect r = ctl.rect;
    if (eng::isLight(ctl)) {
      setColour(cr, c.frame);
      cairo_rectangle(cr, r.x - 2, r.y - 2, r.width + 4, r.height + 4);
      cairo_fill(cr);
    }
    drawCaption(cr, r.x + r.width / 2.0, r.y + r.height + 8, ctl.caption, c.caption);
    if (ctl.control == eng::Ctl::kEcuRating) {
      const double cx = r.x + r.width / 2.0, cy = r.y + r.height / 2.0, radius = r.height / 2.0 + 12;
      for (int k = 0; k < ctl.images->count; ++k) {
        const double a = rotaryAngleDeg(*ctl.images, k) * kPi / 180.0;
        drawText(cr, cx + std::sin(a) * radius, cy - std::cos(a) * radius, eng::kRatingLegends[k], 7, c.caption);
      }
    }
  }
  for (const eng::LampLayout& l : eng::kLamps) {
    if (l.panel != p) continue;
    setColour(cr, c.frame);
    cairo_rectangle(cr, l.rect.x - 2, l.rect.y - 2, l.rect.width + 4, l.rect.height + 4);
    cairo_fill(cr);
  }
  if (layout.hostEvent != 0) {
    const eng::Rect s = layout.hostStrip;
    setColour(cr, c.window);
    cairo_rectangle(cr, s.x, s.y, s.width, s.height);
    cairo_fill(cr);
  }
}

// One dial on an oil indicator's plate.
void paintOilDial(cairo_t* cr, int dial, int first, Lighting lighting) {
  const Palette& colours = palette(lighting);
  const auto d = static_cast<eng::OilDial>(dial);
  const Point pivot = eng::dialPivot(dial, first);
  std::vector<ScaleMark> marks;
  if (eng::isPressure(d)) {
    for (const ScaleMark& m : eng::kPressureScale) marks.push_back(m);
  } else {
    for (const ScaleMark& m : eng::kTemperatureScale) marks.push_back(m);
  }
  for (ScaleMark& m : marks) m.point = {pivot.x + m.point.x, pivot.y + m.point.y};

  DialGeometry g;
  g.pivot = pivot;
  g.radius = 38;
  g.faceRadius = 35;
  g.tickOuter = 33;
  g.tickInner = 27;
  g.minorInner = 30;
  g.legendRadius = 20;
  g.legendSize = 7;
  drawDialFace(cr, g, colours);
  drawScale(cr, g, marks, colours);
  // The caption in the gap the scale leaves at the bottom, the engine under the dial.
  drawText(cr, pivot.x, pivot.y + 27, eng::kDialCaptions[dial], 6.5, colours.marks);
  drawText(cr, pivot.x, pivot.y + 44, eng::kEngineCaptions[eng::engineOf(d)], 7, colours.marks);
}

void paintOilGauge(cairo_t* cr, const eng::OilGaugeLayout& layout, Lighting lighting) {
  setColour(cr, plateColours(lighting).plate);
  cairo_rectangle(cr, 0, 0, layout.size.width, layout.size.height);
  cairo_fill(cr);
  for (int k = 0; k < layout.dialCount; ++k) paintOilDial(cr, layout.firstDial + k, layout.firstDial, lighting);
}

}  // namespace

void addEngineArt(Registry& art) {
  for (int p = 0; p < eng::kPanels; ++p) {
    const auto panel = static_cast<eng::Panel>(p);
    const eng::PanelLayout& layout = eng::kPanelLayouts[p];
    for (const std::uint32_t id : {layout.backgroundId, layout.twinBackgroundId}) {
      if (id == 0) continue;
      art.add(id, layout.size, [panel](cairo_t* cr) { paintPanel(cr, panel, Lighting::kDay); });
      art.add(id + 1, layout.size, [panel](cairo_t* cr) { paintPanel(cr, panel, Lighting::kNight); });
    }
  }
  for (const eng::OilGaugeLayout& layout : eng::kOilGauges) {
    art.add(layout.backgroundId, layout.size, [layout](cairo_t* cr) { paintOilGauge(cr, layout, Lighting::kDay); });
    art.add(layout.backgroundId + 1, layout.size,
            [layout](cairo_t* cr) { paintOilGauge(cr, layout, Lighting::kNight); });
  }
  for (const eng::SwitchImages* images :
       {&eng::kBypassLightArt, &eng::kEcuModeLightArt, &eng::kAutofeatherLightArt, &eng::kFeatherLightArt,
        &eng::kRatingSelectorArt, &eng::kTestButtonArt, &eng::kFeatherLeverArt}) {
    addSwitchImages(art, *images);
  }
  art.add(eng::kOilNeedleId, eng::kOilNeedle.bitmapSize,
          [](cairo_t* cr) { drawNeedle(cr, eng::kOilNeedle, palette(Lighting::kDay)); });
}

}  // namespace xaq::art
