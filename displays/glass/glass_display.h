#pragma once
// The base of every display drawn on a glass element's surface (attitude, heading, traffic and
// CDU screens): the per-frame canvas, a 16-colour palette scaled by the display's brightness, and
// the pens, brushes and fonts made during a frame, all deleted when the frame ends.

#include <array>
#include <cstdint>

#include "platform/canvas.h"

namespace xaq::displays {

using platform::CanvasObject;
using platform::Colour;

// The element a display draws on, as the gauge hands it over before the frame: the surface the
// host made, and the element's image flags (bit 31 is cleared after a frame that drew).
struct GlassElement {
  platform::Surface surface;
  std::uint32_t* imageFlags = nullptr;
};

inline constexpr std::uint32_t kImageOnScreenBit = 1u << 31;

// Palette entries: 0..7 full colours, 8..15 the same colours dimmed by the brightness.
enum PaletteIndex : int {
  kWhite = 0, kMagenta, kYellow, kGreen, kCyan, kAmber, kRed, kBrown,
  kDimWhite, kDimMagenta, kDimYellow, kDimGreen, kDimCyan, kDimAmber, kDimRed, kDimBrown,
};

// One channel of a colour times a scale, truncated and masked to 8 bits.
std::uint32_t scaledChannel(double value, double scale);
Colour scaledColour(Colour colour, double scale);
Colour rgb(std::uint32_t red, std::uint32_t green, std::uint32_t blue);

std::array<Colour, 16> glassPalette(double brightness);

// Coordinates are computed in doubles and rounded half away from zero to whole pixels.
std::int32_t toPixel(double value);

class GlassDisplay {
 public:
  static constexpr int kMaxObjects = 256;

  // canvases: where frames are drawn (null: frames are skipped).
  explicit GlassDisplay(platform::CanvasFactory* canvases) : canvases_(canvases) {}
  virtual ~GlassDisplay() = default;
  GlassDisplay(const GlassDisplay&) = delete;
  GlassDisplay& operator=(const GlassDisplay&) = delete;

  // Set by the gauge before the frame; null (or a surface without device context) skips it.
  void setElement(const GlassElement* element) { element_ = element; }
  // One frame on the element's surface, from canvas set-up to releasing every object made.
  void frame();

  double brightness = 1.0;

  int penCount() const { return penCount_; }
  int brushCount() const { return brushCount_; }
  int fontCount() const { return fontCount_; }
  const std::array<Colour, 16>& palette() const { return palette_; }

 protected:
  // The derived display's drawing; the canvas is open while it runs.
  virtual void draw() {}

  // Made for this frame only. A full list yields the matching stock object (nothing visible)
  // rather than an object no list would delete.
  CanvasObject makePen(Colour colour, double scale, std::int32_t width);
  CanvasObject makeBrush(Colour colour, double scale);
  CanvasObject makeFont(std::int32_t height, std::int32_t weight, const char* face,
                        std::int32_t escapementTenths = 0);

  platform::Canvas& canvas() { return *canvas_; }
  Colour colour(int index) const { return palette_[static_cast<std::size_t>(index & 15)]; }

  bool changed = false;
  double width = 0.0, height = 0.0;
  double centreX = 0.0, centreY = 0.0;

 private:
  void release();

  platform::CanvasFactory* canvases_;
  const GlassElement* element_ = nullptr;
  platform::Canvas* canvas_ = nullptr;
  std::array<CanvasObject, kMaxObjects> pens_{}, brushes_{}, fonts_{};
  int penCount_ = 0, brushCount_ = 0, fontCount_ = 0;
  std::array<Colour, 16> palette_ = glassPalette(1.0);
};

}  // namespace xaq::displays
