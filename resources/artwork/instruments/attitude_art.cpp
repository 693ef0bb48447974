// The attitude director and the standby attitude indicator: the sphere texture (sky, ground,
// horizon and pitch ladder at the sprite's pixels per degree), its window, the face with the bank
// scale and the aircraft symbol, the bank pointer, the flight-director bars, the deviation,
// fast/slow and inclinometer pointers, the DH and test lights and the test flag.

#include <cmath>
#include <cstdio>

#include "gauges/instruments/adi_layout.h"
#include "resources/artwork/families.h"
#include "resources/artwork/instruments/instrument_parts_art.h"

namespace xaq::art {

namespace {

namespace adi = gauges::adi;
using namespace instruments;

}  // namespace

namespace instruments {

// Sky over ground with a pitch line every 5 degrees (numbered every 10) up to `rangeDeg`.
void paintSphere(cairo_t* cr, Size size, double pixelsPerDegree, double rangeDeg) {
  const double cx = size.width / 2.0, cy = size.height / 2.0;
  setColour(cr, kSky);
  cairo_rectangle(cr, 0, 0, size.width, cy);
  cairo_fill(cr);
  setColour(cr, kGround);
  cairo_rectangle(cr, 0, cy, size.width, size.height - cy);
  cairo_fill(cr);
  setColour(cr, kWhite);
  cairo_rectangle(cr, 0, cy - 1, size.width, 2);
  cairo_fill(cr);
  cairo_set_line_width(cr, 1.4);
  for (int deg = 5; deg <= rangeDeg; deg += 5) {
    const double half = deg % 10 == 0 ? 22.0 : 11.0;
    for (int sign : {-1, 1}) {
      const double y = cy - sign * deg * pixelsPerDegree;
      cairo_move_to(cr, cx - half, y);
      cairo_line_to(cr, cx + half, y);
      cairo_stroke(cr);
      if (deg % 10 == 0) {
        char label[12];
        std::snprintf(label, sizeof label, "%d", deg);
        drawText(cr, cx - half - 9, y, label, 8, kWhite);
        drawText(cr, cx + half + 9, y, label, 8, kWhite);
      }
    }
  }
}

void paintWindow(cairo_t* cr, Size window) {
  setColour(cr, kWhite);
  cairo_arc(cr, window.width / 2.0, window.height / 2.0, std::min(window.width, window.height) / 2.0, 0, 2 * kPi);
  cairo_fill(cr);
}

}  // namespace instruments

namespace {

// The bank scale above the window: marks at 0, 10, 20, 30, 45 and 60 degrees each way.
void drawBankScale(cairo_t* cr, Point pivot, double radius, Colour colour) {
  setColour(cr, colour);
  for (int deg : {-60, -45, -30, -20, -10, 10, 20, 30, 45, 60}) {
    const double a = cairoAngle(deg);
    const double length = std::abs(deg) % 30 == 0 ? 10.0 : 6.0;
    cairo_set_line_width(cr, std::abs(deg) % 30 == 0 ? 2.2 : 1.4);
    cairo_move_to(cr, pivot.x + std::cos(a) * radius, pivot.y + std::sin(a) * radius);
    cairo_line_to(cr, pivot.x + std::cos(a) * (radius + length), pivot.y + std::sin(a) * (radius + length));
    cairo_stroke(cr);
  }
  fillTriangle(cr, pivot.x, pivot.y - radius, 180.0, 9, 10, colour);
}

// The fixed aircraft symbol at the pivot.
void drawAircraftSymbol(cairo_t* cr, Point pivot, double span) {
  setColour(cr, kAmber);
  cairo_rectangle(cr, pivot.x - span, pivot.y - 2, span * 0.7, 4);
  cairo_rectangle(cr, pivot.x + span * 0.3, pivot.y - 2, span * 0.7, 4);
  cairo_rectangle(cr, pivot.x - 3, pivot.y - 3, 6, 6);
  cairo_fill(cr);
}

void paintAdiFace(cairo_t* cr, Lighting lighting) {
  const Palette& colours = palette(lighting);
  const double windowRadius = adi::kSphereWindow.width / 2.0;
  drawRoundInstrument(cr, adi::kSize, adi::kPivot, windowRadius + 18, colours);
  cutWindow(cr, adi::kPivot, windowRadius);
  drawBankScale(cr, adi::kPivot, windowRadius + 1, colours.marks);
  drawAircraftSymbol(cr, adi::kPivot, 48);
  // The glideslope and localizer scales, the fast/slow letters and the readouts' captions.
  setColour(cr, colours.marks);
  for (int dot = -2; dot <= 2; ++dot) {
    if (dot == 0) continue;
    cairo_arc(cr, adi::kGlideslopeAt.x + 6, adi::kGlideslopeAt.y + 4 + dot * adi::kGlideslopeTravelPx / 2, 2.5, 0,
              2 * kPi);
    cairo_fill(cr);
    cairo_arc(cr, adi::kLocalizerAt.x + 6 + dot * adi::kLocalizerTravelPx / 2, adi::kLocalizerAt.y + 5, 2.5, 0,
              2 * kPi);
    cairo_fill(cr);
  }
  drawText(cr, adi::kFastSlowAt.x + 6, adi::kFastSlowAt.y - 52, "F", 9, colours.marks);
  drawText(cr, adi::kFastSlowAt.x + 6, adi::kFastSlowAt.y + 62, "S", 9, colours.marks);
  drawText(cr, adi::kRadioAltitude.x + adi::kRadioAltitude.width / 2.0, adi::kRadioAltitude.y - 6, "RA", 7,
           colours.marks);
  drawText(cr, adi::kDecisionHeight.x + adi::kDecisionHeight.width / 2.0, adi::kDecisionHeight.y - 6, "DH", 7,
           colours.marks);
  // The inclinometer's tube, the test switch and the DH knob.
  setColour(cr, rgb(0x30343A));
  roundedRectangle(cr, adi::kBallAt.x - 26, adi::kBallAt.y - 1, 66, 16, 8);
  cairo_fill(cr);
  setColour(cr, colours.marks);
  cairo_rectangle(cr, adi::kBallAt.x - 2, adi::kBallAt.y - 1, 1.5, 16);
  cairo_rectangle(cr, adi::kBallAt.x + 14.5, adi::kBallAt.y - 1, 1.5, 16);
  cairo_fill(cr);
  const adi::Rect t = adi::kTestSwitch;
  cairo_save(cr);
  cairo_translate(cr, t.x + t.width / 2.0 - 14, t.y + 4);
  drawKnob(cr, {28, 28}, 0.0, nullptr);
  cairo_restore(cr);
  drawText(cr, t.x + t.width / 2.0, t.y + t.height - 6, "TEST", 7, colours.marks);
  cairo_save(cr);
  cairo_translate(cr, adi::kDhDown.x + 10, adi::kDhDown.y + 1);
  drawKnob(cr, {26, 26}, 30.0, nullptr);
  cairo_restore(cr);
}

void paintStandbyFace(cairo_t* cr, Lighting lighting) {
  const Palette& colours = palette(lighting);
  const double windowRadius = adi::kStandbySphereWindow.width / 2.0;
  drawRoundInstrument(cr, adi::kStandbySize, adi::kStandbyPivot, windowRadius + 20, colours);
  cutWindow(cr, adi::kStandbyPivot, windowRadius);
  drawBankScale(cr, adi::kStandbyPivot, windowRadius + 1, colours.marks);
  drawAircraftSymbol(cr, adi::kStandbyPivot, 36);
  drawText(cr, adi::kStandbyPivot.x, adi::kStandbySize.height - 12, "STBY", 7, colours.marks);
}

// A pointer needle: a triangle on the circle of `radius`, pointing out from the pivot.
void paintBankPointer(cairo_t* cr, Size size, double radius) {
  fillTriangle(cr, size.width / 2.0, size.height / 2.0 - radius, 0.0, 9, 10, kWhite);
}

}  // namespace

void addAttitudeArt(Registry& art) {
  // The plate under the sphere is the same for both attitude directors; the face goes over it.
  art.add(adi::kBackgroundId, adi::kSize, [](cairo_t* cr) {
    drawRoundInstrument(cr, adi::kSize, adi::kPivot, adi::kSphereWindow.width / 2.0 + 18, palette(Lighting::kDay));
  });
  art.add(adi::kTwinBackgroundId, adi::kSize, [](cairo_t* cr) {
    drawRoundInstrument(cr, adi::kSize, adi::kPivot, adi::kSphereWindow.width / 2.0 + 18, palette(Lighting::kDay));
  });
  art.add(adi::kFaceId, adi::kSize, [](cairo_t* cr) { paintAdiFace(cr, Lighting::kDay); });
  art.add(adi::kNightFaceId, adi::kSize, [](cairo_t* cr) { paintAdiFace(cr, Lighting::kNight); });
  art.add(adi::kSphereId, adi::kSphereTexture, [](cairo_t* cr) {
    paintSphere(cr, adi::kSphereTexture, adi::kSpherePixelsPerDegree, 60);
  });
  art.add(adi::kSphereId + 1, adi::kSphereWindow, [](cairo_t* cr) { paintWindow(cr, adi::kSphereWindow); });
  art.add(adi::kBankNeedleId, adi::kBankNeedleSize,
          [](cairo_t* cr) { paintBankPointer(cr, adi::kBankNeedleSize, adi::kSphereWindow.width / 2.0 - 1); });
  art.add(adi::kPitchBarId, adi::kPitchBarSize, [](cairo_t* cr) {
    setColour(cr, kMagenta);
    cairo_rectangle(cr, 0, 0, adi::kPitchBarSize.width, adi::kPitchBarSize.height);
    cairo_fill(cr);
  });
  art.add(adi::kRollBarId, adi::kRollBarSize, [](cairo_t* cr) {
    setColour(cr, kMagenta);
    cairo_rectangle(cr, 0, 0, adi::kRollBarSize.width, adi::kRollBarSize.height);
    cairo_fill(cr);
  });
  art.add(adi::kLocalizerId, adi::kLocalizerSize, [](cairo_t* cr) {
    fillTriangle(cr, adi::kLocalizerSize.width / 2.0, 0, 0.0, 10, 12, kGreen);
  });
  art.add(adi::kGlideslopeId, adi::kGlideslopeSize, [](cairo_t* cr) {
    fillTriangle(cr, 0, adi::kGlideslopeSize.height / 2.0, 270.0, 12, 8, kGreen);
  });
  art.add(adi::kFastSlowId, adi::kFastSlowSize, [](cairo_t* cr) {
    fillTriangle(cr, adi::kFastSlowSize.width, adi::kFastSlowSize.height / 2.0, 90.0, 12, 10, kAmber);
  });
  art.add(adi::kBallId, adi::kBallSize, [](cairo_t* cr) {
    setColour(cr, kNearBlack);
    cairo_arc(cr, 7, 7, 6.5, 0, 2 * kPi);
    cairo_fill(cr);
    setColour(cr, kWhite);
    cairo_arc(cr, 7, 7, 6.5, 0, 2 * kPi);
    cairo_stroke(cr);
  });
  for (int lit = 0; lit < 2; ++lit) {
    art.add(adi::kDhLightId + lit, adi::kLightSize,
            [lit](cairo_t* cr) { drawLight(cr, adi::kLightSize, "DH", rgb(0xF1A51E), lit == 1); });
    art.add(adi::kTestLightId + lit, adi::kLightSize,
            [lit](cairo_t* cr) { drawLight(cr, adi::kLightSize, "TEST", rgb(0xF1A51E), lit == 1); });
  }
  art.add(adi::kTestFlagId, adi::kTestFlagSize, [](cairo_t*) {});
  art.add(adi::kTestFlagId + 1, adi::kTestFlagSize,
          [](cairo_t* cr) { drawFlag(cr, adi::kTestFlagSize, "GYRO", kRed, kWhite); });

  art.add(adi::kStandbyBackgroundId, adi::kStandbySize, [](cairo_t* cr) {
    drawRoundInstrument(cr, adi::kStandbySize, adi::kStandbyPivot, adi::kStandbySphereWindow.width / 2.0 + 20,
                        palette(Lighting::kDay));
  });
  art.add(adi::kStandbyTwinBackgroundId, adi::kStandbySize, [](cairo_t* cr) {
    drawRoundInstrument(cr, adi::kStandbySize, adi::kStandbyPivot, adi::kStandbySphereWindow.width / 2.0 + 20,
                        palette(Lighting::kDay));
  });
  art.add(adi::kStandbyFaceId, adi::kStandbySize, [](cairo_t* cr) { paintStandbyFace(cr, Lighting::kDay); });
  art.add(adi::kStandbyNightFaceId, adi::kStandbySize, [](cairo_t* cr) { paintStandbyFace(cr, Lighting::kNight); });
  art.add(adi::kStandbySphereId, adi::kStandbySphereTexture, [](cairo_t* cr) {
    paintSphere(cr, adi::kStandbySphereTexture, adi::kStandbyPixelsPerDegree, 90);
  });
  art.add(adi::kStandbySphereId + 1, adi::kStandbySphereWindow,
          [](cairo_t* cr) { paintWindow(cr, adi::kStandbySphereWindow); });
  art.add(adi::kStandbyBankNeedleId, adi::kStandbyBankNeedleSize, [](cairo_t* cr) {
    paintBankPointer(cr, adi::kStandbyBankNeedleSize, adi::kStandbySphereWindow.width / 2.0 - 1);
  });
}

}  // namespace xaq::art
