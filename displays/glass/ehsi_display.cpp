#include "displays/glass/ehsi_display.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <numbers>

#include "common/rounding.h"

namespace xaq::displays {

namespace {

using platform::Point;
using platform::TextAlign;
using platform::TextBase;

constexpr double kRadPerDeg = std::numbers::pi / 180.0;
constexpr double kArcHalfSpanDeg = 45.0;
constexpr double kAngleSlack = 1e-9;  // a tick exactly 45 degrees off the heading is still on the arc
constexpr char kFace[] = "Glass Gauge";
constexpr char kCardFace[] = "Arial";

}  // namespace

void EhsiDisplay::drawFrame(const GlassElement* element, const EhsiInputs& inputs) {
  in_ = inputs;
  brightness = inputs.powered && std::isfinite(inputs.brightness) ? inputs.brightness : 0.0;
  setElement(element);
  frame();
  setElement(nullptr);
}

EhsiDisplay::Card EhsiDisplay::card() const {
  if (in_.arcMode) return {centreX, static_cast<double>(yUnits(0.62)), static_cast<double>(yUnits(0.5))};
  return {centreX, centreY, static_cast<double>(yUnits(0.31))};
}

Point EhsiDisplay::polar(const Card& c, double angleDeg, double radius) const {
  return polarAcross(c, angleDeg, radius, 0.0);
}

Point EhsiDisplay::polarAcross(const Card& c, double angleDeg, double along, double across) const {
  const double a = angleDeg * kRadPerDeg;
  const double s = std::sin(a), k = std::cos(a);
  return {toPixel(c.x + along * s + across * k), toPixel(c.y - along * k + across * s)};
}

void EhsiDisplay::line(Point a, Point b) {
  canvas().moveTo(a.x, a.y);
  canvas().lineTo(b.x, b.y);
}

void EhsiDisplay::text(std::int32_t x, std::int32_t y, const char* s, Colour c, TextAlign align) {
  canvas().setTextColour(c);
  canvas().setTextAlign(align, TextBase::kBaseline);
  canvas().textOut(x, y, s, static_cast<int>(std::strlen(s)));
}

void EhsiDisplay::draw() {
  platform::Canvas& g = canvas();
  g.select(g.stockObject(platform::StockObject::kBlackPen));
  g.select(g.stockObject(platform::StockObject::kBlackBrush));
  g.rectangle(0, 0, toPixel(width), toPixel(height));
  changed = true;
  if (!(brightness > 0.0)) return;  // dark screen: nothing lit on it

  // The dimmed half of the palette carries the display's brightness.
  pens_ = {makePen(colour(kDimWhite), 1.0, 1), makePen(colour(kDimCyan), 1.0, 1), makePen(colour(kDimGreen), 1.0, 1),
           makePen(colour(kDimMagenta), 1.0, 1), makePen(colour(kDimAmber), 1.0, 1)};
  smallFont_ = makeFont(yUnits(0.08), 400, kFace);
  largeFont_ = makeFont(yUnits(0.1), 400, kFace);
  g.select(g.stockObject(platform::StockObject::kNullBrush));

  const Card c = card();
  if (in_.arcMode) {
    const CanvasObject circle = g.createEllipticRegion(toPixel(c.x - c.radius) - 1, toPixel(c.y - c.radius) - 1,
                                                       toPixel(c.x + c.radius) + 2, toPixel(c.y + c.radius) + 2);
    const CanvasObject band = g.createRectRegion(0, 0, toPixel(width), toPixel(c.y));
    if (circle != 0 && band != 0 && g.intersectRegions(circle, circle, band)) g.selectClip(circle);
    if (circle != 0) g.deleteObject(circle);
    if (band != 0) g.deleteObject(band);
    drawArcOutline(c);
  }
  drawCardTicks(c);
  drawCardLabels(c);
  if (!in_.mapOn) {
    drawBearingPointers(c);
    drawCoursePointer(c);
  } else {
    drawMap(c);
  }
  drawHeadingBug(c);
  g.selectClip(0);

  drawAircraftSymbol(c);
  drawHeadingBox();
  if (in_.arcMode) drawRangeRingLabel(c);
  drawGlideslopeScale();
  drawDataFields();
  drawBearingLegends();
}

void EhsiDisplay::drawArcOutline(const Card& c) {
  canvas().select(pens_.white);
  for (const double r : {c.radius, c.radius / 2.0}) {
    const Point right = polar(c, kArcHalfSpanDeg, r);
    const Point left = polar(c, -kArcHalfSpanDeg, r);
    canvas().arc(toPixel(c.x - r), toPixel(c.y - r), toPixel(c.x + r), toPixel(c.y + r), right, left);
  }
}

void EhsiDisplay::drawCardTicks(const Card& c) {
  canvas().select(pens_.white);
  const double longInner = (in_.arcMode ? 0.92 : 0.87) * c.radius;
  const double shortInner = (in_.arcMode ? 0.96 : 0.94) * c.radius;
  for (int tick = 0; tick < 360; tick += 5) {
    const double a = wrap180(tick - in_.headingDeg);
    if (in_.arcMode && std::fabs(a) > kArcHalfSpanDeg + kAngleSlack) continue;
    line(polar(c, a, tick % 10 == 0 ? longInner : shortInner), polar(c, a, c.radius));
  }
}

void EhsiDisplay::drawCardLabels(const Card& c) {
  const double r = (in_.arcMode ? 0.73 : 0.82) * c.radius;
  for (int deg = 0; deg < 360; deg += 30) {
    const double a = wrap360(deg - in_.headingDeg);
    if (in_.arcMode && std::fabs(wrap180(a)) > kArcHalfSpanDeg + kAngleSlack) continue;
    const char* label = kCardLabels[deg / 30];
    // Turned with the card so the label stays radial.
    std::int32_t escapement = 3600 - toPixel(a * 10.0);
    if (escapement >= 3600) escapement -= 3600;
    canvas().select(makeFont(yUnits(0.08), 400, kCardFace, escapement));
    const Point at = polar(c, a, r);
    canvas().setTextColour(colour(kDimWhite));
    canvas().setTextAlign(TextAlign::kCentre, TextBase::kTop);
    canvas().textOut(at.x, at.y, label, static_cast<int>(std::strlen(label)));
  }
}

void EhsiDisplay::drawBearingPointers(const Card& c) {
  const double head = xUnits(0.06);
  const double mark = xUnits(0.02);
  if (const auto a = bearingPointerAngle(in_, 1)) {
    canvas().select(pens_.cyan);
    const double inner = xUnits(0.18), tailInner = xUnits(0.16);
    line(polar(c, *a, inner), polar(c, *a, c.radius));
    line(polar(c, *a, -c.radius), polar(c, *a, -tailInner));
    const Point centre = polar(c, *a, c.radius - head);
    canvas().ellipse(toPixel(centre.x - mark), toPixel(centre.y - mark), toPixel(centre.x + mark) + 1,
                     toPixel(centre.y + mark) + 1);
  }
  if (const auto a = bearingPointerAngle(in_, 2)) {
    canvas().select(pens_.white);
    const double inner = xUnits(0.13), tailInner = xUnits(0.11);
    const double gap = mark / 2.0;
    for (const double side : {-gap, gap}) {
      line(polarAcross(c, *a, inner, side), polarAcross(c, *a, c.radius - head - mark, side));
      line(polarAcross(c, *a, -c.radius, side), polarAcross(c, *a, -tailInner, side));
    }
    line(polar(c, *a, c.radius - head + mark), polar(c, *a, c.radius));
    const double at = c.radius - head;
    const Point diamond[] = {polar(c, *a, at + mark), polarAcross(c, *a, at, mark), polar(c, *a, at - mark),
                             polarAcross(c, *a, at, -mark)};
    canvas().polygon(diamond, 4);
  }
}

void EhsiDisplay::drawCoursePointer(const Card& c) {
  const CourseIndication course = courseIndication(in_);
  const double a = course.angleDeg;
  const double R = c.radius;
  const double dot = xUnits(0.05);
  const double headHalf = xUnits(0.03);

  canvas().select(pens_.white);
  for (const double d : {-2.0, -1.0, 1.0, 2.0}) {
    const Point p = polarAcross(c, a, 0.0, d * dot);
    canvas().ellipse(p.x - 2, p.y - 2, p.x + 3, p.y + 3);
  }

  canvas().select(in_.fmsSource ? pens_.magenta : pens_.green);
  line(polar(c, a, 0.45 * R), polar(c, a, 0.74 * R));
  const Point arrow[] = {polar(c, a, 0.9 * R), polarAcross(c, a, 0.74 * R, headHalf),
                         polarAcross(c, a, 0.74 * R, -headHalf)};
  canvas().polygon(arrow, 3);
  line(polar(c, a, -0.9 * R), polar(c, a, -0.45 * R));
  // Full scale stands at the outer dot.
  const double offset = course.deviation * 2.0 * dot;
  line(polarAcross(c, a, -0.4 * R, offset), polarAcross(c, a, 0.4 * R, offset));

  if (course.toFrom != kToFromNone) {
    const double dir = course.toFrom == kToFromTo ? 1.0 : -1.0;
    const double base = dir * 0.22 * R, tip = dir * 0.32 * R;
    const Point flag[] = {polar(c, a, tip), polarAcross(c, a, base, headHalf), polarAcross(c, a, base, -headHalf)};
    canvas().polygon(flag, 3);
  }
}

void EhsiDisplay::drawHeadingBug(const Card& c) {
  double a = wrap180(in_.headingBugDeg - in_.headingDeg);
  // On the arc a bug beyond its ends waits at the nearer end, showing the way to turn.
  if (in_.arcMode) a = a > kArcHalfSpanDeg ? kArcHalfSpanDeg : a < -kArcHalfSpanDeg ? -kArcHalfSpanDeg : a;
  const double half = xUnits(0.025);
  const double depth = xUnits(0.03);
  canvas().select(pens_.magenta);
  // Inside the card's edge, so the arc's clip keeps it while it is on the arc.
  const double outer = c.radius, inner = c.radius - depth;
  const Point bug[] = {polarAcross(c, a, outer, -half), polarAcross(c, a, inner, -half),
                       polarAcross(c, a, inner + depth / 2.0, 0.0), polarAcross(c, a, inner, half),
                       polarAcross(c, a, outer, half)};
  canvas().polygon(bug, 5);
}

void EhsiDisplay::drawAircraftSymbol(const Card& c) {
  canvas().select(pens_.white);
  const double s = xUnits(0.05);
  line(polar(c, 0.0, s), polar(c, 0.0, -1.2 * s));
  line(polarAcross(c, 0.0, 0.1 * s, -s), polarAcross(c, 0.0, 0.1 * s, s));
  line(polarAcross(c, 0.0, -1.1 * s, -0.4 * s), polarAcross(c, 0.0, -1.1 * s, 0.4 * s));
}

}  // namespace xaq::displays
