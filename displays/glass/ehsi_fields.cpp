// The heading display's map and the texts round its edge.

#include <cmath>
#include <cstdio>
#include <optional>

#include "common/format_text.h"
#include "common/rounding.h"
#include "displays/glass/ehsi_display.h"

namespace xaq::displays {

namespace {

using platform::Point;
using platform::TextAlign;

// A waypoint this many map ranges away or more is kept on the card's edge.
constexpr double kEdgeRanges = 2.0;
// The range ring's label sits beside the right end of the half-range arc.
constexpr double kArcLabelDeg = 40.0;

}  // namespace

void EhsiDisplay::drawMap(const Card& c) {
  const double range = in_.mapRangeNm > 0.0 && std::isfinite(in_.mapRangeNm) ? in_.mapRangeNm : 25.0;
  const double scale = c.radius / range;  // pixels per NM

  // The tuned stations, north turned by the true heading.
  const double upDeg = in_.headingDeg + in_.magneticVariationDeg;
  const struct {
    bool shown;
    const EhsiStation& station;
  } stations[] = {{in_.bearingSource1 == kBearingVor && in_.nav1Valid, in_.vor1},
                  {in_.bearingSource2 == kBearingVor && in_.nav2Valid, in_.vor2}};
  canvas().select(pens_.cyan);
  const double s = xUnits(0.02);
  for (const auto& st : stations) {
    if (!st.shown || !st.station.known) continue;
    const PlanOffset p = flatEarthProjection(st.station.position, in_.aircraft, upDeg, scale);
    const double x = c.x + p.x, y = c.y - p.y;
    const Point hexagon[] = {{toPixel(x - s), toPixel(y)},         {toPixel(x - s / 2), toPixel(y - s)},
                             {toPixel(x + s / 2), toPixel(y - s)}, {toPixel(x + s), toPixel(y)},
                             {toPixel(x + s / 2), toPixel(y + s)}, {toPixel(x - s / 2), toPixel(y + s)}};
    canvas().polygon(hexagon, 6);
  }

  // The next FMS waypoints, joined from the aircraft in order.
  Point from{toPixel(c.x), toPixel(c.y)};
  canvas().select(smallFont_);
  char label[8];
  for (const EhsiMapSlot& slot : in_.mapSlots) {
    if (slot.waypointIndex < 0 || !std::isfinite(slot.distanceNm) || !std::isfinite(slot.bearingDeg)) continue;
    const double radius = slot.distanceNm > kEdgeRanges * range ? c.radius : slot.distanceNm * scale;
    const Point at = polar(c, wrap360(slot.bearingDeg - in_.headingDeg), radius);
    canvas().select(pens_.white);
    line(from, at);
    from = at;
    canvas().select(slot.waypointIndex == in_.activeWaypointIndex ? pens_.magenta : pens_.white);
    const std::int32_t h = xUnits(0.02);
    const Point diamond[] = {{at.x, at.y - h}, {at.x + h, at.y}, {at.x, at.y + h}, {at.x - h, at.y}};
    canvas().polygon(diamond, 4);
    formatText(label, sizeof label, "%02d", (slot.waypointIndex + 1) % 100);
    text(at.x + h + 2, at.y, label, colour(kDimWhite), TextAlign::kLeft);
  }
}

void EhsiDisplay::drawHeadingBox() {
  char value[8];
  formatText(value, sizeof value, "%03d", headingReadout(in_.headingDeg));
  const std::int32_t half = xUnits(0.07);
  const std::int32_t top = yUnits(0.03), bottom = yUnits(0.07), tip = yUnits(0.075);
  canvas().select(pens_.white);
  canvas().select(canvas().stockObject(platform::StockObject::kBlackBrush));
  const std::int32_t x = toPixel(centreX);
  const Point box[] = {{x - half, top - 7}, {x + half, top - 7}, {x + half, bottom + 2},
                       {x + 3, bottom + 2}, {x, tip + 4},      {x - 3, bottom + 2}, {x - half, bottom + 2}};
  canvas().polygon(box, 7);
  canvas().select(canvas().stockObject(platform::StockObject::kNullBrush));
  canvas().select(smallFont_);
  text(x, bottom + 1, value, colour(kDimWhite), TextAlign::kCentre);
}

void EhsiDisplay::drawRangeRingLabel(const Card& c) {
  canvas().select(smallFont_);
  const Point at = polar(c, kArcLabelDeg, c.radius / 2.0);
  text(at.x + 3, at.y, rangeRingLabel(in_.mapRangeNm), colour(kDimCyan), TextAlign::kLeft);
}

void EhsiDisplay::drawGlideslopeScale() {
  canvas().select(pens_.white);
  const std::int32_t left = xUnits(0.855), right = xUnits(0.875);
  const std::int32_t cy = toPixel(centreY);
  for (const double inner : {0.07, 0.15}) {
    const std::int32_t a = yUnits(inner), b = yUnits(inner + 0.02);
    canvas().ellipse(left, cy - b, right, cy - a);
    canvas().ellipse(left, cy + a, right, cy + b);
  }
  if (!in_.glideslopeValid) return;
  double dev = std::isfinite(in_.glideslopeDeviation) ? in_.glideslopeDeviation : 0.0;
  dev = dev < -128.0 ? -128.0 : dev > 128.0 ? 128.0 : dev;
  const std::int32_t y = cy + toPixel(dev / 128.0 * yUnits(0.16));
  const std::int32_t x0 = xUnits(0.9), x1 = xUnits(0.95), h = yUnits(0.02);
  canvas().select(pens_.green);
  const Point pointer[] = {{x0, y}, {(x0 + x1) / 2, y - h}, {x1, y - h}, {x1, y + h}, {(x0 + x1) / 2, y + h}};
  canvas().polygon(pointer, 5);
  canvas().select(smallFont_);
  text(xUnits(0.97), y + h, "G", colour(kDimGreen), TextAlign::kCentre);
}

void EhsiDisplay::drawDataFields() {
  canvas().select(smallFont_);
  const Colour white = colour(kDimWhite), cyan = colour(kDimCyan), amber = colour(kDimAmber), green = colour(kDimGreen);
  const std::int32_t left = xUnits(0.02);
  // Values at the right stand against the screen's right margin so the longest still fits.
  const std::int32_t rightEdge = xUnits(0.98);
  char value[24];

  text(left, yUnits(0.06), in_.fmsSource ? "DTRK" : "CRS", white, TextAlign::kLeft);
  if (in_.fmsSource && !in_.fmsValid) {
    formatText(value, sizeof value, "---");
  } else {
    formatText(value, sizeof value, "%03d",
                  headingReadout(in_.fmsSource ? in_.fmsDesiredTrackDeg : in_.selectedCourseDeg));
  }
  text(left, yUnits(0.13), value, cyan, TextAlign::kLeft);
  text(xUnits(0.27), yUnits(0.06), "MAG1", white, TextAlign::kLeft);
  text(xUnits(0.62), yUnits(0.06), "+", green, TextAlign::kCentre);
  text(xUnits(0.62), yUnits(0.06), "|", white, TextAlign::kCentre);
  text(xUnits(0.62), yUnits(0.06), "O", green, TextAlign::kCentre);
  text(xUnits(0.78), yUnits(0.06), in_.fmsSource ? "FMS1" : "NAV1", in_.fmsSource ? cyan : white, TextAlign::kLeft);

  const std::optional<double> distance = usableDistanceNm(in_);
  if (distance) {
    formatText(value, sizeof value, "%2.1f NM", *distance < 1e5 ? *distance : 99999.9);
    text(rightEdge, yUnits(0.13), value, cyan, TextAlign::kRight);
  }

  text(left, yUnits(0.66), "HDG", white, TextAlign::kLeft);
  formatText(value, sizeof value, "%03d", headingReadout(in_.headingBugDeg));
  text(left, yUnits(0.73), value, cyan, TextAlign::kLeft);

  if (!in_.timeToGo) {
    text(rightEdge, yUnits(0.66), "GSPD", white, TextAlign::kRight);
    const double gs = std::isfinite(in_.groundSpeedKt) && in_.groundSpeedKt > 0.0 ? in_.groundSpeedKt : 0.0;
    formatText(value, sizeof value, "%d KTS", roundHalfAway(gs < 9999.0 ? gs : 9999.0));
    text(rightEdge, yUnits(0.73), value, cyan, TextAlign::kRight);
  } else {
    text(rightEdge, yUnits(0.66), "TTG", white, TextAlign::kRight);
    if (distance) {
      formatText(value, sizeof value, "%d MIN", timeToGoMinutes(*distance, in_.groundSpeedKt));
      text(rightEdge, yUnits(0.73), value, cyan, TextAlign::kRight);
    } else {
      text(rightEdge, yUnits(0.73), "--", amber, TextAlign::kRight);
    }
  }
}

void EhsiDisplay::drawBearingLegends() {
  const std::int32_t symbolX = xUnits(0.04), nameX = xUnits(0.07);
  const std::int32_t r = xUnits(0.012);
  canvas().select(smallFont_);
  if (const char* name = bearingSourceName(1, in_.bearingSource1); name[0] != '\0') {
    const std::int32_t y = yUnits(0.45);
    canvas().select(pens_.cyan);
    canvas().ellipse(symbolX - r, y - 2 * r - 2, symbolX + r + 1, y - 1);
    text(nameX, y, name, colour(kDimWhite), TextAlign::kLeft);
  }
  if (const char* name = bearingSourceName(2, in_.bearingSource2); name[0] != '\0') {
    const std::int32_t y = yUnits(0.59);
    const std::int32_t my = y - r - 1;
    canvas().select(pens_.white);
    const Point diamond[] = {{symbolX, my - r}, {symbolX + r, my}, {symbolX, my + r}, {symbolX - r, my}};
    canvas().polygon(diamond, 4);
    text(nameX, y, name, colour(kDimWhite), TextAlign::kLeft);
  }
}

}  // namespace xaq::displays
