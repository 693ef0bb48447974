// The control-display unit's bezel: the plate round the screen, the ten line-select keys beside
// it and the 53 keys below it, each drawn at its mouse rectangle with its legend; the keyboard
// entry indicator unlit and lit; the screen the pages draw on.

#include <cstring>

#include "gauges/fms/fmc_layout.h"
#include "resources/artwork/art_kit.h"
#include "resources/artwork/families.h"

namespace xaq::art {

namespace fmc = gauges::fmc;

namespace {

void drawKey(cairo_t* cr, const fmc::Key& k) {
  const double x = k.x + 1, y = k.y + 1, w = k.width - 2, h = k.height - 2;
  roundedRectangle(cr, x, y, w, h, 3);
  setColour(cr, rgb(0x2A2C30));
  cairo_fill_preserve(cr);
  setColour(cr, rgb(0x5A5E66));
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  roundedRectangle(cr, x + 2, y + 2, w - 4, h - 5, 2);
  setColour(cr, rgb(0x3A3D43));
  cairo_fill(cr);
  if (k.legend[0] != '\0') {
    const double size = std::strlen(k.legend) > 1 ? 8.0 : 12.0;
    drawText(cr, k.x + k.width / 2.0, k.y + k.height / 2.0, k.legend, size, rgb(0xE8E8E0));
  }
}

void drawBezel(cairo_t* cr) {
  setColour(cr, rgb(0x4A4D52));
  cairo_paint(cr);
  roundedRectangle(cr, 2, 2, fmc::kBackgroundSize.width - 4, fmc::kBackgroundSize.height - 4, 8);
  setColour(cr, rgb(0x3C3F44));
  cairo_fill(cr);
  // The recess round the screen.
  roundedRectangle(cr, fmc::kScreenAt.x - 6, fmc::kScreenAt.y - 6, fmc::kScreenSize.width + 12, fmc::kScreenSize.height + 12, 4);
  setColour(cr, rgb(0x18191B));
  cairo_fill(cr);
  drawText(cr, fmc::kBackgroundSize.width / 2.0, 20, "FMS - 1B", 10, rgb(0xC8C8C0));
  for (const fmc::Key& k : fmc::kKeys) drawKey(cr, k);
  drawText(cr, fmc::kIndicatorAt.x + 7, fmc::kIndicatorAt.y - 8, "KBD", 7, rgb(0xC8C8C0));
}

void drawIndicator(cairo_t* cr, bool lit) {
  setColour(cr, rgb(0x101010));
  cairo_paint(cr);
  cairo_arc(cr, fmc::kIndicatorSize.width / 2.0, fmc::kIndicatorSize.height / 2.0, fmc::kIndicatorSize.width / 2.0 - 1.5, 0, 6.2832);
  setColour(cr, lit ? rgb(0x40FF50) : rgb(0x1E3A22));
  cairo_fill(cr);
}

}  // namespace

void addCduArt(Registry& art) {
  art.add(fmc::kBackgroundId, fmc::kBackgroundSize, [](cairo_t* cr) { drawBezel(cr); });
  art.add(fmc::kScreenId, fmc::kScreenSize, [](cairo_t* cr) {
    setColour(cr, rgb(0x101010));
    cairo_paint(cr);
  });
  art.add(fmc::kIndicatorOffId, fmc::kIndicatorSize, [](cairo_t* cr) { drawIndicator(cr, false); });
  art.add(fmc::kIndicatorOffId + 1, fmc::kIndicatorSize, [](cairo_t* cr) { drawIndicator(cr, true); });
}

}  // namespace xaq::art
