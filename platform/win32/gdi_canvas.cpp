#include "platform/win32/gdi_canvas.h"

#include <windows.h>

#include <cstring>

namespace xaq::platform {

namespace {

HGDIOBJ obj(CanvasObject o) { return reinterpret_cast<HGDIOBJ>(o); }
CanvasObject handle(HGDIOBJ o) { return reinterpret_cast<CanvasObject>(o); }

class GdiCanvas final : public Canvas {
 public:
  bool begin(HDC dc) {
    dc_ = dc;
    if (dc_ == nullptr) return false;
    SetMapMode(dc_, MM_TEXT);
    SetBkMode(dc_, TRANSPARENT);
    return true;
  }
  void end() {
    SelectClipRgn(dc_, nullptr);
    dc_ = nullptr;
  }

  CanvasObject createPen(Colour colour, std::int32_t width) override {
    return handle(CreatePen(PS_SOLID, width, colour));
  }
  CanvasObject createBrush(Colour colour) override { return handle(CreateSolidBrush(colour)); }
  CanvasObject createFont(const FontSpec& font) override {
    LOGFONTA f{};
    f.lfHeight = font.height;
    f.lfWeight = font.weight;
    f.lfEscapement = font.escapementTenths;
    f.lfOrientation = font.escapementTenths;
    f.lfCharSet = DEFAULT_CHARSET;
    f.lfQuality = PROOF_QUALITY;
    if (font.face != nullptr) std::strncpy(f.lfFaceName, font.face, LF_FACESIZE - 1);
    return handle(CreateFontIndirectA(&f));
  }
  CanvasObject createRectRegion(std::int32_t l, std::int32_t t, std::int32_t r, std::int32_t b) override {
    return handle(CreateRectRgn(l, t, r, b));
  }
  CanvasObject createEllipticRegion(std::int32_t l, std::int32_t t, std::int32_t r, std::int32_t b) override {
    return handle(CreateEllipticRgn(l, t, r, b));
  }
  bool intersectRegions(CanvasObject d, CanvasObject a, CanvasObject b) override {
    return CombineRgn(static_cast<HRGN>(obj(d)), static_cast<HRGN>(obj(a)), static_cast<HRGN>(obj(b)), RGN_AND) != ERROR;
  }
  CanvasObject stockObject(StockObject which) override {
    switch (which) {
      case StockObject::kBlackPen: return handle(GetStockObject(BLACK_PEN));
      case StockObject::kBlackBrush: return handle(GetStockObject(BLACK_BRUSH));
      case StockObject::kNullPen: return handle(GetStockObject(NULL_PEN));
      case StockObject::kNullBrush: return handle(GetStockObject(NULL_BRUSH));
      case StockObject::kSystemFont: return handle(GetStockObject(SYSTEM_FONT));
    }
    return 0;
  }
  void select(CanvasObject o) override {
    if (o != 0) SelectObject(dc_, obj(o));
  }
  void deleteObject(CanvasObject o) override {
    if (o != 0) DeleteObject(obj(o));
  }
  void selectClip(CanvasObject region) override { SelectClipRgn(dc_, static_cast<HRGN>(obj(region))); }
  void setTextColour(Colour colour) override { SetTextColor(dc_, colour); }
  void setTextAlign(TextAlign align, TextBase base) override {
    UINT flags = align == TextAlign::kLeft ? TA_LEFT : align == TextAlign::kCentre ? TA_CENTER : TA_RIGHT;
    flags |= base == TextBase::kTop ? TA_TOP : base == TextBase::kBaseline ? TA_BASELINE : TA_BOTTOM;
    SetTextAlign(dc_, flags);
  }
  void rectangle(std::int32_t l, std::int32_t t, std::int32_t r, std::int32_t b) override { Rectangle(dc_, l, t, r, b); }
  void ellipse(std::int32_t l, std::int32_t t, std::int32_t r, std::int32_t b) override { Ellipse(dc_, l, t, r, b); }
  void arc(std::int32_t l, std::int32_t t, std::int32_t r, std::int32_t b, Point s, Point e) override {
    Arc(dc_, l, t, r, b, s.x, s.y, e.x, e.y);
  }
  void polygon(const Point* points, int count) override {
    if (points == nullptr || count < 2 || count > 512) return;
    POINT p[512];
    for (int i = 0; i < count; ++i) p[i] = {points[i].x, points[i].y};
    Polygon(dc_, p, count);
  }
  void moveTo(std::int32_t x, std::int32_t y) override { MoveToEx(dc_, x, y, nullptr); }
  void lineTo(std::int32_t x, std::int32_t y) override { LineTo(dc_, x, y); }
  void textOut(std::int32_t x, std::int32_t y, const char* text, int length) override {
    if (text != nullptr && length > 0) ExtTextOutA(dc_, x, y, 0, nullptr, text, static_cast<UINT>(length), nullptr);
  }

 private:
  HDC dc_ = nullptr;
};

class GdiCanvasFactory final : public CanvasFactory {
 public:
  Canvas* open(const Surface& surface) override {
    if (busy_ || !canvas_.begin(static_cast<HDC>(surface.deviceContext))) return nullptr;
    busy_ = true;
    return &canvas_;
  }
  void close(Canvas* canvas) override {
    if (canvas != &canvas_ || !busy_) return;
    canvas_.end();
    GdiFlush();
    busy_ = false;
  }

 private:
  GdiCanvas canvas_;
  bool busy_ = false;
};

}  // namespace

CanvasFactory& gdiCanvases() {
  static GdiCanvasFactory factory;
  return factory;
}

}  // namespace xaq::platform
