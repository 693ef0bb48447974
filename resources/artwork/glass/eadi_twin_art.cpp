// The virtual-cockpit attitude director: a dark screen under the sphere texture and its rounded
// window, the aircraft symbol with the bank and localizer scales, the bank pointer, the bars, the
// fast/slow and glideslope scales and pointers, and the rising runway.

#include <cmath>
#include <cstdlib>

#include "gauges/glass/eadi_twin_layout.h"
#include "resources/artwork/families.h"
#include "resources/artwork/instruments/instrument_parts_art.h"

namespace xaq::art {

namespace {

namespace twin = gauges::eadi_twin;
using namespace instruments;

void fillBox(cairo_t* cr, double x, double y, double w, double h, Colour c) {
  setColour(cr, c);
  cairo_rectangle(cr, x, y, w, h);
  cairo_fill(cr);
}

void paintSymbols(cairo_t* cr) {
  const double cx = twin::kPivot.x, cy = twin::kPivot.y;
  // Bank marks at 10, 20, 30 and 60 degrees each way with the fixed index at the top.
  setColour(cr, kWhite);
  for (int deg : {-60, -30, -20, -10, 10, 20, 30, 60}) {
    const double a = cairoAngle(deg);
    const double r = twin::kBankPointerRadius + 1, len = std::abs(deg) % 30 == 0 ? 8.0 : 5.0;
    cairo_set_line_width(cr, 1.6);
    cairo_move_to(cr, cx + std::cos(a) * r, cy + std::sin(a) * r);
    cairo_line_to(cr, cx + std::cos(a) * (r + len), cy + std::sin(a) * (r + len));
    cairo_stroke(cr);
  }
  fillTriangle(cr, cx, cy - twin::kBankPointerRadius - 1, 180.0, 8, 9, kWhite);
  // The aircraft symbol.
  fillBox(cr, cx - 44, cy - 2, 30, 4, kYellow);
  fillBox(cr, cx + 14, cy - 2, 30, 4, kYellow);
  fillBox(cr, cx - 3, cy - 3, 6, 6, kYellow);
  // The localizer scale's dots.
  for (int dot : {-2, -1, 1, 2}) {
    setColour(cr, kWhite);
    cairo_arc(cr, cx + dot * twin::kLocalizerTravelPx / 2, twin::kLocalizerAt.y + 5, 2.2, 0, 2 * kPi);
    cairo_stroke(cr);
  }
}

// A vertical scale with two dots each way of its centre line and a letter at each end.
void paintScale(cairo_t* cr, Size size, double travel, const char* top, const char* bottom) {
  const double cx = size.width / 2.0, cy = size.height / 2.0;
  setColour(cr, kWhite);
  cairo_set_line_width(cr, 1.2);
  for (int dot : {-2, -1, 1, 2}) {
    cairo_arc(cr, cx, cy + dot * travel / 2, 2.2, 0, 2 * kPi);
    cairo_stroke(cr);
  }
  fillBox(cr, cx - 6, cy - 1, 12, 2, kWhite);
  if (top != nullptr) drawText(cr, cx, 6, top, 9, kWhite);
  if (bottom != nullptr) drawText(cr, cx, size.height - 6, bottom, 9, kWhite);
}

}  // namespace

void addEadiTwinArt(Registry& art) {
  art.add(twin::kBackgroundId, twin::kSize, [](cairo_t* cr) {
    setColour(cr, kNearBlack);
    cairo_paint(cr);
  });
  art.add(twin::kSphereId, twin::kSphereTexture, [](cairo_t* cr) {
    paintSphere(cr, twin::kSphereTexture, twin::kSpherePixelsPerDegree, 60);
  });
  art.add(twin::kSphereId + 1, twin::kSphereWindow, [](cairo_t* cr) {
    setColour(cr, kWhite);
    roundedRectangle(cr, 0, 0, twin::kSphereWindow.width, twin::kSphereWindow.height, 22);
    cairo_fill(cr);
  });
  art.add(twin::kSymbolsId, twin::kSize, paintSymbols);
  art.add(twin::kBankNeedleId, twin::kBankNeedleSize, [](cairo_t* cr) {
    fillTriangle(cr, twin::kBankNeedleSize.width / 2.0,
                 twin::kBankNeedleSize.height / 2.0 - twin::kBankPointerRadius + 1, 0.0, 8, 9, kWhite);
  });
  art.add(twin::kFastSlowScaleId, twin::kFastSlowScaleSize, [](cairo_t* cr) {
    paintScale(cr, twin::kFastSlowScaleSize, 2 * 5 * twin::kFastSlowPxPerKt, "F", "S");
  });
  art.add(twin::kGlideslopeScaleId, twin::kGlideslopeScaleSize, [](cairo_t* cr) {
    paintScale(cr, twin::kGlideslopeScaleSize, twin::kGlideslopeTravelPx, "G", nullptr);
  });
  art.add(twin::kFastSlowId, twin::kFastSlowSize, [](cairo_t* cr) {
    fillTriangle(cr, twin::kFastSlowSize.width, twin::kFastSlowSize.height / 2.0, 90.0, 12, 10, kAmber);
  });
  art.add(twin::kGlideslopeId, twin::kGlideslopeSize, [](cairo_t* cr) {
    fillTriangle(cr, 0, twin::kGlideslopeSize.height / 2.0, 270.0, 12, 8, kMagenta);
  });
  art.add(twin::kLocalizerId, twin::kLocalizerSize, [](cairo_t* cr) {
    fillTriangle(cr, twin::kLocalizerSize.width / 2.0, 0, 0.0, 10, 12, kMagenta);
  });
  art.add(twin::kPitchBarId, twin::kPitchBarSize, [](cairo_t* cr) {
    fillBox(cr, 0, 0, twin::kPitchBarSize.width, twin::kPitchBarSize.height, kMagenta);
  });
  art.add(twin::kRollBarId, twin::kRollBarSize, [](cairo_t* cr) {
    fillBox(cr, 0, 0, twin::kRollBarSize.width, twin::kRollBarSize.height, kMagenta);
  });
  art.add(twin::kRunwayId, twin::kRunwaySize, [](cairo_t* cr) {
    setColour(cr, kGreen);
    cairo_move_to(cr, 8, 0);
    cairo_line_to(cr, twin::kRunwaySize.width - 8, 0);
    cairo_line_to(cr, twin::kRunwaySize.width, twin::kRunwaySize.height);
    cairo_line_to(cr, 0, twin::kRunwaySize.height);
    cairo_close_path(cr);
    cairo_fill(cr);
  });
}

}  // namespace xaq::art
