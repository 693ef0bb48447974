// The attitude director's scales and annunciations round the sphere: roll scale, mode texts,
// fast/slow, decision height and radio altitude, glideslope, localizer and turn.

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "common/format_text.h"
#include "displays/glass/eadi_display.h"

namespace xaq::displays {

namespace {

using platform::Point;
using platform::StockObject;
using platform::TextAlign;

constexpr double kDegToRad = 3.14159265358979323846 / 180.0;

}  // namespace

// 10. Ticks at 10, 20, 30, 45 and 60 degrees each side of the top, and the bank pointer.
void EadiDisplay::drawRollScale(const Pens& p) {
  platform::Canvas& c = canvas();
  const double r = radius();
  c.select(p.white);
  for (const double angle : {10.0, 20.0, 30.0, 45.0, 60.0}) {
    const double outer = r + ((angle == 30.0 || angle == 60.0) ? 0.05 : 0.03) * width;
    const double s = std::sin(angle * kDegToRad), k = std::cos(angle * kDegToRad);
    for (const double side : {-1.0, 1.0}) {
      line(centreX + side * s * r, centreY - k * r, centreX + side * s * outer, centreY - k * outer);
    }
  }
  // The pointer stays with the sky: it reads the bank against the fixed ticks.
  const double b = in_.bankRightDeg * kDegToRad;
  const double ux = -std::sin(b), uy = -std::cos(b);
  const double hx = std::cos(b), hy = -std::sin(b);
  const double tip = r - 0.005 * width, base = r - 0.05 * width, half = 0.022 * width;
  c.select(p.yellow);
  c.select(c.stockObject(StockObject::kNullBrush));
  polygon({{toPixel(centreX + ux * tip), toPixel(centreY + uy * tip)},
           {toPixel(centreX + ux * base + hx * half), toPixel(centreY + uy * base + hy * half)},
           {toPixel(centreX + ux * base - hx * half), toPixel(centreY + uy * base - hy * half)}});
}

// 11. Armed modes in white, active ones in green; a box round an active mode while it flashes.
void EadiDisplay::drawModeTexts(const Pens& p) {
  constexpr double kAt[4] = {0.15, 0.35, 0.65, 0.85};
  constexpr int kColour[4] = {kDimWhite, kDimGreen, kDimWhite, kDimGreen};
  for (int i = 0; i < 4; ++i) {
    text(x(kAt[i]), y(0.06), in_.modeTexts[static_cast<std::size_t>(i)], kColour[i], TextAlign::kCentre, p.smallFont);
  }
  platform::Canvas& c = canvas();
  c.select(p.green);
  c.select(c.stockObject(StockObject::kNullBrush));
  if (in_.lateralModeBox) c.rectangle(x(0.25), y(0.005), x(0.45), y(0.06) + 2);
  if (in_.verticalModeBox) c.rectangle(x(0.75), y(0.005), x(0.95), y(0.06) + 2);
}

// 12. The fast/slow pointer: +-10 kt from the speed target is full scale, fast upward.
void EadiDisplay::drawSpeedScale(const Pens& p) {
  platform::Canvas& c = canvas();
  text(x(0.135), y(0.15), "SPD", kDimWhite, TextAlign::kCentre, p.smallFont);
  const double fullScale = 0.16 * height * kHeightUnit;
  c.select(p.white);
  for (const double mark : {-1.0, -0.5, 0.0, 0.5, 1.0}) {
    const double my = centreY + mark * fullScale;
    line(0.12 * width + 2, my, (mark == 0.0 ? 0.17 : 0.15) * width, my);
  }
  const double offset = std::clamp(in_.indicatedAirspeedKt - in_.speedTargetKt, -10.0, 10.0) * 0.1 * fullScale;
  const std::int32_t py = toPixel(centreY - offset), h = x(0.018);
  c.select(p.whiteBrush);
  polygon({{x(0.07), py - h}, {x(0.11), py - h}, {x(0.12), py}, {x(0.11), py + h}, {x(0.07), py + h}});
}

// 13 and 14. Decision height at the lower left, radio altitude at the lower right, the DH alert
// between them.
void EadiDisplay::drawHeights(const Pens& p) {
  platform::Canvas& c = canvas();
  char value[16];
  const double ra = in_.radioAltitudeFt;
  const std::int32_t dh = in_.decisionHeightFt;
  if (decisionHeightSet(dh)) {
    text(x(0.155), y(0.73), " DH", kDimWhite, TextAlign::kLeft, p.smallFont);
    const int n = formatText(value, sizeof value, "%d", static_cast<int>(dh));
    text(x(0.155), y(0.73), {value, static_cast<std::size_t>(n)}, kDimCyan, TextAlign::kRight, p.smallFont);
    if (ra < dh + 100.0 && in_.verticalSpeedFpm < -50.0) {
      c.select(makePen(colour(kAmber), brightness, 1));
      c.select(c.stockObject(StockObject::kNullBrush));
      c.rectangle(x(0.64), y(0.67), x(0.72), y(0.73));
      if (dh > ra) text(x(0.68), y(0.73) - 2, "DH", kDimAmber, TextAlign::kCentre, p.smallFont);
    }
  }
  if (ra < kRadioAltitudeShownBelowFt) {
    // The label follows the value without a space of its own, so that it ends on the screen.
    text(x(0.89), y(0.73), "RA", kDimWhite, TextAlign::kLeft, p.smallFont);
    const int n = formatText(value, sizeof value, "%d", static_cast<int>(eadiRadioAltitudeReadout(ra)));
    text(x(0.89), y(0.73), {value, static_cast<std::size_t>(n)}, kDimCyan, TextAlign::kRight, p.smallFont);
  }
}

// 15 to 17. Glideslope at the right, localizer and turn rate along the bottom.
void EadiDisplay::drawDeviationScales(const Pens& p) {
  platform::Canvas& c = canvas();
  const double unit = height * kHeightUnit;
  c.select(p.white);
  c.select(c.stockObject(StockObject::kNullBrush));
  for (const double side : {-1.0, 1.0}) {
    for (const double near : {0.07, 0.15}) {
      const double a = centreY + side * near * unit, b = centreY + side * (near + 0.02) * unit;
      c.ellipse(x(0.805), toPixel(std::min(a, b)), x(0.825), toPixel(std::max(a, b)));
    }
  }
  if (in_.glideslopeValid) {
    const double py = centreY + std::clamp(in_.glideslopeDeviation, -128.0, 128.0) / 128.0 * 0.16 * unit;
    const std::int32_t h = x(0.02);
    c.select(p.whiteBrush);
    polygon({{x(0.85), toPixel(py)}, {x(0.89), toPixel(py) - h}, {x(0.89), toPixel(py) + h}});
    text(x(0.92), toPixel(py + 0.02 * unit), "G", kDimGreen, TextAlign::kCentre, p.smallFont);
  }

  c.select(p.white);
  for (const double at : {0.39, 0.49, 0.59}) c.rectangle(x(at), y(0.70), x(at + 0.02), y(0.74));
  if (eadiLocalizerShown(in_)) {
    const double px = centreX + std::clamp(eadiLocalizerDeviation(in_), -32.0, 32.0) / 32.0 * 0.1 * width;
    const std::int32_t half = x(0.02);
    c.select(p.whiteBrush);
    polygon({{toPixel(px), y(0.70)}, {toPixel(px) + half, y(0.72)}, {toPixel(px), y(0.74)}, {toPixel(px) - half, y(0.72)}});
  }

  c.select(p.green);
  for (const double at : {0.38, 0.48, 0.58}) line(x(at), y(0.71), x(at + 0.04), y(0.71));
  const std::int32_t tx = toPixel(centreX + std::clamp(in_.turnRate, -600.0, 600.0) / 512.0 * 0.1 * width);
  const std::int32_t top = y(0.70), bottom = y(0.72), mid = y(0.71), w = x(0.012), n = x(0.004);
  c.select(c.stockObject(StockObject::kNullBrush));
  polygon({{tx - n, top}, {tx + n, top}, {tx + w, mid - n}, {tx + w, mid + n}, {tx + n, bottom}, {tx - n, bottom},
           {tx - w, mid + n}, {tx - w, mid - n}});
}

}  // namespace xaq::displays
