// The five switchlights beside the advisory display: a plate with a lens for each, and for each
// position its dark lens and every lit legend it can show, some with the lit bar under the
// legend. The lights are their own illumination: no night images.

#include <cstddef>

#include "gauges/glareshield/switchlights_layout.h"
#include "resources/artwork/art_kit.h"
#include "resources/artwork/families.h"

namespace xaq::art {

namespace {

namespace gs = gauges::glareshield;

void drawSwitchlight(cairo_t* cr, const gs::SwitchlightImage* image) {
  const double w = gs::kSwitchlightSize.width, h = gs::kSwitchlightSize.height;
  setColour(cr, rgb(0x18191A));
  cairo_rectangle(cr, 0, 0, w, h);
  cairo_fill(cr);
  if (image == nullptr) {
    setColour(cr, rgb(0x26282A));
    cairo_rectangle(cr, 3, 3, w - 6, h - 6);
    cairo_fill(cr);
    return;
  }
  // Lit legends glow on the dark lens, as a switchlight's do.
  setColour(cr, rgb(0x202224));
  cairo_rectangle(cr, 3, 3, w - 6, h - 6);
  cairo_fill(cr);
  const Colour lens = rgb(image->lens);
  drawText(cr, w / 2, h * 0.40, image->legend, h * 0.32, lens);
  if (image->bar) {
    setColour(cr, lens);
    cairo_rectangle(cr, w * 0.2, h * 0.68, w * 0.6, h * 0.12);
    cairo_fill(cr);
  }
}

void drawPlate(cairo_t* cr) {
  setColour(cr, palette(Lighting::kDay).panel);
  cairo_rectangle(cr, 0, 0, gs::kSwitchlightsSize.width, gs::kSwitchlightsSize.height);
  cairo_fill(cr);
  for (int i = 0; i < 5; ++i) {
    const gs::Rect r = gs::switchlightAt(i);
    cairo_save(cr);
    cairo_translate(cr, r.x, r.y);
    drawSwitchlight(cr, nullptr);
    cairo_restore(cr);
  }
}

}  // namespace

void addSwitchlightsArt(Registry& art) {
  art.add(gs::kSwitchlightsBackgroundId, gs::kSwitchlightsSize, [](cairo_t* cr) { drawPlate(cr); });
  art.add(gs::kSwitchlightsVBackgroundId, gs::kSwitchlightsSize, [](cairo_t* cr) { drawPlate(cr); });
  for (const gs::SwitchlightLayout& s : gs::kSwitchlights) {
    art.add(s.firstId, gs::kSwitchlightSize, [](cairo_t* cr) { drawSwitchlight(cr, nullptr); });
    for (int i = 0; i < s.litCount; ++i) {
      const gs::SwitchlightImage* image = &s.images[i];
      art.add(s.firstId + 1 + static_cast<std::uint32_t>(i), gs::kSwitchlightSize,
              [image](cairo_t* cr) { drawSwitchlight(cr, image); });
    }
  }
}

}  // namespace xaq::art
