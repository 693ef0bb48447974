#include "fms/cdu/cdu_page.h"

#include "fms/cdu/cdu.h"

namespace xaq::fms {

namespace {
constexpr double kAspect = 1.678;
constexpr double kRowPitch = 29.0 / 550.0;
constexpr char kFace[] = "Glass Gauge";
}  // namespace

CduPage::CduPage(Cdu& cdu) : GlassDisplay(cdu.canvases()), cdu_(cdu) {}

double CduPage::simTimeS() const { return cdu_.now().nowS; }

double CduPage::columnX(int column) const { return width * (column / 24.0 + 0.02); }
double CduPage::baselineY(int row) const { return height * kAspect * kRowPitch * (row + 1); }

void CduPage::beginScreen() {
  platform::Canvas& c = canvas();
  c.select(c.stockObject(platform::StockObject::kNullPen));
  c.select(c.stockObject(platform::StockObject::kBlackBrush));
  c.rectangle(0, 0, displays::toPixel(width) + 1, displays::toPixel(height) + 1);
  largeFont_ = makeFont(displays::toPixel(0.07 * kAspect * height), 400, kFace);
  smallFont_ = makeFont(displays::toPixel(0.05 * kAspect * height), 400, kFace);
  c.setTextAlign(platform::TextAlign::kCentre, platform::TextBase::kBaseline);
  changed = true;
}

void CduPage::drawText(std::string_view text, int column, int row, int colourIndex, unsigned flags) {
  if (text.empty() || text.size() > 64) return;
  platform::Canvas& c = canvas();
  const int count = static_cast<int>(text.size());
  const int first = (flags & kRight) != 0 ? column - count + 1 : column;
  const Colour ink = colour(colourIndex);
  if ((flags & kInverse) != 0) {
    const double pad = 0.01 * kAspect * height;
    c.select(c.stockObject(platform::StockObject::kNullPen));
    c.select(makeBrush(ink, 1.0));
    c.rectangle(displays::toPixel(columnX(first) - 0.02 * width), displays::toPixel(baselineY(row - 1) + pad),
                displays::toPixel(columnX(first + count - 1) + 0.02 * width), displays::toPixel(baselineY(row) + pad));
  }
  c.select((flags & kSmall) != 0 ? smallFont_ : largeFont_);
  c.setTextColour((flags & kInverse) != 0 ? 0x000000 : ink);
  c.setTextAlign(platform::TextAlign::kCentre, platform::TextBase::kBaseline);
  const std::int32_t y = displays::toPixel(baselineY(row));
  for (int i = 0; i < count; ++i) {
    const int col = first + i;
    if (col < 0 || col >= kCduColumns || text[static_cast<std::size_t>(i)] == ' ') continue;
    c.textOut(displays::toPixel(columnX(col)), y, &text[static_cast<std::size_t>(i)], 1);
  }
  changed = true;
}

void CduPage::drawLineSelectMarker(int side, int column, int row) {
  platform::Canvas& c = canvas();
  c.select(makePen(0xFFFFFF, brightness * 0.8, 1));
  const double cx = columnX(column), base = baselineY(row);
  const double half = 0.014 * width, up = 0.025 * kAspect * height;
  const double tip = side == 1 ? cx - half : cx + half, tail = side == 1 ? cx + half : cx - half;
  const double mid = base - up * 0.6;
  c.moveTo(displays::toPixel(tail), displays::toPixel(mid));
  c.lineTo(displays::toPixel(tip), displays::toPixel(mid));
  c.moveTo(displays::toPixel(tip), displays::toPixel(mid));
  c.lineTo(displays::toPixel((tip + tail) / 2), displays::toPixel(mid - up * 0.4));
  c.moveTo(displays::toPixel(tip), displays::toPixel(mid));
  c.lineTo(displays::toPixel((tip + tail) / 2), displays::toPixel(mid + up * 0.4));
  changed = true;
}

void CduPage::drawEntry(int column, int row, int colourIndex, unsigned flags) {
  const std::string shown = entry.shown(simTimeS());
  if (!shown.empty()) drawText(shown, column, row, colourIndex, flags | kInverse);
}

void CduPage::drawReturn(std::string_view label) {
  drawText(label, 23, 10, kLabelColour, kRight);
  drawLineSelectMarker(2, 23, 10);
}

}  // namespace xaq::fms
