// The warning and caution panels: dark grey cells with their legends in light grey, the lit
// cells red (warnings) or amber (cautions) with dark lettering. The panels have no night
// images: the lights are their own illumination.

#include <cstddef>
#include <string>

#include "gauges/annunciators/warning_layout.h"
#include "resources/artwork/art_kit.h"
#include "resources/artwork/families.h"

namespace xaq::art {

namespace {

namespace ap = gauges::annunciator_panels;

constexpr Colour kPanelGrey = rgb(0x3A3D40);
constexpr Colour kCellFrame = rgb(0x18191A);
constexpr Colour kUnlitCell = rgb(0x2A2C2E);
constexpr Colour kUnlitLegend = rgb(0xC4C6C8);
constexpr Colour kLitLegend = rgb(0x141414);
constexpr Colour kWarningRed = rgb(0xE0301E);
constexpr Colour kCautionAmber = rgb(0xF2A81C);

// A legend of more than one word goes on two lines, split at the space nearest its middle.
void drawLegend(cairo_t* cr, double x, double y, double w, double h, const char* legend, Colour colour) {
  const std::string text = legend;
  if (text.empty()) return;
  const double size = h * 0.30;
  const std::size_t middle = text.size() / 2;
  std::size_t split = std::string::npos;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != ' ') continue;
    const auto distance = [&](std::size_t k) { return k > middle ? k - middle : middle - k; };
    if (split == std::string::npos || distance(i) < distance(split)) split = i;
  }
  if (text.size() <= 8 || split == std::string::npos) {
    drawText(cr, x + w / 2, y + h / 2, text.c_str(), size, colour);
    return;
  }
  drawText(cr, x + w / 2, y + h * 0.32, text.substr(0, split).c_str(), size, colour);
  drawText(cr, x + w / 2, y + h * 0.70, text.substr(split + 1).c_str(), size, colour);
}

// One cell at `at`: a black frame line round a face, unlit grey or lit in the lens colour.
void drawCell(cairo_t* cr, Point at, const char* legend, bool lit, Colour lens) {
  const double w = ap::kCellSize.width, h = ap::kCellSize.height;
  setColour(cr, kCellFrame);
  cairo_rectangle(cr, at.x, at.y, w, h);
  cairo_fill(cr);
  setColour(cr, lit ? lens : kUnlitCell);
  cairo_rectangle(cr, at.x + 1.5, at.y + 1.5, w - 3, h - 3);
  cairo_fill(cr);
  drawLegend(cr, at.x + 2, at.y + 1, w - 4, h - 2, legend, lit ? kLitLegend : kUnlitLegend);
}

void drawPlate(cairo_t* cr, Size size) {
  setColour(cr, kPanelGrey);
  cairo_rectangle(cr, 0, 0, size.width, size.height);
  cairo_fill(cr);
}

void drawWarningRow(cairo_t* cr, Point origin) {
  for (int i = 0; i < ap::kWarningCells; ++i) {
    drawCell(cr, ap::warningCellAt(origin, i), ap::kWarningRow[i].legend, false, kWarningRed);
  }
}

void drawCautionGrid(cairo_t* cr, Point origin) {
  for (int i = 0; i < ap::kCautionCells; ++i) {
    drawCell(cr, ap::cautionCellAt(origin, i), ap::kCautionGrid[i].legend, false, kCautionAmber);
  }
}

template <std::size_t N>
void addLitCells(Registry& art, const ap::Cell (&cells)[N], Colour lens) {
  for (const ap::Cell& cell : cells) {
    if (cell.light == 0) continue;
    const char* legend = cell.legend;
    art.add(ap::litBitmapId(cell.light), ap::kCellSize,
            [legend, lens](cairo_t* cr) { drawCell(cr, Point{0, 0}, legend, true, lens); });
  }
}

}  // namespace

void addWarningPanelArt(Registry& art) {
  art.add(ap::kWarningLightsBackgroundId, ap::kPanelSize, [](cairo_t* cr) {
    drawPlate(cr, ap::kPanelSize);
    drawWarningRow(cr, ap::kPanelWarningRow);
    drawCautionGrid(cr, ap::kPanelCautionGrid);
    // The view strip: a plain darker band, the host's own area.
    setColour(cr, rgb(0x2E3033));
    cairo_rectangle(cr, ap::kPanelContentWidth + 4, 4, ap::kViewStripWidth - 8, ap::kPanelSize.height - 8);
    cairo_fill(cr);
  });
  art.add(ap::kWarningVBackgroundId, ap::kWarningVSize, [](cairo_t* cr) {
    drawPlate(cr, ap::kWarningVSize);
    drawWarningRow(cr, ap::kVcWarningRow);
  });
  art.add(ap::kCautionVBackgroundId, ap::kCautionVSize, [](cairo_t* cr) {
    drawPlate(cr, ap::kCautionVSize);
    drawCautionGrid(cr, ap::kVcCautionGrid);
  });
  addLitCells(art, ap::kWarningRow, kWarningRed);
  addLitCells(art, ap::kCautionGrid, kCautionAmber);
}

}  // namespace xaq::art
