// The electronic attitude director's bezel by day and lit with the inclinometer's tube under the
// screen, the ball, and its screen: the dark glass the display draws on, whose size the host
// gives the drawing surface.

#include "gauges/glass/eadi_layout.h"
#include "resources/artwork/art_kit.h"
#include "resources/artwork/families.h"

namespace xaq::art {

namespace eadi = gauges::eadi;

namespace {

// The glass tube the ball rolls in, with the two lines the ball sits between in a balanced turn.
void drawInclinometerTube(cairo_t* cr, const Palette& colours) {
  const double top = eadi::kBallAt.y - 2.0, height = eadi::kBallSize.height + 4.0;
  const double centre = eadi::kBallAt.x + eadi::kBallSize.width / 2.0;
  const double half = eadi::kBallTravel + eadi::kBallSize.width / 2.0 + 3.0;
  roundedRectangle(cr, centre - half, top, 2.0 * half, height, height / 2.0);
  setColour(cr, rgb(0x0C0C0C));
  cairo_fill_preserve(cr);
  setColour(cr, colours.bezelDark);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  setColour(cr, colours.marks);
  cairo_set_line_width(cr, 2.0);
  for (const double side : {-1.0, 1.0}) {
    const double x = centre + side * (eadi::kBallSize.width / 2.0 + 2.0);
    cairo_move_to(cr, x, top + 1.0);
    cairo_line_to(cr, x, top + height - 1.0);
  }
  cairo_stroke(cr);
}

void drawBezel(cairo_t* cr, Lighting lighting) {
  drawScreenBezel(cr, eadi::kBackgroundSize, eadi::kScreenAt, eadi::kScreenSize, palette(lighting));
  drawInclinometerTube(cr, palette(lighting));
}

}  // namespace

void addEadiArt(Registry& art) {
  art.add(eadi::kBackgroundId, eadi::kBackgroundSize, [](cairo_t* cr) { drawBezel(cr, Lighting::kDay); });
  art.add(eadi::kLightingOverlayId, eadi::kBackgroundSize, [](cairo_t* cr) { drawBezel(cr, Lighting::kNight); });
  art.add(eadi::kBallId, eadi::kBallSize, [](cairo_t* cr) {
    const double r = eadi::kBallSize.width / 2.0;
    cairo_pattern_t* shade = cairo_pattern_create_radial(r * 0.7, r * 0.7, 1.0, r, r, r);
    cairo_pattern_add_color_stop_rgb(shade, 0.0, 0.95, 0.95, 0.95);
    cairo_pattern_add_color_stop_rgb(shade, 1.0, 0.25, 0.25, 0.25);
    cairo_arc(cr, r, r, r - 0.5, 0, 6.283185307179586);
    cairo_set_source(cr, shade);
    cairo_fill(cr);
    cairo_pattern_destroy(shade);
  });
  art.add(eadi::kScreenId, eadi::kScreenSize, [](cairo_t* cr) {
    setColour(cr, palette(Lighting::kDay).face);
    cairo_paint(cr);
  });
}

}  // namespace xaq::art
