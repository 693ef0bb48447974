// The electronic attitude director's bezel by day and lit, and its screen: the dark glass the
// display draws on, whose size the host gives the drawing surface.

#include "gauges/glass/eadi_layout.h"
#include "resources/artwork/art_kit.h"
#include "resources/artwork/families.h"

namespace xaq::art {

namespace eadi = gauges::eadi;

void addEadiArt(Registry& art) {
  art.add(eadi::kBackgroundId, eadi::kBackgroundSize, [](cairo_t* cr) {
    drawScreenBezel(cr, eadi::kBackgroundSize, eadi::kScreenAt, eadi::kScreenSize, palette(Lighting::kDay));
  });
  art.add(eadi::kLightingOverlayId, eadi::kBackgroundSize, [](cairo_t* cr) {
    drawScreenBezel(cr, eadi::kBackgroundSize, eadi::kScreenAt, eadi::kScreenSize, palette(Lighting::kNight));
  });
  art.add(eadi::kScreenId, eadi::kScreenSize, [](cairo_t* cr) {
    setColour(cr, palette(Lighting::kDay).face);
    cairo_paint(cr);
  });
}

}  // namespace xaq::art
