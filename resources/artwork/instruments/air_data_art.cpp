// The air-data and standby instruments: round dials whose marks stand at the points of their
// needles' scales, the needles (the Vmo needle striped red and white), the airspeed bug and its
// knob, the drums and the speed strip with their digits, the altitude alert light, the turn and
// slip indicator, the flight control surfaces indicator and the standby compass card. The main
// panel's faces have lit copies for night; the twins have none.

#include <cmath>
#include <cstdio>
#include <span>

#include "gauges/instruments/air_data_layout.h"
#include "resources/artwork/art_kit.h"
#include "resources/artwork/families.h"

namespace xaq::art {

namespace {

namespace ad = gauges::air_data;

constexpr Colour kDigitWhite = rgb(0xF0F0F0);
constexpr Colour kNearBlack = rgb(0x141414);
constexpr Colour kBugOrange = rgb(0xFF8C1A);

// A round instrument: plate, bezel and face, the scale, a caption under the pivot.
void paintDial(cairo_t* cr, Size size, Point pivot, std::span<const ScaleMark> marks, const char* caption,
               Lighting lighting) {
  const Palette& colours = palette(lighting);
  const DialGeometry dial = dialGeometry(size, pivot, marks);
  drawPanel(cr, size, dial, colours);
  drawDialFace(cr, dial, colours);
  drawScale(cr, dial, marks, colours);
  if (caption != nullptr) drawText(cr, pivot.x, pivot.y + dial.radius * 0.30, caption, dial.legendSize * 0.6, colours.marks);
}

void frameBox(cairo_t* cr, double x, double y, double w, double h) {
  setColour(cr, rgb(0x3A3A3A));
  cairo_rectangle(cr, x - 2, y - 2, w + 4, h + 4);
  cairo_fill(cr);
  setColour(cr, kNearBlack);
  cairo_rectangle(cr, x, y, w, h);
  cairo_fill(cr);
}

void paintAirspeed(cairo_t* cr, const ad::AirspeedLayout& l, std::span<const ScaleMark> marks, Lighting lighting) {
  paintDial(cr, l.size, l.pivot, marks, "KNOTS", lighting);
  const Palette& colours = palette(lighting);
  // The knob's two halves: its turning part is its own bitmap.
  setColour(cr, colours.bezelDark);
  cairo_arc(cr, l.bugKnob.x, l.bugKnob.y, 17, 0, 2 * 3.14159265358979);
  cairo_fill(cr);
}

// Ten numbered marks and fifty ticks: an altimeter's needle turns once per thousand feet.
void thousandFeetMarks(cairo_t* cr, Point pivot, const DialGeometry& dial, const Palette& colours,
                       double majorWidth, double minorWidth, double legendScale) {
  for (int i = 0; i < 50; ++i) {
    const double a = (i * 7.2 - 90.0) * 3.14159265358979 / 180.0;
    const bool major = i % 5 == 0;
    setColour(cr, colours.marks);
    cairo_set_line_width(cr, major ? majorWidth : minorWidth);
    const double inner = major ? dial.tickInner : dial.minorInner;
    cairo_move_to(cr, pivot.x + std::cos(a) * inner, pivot.y + std::sin(a) * inner);
    cairo_line_to(cr, pivot.x + std::cos(a) * dial.tickOuter, pivot.y + std::sin(a) * dial.tickOuter);
    cairo_stroke(cr);
    if (major) {
      char legend[4];
      std::snprintf(legend, sizeof legend, "%d", i / 5);
      drawText(cr, pivot.x + std::cos(a) * dial.legendRadius, pivot.y + std::sin(a) * dial.legendRadius, legend,
               dial.legendSize * legendScale, colours.marks);
    }
  }
}

void paintAltimeter(cairo_t* cr, const ad::AltimeterLayout& l, Lighting lighting) {
  const Palette& colours = palette(lighting);
  const DialGeometry dial = dialGeometry(l.size, l.pivot, ad::kAltimeterScale);
  drawPanel(cr, l.size, dial, colours);
  drawDialFace(cr, dial, colours);
  thousandFeetMarks(cr, l.pivot, dial, colours, 2.4, 1.1, 1.0);
  for (const ad::DrumLayout& d : ad::kAltimeterDrums) frameBox(cr, d.at.x, d.at.y, ad::kDrumWindow.width, ad::kDrumWindow.height);
  frameBox(cr, l.millibars.x, l.millibars.y, l.millibars.width, l.millibars.height);
  frameBox(cr, l.inches.x, l.inches.y, l.inches.width, l.inches.height);
  drawText(cr, l.millibars.x + l.millibars.width / 2.0, l.millibars.y + l.millibars.height + 6, "MB", 7, colours.marks);
  drawText(cr, l.inches.x + l.inches.width / 2.0, l.inches.y + l.inches.height + 6, "IN HG", 7, colours.marks);
  drawText(cr, l.pivot.x, l.pivot.y - 14, "ALT", 8, colours.marks);
  setColour(cr, colours.bezelDark);
  cairo_arc(cr, l.knobDown.x + 20, l.knobDown.y + 24, 18, 0, 2 * 3.14159265358979);
  cairo_fill(cr);
  drawText(cr, l.knobDown.x + 20, l.knobDown.y + 24, "BARO", 6, colours.marks);
}

void paintStandby(cairo_t* cr, const ad::StandbyLayout& l, Lighting lighting) {
  const Palette& colours = palette(lighting);
  const DialGeometry dial = dialGeometry(l.size, l.pivot, ad::kStandbyScale);
  drawPanel(cr, l.size, dial, colours);
  drawDialFace(cr, dial, colours);
  thousandFeetMarks(cr, l.pivot, dial, colours, 2.0, 1.0, 0.8);
  for (const ad::DrumLayout& d : ad::kStandbyDrums) {
    frameBox(cr, d.at.x, d.at.y, ad::kSmallDrumWindow.width, ad::kSmallDrumWindow.height);
  }
  frameBox(cr, l.millibars.x, l.millibars.y, l.millibars.width, l.millibars.height);
  drawText(cr, 40, 30, "STBY", 10, colours.marks);
  drawText(cr, 40, 44, "ALT", 10, colours.marks);
  setColour(cr, colours.bezelDark);
  cairo_arc(cr, l.knobDown.x + 20, l.knobDown.y + 16, 15, 0, 2 * 3.14159265358979);
  cairo_fill(cr);
}

// The turn and slip indicator: its needle turns about a pivot near the bottom, over the ball's tube.
void paintTurnSlip(cairo_t* cr, Size size, Lighting lighting) {
  const Palette& colours = palette(lighting);
  setColour(cr, colours.panel);
  cairo_rectangle(cr, 0, 0, size.width, size.height);
  cairo_fill(cr);
  setColour(cr, colours.face);
  roundedRectangle(cr, 3, 110, size.width - 6, size.height - 113, 8);
  cairo_fill(cr);
  DialGeometry dial;
  dial.pivot = ad::kTurnPivot;
  dial.radius = 100;
  dial.faceRadius = 98;
  dial.tickOuter = 95;
  dial.tickInner = 84;
  dial.minorInner = 88;
  dial.legendSize = 9;
  dial.legendRadius = 76;
  drawScale(cr, dial, ad::kTurnScale, colours);
  // The ball's tube.
  setColour(cr, rgb(0xD8D8C8));
  roundedRectangle(cr, ad::kBall.x - 18, ad::kBall.y - 1, ad::kBallSize.width + 36, ad::kBallSize.height + 2, 9);
  cairo_fill(cr);
  setColour(cr, colours.marks);
  cairo_set_line_width(cr, 1.5);
  for (double x : {ad::kBall.x - 1.0, ad::kBall.x + ad::kBallSize.width + 1.0}) {
    cairo_move_to(cr, x, ad::kBall.y - 3);
    cairo_line_to(cr, x, ad::kBall.y + ad::kBallSize.height + 3);
    cairo_stroke(cr);
  }
  drawText(cr, size.width / 2.0, 160, "2 MIN", 8, colours.marks);
  drawText(cr, size.width / 2.0, 172, "TURN", 8, colours.marks);
}

// The flight control surfaces indicator: the rudder scale and four spoiler scales on one plate.
void paintPfcs(cairo_t* cr, Size size, Lighting lighting) {
  const Palette& colours = palette(lighting);
  setColour(cr, colours.panel);
  cairo_rectangle(cr, 0, 0, size.width, size.height);
  cairo_fill(cr);
  setColour(cr, colours.face);
  roundedRectangle(cr, 8, 8, size.width - 16, size.height - 16, 12);
  cairo_fill(cr);
  auto ticks = [&](Point pivot, std::span<const ScaleMark> marks, double radius) {
    DialGeometry dial;
    dial.pivot = pivot;
    dial.radius = radius + 4;
    dial.tickOuter = radius;
    dial.tickInner = radius - 8;
    dial.minorInner = radius - 6;
    dial.legendSize = 8;
    dial.legendRadius = radius + 8;
    for (const ScaleMark& m : marks) drawScale(cr, dial, std::span<const ScaleMark>(&m, 1), colours);
  };
  ticks(ad::kRudderPivot, ad::kRudderScale, 44);
  for (const ad::SpoilerLayout& s : ad::kSpoilers) ticks(s.pivot, s.scale, 34);
  drawText(cr, ad::kRudderPivot.x, ad::kRudderPivot.y + 8, "RUD", 8, colours.marks);
  drawText(cr, size.width / 2.0, 22, "SPOILERS", 8, colours.marks);
}

void paintVsi(cairo_t* cr, Size size, Lighting lighting) {
  paintDial(cr, size, ad::kVsiPivot, ad::kVsiScale, nullptr, lighting);
  const Palette& colours = palette(lighting);
  drawText(cr, ad::kVsiPivot.x + 22, ad::kVsiPivot.y - 24, "UP", 8, colours.marks);
  drawText(cr, ad::kVsiPivot.x + 22, ad::kVsiPivot.y + 24, "DN", 8, colours.marks);
  drawText(cr, ad::kVsiPivot.x, ad::kVsiPivot.y + 32, "x1000 FT/MIN", 6, colours.marks);
}

// A needle drawn as two halves' stripes: the Vmo needle's red and white.
void paintBarberPole(cairo_t* cr) {
  const Size s = ad::kAirspeedNeedleSize;
  const Point p = ad::kAirspeedNeedlePivot;
  for (int y = 2, i = 0; y < p.y; y += 6, ++i) {
    setColour(cr, i % 2 == 0 ? rgb(0xD01818) : rgb(0xF4F4F4));
    cairo_rectangle(cr, s.width / 2.0 - 2, y, 4, 6);
    cairo_fill(cr);
  }
}

void paintBug(cairo_t* cr) {
  setColour(cr, kBugOrange);
  cairo_rectangle(cr, 1, 0, ad::kBugSize.width - 2, 5);
  cairo_fill(cr);
  cairo_rectangle(cr, ad::kBugSize.width / 2.0 - 2, 0, 4, 12);
  cairo_fill(cr);
}

void paintKnob(cairo_t* cr) {
  const double c = ad::kBugKnobPivot.x;
  setColour(cr, rgb(0x2C2C2C));
  cairo_arc(cr, c, c, 13, 0, 2 * 3.14159265358979);
  cairo_fill(cr);
  setColour(cr, rgb(0x5A5A5A));
  for (int i = 0; i < 16; ++i) {
    const double a = i * 3.14159265358979 / 8;
    cairo_arc(cr, c + std::cos(a) * 12, c + std::sin(a) * 12, 1.6, 0, 2 * 3.14159265358979);
    cairo_fill(cr);
  }
  setColour(cr, kBugOrange);
  cairo_set_line_width(cr, 2.5);
  cairo_move_to(cr, c, c);
  cairo_line_to(cr, c, c - 11);
  cairo_stroke(cr);
}

// A strip of stacked numbers, one window high each, the first repeated at the end so the last
// one rolls on into it.
void paintStrip(cairo_t* cr, Size window, int count, bool twoDigits) {
  setColour(cr, kNearBlack);
  cairo_rectangle(cr, 0, 0, window.width, window.height * (count + 1));
  cairo_fill(cr);
  for (int i = 0; i <= count; ++i) {
    char digits[4];
    std::snprintf(digits, sizeof digits, twoDigits ? "%02d" : "%d", i % count);
    drawText(cr, window.width / 2.0, window.height * (i + 0.5), digits, window.height * 0.75, kDigitWhite);
  }
}

void paintWindow(cairo_t* cr, Size window) {
  setColour(cr, kNearBlack);
  cairo_rectangle(cr, 0, 0, window.width, window.height);
  cairo_fill(cr);
}

// The standby compass card, seen from behind as the pilot reads it: the headings rise to the
// left of the lubber line.
void paintCompassCard(cairo_t* cr) {
  const int ppd = ad::kCompassPixelsPerDegree;
  const double half = ad::kCompassWindowSize.width / 2.0;
  const int width = ad::kCompassWindowSize.width + 360 * ppd;
  setColour(cr, rgb(0xE8E2D0));
  cairo_rectangle(cr, 0, 0, width, ad::kCompassWindowSize.height);
  cairo_fill(cr);
  setColour(cr, kNearBlack);
  for (int h = -30; h <= 390; h += 5) {
    const double x = half + (360 - h) * ppd;
    const bool labelled = ((h % 30) + 30) % 30 == 0;
    cairo_set_line_width(cr, labelled ? 1.6 : 1.0);
    cairo_move_to(cr, x, ad::kCompassWindowSize.height);
    cairo_line_to(cr, x, ad::kCompassWindowSize.height - (labelled ? 9 : 5));
    cairo_stroke(cr);
    if (!labelled) continue;
    const int heading = ((h % 360) + 360) % 360;
    char label[4];
    const char* cardinal = heading == 0 ? "N" : heading == 90 ? "E" : heading == 180 ? "S" : heading == 270 ? "W" : nullptr;
    if (cardinal == nullptr) std::snprintf(label, sizeof label, "%d", heading / 10);
    drawText(cr, x, 10, cardinal != nullptr ? cardinal : label, 11, kNearBlack);
  }
}

void paintCompassHousing(cairo_t* cr) {
  const Palette& colours = palette(Lighting::kDay);
  setColour(cr, colours.panel);
  cairo_rectangle(cr, 0, 0, ad::kCompassSize.width, ad::kCompassSize.height);
  cairo_fill(cr);
  frameBox(cr, ad::kCompassWindow.x, ad::kCompassWindow.y, ad::kCompassWindowSize.width, ad::kCompassWindowSize.height);
  // The lubber line above and below the window.
  setColour(cr, rgb(0xF0F0F0));
  const double x = ad::kCompassWindow.x + ad::kCompassWindowSize.width / 2.0;
  cairo_set_line_width(cr, 2);
  cairo_move_to(cr, x, ad::kCompassWindow.y - 10);
  cairo_line_to(cr, x, ad::kCompassWindow.y - 2);
  cairo_move_to(cr, x, ad::kCompassWindow.y + ad::kCompassWindowSize.height + 2);
  cairo_line_to(cr, x, ad::kCompassWindow.y + ad::kCompassWindowSize.height + 10);
  cairo_stroke(cr);
}

}  // namespace

void addAirDataArt(Registry& art) {
  auto needleArt = [&](std::uint32_t id, Size size, Point pivot) {
    art.add(id, size, [size, pivot](cairo_t* cr) {
      drawNeedle(cr, NeedleLayout{0, {}, size, pivot}, palette(Lighting::kDay));
    });
  };

  // Airspeed indicators.
  for (const ad::AirspeedLayout* l : {&ad::kAirspeed, &ad::kAirspeedTwin, &ad::kAirspeedG}) {
    const std::span<const ScaleMark> marks = l == &ad::kAirspeed ? std::span<const ScaleMark>(ad::kAirspeedScale)
                                             : l == &ad::kAirspeedG ? std::span<const ScaleMark>(ad::kAirspeedGScale)
                                                                    : std::span<const ScaleMark>(ad::kAirspeedTwinScale.mark);
    art.add(l->backgroundId, l->size, [l, marks](cairo_t* cr) { paintAirspeed(cr, *l, marks, Lighting::kDay); });
    if (l->overlayId != 0) {
      art.add(l->overlayId, l->size, [l, marks](cairo_t* cr) { paintAirspeed(cr, *l, marks, Lighting::kNight); });
    }
  }
  art.add(ad::kFaceMaskId, ad::kFaceMaskSize, [](cairo_t* cr) {
    const double x = ad::kAirspeed.speedStrip.x - ad::kAirspeed.faceMask.x;
    const double y = ad::kAirspeed.speedStrip.y - ad::kAirspeed.faceMask.y;
    setColour(cr, rgb(0x3A3A3A));
    cairo_rectangle(cr, x - 3, y - 3, ad::kSpeedStripWindow.width + 6, ad::kSpeedStripWindow.height + 6);
    cairo_fill(cr);
  });
  art.add(ad::kSpeedStripId, {ad::kSpeedStripWindow.width, ad::kSpeedStripDigitHeight * 101},
          [](cairo_t* cr) { paintStrip(cr, {ad::kSpeedStripWindow.width, ad::kSpeedStripDigitHeight}, 100, true); });
  art.add(ad::kSpeedStripId + 1, ad::kSpeedStripWindow, [](cairo_t* cr) { paintWindow(cr, ad::kSpeedStripWindow); });
  needleArt(ad::kAirspeedNeedleId, ad::kAirspeedNeedleSize, ad::kAirspeedNeedlePivot);
  art.add(ad::kVmoNeedleId, ad::kAirspeedNeedleSize, paintBarberPole);
  art.add(ad::kBugId, ad::kBugSize, paintBug);
  art.add(ad::kBugKnobId, ad::kBugKnobSize, paintKnob);

  // Altimeters.
  for (const ad::AltimeterLayout* l : {&ad::kAltimeter, &ad::kAltimeterTwin}) {
    art.add(l->backgroundId, l->size, [l](cairo_t* cr) { paintAltimeter(cr, *l, Lighting::kDay); });
    if (l->overlayId != 0) art.add(l->overlayId, l->size, [l](cairo_t* cr) { paintAltimeter(cr, *l, Lighting::kNight); });
  }
  for (std::uint32_t id : {8042u, 8044u, 8046u}) {
    art.add(id, {ad::kDrumWindow.width, ad::kDrumWindow.height * 11},
            [](cairo_t* cr) { paintStrip(cr, ad::kDrumWindow, 10, false); });
    art.add(id + 1, ad::kDrumWindow, [](cairo_t* cr) { paintWindow(cr, ad::kDrumWindow); });
  }
  needleArt(ad::kAltimeterNeedleId, ad::kAltimeterNeedleSize, ad::kAltimeterNeedlePivot);
  art.add(ad::kAltitudeAlertId, ad::kAltitudeAlertSize,
          [](cairo_t* cr) { drawLight(cr, ad::kAltitudeAlertSize, "ALT", rgb(0xFFB000), false); });
  art.add(ad::kAltitudeAlertId + 1, ad::kAltitudeAlertSize,
          [](cairo_t* cr) { drawLight(cr, ad::kAltitudeAlertSize, "ALT", rgb(0xFFB000), true); });

  for (const ad::StandbyLayout* l : {&ad::kStandbyAlt, &ad::kStandbyAltTwin}) {
    art.add(l->backgroundId, l->size, [l](cairo_t* cr) { paintStandby(cr, *l, Lighting::kDay); });
    if (l->overlayId != 0) art.add(l->overlayId, l->size, [l](cairo_t* cr) { paintStandby(cr, *l, Lighting::kNight); });
  }
  for (std::uint32_t id : {8132u, 8134u}) {
    art.add(id, {ad::kSmallDrumWindow.width, ad::kSmallDrumWindow.height * 11},
            [](cairo_t* cr) { paintStrip(cr, ad::kSmallDrumWindow, 10, false); });
    art.add(id + 1, ad::kSmallDrumWindow, [](cairo_t* cr) { paintWindow(cr, ad::kSmallDrumWindow); });
  }
  needleArt(ad::kStandbyNeedleId, ad::kStandbyNeedleSize, ad::kStandbyNeedlePivot);

  // Vertical speed, flight controls, turn and slip.
  for (const ad::DialLayout* l : {&ad::kVsi, &ad::kVsiTwin}) {
    art.add(l->backgroundId, l->size, [l](cairo_t* cr) { paintVsi(cr, l->size, Lighting::kDay); });
    if (l->overlayId != 0) art.add(l->overlayId, l->size, [l](cairo_t* cr) { paintVsi(cr, l->size, Lighting::kNight); });
  }
  needleArt(ad::kVsiNeedleId, ad::kVsiNeedleSize, ad::kVsiNeedlePivot);
  for (const ad::DialLayout* l : {&ad::kPfcs, &ad::kPfcsTwin}) {
    art.add(l->backgroundId, l->size, [l](cairo_t* cr) { paintPfcs(cr, l->size, Lighting::kDay); });
    if (l->overlayId != 0) art.add(l->overlayId, l->size, [l](cairo_t* cr) { paintPfcs(cr, l->size, Lighting::kNight); });
  }
  needleArt(ad::kRudderNeedleId, ad::kRudderNeedleSize, ad::kRudderNeedlePivot);
  needleArt(ad::kSpoilerNeedleId, ad::kSpoilerNeedleSize, ad::kSpoilerNeedlePivot);
  for (const ad::DialLayout* l : {&ad::kTurnSlip, &ad::kTurnSlipTwin}) {
    art.add(l->backgroundId, l->size, [l](cairo_t* cr) { paintTurnSlip(cr, l->size, Lighting::kDay); });
    if (l->overlayId != 0) art.add(l->overlayId, l->size, [l](cairo_t* cr) { paintTurnSlip(cr, l->size, Lighting::kNight); });
  }
  needleArt(ad::kTurnNeedleId, ad::kTurnNeedleSize, ad::kTurnNeedlePivot);
  art.add(ad::kBallId, ad::kBallSize, [](cairo_t* cr) {
    setColour(cr, rgb(0x202020));
    cairo_arc(cr, ad::kBallSize.width / 2.0, ad::kBallSize.height / 2.0, ad::kBallSize.width / 2.0 - 1, 0,
              2 * 3.14159265358979);
    cairo_fill(cr);
  });

  // The standby compass.
  art.add(ad::kCompassBackgroundId, ad::kCompassSize, paintCompassHousing);
  art.add(ad::kCompassCardId, {ad::kCompassWindowSize.width + 360 * ad::kCompassPixelsPerDegree, ad::kCompassWindowSize.height},
          paintCompassCard);
  art.add(ad::kCompassCardId + 1, ad::kCompassWindowSize, [](cairo_t* cr) { paintWindow(cr, ad::kCompassWindowSize); });
}

}  // namespace xaq::art
