#pragma once
// The drawing canvas of the glass displays: the subset of GDI they draw with. Win32 opens it on
// the device context of the element's drawing surface; the portable side draws into the
// surface's pixels with cairo. A recording canvas lets tests check what was drawn.

#include <cstdint>

namespace xaq::platform {

using Colour = std::uint32_t;  // COLORREF, 0x00BBGGRR

enum class TextAlign : std::uint8_t { kLeft, kCentre, kRight };

struct Point {
  std::int32_t x = 0;
  std::int32_t y = 0;
};

class Canvas {
 public:
  virtual ~Canvas() = default;
  virtual void setPen(Colour colour, std::int32_t width) = 0;
  virtual void setNullPen() = 0;
  virtual void setBrush(Colour colour) = 0;
  virtual void setNullBrush() = 0;
  // Height in pixels, weight 100..900, escapement in tenths of a degree, counter-clockwise.
  virtual void setFont(const char* face, std::int32_t height, std::int32_t weight,
                       std::int32_t escapementTenths) = 0;
  virtual void setTextColour(Colour colour) = 0;
  virtual void rectangle(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom) = 0;
  virtual void ellipse(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom) = 0;
  // Counter-clockwise arc of the ellipse in the box, from the start radial to the end radial.
  virtual void arc(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
                   Point start, Point end) = 0;
  virtual void polygon(const Point* points, int count) = 0;
  virtual void polyline(const Point* points, int count) = 0;
  virtual void text(std::int32_t x, std::int32_t y, const char* text, TextAlign align) = 0;
  virtual void clipEllipse(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom) = 0;
  virtual void clipRectangle(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom) = 0;
  virtual void clearClip() = 0;
};

}  // namespace xaq::platform
