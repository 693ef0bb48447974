#pragma once
// The switch family's images, for every panel built from it: toggles, three-way levers, rotary
// selectors, push buttons, spring-loaded rockers and lights, each drawn at its set's size, one
// bitmap per position, by day and by night.

#include "gauges/kit/switch_layout.h"
#include "resources/artwork/art_kit.h"
#include "resources/artwork/registry.h"

namespace xaq::art {

// Adds every day and night bitmap of the set (lights: the dark lens and one per lit state).
void addSwitchImages(Registry& art, const gauges::layout::SwitchImages& images);

// Where a rotary knob's position points, in degrees clockwise from twelve o'clock: panels draw
// their positions' legends on these rays.
double rotaryAngleDeg(const gauges::layout::SwitchImages& images, int position);

// The switch panels' plates: colours by day and night, the captions under the controls ('|'
// breaks the line), and a framed plate with a screw in each corner and its title along the top.
struct PlateColours {
  Colour plate;
  Colour frame;
  Colour title;
  Colour caption;
  Colour window;
  Colour knob;
};
PlateColours plateColours(Lighting lighting);
void drawCaption(cairo_t* cr, double x, double y, const char* caption, Colour colour);
void drawPlate(cairo_t* cr, Size size, const char* title, Lighting lighting);

}  // namespace xaq::art
