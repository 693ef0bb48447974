// The engine dials (torque, propeller speed, ITT, NH, NL, fuel flow) and their twins: one face
// per family with green, amber and red bands where the crew watches the limits, the marks at the
// pointer's scale points and a window for the readout; the plates by day and lit at night, the
// pointers, the torque reference bug, the test button and the ITT light.

#include <cmath>
#include <vector>

#include "gauges/engine/engine_dials_layout.h"
#include "resources/artwork/art_kit.h"
#include "resources/artwork/families.h"

namespace xaq::art {

namespace {

namespace dials = gauges::engine_dials;
using dials::Band;
using dials::DialLayout;

constexpr double kPi = 3.14159265358979323846;

Colour bandColour(Band band) {
  switch (band) {
    case Band::kNormal: return rgb(0x2EC040);
    case Band::kCaution: return rgb(0xF0B020);
    case Band::kLimit: break;
  }
  return rgb(0xE02828);
}

std::vector<ScaleMark> marksOnFace(const DialLayout& d) {
  std::vector<ScaleMark> out;
  for (std::size_t i = 0; i < d.markCount; ++i) {
    ScaleMark m = d.marks[i];
    m.point = {d.faceCentre.x + m.point.x, d.faceCentre.y + m.point.y};
    out.push_back(m);
  }
  return out;
}

// The dial angle of a value, interpolated between the marks the way the host places the pointer.
double valueAngleDeg(const std::vector<ScaleMark>& marks, Point pivot, double value) {
  double previous = markAngleDeg(pivot, marks.front().point);
  if (value <= marks.front().value) return previous;
  for (std::size_t i = 1; i < marks.size(); ++i) {
    double angle = markAngleDeg(pivot, marks[i].point);
    while (angle < previous) angle += 360.0;
    if (value <= marks[i].value) {
      const double f = (value - marks[i - 1].value) / (marks[i].value - marks[i - 1].value);
      return previous + f * (angle - previous);
    }
    previous = angle;
  }
  return previous;
}

void paintFace(cairo_t* cr, const DialLayout& d) {
  const Palette& colours = palette(Lighting::kDay);
  const std::vector<ScaleMark> marks = marksOnFace(d);
  const DialGeometry dial = dialGeometry(d.faceSize, d.faceCentre, marks);
  drawDialFace(cr, dial, colours);
  const double cx = d.faceCentre.x, cy = d.faceCentre.y;
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
  cairo_set_line_width(cr, 3.5);
  for (std::size_t i = 0; i < d.bandCount; ++i) {
    const dials::BandLayout& b = d.bands[i];
    setColour(cr, bandColour(b.band));
    const double from = valueAngleDeg(marks, d.faceCentre, b.from), to = valueAngleDeg(marks, d.faceCentre, b.to);
    cairo_arc(cr, cx, cy, dial.tickOuter - 2.0, (from - 90.0) * kPi / 180.0, (to - 90.0) * kPi / 180.0);
    cairo_stroke(cr);
  }
  drawScale(cr, dial, marks, colours);
  drawText(cr, cx, cy - dial.radius * 0.17, d.caption, dial.legendSize * 0.68, colours.marks);
  drawText(cr, cx, cy + dial.radius * 0.22, d.units, dial.legendSize * 0.55, colours.marks, false);
  // The readout's window: a dark recess with a thin light edge.
  const double x = cx + dials::kReadoutOffset.x, y = cy + dials::kReadoutOffset.y;
  setColour(cr, rgb(0x5A5E62));
  cairo_rectangle(cr, x - 1.5, y - 1.5, dials::kReadoutSize.width + 3.0, dials::kReadoutSize.height + 3.0);
  cairo_fill(cr);
  setColour(cr, rgb(0x101010));
  cairo_rectangle(cr, x, y, dials::kReadoutSize.width, dials::kReadoutSize.height);
  cairo_fill(cr);
}

void paintPlate(cairo_t* cr, const DialLayout& d, Size size, Point pivot, Lighting lighting) {
  const std::vector<ScaleMark> marks = marksOnFace(d);
  // The plate's screws keep clear of a dial the size of the face.
  DialGeometry dial = dialGeometry(d.faceSize, d.faceCentre, marks);
  dial.pivot = pivot;
  drawPanel(cr, size, dial, palette(lighting));
}

// A bug on the rim: the ECU's reference torque, pointing up like every needle bitmap.
void paintReferenceBug(cairo_t* cr) {
  const double w = dials::kTorqueReferenceSize.width, px = dials::kTorqueReferencePivot.x;
  setColour(cr, rgb(0xFF8C1A));
  cairo_move_to(cr, 0.5, 0.5);
  cairo_line_to(cr, w - 0.5, 0.5);
  cairo_line_to(cr, px + 1.2, 9.0);
  cairo_line_to(cr, px - 1.2, 9.0);
  cairo_close_path(cr);
  cairo_fill(cr);
}

void paintTestButton(cairo_t* cr) {
  const double w = dials::kTestButtonSize.width, h = dials::kTestButtonSize.height;
  const double cx = w / 2, cy = h / 2, r = std::min(w, h) / 2 - 0.5;
  setColour(cr, rgb(0x1C1E20));
  cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
  cairo_fill(cr);
  cairo_pattern_t* cap = cairo_pattern_create_radial(cx - r * 0.3, cy - r * 0.3, 1, cx, cy, r * 0.8);
  cairo_pattern_add_color_stop_rgb(cap, 0, 0.62, 0.64, 0.66);
  cairo_pattern_add_color_stop_rgb(cap, 1, 0.32, 0.34, 0.36);
  cairo_set_source(cr, cap);
  cairo_arc(cr, cx, cy, r * 0.78, 0, 2 * kPi);
  cairo_fill(cr);
  cairo_pattern_destroy(cap);
  drawText(cr, cx, cy, "TEST", 5.5, rgb(0x101010));
}

}  // namespace

void addEngineDialArt(Registry& art) {
  for (const DialLayout& d : dials::kDials) {
    const DialLayout* dial = &d;
    art.add(d.faceId, d.faceSize, [dial](cairo_t* cr) { paintFace(cr, *dial); });
    art.add(d.gauge[0].backgroundId, d.size,
            [dial](cairo_t* cr) { paintPlate(cr, *dial, dial->size, dial->gauge[0].pivot, Lighting::kDay); });
    if (d.gauge[1].backgroundId != d.gauge[0].backgroundId) {
      art.add(d.gauge[1].backgroundId, d.size,
              [dial](cairo_t* cr) { paintPlate(cr, *dial, dial->size, dial->gauge[1].pivot, Lighting::kDay); });
    }
    art.add(d.overlayId, d.size,
            [dial](cairo_t* cr) { paintPlate(cr, *dial, dial->size, dial->gauge[0].pivot, Lighting::kNight); });
    art.add(d.twinBackgroundId, d.twinSize,
            [dial](cairo_t* cr) { paintPlate(cr, *dial, dial->twinSize, dial->twin[0].pivot, Lighting::kDay); });
    const gauges::layout::NeedleLayout pointer = dials::needleAt(d.needleId, d.faceCentre);
    art.add(d.needleId, dials::kNeedleSize, [pointer](cairo_t* cr) { drawNeedle(cr, pointer, palette(Lighting::kDay)); });
  }
  art.add(dials::kTorqueReferenceId, dials::kTorqueReferenceSize, paintReferenceBug);
  art.add(dials::kTestButtonId, dials::kTestButtonSize, paintTestButton);
  art.add(dials::kIttLightId, dials::kIttLightSize,
          [](cairo_t* cr) { drawLight(cr, dials::kIttLightSize, "ITT", rgb(0xFF3A28), false); });
  art.add(dials::kIttLightId + 1, dials::kIttLightSize,
          [](cairo_t* cr) { drawLight(cr, dials::kIttLightSize, "ITT", rgb(0xFF3A28), true); });
}

}  // namespace xaq::art
