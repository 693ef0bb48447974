// The clipboard: a hardboard board on the panel plate, its metal clip at the top edge, and the
// sheet the 16 text lines stand on, in the text boxes' own background colour so the lines sit on
// it without edges.

#include "gauges/services/clipboard_layout.h"
#include "resources/artwork/art_kit.h"
#include "resources/artwork/families.h"

namespace xaq::art {

namespace {

namespace cb = gauges::clipboard;

// COLORREF 0x00BBGGRR as a colour.
Colour fromColourRef(std::uint32_t value) {
  return rgb(((value & 0xFF) << 16) | (value & 0xFF00) | ((value >> 16) & 0xFF));
}

void paintClipboard(cairo_t* cr) {
  const Size size = cb::kBackgroundSize;
  setColour(cr, palette(Lighting::kDay).panel);
  cairo_paint(cr);

  // The board, with a darker rim where its edge is cut.
  roundedRectangle(cr, 0.5, 8.5, size.width - 1, size.height - 9, 7);
  cairo_pattern_t* wood = cairo_pattern_create_linear(0, 0, size.width, size.height);
  cairo_pattern_add_color_stop_rgb(wood, 0, 0.55, 0.38, 0.22);
  cairo_pattern_add_color_stop_rgb(wood, 1, 0.42, 0.28, 0.16);
  cairo_set_source(cr, wood);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(wood);
  setColour(cr, rgb(0x2E1E10));
  cairo_set_line_width(cr, 1.0);
  cairo_stroke(cr);

  // The sheet, with a faint edge and its shadow on the board.
  const double x = cb::kSheetAt.x, y = cb::kSheetAt.y;
  const double w = cb::kSheetSize.width, h = cb::kSheetSize.height;
  cairo_rectangle(cr, x + 2, y + 2, w, h);
  cairo_set_source_rgba(cr, 0, 0, 0, 0.35);
  cairo_fill(cr);
  cairo_rectangle(cr, x, y, w, h);
  setColour(cr, fromColourRef(cb::kTextBackground));
  cairo_fill_preserve(cr);
  setColour(cr, rgb(0x3A3A3A));
  cairo_stroke(cr);

  // The clip: a bright metal bar with its hinge and two rivets.
  const double cx = cb::kClipAt.x, cy = cb::kClipAt.y, cw = cb::kClipSize.width, ch = cb::kClipSize.height;
  roundedRectangle(cr, cx, cy, cw, ch, 4);
  cairo_pattern_t* metal = cairo_pattern_create_linear(0, cy, 0, cy + ch);
  cairo_pattern_add_color_stop_rgb(metal, 0, 0.92, 0.92, 0.94);
  cairo_pattern_add_color_stop_rgb(metal, 0.5, 0.62, 0.63, 0.66);
  cairo_pattern_add_color_stop_rgb(metal, 1, 0.80, 0.80, 0.83);
  cairo_set_source(cr, metal);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(metal);
  setColour(cr, rgb(0x505058));
  cairo_stroke(cr);
  for (double rx : {cx + 10, cx + cw - 10}) {
    cairo_arc(cr, rx, cy + ch / 2, 2.5, 0, 6.283185307179586);
    setColour(cr, rgb(0x44444C));
    cairo_fill(cr);
  }
  cairo_rectangle(cr, cx + cw / 2 - 14, cy + ch - 5, 28, 3);
  setColour(cr, rgb(0x707078));
  cairo_fill(cr);
}

}  // namespace

void addClipboardArt(Registry& art) { art.add(cb::kBackgroundId, cb::kBackgroundSize, paintClipboard); }

}  // namespace xaq::art
