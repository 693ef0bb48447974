#include "displays/glass/glass_display.h"

#include <cmath>

namespace xaq::displays {

std::uint32_t scaledChannel(double value, double scale) {
  const double v = value * scale;
  if (!(v > 0.0)) return 0;  // also a NaN brightness
  return static_cast<std::uint32_t>(static_cast<std::int64_t>(std::fmin(v, 1.0e9))) & 0xFFu;
}

Colour rgb(std::uint32_t red, std::uint32_t green, std::uint32_t blue) {
  return (red & 0xFFu) | ((green & 0xFFu) << 8) | ((blue & 0xFFu) << 16);
}

Colour scaledColour(Colour c, double scale) {
  return rgb(scaledChannel(c & 0xFFu, scale), scaledChannel((c >> 8) & 0xFFu, scale),
             scaledChannel((c >> 16) & 0xFFu, scale));
}

std::array<Colour, 16> glassPalette(double b) {
  const auto ch = [b](double full) { return scaledChannel(full, b); };
  return {
      0xFFFFFF, 0xFF00FF, 0x00FFFF, 0x00FF00, 0xFFFF00, 0x00C0FF, 0x0000FF, 0x6DA9E1,
      rgb(ch(255), ch(255), ch(255)), rgb(ch(255), 0, ch(255)), rgb(ch(255), ch(255), 0), rgb(0, ch(255), 0),
      rgb(0, ch(255), ch(255)),       rgb(ch(255), ch(192), 0), rgb(ch(255), 0, 0),         rgb(ch(225), ch(169), ch(109)),
  };
}

std::int32_t toPixel(double value) {
  if (!std::isfinite(value)) return 0;
  const double r = std::round(value);  // half away from zero
  if (r > 1.0e9) return 1000000000;
  if (r < -1.0e9) return -1000000000;
  return static_cast<std::int32_t>(r);
}

void GlassDisplay::frame() {
  if (element_ == nullptr || element_->surface.deviceContext == nullptr || canvases_ == nullptr) return;
  canvas_ = canvases_->open(element_->surface);  // text mapping, transparent background
  if (canvas_ == nullptr) return;
  palette_ = glassPalette(brightness);
  width = element_->surface.width;
  height = element_->surface.height;
  centreX = width / 2.0;
  centreY = height / 2.0;
  changed = false;

  draw();

  canvas_->select(canvas_->stockObject(platform::StockObject::kNullPen));
  canvas_->select(canvas_->stockObject(platform::StockObject::kNullBrush));
  if (changed && element_->imageFlags != nullptr) *element_->imageFlags &= ~kImageOnScreenBit;
  release();
  canvases_->close(canvas_);
  canvas_ = nullptr;
}

void GlassDisplay::release() {
  canvas_->select(canvas_->stockObject(platform::StockObject::kNullPen));
  canvas_->select(canvas_->stockObject(platform::StockObject::kNullBrush));
  canvas_->select(canvas_->stockObject(platform::StockObject::kSystemFont));
  canvas_->selectClip(0);
  for (int i = 0; i < penCount_; ++i) canvas_->deleteObject(pens_[static_cast<std::size_t>(i)]);
  for (int i = 0; i < brushCount_; ++i) canvas_->deleteObject(brushes_[static_cast<std::size_t>(i)]);
  for (int i = 0; i < fontCount_; ++i) canvas_->deleteObject(fonts_[static_cast<std::size_t>(i)]);
  penCount_ = brushCount_ = fontCount_ = 0;
}

CanvasObject GlassDisplay::makePen(Colour c, double scale, std::int32_t penWidth) {
  if (canvas_ == nullptr) return 0;
  if (penCount_ >= kMaxObjects) return canvas_->stockObject(platform::StockObject::kNullPen);
  const CanvasObject pen = canvas_->createPen(scaledColour(c, scale), penWidth);
  if (pen != 0) pens_[static_cast<std::size_t>(penCount_++)] = pen;
  return pen;
}

CanvasObject GlassDisplay::makeBrush(Colour c, double scale) {
  if (canvas_ == nullptr) return 0;
  if (brushCount_ >= kMaxObjects) return canvas_->stockObject(platform::StockObject::kNullBrush);
  const CanvasObject brush = canvas_->createBrush(scaledColour(c, scale));
  if (brush != 0) brushes_[static_cast<std::size_t>(brushCount_++)] = brush;
  return brush;
}

CanvasObject GlassDisplay::makeFont(std::int32_t fontHeight, std::int32_t weight, const char* face,
                                    std::int32_t escapementTenths) {
  if (canvas_ == nullptr) return 0;
  if (fontCount_ >= kMaxObjects) return canvas_->stockObject(platform::StockObject::kSystemFont);
  const CanvasObject font = canvas_->createFont({face, fontHeight, weight, escapementTenths});
  if (font != 0) fonts_[static_cast<std::size_t>(fontCount_++)] = font;
  return font;
}

}  // namespace xaq::displays
