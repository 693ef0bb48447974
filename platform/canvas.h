#pragma once
// The drawing canvas of the glass displays: the subset of GDI they draw with, object for object.
// Pens, brushes, fonts and regions are made, selected and deleted as in GDI, so a display's frame
// keeps the same lists of objects on every side. Win32 draws on the device context of the
// element's drawing surface; the portable side draws into the surface's pixels with cairo; the
// recording canvas (platform/testing/recording_canvas.h) lets tests check what was drawn.
//
// Geometry is GDI's: a rectangle or ellipse box includes its left/top edge and excludes its
// right/bottom edge; arcs run counter-clockwise from the start radial to the end radial; text
// stands at its reference point by the alignment; escapement is in tenths of a degree,
// counter-clockwise.

#include <cstdint>

namespace xaq::platform {

using Colour = std::uint32_t;       // COLORREF, 0x00BBGGRR
using CanvasObject = std::uintptr_t;  // a pen, brush, font or region; 0 = none

struct Point {
  std::int32_t x = 0;
  std::int32_t y = 0;
};

enum class StockObject : std::uint8_t { kBlackPen, kBlackBrush, kNullPen, kNullBrush, kSystemFont };

enum class TextAlign : std::uint8_t { kLeft, kCentre, kRight };
enum class TextBase : std::uint8_t { kTop, kBaseline, kBottom };

struct FontSpec {
  const char* face = "";
  std::int32_t height = 0;          // cell height in pixels
  std::int32_t weight = 400;        // 100..900
  std::int32_t escapementTenths = 0;
};

class Canvas {
 public:
  virtual ~Canvas() = default;

  virtual CanvasObject createPen(Colour colour, std::int32_t width) = 0;
  virtual CanvasObject createBrush(Colour colour) = 0;
  virtual CanvasObject createFont(const FontSpec& font) = 0;
  virtual CanvasObject createRectRegion(std::int32_t left, std::int32_t top, std::int32_t right,
                                        std::int32_t bottom) = 0;
  virtual CanvasObject createEllipticRegion(std::int32_t left, std::int32_t top, std::int32_t right,
                                            std::int32_t bottom) = 0;
  // destination = a AND b (destination must be an existing region, as in GDI).
  virtual bool intersectRegions(CanvasObject destination, CanvasObject a, CanvasObject b) = 0;
  virtual CanvasObject stockObject(StockObject which) = 0;
  // Selects a pen, brush or font into the canvas.
  virtual void select(CanvasObject object) = 0;
  virtual void deleteObject(CanvasObject object) = 0;
  // The clip region (a copy is taken, as SelectClipRgn does); 0 removes the clip.
  virtual void selectClip(CanvasObject region) = 0;

  virtual void setTextColour(Colour colour) = 0;
  virtual void setTextAlign(TextAlign align, TextBase base) = 0;

  virtual void rectangle(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom) = 0;
  virtual void ellipse(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom) = 0;
  virtual void arc(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
                   Point start, Point end) = 0;
  virtual void polygon(const Point* points, int count) = 0;
  virtual void moveTo(std::int32_t x, std::int32_t y) = 0;
  virtual void lineTo(std::int32_t x, std::int32_t y) = 0;
  virtual void textOut(std::int32_t x, std::int32_t y, const char* text, int length) = 0;
};

// What the host hands a glass element: the device context (a DIB section's on Windows, a token
// of the program playing the host elsewhere) and the pixels behind it.
struct Surface {
  void* deviceContext = nullptr;
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::int32_t pitch = 0;       // bytes per row, top row first
  std::uint32_t bitsPerPixel = 32;
  std::uint8_t* bits = nullptr;
};

// Opens a canvas on a surface for one frame. open() returns null when the surface cannot be
// drawn on; close() ends the frame and flushes what was drawn into the surface.
class CanvasFactory {
 public:
  virtual ~CanvasFactory() = default;
  virtual Canvas* open(const Surface& surface) = 0;
  virtual void close(Canvas* canvas) = 0;
};

}  // namespace xaq::platform
