#pragma once
// The drawing kit every gauge family's painter uses, so all instruments share one look: a grey
// panel plate with screws, a round bezel, a near-black face, white marks and numerals placed at
// exactly the angles of the needle's scale table, light needles that point up, and annunciator
// lights lit or unlit. Day and night come from the same drawing with a different palette.

#include <cairo.h>

#include <cstdint>
#include <span>

#include "gauges/kit/layout.h"

namespace xaq::art {

using gauges::layout::NeedleLayout;
using gauges::layout::Point;
using gauges::layout::ScaleMark;
using gauges::layout::Size;

struct Colour {
  double r = 0;
  double g = 0;
  double b = 0;
};

// 0xRRGGBB, as art is usually written down (not a COLORREF).
constexpr Colour rgb(std::uint32_t value) {
  return {((value >> 16) & 0xFF) / 255.0, ((value >> 8) & 0xFF) / 255.0, (value & 0xFF) / 255.0};
}

void setColour(cairo_t* cr, Colour c);

enum class Lighting { kDay, kNight };

struct Palette {
  Colour panel;       // the plate round the instrument
  Colour screw;
  Colour bezelLight;  // the bezel ring's gradient, top to bottom
  Colour bezelDark;
  Colour face;
  Colour faceGlow;    // centre of the face (the flood light at night)
  Colour marks;       // ticks, numerals, captions
  Colour needle;
  Colour hub;
};

const Palette& palette(Lighting lighting);

// The angle of a scale point about the pivot, in degrees clockwise from twelve o'clock, 0..360.
double markAngleDeg(Point pivot, Point mark);

// Where a round dial's parts go: a circle about the pivot that fits the background, with the
// ticks across the radius of the scale's points.
struct DialGeometry {
  Point pivot;
  double radius = 0;       // outer edge of the bezel
  double faceRadius = 0;   // inner edge of the bezel
  double tickOuter = 0;
  double tickInner = 0;    // major ticks (marks with a legend)
  double minorInner = 0;   // ticks of unlabelled marks
  double legendRadius = 0; // centres of the numerals
  double legendSize = 0;   // font size of the numerals
};

DialGeometry dialGeometry(Size background, Point pivot, std::span<const ScaleMark> marks);

// The panel plate over the whole background, with a screw in each corner where one fits.
void drawPanel(cairo_t* cr, Size background, const DialGeometry& dial, const Palette& colours);

// The path of a rectangle with rounded corners of radius r (to fill or stroke).
void roundedRectangle(cairo_t* cr, double x, double y, double w, double h, double r);

// A display's plate and bezel round a screen at `screenAt` of `screen` size, the screen itself
// dark glass.
void drawScreenBezel(cairo_t* cr, Size background, Point screenAt, Size screen, const Palette& colours);

// Bezel ring and face.
void drawDialFace(cairo_t* cr, const DialGeometry& dial, const Palette& colours);

// A tick on the ray through each mark's point, a thin arc from the first mark to the last
// (clockwise, as the needle travels), and each legend inside its tick.
void drawScale(cairo_t* cr, const DialGeometry& dial, std::span<const ScaleMark> marks, const Palette& colours);

// Text centred on (x, y) in the kit's font.
void drawText(cairo_t* cr, double x, double y, const char* text, double size, Colour colour, bool bold = true);

// A needle bitmap: a pointer straight up from the turning point with a short tail and a hub at
// `bitmapPivot`; everything else stays transparent.
void drawNeedle(cairo_t* cr, const NeedleLayout& needle, const Palette& colours);

// An annunciator light filling (0, 0, size): a lens in `lens` colour, bright with dark lettering
// when lit, dim with grey lettering when not.
void drawLight(cairo_t* cr, Size size, const char* legend, Colour lens, bool lit);

}  // namespace xaq::art
