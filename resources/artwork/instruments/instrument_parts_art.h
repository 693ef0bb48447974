#pragma once
// Parts the attitude and navigation instruments share: the plate with a round bezel about a
// pivot, a compass card, a face with a round window cut out for a sphere or a card, pointers and
// small lit legends.

#include <cairo.h>

#include "resources/artwork/art_kit.h"

namespace xaq::art::instruments {

inline constexpr double kPi = 3.14159265358979323846;

// Cairo's angle (from +x, clockwise on screen) of an instrument angle (from twelve, clockwise).
double cairoAngle(double instrumentDeg);

// The panel plate over `size` and a bezel ring of `radius` about `pivot`, the face inside it.
void drawRoundInstrument(cairo_t* cr, Size size, Point pivot, double radius, const Palette& colours);

// Clears a circle to transparent: the window the sphere or the card shows through.
void cutWindow(cairo_t* cr, Point centre, double radius);

// A compass card of `radius` centred in a bitmap of `size`: ticks every 5 degrees, long ones
// every 10, the cardinal letters and the tens of degrees every 30.
void drawCompassCard(cairo_t* cr, Size size, double radius, const Palette& colours);

// The fixed heading index (lubber line) at the top of a card and the 45-degree marks round it.
void drawLubberMarks(cairo_t* cr, Point pivot, double radius, Colour colour);

// A small legend plate (flags, knob captions).
void drawFlag(cairo_t* cr, Size size, const char* legend, Colour background, Colour letters);

// A round knob of `size` with a pointer at `pointerDeg` and an optional caption on it.
void drawKnob(cairo_t* cr, Size size, double pointerDeg, const char* caption);

// A filled triangle with its tip at (x, y) pointing toward `directionDeg` (instrument angle).
void fillTriangle(cairo_t* cr, double x, double y, double directionDeg, double length, double width, Colour colour);

// An attitude sphere's texture: sky over ground, a pitch line every 5 degrees (numbered every
// 10) up to `rangeDeg`; and the white window it is seen through.
void paintSphere(cairo_t* cr, Size size, double pixelsPerDegree, double rangeDeg);
void paintWindow(cairo_t* cr, Size window);

inline constexpr Colour kWhite = rgb(0xF0F0F0);
inline constexpr Colour kNearBlack = rgb(0x101010);
inline constexpr Colour kAmber = rgb(0xF1A51E);
inline constexpr Colour kMagenta = rgb(0xE040E0);
inline constexpr Colour kGreen = rgb(0x40D040);
inline constexpr Colour kRed = rgb(0xD02020);
inline constexpr Colour kYellow = rgb(0xF0D020);
inline constexpr Colour kSky = rgb(0x2C7FD0);
inline constexpr Colour kGround = rgb(0x8A5A2C);

}  // namespace xaq::art::instruments
