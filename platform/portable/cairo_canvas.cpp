#include "platform/portable/cairo_canvas.h"

#include <cairo.h>

#include <cmath>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "platform/portable/latin1_text.h"

namespace xaq::platform {

namespace {

constexpr double kPi = 3.14159265358979323846;

struct Rgb {
  double r, g, b;
};
Rgb rgbOf(Colour c) { return {(c & 0xFF) / 255.0, ((c >> 8) & 0xFF) / 255.0, ((c >> 16) & 0xFF) / 255.0}; }

struct Region {
  // An intersection of rectangles and ellipses, kept as its shapes.
  struct Shape {
    bool ellipse;
    double l, t, r, b;
  };
  std::vector<Shape> shapes;
};

struct Object {
  enum class Kind { kPen, kBrush, kFont, kRegion } kind = Kind::kPen;
  Colour colour = 0;
  std::int32_t width = 1;
  FontSpec font;
  std::string face;
  Region region;
};

// Latin-1 text (the pages' degree sign) as UTF-8 for cairo.
std::string utf8(const char* text, int length) {
  return utf8FromLatin1(text, length > 0 ? static_cast<std::size_t>(length) : 0);
}

class CairoCanvas final : public Canvas {
 public:
  bool begin(const Surface& s) {
    if (s.bits == nullptr || s.width <= 0 || s.height <= 0 || s.bitsPerPixel != 32 ||
        s.pitch < cairo_format_stride_for_width(CAIRO_FORMAT_RGB24, s.width)) {
      return false;
    }
    surface_ = cairo_image_surface_create_for_data(s.bits, CAIRO_FORMAT_RGB24, s.width, s.height, s.pitch);
    if (cairo_surface_status(surface_) != CAIRO_STATUS_SUCCESS) {
      cairo_surface_destroy(surface_);
      surface_ = nullptr;
      return false;
    }
    cr_ = cairo_create(surface_);
    cairo_set_antialias(cr_, CAIRO_ANTIALIAS_NONE);
    pen_ = {true, 0, 1};
    brush_ = {true, 0xFFFFFF};
    fontIndex_ = 0;
    align_ = TextAlign::kLeft;
    base_ = TextBase::kTop;
    return true;
  }
  void end() {
    if (cr_ != nullptr) cairo_destroy(cr_);
    if (surface_ != nullptr) {
      cairo_surface_flush(surface_);
      cairo_surface_destroy(surface_);
    }
    cr_ = nullptr;
    surface_ = nullptr;
    objects_.clear();
  }

  CanvasObject createPen(Colour colour, std::int32_t width) override {
    Object o;
    o.kind = Object::Kind::kPen;
    o.colour = colour;
    o.width = width < 1 ? 1 : width;
    return add(std::move(o));
  }
  CanvasObject createBrush(Colour colour) override {
    Object o;
    o.kind = Object::Kind::kBrush;
    o.colour = colour;
    return add(std::move(o));
  }
  CanvasObject createFont(const FontSpec& font) override {
    Object o;
    o.kind = Object::Kind::kFont;
    o.font = font;
    o.face = cairoFontFamily(font.face);
    return add(std::move(o));
  }
  CanvasObject createRectRegion(std::int32_t l, std::int32_t t, std::int32_t r, std::int32_t b) override {
    Object o;
    o.kind = Object::Kind::kRegion;
    o.region.shapes.push_back({false, double(l), double(t), double(r), double(b)});
    return add(std::move(o));
  }
  CanvasObject createEllipticRegion(std::int32_t l, std::int32_t t, std::int32_t r, std::int32_t b) override {
    Object o;
    o.kind = Object::Kind::kRegion;
    o.region.shapes.push_back({true, double(l), double(t), double(r), double(b)});
    return add(std::move(o));
  }
  bool intersectRegions(CanvasObject d, CanvasObject a, CanvasObject b) override {
    Object* od = find(d, Object::Kind::kRegion);
    Object* oa = find(a, Object::Kind::kRegion);
    Object* ob = find(b, Object::Kind::kRegion);
    if (od == nullptr || oa == nullptr || ob == nullptr) return false;
    Region joined = oa->region;
    joined.shapes.insert(joined.shapes.end(), ob->region.shapes.begin(), ob->region.shapes.end());
    od->region = std::move(joined);
    return true;
  }
  CanvasObject stockObject(StockObject which) override { return kStockBase + static_cast<CanvasObject>(which); }
  void select(CanvasObject object) override {
    if (object >= kStockBase && object < kStockBase + 8) {
      switch (static_cast<StockObject>(object - kStockBase)) {
        case StockObject::kBlackPen: pen_ = {true, 0, 1}; break;
        case StockObject::kNullPen: pen_.visible = false; break;
        case StockObject::kBlackBrush: brush_ = {true, 0}; break;
        case StockObject::kNullBrush: brush_.visible = false; break;
        case StockObject::kSystemFont: fontIndex_ = 0; break;
      }
      return;
    }
    auto found = objects_.find(object);
    if (found == objects_.end()) return;
    const Object& o = found->second;
    if (o.kind == Object::Kind::kPen) pen_ = {true, o.colour, o.width};
    if (o.kind == Object::Kind::kBrush) brush_ = {true, o.colour};
    if (o.kind == Object::Kind::kFont) fontIndex_ = object;
  }
  void deleteObject(CanvasObject object) override {
    if (fontIndex_ == object) fontIndex_ = 0;
    objects_.erase(object);
  }
  void selectClip(CanvasObject region) override {
    cairo_reset_clip(cr_);
    const Object* o = find(region, Object::Kind::kRegion);
    if (o == nullptr) return;
    for (const Region::Shape& s : o->region.shapes) {
      boxPath(s.ellipse, s.l, s.t, s.r, s.b);
      cairo_clip(cr_);
    }
  }
  void setTextColour(Colour colour) override { textColour_ = colour; }
  void setTextAlign(TextAlign align, TextBase base) override {
    align_ = align;
    base_ = base;
  }

  // GDI fills the box's interior up to the excluded right/bottom edge and draws the outline
  // with the pen inside it.
  void rectangle(std::int32_t l, std::int32_t t, std::int32_t r, std::int32_t b) override {
    shape(false, l, t, r, b);
  }
  void ellipse(std::int32_t l, std::int32_t t, std::int32_t r, std::int32_t b) override { shape(true, l, t, r, b); }
  void arc(std::int32_t l, std::int32_t t, std::int32_t r, std::int32_t b, Point s, Point e) override {
    if (!pen_.visible || r <= l || b <= t) return;
    const double cx = (l + r) / 2.0, cy = (t + b) / 2.0, rx = (r - l) / 2.0, ry = (b - t) / 2.0;
    // Counter-clockwise on the screen is decreasing angle in cairo's y-down frame.
    const double a0 = std::atan2((s.y - cy) / ry, (s.x - cx) / rx);
    const double a1 = std::atan2((e.y - cy) / ry, (e.x - cx) / rx);
    cairo_save(cr_);
    cairo_translate(cr_, cx, cy);
    cairo_scale(cr_, rx, ry);
    cairo_new_path(cr_);
    cairo_arc_negative(cr_, 0, 0, 1, a0, a1 < a0 ? a1 : a1 - 2 * kPi);
    cairo_restore(cr_);
    strokePen();
  }
  void polygon(const Point* points, int count) override {
    if (points == nullptr || count < 2) return;
    cairo_new_path(cr_);
    cairo_move_to(cr_, points[0].x + 0.5, points[0].y + 0.5);
    for (int i = 1; i < count; ++i) cairo_line_to(cr_, points[i].x + 0.5, points[i].y + 0.5);
    cairo_close_path(cr_);
    fillAndStroke();
  }
  void moveTo(std::int32_t x, std::int32_t y) override { at_ = {x, y}; }
  void lineTo(std::int32_t x, std::int32_t y) override {
    if (pen_.visible) {
      // GDI leaves the end point itself unpainted.
      const double dx = x - at_.x, dy = y - at_.y, len = std::hypot(dx, dy);
      if (len > 0) {
        cairo_new_path(cr_);
        cairo_move_to(cr_, at_.x + 0.5, at_.y + 0.5);
        cairo_line_to(cr_, x + 0.5 - dx / len * 0.5, y + 0.5 - dy / len * 0.5);
        strokePen();
      }
    }
    at_ = {x, y};
  }
  void textOut(std::int32_t x, std::int32_t y, const char* text, int length) override {
    if (text == nullptr || length <= 0) return;
    const std::string s = utf8(text, length);
    auto found = objects_.find(fontIndex_);
    const Object* font = found != objects_.end() ? &found->second : nullptr;
    const double height = font != nullptr && font->font.height != 0 ? std::abs(font->font.height) : 16.0;
    cairo_select_font_face(cr_, font != nullptr ? font->face.c_str() : "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL,
                           font != nullptr && font->font.weight >= 600 ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    // A GDI cell height: ascent plus descent of the face.
    cairo_set_font_size(cr_, height);
    cairo_font_extents_t fe;
    cairo_font_extents(cr_, &fe);
    const double size = fe.ascent + fe.descent > 0 ? height * height / (fe.ascent + fe.descent) : height;
    cairo_set_font_size(cr_, size);
    cairo_font_extents(cr_, &fe);
    cairo_text_extents_t te;
    cairo_text_extents(cr_, s.c_str(), &te);
    double dx = align_ == TextAlign::kLeft ? 0.0 : align_ == TextAlign::kCentre ? -te.x_advance / 2.0 : -te.x_advance;
    double dy = base_ == TextBase::kBaseline ? 0.0 : base_ == TextBase::kTop ? fe.ascent : -fe.descent;
    cairo_save(cr_);
    cairo_translate(cr_, x, y);
    if (font != nullptr && font->font.escapementTenths != 0) cairo_rotate(cr_, -font->font.escapementTenths * kPi / 1800.0);
    const Rgb c = rgbOf(textColour_);
    cairo_set_source_rgb(cr_, c.r, c.g, c.b);
    cairo_move_to(cr_, dx, dy);
    cairo_show_text(cr_, s.c_str());
    cairo_restore(cr_);
  }

 private:
  static constexpr CanvasObject kStockBase = 0x7FFF0000u;
  struct Pen {
    bool visible;
    Colour colour;
    std::int32_t width;
  };
  struct Brush {
    bool visible;
    Colour colour;
  };

  CanvasObject add(Object o) {
    const CanvasObject h = ++next_;
    objects_.emplace(h, std::move(o));
    return h;
  }
  Object* find(CanvasObject h, Object::Kind kind) {
    auto f = objects_.find(h);
    return f != objects_.end() && f->second.kind == kind ? &f->second : nullptr;
  }
  void boxPath(bool isEllipse, double l, double t, double r, double b) {
    cairo_new_path(cr_);
    if (!isEllipse) {
      cairo_rectangle(cr_, l, t, r - l, b - t);
      return;
    }
    cairo_save(cr_);
    cairo_translate(cr_, (l + r) / 2.0, (t + b) / 2.0);
    cairo_scale(cr_, (r - l) / 2.0 > 0 ? (r - l) / 2.0 : 1e-3, (b - t) / 2.0 > 0 ? (b - t) / 2.0 : 1e-3);
    cairo_arc(cr_, 0, 0, 1, 0, 2 * kPi);
    cairo_restore(cr_);
  }
  void shape(bool isEllipse, double l, double t, double r, double b) {
    if (r <= l || b <= t) return;
    if (brush_.visible) {
      boxPath(isEllipse, l, t, r, b);
      const Rgb c = rgbOf(brush_.colour);
      cairo_set_source_rgb(cr_, c.r, c.g, c.b);
      cairo_fill(cr_);
    }
    if (pen_.visible) {
      const double inset = pen_.width / 2.0;
      boxPath(isEllipse, l + inset, t + inset, r - inset, b - inset);
      strokePen();
    }
  }
  void fillAndStroke() {
    if (brush_.visible) {
      const Rgb c = rgbOf(brush_.colour);
      cairo_set_source_rgb(cr_, c.r, c.g, c.b);
      if (pen_.visible) cairo_fill_preserve(cr_);
      else cairo_fill(cr_);
    }
    if (pen_.visible) strokePen();
    cairo_new_path(cr_);
  }
  void strokePen() {
    const Rgb c = rgbOf(pen_.colour);
    cairo_set_source_rgb(cr_, c.r, c.g, c.b);
    cairo_set_line_width(cr_, pen_.width);
    cairo_stroke(cr_);
  }

  cairo_surface_t* surface_ = nullptr;
  cairo_t* cr_ = nullptr;
  std::map<CanvasObject, Object> objects_;
  CanvasObject next_ = 0x100;
  Pen pen_{true, 0, 1};
  Brush brush_{true, 0xFFFFFF};
  CanvasObject fontIndex_ = 0;
  Colour textColour_ = 0;
  TextAlign align_ = TextAlign::kLeft;
  TextBase base_ = TextBase::kTop;
  Point at_;
};

class CairoCanvasFactory final : public CanvasFactory {
 public:
  Canvas* open(const Surface& surface) override {
    if (busy_ || !canvas_.begin(surface)) return nullptr;
    busy_ = true;
    return &canvas_;
  }
  void close(Canvas* canvas) override {
    if (canvas != &canvas_ || !busy_) return;
    canvas_.end();
    busy_ = false;
  }

 private:
  CairoCanvas canvas_;
  bool busy_ = false;
};

}  // namespace

const char* cairoFontFamily(const char* face) {
  if (face == nullptr) return "DejaVu Sans";
  if (std::strcmp(face, "Glass Gauge") == 0 || std::strcmp(face, "Quartz") == 0 ||
      std::strcmp(face, "Courier New") == 0) {
    return "DejaVu Sans Mono";
  }
  return "DejaVu Sans";
}

CanvasFactory& cairoCanvases() {
  static CairoCanvasFactory factory;
  return factory;
}

}  // namespace xaq::platform
