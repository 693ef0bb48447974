#include "displays/traffic/tcas_display.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "common/format_text.h"
#include "displays/glass/flat_earth.h"

namespace xaq::displays {

namespace {

constexpr const char* kFace = "Glass Gauge";
constexpr double kOwnX = 0.5, kOwnY = 0.7;
constexpr double kSeenAheadNm = 7.0;
constexpr double kSymbolHalf = 0.04;   // of the width
constexpr double kRingRadius = 0.2;    // of the width
constexpr int kTrendFpm = 100;

}  // namespace

void relativeAltitudeLabel(double relativeAltitudeFt, char (&out)[8]) {
  out[0] = '\0';
  if (!std::isfinite(relativeAltitudeFt) || std::fabs(relativeAltitudeFt) < 100.0) return;
  const double hundreds = std::trunc(relativeAltitudeFt / 100.0);
  // Far beyond any altitude the logic keeps; held so the text always fits.
  const int shown = static_cast<int>(std::fmax(-999.0, std::fmin(999.0, hundreds)));
  formatText(out, sizeof out, "%+03d", shown);
}

double tcasPixelsPerNm(double heightPx) { return toPixel(kOwnY * heightPx) / kSeenAheadNm; }

struct TcasDisplay::Tools {
  CanvasObject white, grey, yellow, green, amber, red, cyan;
  CanvasObject whiteBrush, amberBrush, redBrush, cyanBrush;
  CanvasObject largeFont, smallFont;
  double ownX, ownY;
};

void TcasDisplay::updateScreen() {
  const TrafficState& s = traffic_.state();
  if (!s.displayEnabled || !s.table.valid) return;
  const double scale = tcasPixelsPerNm(height);
  const GeoPoint own{s.ownAtList.latDeg, s.ownAtList.lonDeg};
  for (std::size_t i = 0; i < s.table.count; ++i) {
    TrafficScreenRecord& r = traffic_.screenRecord(i);
    const TrafficRecord& t = s.table.records[i];
    if (t.id == 0 || r.inUse == 0) continue;
    const PlanOffset p = flatEarthProjection({t.latDeg, t.lonDeg}, own, s.ownAtList.trueHeadingDeg, scale);
    r.x = p.x;
    r.y = p.y;
    r.onScreen = (-width < p.x && p.x < width && -height < p.y && p.y < height) ? 1 : 0;
  }
}

void TcasDisplay::draw() {
  if (traffic_.takeNewTrafficData()) updateScreen();

  canvas().select(canvas().stockObject(platform::StockObject::kBlackPen));
  canvas().select(canvas().stockObject(platform::StockObject::kBlackBrush));
  canvas().rectangle(0, 0, toPixel(width), toPixel(height));

  // Brightness from the instrument bus before anything is made, so a display without power is
  // dark from its very first frame.
  const TrafficState& s = traffic_.state();
  brightness = s.instrumentPower ? 1.0 : 0.0;
  const double b = brightness;
  const Tools tools{
      makePen(colour(kWhite), b, 1), makePen(kTcasGrey, b, 1), makePen(colour(kYellow), b, 1),
      makePen(colour(kGreen), b, 1), makePen(colour(kAmber), b, 1), makePen(colour(kRed), b, 1),
      makePen(colour(kCyan), b, 1), makeBrush(colour(kWhite), b), makeBrush(colour(kAmber), b),
      makeBrush(colour(kRed), b), makeBrush(colour(kCyan), b),
      makeFont(toPixel(0.16 * height), 400, kFace), makeFont(toPixel(0.1 * height), 400, kFace),
      static_cast<double>(toPixel(kOwnX * width)), static_cast<double>(toPixel(kOwnY * height))};
  changed = true;

  drawOwnAircraft(tools);
  drawRangeRing(tools);
  if (!s.displayEnabled || !s.table.valid || s.table.count == 0) return;

  const CanvasObject inscribed = canvas().createEllipticRegion(0, 0, toPixel(width), toPixel(height));
  canvas().selectClip(inscribed);
  canvas().deleteObject(inscribed);  // the canvas keeps its own copy of a clip
  for (std::size_t i = 0; i < s.table.count; ++i) drawTarget(tools, i);
  canvas().selectClip(0);
}

void TcasDisplay::drawOwnAircraft(const Tools& t) {
  platform::Canvas& c = canvas();
  c.select(t.white);
  const double x = t.ownX, y = t.ownY;
  const auto line = [&c](double x0, double y0, double x1, double y1) {
    c.moveTo(toPixel(x0), toPixel(y0));
    c.lineTo(toPixel(x1), toPixel(y1));
  };
  line(x, y - 0.025 * width, x, y + 0.025 * width);                                // fuselage
  line(x - 0.04 * height, y - 0.02 * height + 0.015 * width, x + 0.04 * height,
       y - 0.02 * height + 0.015 * width);                                          // wing
  line(x - 0.015 * width, y + 0.025 * width, x + 0.015 * width, y + 0.025 * width);  // tail
}

void TcasDisplay::drawRangeRing(const Tools& t) {
  platform::Canvas& c = canvas();
  c.select(t.white);
  c.select(t.whiteBrush);
  const double r = kRingRadius * width;
  constexpr double kSin30 = 0.5, kCos30 = 0.8660254037844386;
  // One quadrant's three dots (0°, 30°, 60° from the right), mirrored into the other three.
  const double offsets[3][2] = {{r, 0.0}, {r * kCos30, r * kSin30}, {r * kSin30, r * kCos30}};
  for (const auto& o : offsets) {
    const double quadrants[4][2] = {{o[0], o[1]}, {-o[1], o[0]}, {-o[0], -o[1]}, {o[1], -o[0]}};
    for (const auto& q : quadrants) {
      const std::int32_t px = toPixel(t.ownX + q[0]), py = toPixel(t.ownY - q[1]);
      c.ellipse(px - 1, py - 1, px + 1, py + 1);
    }
  }
}

void TcasDisplay::drawTarget(const Tools& t, std::size_t index) {
  const TrafficState& s = traffic_.state();
  const TrafficRecord& record = s.table.records[index];
  const TrafficScreenRecord& r = traffic_.screen()[index];
  if (record.id == 0 || r.inUse == 0 || r.onScreen == 0) return;

  platform::Canvas& c = canvas();
  const double x = t.ownX + r.x, y = t.ownY - r.y;
  const double h = kSymbolHalf * width;
  const std::int32_t left = toPixel(x - h), right = toPixel(x + h);
  const std::int32_t top = toPixel(y - h), bottom = toPixel(y + h);
  const platform::Point diamond[4] = {{toPixel(x), top}, {right, toPixel(y)}, {toPixel(x), bottom}, {left, toPixel(y)}};
  Colour text = colour(kCyan);
  switch (r.threatLevel) {
    case kResolutionAdvisory:
      c.select(t.red);
      c.select(t.redBrush);
      c.rectangle(left, top, right, bottom);
      text = colour(kRed);
      break;
    case kTrafficAdvisory:
      c.select(t.amber);
      c.select(t.amberBrush);
      c.ellipse(left, top, right, bottom);
      text = colour(kAmber);
      break;
    case kProximate:
      c.select(t.cyan);
      c.select(t.cyanBrush);
      c.polygon(diamond, 4);
      break;
    case kOtherTraffic:
      c.select(t.cyan);
      c.select(c.stockObject(platform::StockObject::kNullBrush));
      c.polygon(diamond, 4);
      break;
    default:
      break;  // a level the logic never gives: no symbol, but the label and arrow still
  }
  const double b = brightness;
  c.setTextColour(scaledColour(text, b));

  char label[8];
  relativeAltitudeLabel(r.relativeAltitudeFt, label);
  if (label[0] != '\0') {
    c.select(t.smallFont);
    const bool above = r.relativeAltitudeFt > 0.0;
    c.setTextAlign(platform::TextAlign::kCentre, above ? platform::TextBase::kBottom : platform::TextBase::kTop);
    c.textOut(toPixel(x), above ? top - 1 : bottom + 1, label, static_cast<int>(std::strlen(label)));
  }

  const int vs = record.verticalSpeedFpm;
  if (vs > kTrendFpm || vs < -kTrendFpm) {
    // A shaft beside the symbol with a 3-pixel head at its climbing or descending end.
    const int ax = right + 3;
    const int tip = vs > 0 ? top : bottom;
    const int tail = vs > 0 ? bottom : top;
    const int back = vs > 0 ? 3 : -3;
    c.select(r.threatLevel == kResolutionAdvisory ? t.red : r.threatLevel == kTrafficAdvisory ? t.amber : t.cyan);
    c.moveTo(ax, tail);
    c.lineTo(ax, tip);
    c.moveTo(ax - 2, tip + back);
    c.lineTo(ax, tip);
    c.lineTo(ax + 3, tip + back);
  }
}

}  // namespace xaq::displays
