#include "displays/glass/eadi_display.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "common/format_text.h"
#include "common/rounding.h"

namespace xaq::displays {

namespace {

using platform::Point;
using platform::StockObject;
using platform::TextAlign;
using platform::TextBase;

constexpr Colour kSky = 0xDBAD28;
constexpr Colour kGround = 0x326EAF;
constexpr const char* kFace = "Glass Gauge";
constexpr double kDegToRad = 3.14159265358979323846 / 180.0;

}  // namespace

std::int32_t eadiRadioAltitudeReadout(double ft) {
  const double step = ft <= kRisingRunwayBelowFt ? 5.0 : 10.0;
  return roundHalfAway(ft / step) * static_cast<std::int32_t>(step);
}

bool eadiLocalizerShown(const EadiInputs& in) {
  if (in.navSource == 0) return (in.navFlags & kNavLocalizerBit) != 0;
  return in.navSource == 3 && in.fmsValid;
}

double eadiLocalizerDeviation(const EadiInputs& in) {
  return in.navSource == 0 ? in.localizerDeviation : in.fmsCrossTrackNm * 128.0;
}

void EadiDisplay::setInputs(const EadiInputs& inputs) {
  in_ = inputs;
  brightness = std::clamp(in_.brightness, 0.0, 1.0);
  if (!(brightness >= 0.0)) brightness = 0.0;  // NaN
}

void EadiDisplay::draw() {
  platform::Canvas& c = canvas();
  // 1. Black over the whole surface.
  c.select(c.stockObject(StockObject::kBlackPen));
  c.select(c.stockObject(StockObject::kBlackBrush));
  c.rectangle(0, 0, toPixel(width), toPixel(height));
  changed = true;
  if (!in_.powered) return;

  // 2. The frame's pens, brush and fonts.
  Pens p;
  p.white = makePen(colour(kWhite), brightness, 1);
  p.yellow = makePen(colour(kYellow), brightness, 1);
  p.green = makePen(colour(kGreen), brightness, 1);
  p.whiteBrush = makeBrush(colour(kWhite), brightness);
  p.smallFont = makeFont(toPixel(0.08 * height * kHeightUnit), 400, kFace);
  p.largeFont = makeFont(toPixel(0.1 * height * kHeightUnit), 400, kFace);

  drawSphere(p);
  drawRollScale(p);
  drawModeTexts(p);
  drawSpeedScale(p);
  drawHeights(p);
  drawDeviationScales(p);
  // 18. The autopilot's annunciation.
  if (in_.autopilotEngaged) text(x(0.78), y(0.66), "AP ENG", kDimGreen, TextAlign::kLeft, p.smallFont);
}

void EadiDisplay::text(std::int32_t px, std::int32_t py, std::string_view s, int paletteIndex, TextAlign align,
                       CanvasObject font) {
  platform::Canvas& c = canvas();
  c.select(font);
  c.setTextColour(colour(paletteIndex));
  c.setTextAlign(align, TextBase::kBaseline);
  c.textOut(px, py, s.data(), static_cast<int>(s.size()));
}

void EadiDisplay::line(double x0, double y0, double x1, double y1) {
  canvas().moveTo(toPixel(x0), toPixel(y0));
  canvas().lineTo(toPixel(x1), toPixel(y1));
}

void EadiDisplay::polygon(const std::initializer_list<Point>& points) {
  canvas().polygon(points.begin(), static_cast<int>(points.size()));
}

// 3 to 9: everything inside the sphere, clipped to it.
void EadiDisplay::drawSphere(const Pens& p) {
  platform::Canvas& c = canvas();
  const double r = radius();
  // 3. The sphere's outline, cut at the sides.
  const CanvasObject sphere = c.createEllipticRegion(toPixel(centreX - r), toPixel(centreY - r), toPixel(centreX + r),
                                                     toPixel(centreY + r));
  const CanvasObject band = c.createRectRegion(toPixel(centreX - 0.26 * width), toPixel(centreY - 2 * r),
                                               toPixel(centreX + 0.26 * width), toPixel(centreY + 2 * r));
  if (sphere != 0 && band != 0 && c.intersectRegions(sphere, sphere, band)) c.selectClip(sphere);
  if (sphere != 0) c.deleteObject(sphere);
  if (band != 0) c.deleteObject(band);

  // 4. The horizon turns against the bank and moves down as the nose comes up. (hx, hy) runs
  // along the horizon to the right, (ux, uy) towards the sky.
  const double b = in_.bankRightDeg * kDegToRad;
  const double hx = std::cos(b), hy = -std::sin(b);
  const double ux = -std::sin(b), uy = -std::cos(b);
  const double drop = 0.04 * r * in_.pitchUpDeg;
  const double ox = centreX - ux * drop, oy = centreY - uy * drop;
  const auto at = [](double px, double py) { return Point{toPixel(px), toPixel(py)}; };
  const double along = 1.6 * r, across = 3.0 * r;
  const Point left = at(ox - hx * along, oy - hy * along);
  const Point right = at(ox + hx * along, oy + hy * along);
  const Point skyRight = at(ox + hx * along + ux * across, oy + hy * along + uy * across);
  const Point skyLeft = at(ox - hx * along + ux * across, oy - hy * along + uy * across);
  const Point groundRight = at(ox + hx * along - ux * across, oy + hy * along - uy * across);
  const Point groundLeft = at(ox - hx * along - ux * across, oy - hy * along - uy * across);
  c.select(p.white);
  c.select(makeBrush(kSky, brightness));
  polygon({left, right, skyRight, skyLeft});
  c.select(makeBrush(kGround, brightness));
  polygon({left, right, groundRight, groundLeft});

  drawLadder(p, ox, oy);

  // 6. The sky pointer at the top of the sphere.
  c.select(p.white);
  c.select(p.whiteBrush);
  const std::int32_t top = toPixel(centreY - r);
  polygon({{toPixel(centreX), top + 1}, {toPixel(centreX - 0.025 * width), top + x(0.05)},
           {toPixel(centreX + 0.025 * width), top + x(0.05)}});

  // 7. The runway rises to meet the aircraft symbol in the last 200 ft.
  if (in_.radioAltitudeFt < kRisingRunwayBelowFt) {
    const double symbol = 0.395 * height * kHeightUnit;
    const double runwayTop = symbol + (0.03 + std::max(in_.radioAltitudeFt, 0.0) * 0.005) * height * kHeightUnit;
    const double bottom = runwayTop + 0.02 * height * kHeightUnit;
    const double stem = symbol + 0.17 * height * kHeightUnit;
    c.select(p.yellow);
    c.select(c.stockObject(StockObject::kNullBrush));
    polygon({at(centreX - 0.035 * width, runwayTop), at(centreX + 0.035 * width, runwayTop), at(centreX + 0.07 * width, bottom),
             at(centreX - 0.07 * width, bottom)});
    if (stem > bottom) line(centreX, bottom, centreX, stem);
  }

  drawAircraftSymbol(p);
  drawDirectorBars();
  // 10. The clip ends here.
  c.selectClip(0);
}

// 5. One rung every 5 degrees, within 25 degrees of the pitch; the tens numbered at both ends.
void EadiDisplay::drawLadder(const Pens& p, double ox, double oy) {
  platform::Canvas& c = canvas();
  const double r = radius();
  const double b = in_.bankRightDeg * kDegToRad;
  const double hx = std::cos(b), hy = -std::sin(b);
  const double ux = -std::sin(b), uy = -std::cos(b);
  c.select(p.white);
  c.select(makeFont(toPixel(0.06 * height * kHeightUnit), 400, kFace, roundHalfAway(in_.bankRightDeg * 10.0)));
  c.setTextColour(colour(kDimWhite));
  c.setTextAlign(TextAlign::kCentre, TextBase::kBaseline);
  for (int i = -18; i <= 18; ++i) {
    const int rung = i * 5;
    if (i == 0 || std::fabs(rung - in_.pitchUpDeg) >= 25.0) continue;
    const double px = ox + ux * 0.04 * r * rung, py = oy + uy * 0.04 * r * rung;
    const bool ten = rung % 10 == 0;
    const double half = (ten ? 0.25 : 0.125) * r;
    line(px - hx * half, py - hy * half, px + hx * half, py + hy * half);
    if (!ten) continue;
    char label[8];
    const int n = formatText(label, sizeof label, "%d", std::abs(rung));
    for (const double side : {-1.0, 1.0}) {
      // The baseline sits below the rung so that the number stands level with it.
      const double tx = px + side * hx * 0.35 * r - ux * 0.0625 * r;
      const double ty = py + side * hy * 0.35 * r - uy * 0.0625 * r;
      c.textOut(toPixel(tx), toPixel(ty), label, n);
    }
  }
}

// 8. Two black wings with a white outline.
void EadiDisplay::drawAircraftSymbol(const Pens& p) {
  platform::Canvas& c = canvas();
  c.select(p.white);
  c.select(c.stockObject(StockObject::kBlackBrush));
  const std::int32_t upper = y(0.375), lower = y(0.415), middle = y(0.395);
  polygon({{x(0.33), upper}, {x(0.45), upper}, {x(0.45), lower}, {x(0.42), lower}, {x(0.42), middle}, {x(0.33), middle}});
  polygon({{x(0.67), upper}, {x(0.55), upper}, {x(0.55), lower}, {x(0.58), lower}, {x(0.58), middle}, {x(0.67), middle}});
}

// 9. The command bars, each kept within its own half-length of the centre.
void EadiDisplay::drawDirectorBars() {
  if (!in_.fdOn || !in_.fdValid) return;
  const double r = radius();
  const double half = 0.45 * r;
  const double sideways = std::clamp((in_.fdBankCommandDeg - in_.bankRightDeg) * 0.02 * r, -half, half);
  const double upward = std::clamp((in_.fdPitchCommandDeg - in_.pitchUpDeg) * 0.04 * r, -half, half);
  canvas().select(makePen(colour(kMagenta), brightness, 3));
  line(centreX + sideways, centreY - half, centreX + sideways, centreY + half);
  line(centreX - half, centreY - upward, centreX + half, centreY - upward);
}

}  // namespace xaq::displays
