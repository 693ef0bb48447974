#pragma once
// A canvas that remembers what was drawn instead of drawing it, for the displays' tests: every
// text with its colour, font and reference point, every shape with its pen and brush, and the
// objects alive, so a test can say "the CDU drew 'FMS - 1B' in white at row 0" and "the frame
// left no object behind".

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "platform/canvas.h"

namespace xaq::platform::testing {

class RecordingCanvas final : public Canvas, public CanvasFactory {
 public:
  enum class Kind { kPen, kBrush, kFont, kRegion, kStock };
  struct Object {
    Kind kind = Kind::kStock;
    Colour colour = 0;
    std::int32_t width = 0;
    FontSpec font;
    std::string face;
    StockObject stock = StockObject::kNullPen;
  };
  struct Text {
    std::string text;
    Point at;
    Colour colour = 0;
    std::int32_t fontHeight = 0;
    std::string face;
    TextAlign align = TextAlign::kLeft;
    TextBase base = TextBase::kTop;
    std::int32_t escapementTenths = 0;
  };
  struct Shape {
    enum class Type { kRectangle, kEllipse, kArc, kPolygon, kLine } type;
    std::vector<Point> points;
    bool pen = false;    // drawn with a visible pen
    Colour penColour = 0;
    bool brush = false;  // filled
    Colour brushColour = 0;
  };

  // CanvasFactory: the recorder is its own canvas; each open starts a new recording frame.
  Canvas* open(const Surface& surface) override {
    if (refuse) return nullptr;
    ++framesOpened;
    lastSurface = surface;
    texts.clear();
    shapes.clear();
    return this;
  }
  void close(Canvas*) override { ++framesClosed; }

  CanvasObject createPen(Colour colour, std::int32_t width) override {
    Object o;
    o.kind = Kind::kPen;
    o.colour = colour;
    o.width = width;
    return add(o);
  }
  CanvasObject createBrush(Colour colour) override {
    Object o;
    o.kind = Kind::kBrush;
    o.colour = colour;
    return add(o);
  }
  CanvasObject createFont(const FontSpec& font) override {
    Object o;
    o.kind = Kind::kFont;
    o.font = font;
    o.face = font.face != nullptr ? font.face : "";
    return add(o);
  }
  CanvasObject createRectRegion(std::int32_t, std::int32_t, std::int32_t, std::int32_t) override {
    Object o;
    o.kind = Kind::kRegion;
    return add(o);
  }
  CanvasObject createEllipticRegion(std::int32_t, std::int32_t, std::int32_t, std::int32_t) override {
    Object o;
    o.kind = Kind::kRegion;
    return add(o);
  }
  bool intersectRegions(CanvasObject d, CanvasObject, CanvasObject) override { return live.count(d) != 0; }
  CanvasObject stockObject(StockObject which) override {
    const CanvasObject handle = 0x10000 + static_cast<CanvasObject>(which);
    stocks[handle] = which;
    return handle;
  }
  void select(CanvasObject object) override {
    if (auto s = stocks.find(object); s != stocks.end()) {
      switch (s->second) {
        case StockObject::kNullPen: pen_ = {}; break;
        case StockObject::kBlackPen: pen_ = {true, 0}; break;
        case StockObject::kNullBrush: brush_ = {}; break;
        case StockObject::kBlackBrush: brush_ = {true, 0}; break;
        case StockObject::kSystemFont: font_ = {}; break;
      }
      return;
    }
    auto o = live.find(object);
    if (o == live.end()) {
      ++badSelects;
      return;
    }
    if (o->second.kind == Kind::kPen) pen_ = {true, o->second.colour};
    if (o->second.kind == Kind::kBrush) brush_ = {true, o->second.colour};
    if (o->second.kind == Kind::kFont) font_ = o->second;
  }
  void deleteObject(CanvasObject object) override {
    if (live.erase(object) == 0) ++badDeletes;
  }
  void selectClip(CanvasObject region) override { clipSelected = region != 0; }
  void setTextColour(Colour colour) override { textColour_ = colour; }
  void setTextAlign(TextAlign align, TextBase base) override {
    align_ = align;
    base_ = base;
  }
  void rectangle(std::int32_t l, std::int32_t t, std::int32_t r, std::int32_t b) override {
    shape(Shape::Type::kRectangle, {{l, t}, {r, b}});
  }
  void ellipse(std::int32_t l, std::int32_t t, std::int32_t r, std::int32_t b) override {
    shape(Shape::Type::kEllipse, {{l, t}, {r, b}});
  }
  void arc(std::int32_t l, std::int32_t t, std::int32_t r, std::int32_t b, Point s, Point e) override {
    shape(Shape::Type::kArc, {{l, t}, {r, b}, s, e});
  }
  void polygon(const Point* points, int count) override {
    shape(Shape::Type::kPolygon, std::vector<Point>(points, points + std::max(count, 0)));
  }
  void moveTo(std::int32_t x, std::int32_t y) override { at_ = {x, y}; }
  void lineTo(std::int32_t x, std::int32_t y) override {
    shape(Shape::Type::kLine, {at_, {x, y}});
    at_ = {x, y};
  }
  void textOut(std::int32_t x, std::int32_t y, const char* text, int length) override {
    texts.push_back({std::string(text, static_cast<std::size_t>(std::max(length, 0))), {x, y}, textColour_,
                     font_.font.height, font_.face, align_, base_, font_.font.escapementTenths});
  }

  // Every text drawn this frame joined in drawing order (the CDU draws character by character).
  std::string allText() const {
    std::string out;
    for (const Text& t : texts) out += t.text;
    return out;
  }

  std::vector<Text> texts;
  std::vector<Shape> shapes;
  std::map<CanvasObject, Object> live;
  std::map<CanvasObject, StockObject> stocks;
  std::size_t created = 0;
  int badSelects = 0, badDeletes = 0;
  int framesOpened = 0, framesClosed = 0;
  bool clipSelected = false;
  bool refuse = false;  // open() fails, as for a surface that cannot be drawn on
  Surface lastSurface;

 private:
  CanvasObject add(const Object& o) {
    const CanvasObject handle = ++nextHandle_;
    live[handle] = o;
    ++created;
    return handle;
  }
  void shape(Shape::Type type, std::vector<Point> points) {
    shapes.push_back({type, std::move(points), pen_.first, pen_.second, brush_.first, brush_.second});
  }

  CanvasObject nextHandle_ = 0x100;
  std::pair<bool, Colour> pen_{true, 0};
  std::pair<bool, Colour> brush_{true, 0xFFFFFF};
  Object font_;
  Colour textColour_ = 0;
  TextAlign align_ = TextAlign::kLeft;
  TextBase base_ = TextBase::kTop;
  Point at_;
};

}  // namespace xaq::platform::testing
