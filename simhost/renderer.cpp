#include "simhost/renderer.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>
#include <sstream>

#include "frame/abi/element_axes.h"
#include "platform/portable/latin1_text.h"
#include "simhost/geo.h"

namespace xaq::sim {

namespace {

constexpr int kMinimumSize = 200;

struct Bitmaps {
  std::string folder;
  std::map<std::uint32_t, cairo_surface_t*> cache;
  ~Bitmaps() {
    for (auto& [id, s] : cache) {
      if (s != nullptr) cairo_surface_destroy(s);
    }
  }
  cairo_surface_t* find(std::uint32_t id) {
    if (id == 0 || folder.empty()) return nullptr;
    auto found = cache.find(id);
    if (found != cache.end()) return found->second;
    const std::string path = folder + "/" + std::to_string(id) + ".png";
    cairo_surface_t* s = cairo_image_surface_create_from_png(path.c_str());
    if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS) {
      cairo_surface_destroy(s);
      s = nullptr;
    }
    cache[id] = s;
    return s;
  }
};

void setColour(cairo_t* cr, std::uint32_t colorref) {
  cairo_set_source_rgb(cr, (colorref & 0xFF) / 255.0, ((colorref >> 8) & 0xFF) / 255.0,
                       ((colorref >> 16) & 0xFF) / 255.0);
}

std::string number(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.4g", value);
  return text;
}

void label(cairo_t* cr, double x, double y, const std::string& text, double size = 9) {
  cairo_select_font_face(cr, "monospace", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, size);
  cairo_move_to(cr, x, y);
  cairo_show_text(cr, text.c_str());
}

// The host draws a string element in its own font from the module's 8-bit (Windows-1252) text;
// this stands in with the system's fonts. "Glass gauge", the glass displays' font, is
// fixed-pitch: 26 characters fill a 216-pixel box of 22 pixels' height, so padded columns line
// up. Any other font is drawn at four fifths of the box's height.
void selectElementFont(cairo_t* cr, const std::string& font, std::int32_t weight, double boxHeight) {
  const cairo_font_weight_t bold = weight >= 700 ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL;
  if (font == "Glass gauge") {
    cairo_select_font_face(cr, "monospace", CAIRO_FONT_SLANT_NORMAL, bold);
    cairo_set_font_size(cr, 10.0);
    cairo_text_extents_t cell;
    cairo_text_extents(cr, "M", &cell);
    const double wanted = boxHeight * (216.0 / 26.0 / 22.0);
    cairo_set_font_size(cr, cell.x_advance > 0 ? 10.0 * wanted / cell.x_advance : boxHeight * 0.8);
    return;
  }
  cairo_select_font_face(cr, font.empty() ? "sans" : font.c_str(), CAIRO_FONT_SLANT_NORMAL, bold);
  cairo_set_font_size(cr, std::max(6.0, boxHeight * 0.8));
}

void placeholderBox(cairo_t* cr, double x, double y, double w, double h, const std::string& text) {
  cairo_set_source_rgba(cr, 0.3, 0.6, 1.0, 0.25);
  cairo_rectangle(cr, x, y, w, h);
  cairo_fill_preserve(cr);
  cairo_set_source_rgb(cr, 0.3, 0.6, 1.0);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  cairo_set_source_rgb(cr, 0.85, 0.9, 1.0);
  label(cr, x + 2, y + 10, text);
}

// A drawing surface over what is under it. As the host does for an element with the
// transparency flag, pure black (0,0,0) pixels are see-through; without the flag the whole
// surface is copied.
void blitSurface(cairo_t* cr, const abi::Image& surface, double x, double y, bool transparent) {
  const int width = surface.dimensions.x, height = surface.dimensions.y;
  if (surface.bits == nullptr || width <= 0 || height <= 0) return;
  cairo_surface_t* image = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
  cairo_surface_flush(image);
  unsigned char* dst = cairo_image_surface_get_data(image);
  const int dstStride = cairo_image_surface_get_stride(image);
  for (int row = 0; row < height; ++row) {
    const std::uint8_t* from = surface.bits + static_cast<std::ptrdiff_t>(row) * surface.pitch;
    unsigned char* to = dst + static_cast<std::ptrdiff_t>(row) * dstStride;
    for (int column = 0; column < width; ++column) {
      std::uint32_t pixel;
      std::memcpy(&pixel, from + 4 * column, 4);
      pixel &= 0x00FFFFFFu;
      // Premultiplied: a see-through pixel is all zero.
      if (!transparent || pixel != 0) pixel |= 0xFF000000u;
      std::memcpy(to + 4 * column, &pixel, 4);
    }
  }
  cairo_surface_mark_dirty(image);
  cairo_set_source_surface(cr, image, x, y);
  cairo_paint(cr);
  cairo_surface_destroy(image);
}

struct Painter {
  SimHost& host;
  cairo_t* cr;
  Bitmaps& bitmaps;
  double gaugeWidth, gaugeHeight;
  std::string gaugeName;

  void paint(abi::ElementHeader* e, double parentX, double parentY, bool top) {
    const ElementState state = evaluateElement(host, e);
    if (state.hidden) return;
    const double x = parentX + e->position.x - e->pivot.x;
    const double y = parentY + e->position.y - e->pivot.y;
    cairo_surface_t* bitmap = bitmaps.find(e->resourceId);
    const std::string id = "#" + std::to_string(e->resourceId);
    cairo_save(cr);
    switch (e->kind) {
      case abi::kNeedle: {
        const auto& needle = *reinterpret_cast<abi::NeedleElement*>(e);
        const double angle = needleAngle(needle, state.values[0]);
        const double px = parentX + e->position.x, py = parentY + e->position.y;
        cairo_translate(cr, px, py);
        cairo_rotate(cr, angle * kDegToRad);
        if (bitmap != nullptr) {
          cairo_set_source_surface(cr, bitmap, -needle.reference.x, -needle.reference.y);
          cairo_paint(cr);
        } else {
          const double length = 0.35 * std::min(gaugeWidth, gaugeHeight);
          cairo_set_source_rgb(cr, 1.0, 0.55, 0.1);
          cairo_set_line_width(cr, 3);
          cairo_move_to(cr, 0, 0);
          cairo_line_to(cr, 0, -length);
          cairo_stroke(cr);
          cairo_arc(cr, 0, 0, 4, 0, 2 * kPi);
          cairo_fill(cr);
          cairo_rotate(cr, -angle * kDegToRad);
          cairo_set_source_rgb(cr, 1.0, 0.75, 0.4);
          label(cr, 6, 12, id + "=" + number(state.values[0]));
        }
        break;
      }
      case abi::kString: {
        const auto& s = *reinterpret_cast<abi::StringElement*>(e);
        const double boxWidth = s.boxSize.x, boxHeight = s.boxSize.y;
        setColour(cr, s.background);
        cairo_rectangle(cr, x, y, boxWidth, boxHeight);
        cairo_fill(cr);
        setColour(cr, s.foreground);
        const std::string font(s.fontName, strnlen(s.fontName, sizeof s.fontName));
        selectElementFont(cr, font, s.fontWeight, boxHeight);
        const std::string shown = platform::utf8FromLatin1(state.text.data(), state.text.size());
        cairo_text_extents_t extents;
        cairo_text_extents(cr, shown.c_str(), &extents);
        double tx = x;
        if ((s.drawTextFlags & abi::kTextCenter) != 0) tx = x + (boxWidth - extents.x_advance) / 2;
        if ((s.drawTextFlags & abi::kTextRight) != 0) tx = x + boxWidth - extents.x_advance;
        cairo_rectangle(cr, x, y, boxWidth, boxHeight);
        cairo_clip(cr);
        cairo_move_to(cr, tx, y + boxHeight * 0.8);
        cairo_show_text(cr, shown.c_str());
        break;
      }
      case abi::kSlider: {
        const auto& s = *reinterpret_cast<abi::SliderElement*>(e);
        const double dx = state.values[0] * s.xScale, dy = state.values[1] * s.yScale;
        if (bitmap != nullptr) {
          cairo_set_source_surface(cr, bitmap, x + dx, y + dy);
          cairo_paint(cr);
        } else {
          placeholderBox(cr, x + dx, y + dy, 36, 14, id);
        }
        break;
      }
      case abi::kIcon: {
        const auto& icon = *reinterpret_cast<abi::IconElement*>(e);
        const double last = icon.iconCount > 0 ? icon.iconCount - 1.0 : 0.0;
        const double scaled = state.values[0] * icon.scale + icon.offset;
        const auto index = static_cast<std::uint32_t>(std::clamp(std::floor(scaled), 0.0, last));
        cairo_surface_t* frame = bitmaps.find(e->resourceId + index);
        if (frame != nullptr) {
          cairo_set_source_surface(cr, frame, x, y);
          cairo_paint(cr);
        } else {
          placeholderBox(cr, x, y, 40, 16, id + "[" + std::to_string(index) + "]");
        }
        break;
      }
      case abi::kMovingImage: {
        const auto& m = *reinterpret_cast<abi::MovingImageElement*>(e);
        cairo_surface_t* strip = bitmap;
        cairo_surface_t* window = bitmaps.find(e->resourceId + 1);
        if (strip != nullptr && window != nullptr) {
          const double w = cairo_image_surface_get_width(window), h = cairo_image_surface_get_height(window);
          const double sw = cairo_image_surface_get_width(strip), sh = cairo_image_surface_get_height(strip);
          auto travel = [](double minimum, double maximum, double v, double span) {
            if (maximum == minimum) return 0.0;
            return std::clamp((v - minimum) / (maximum - minimum), 0.0, 1.0) * span;
          };
          cairo_rectangle(cr, x, y, w, h);
          cairo_clip(cr);
          cairo_set_source_surface(cr, strip, x - travel(m.minX, m.maxX, state.values[0], sw - w),
                                   y - travel(m.minY, m.maxY, state.values[1], sh - h));
          cairo_paint(cr);
        } else {
          placeholderBox(cr, x, y, 48, 24, id + " " + number(state.values[0]) + "," + number(state.values[1]));
        }
        break;
      }
      case abi::kSprite: {
        const auto& s = *reinterpret_cast<abi::SpriteElement*>(e);
        cairo_surface_t* texture = bitmap;
        cairo_surface_t* window = bitmaps.find(e->resourceId + 1);
        const double w = window != nullptr ? cairo_image_surface_get_width(window) : 80;
        const double h = window != nullptr ? cairo_image_surface_get_height(window) : 80;
        cairo_rectangle(cr, x, y, w, h);
        cairo_clip(cr);
        cairo_translate(cr, x + w / 2, y + h / 2);
        cairo_rotate(cr, state.values[2] * s.rotationScale);
        cairo_translate(cr, state.values[0] * s.xScale, state.values[1] * s.yScale);
        if (texture != nullptr) {
          cairo_set_source_surface(cr, texture, -cairo_image_surface_get_width(texture) / 2.0,
                                   -cairo_image_surface_get_height(texture) / 2.0);
          cairo_paint(cr);
        } else {
          // A horizon: sky over ground, moved and turned like the texture.
          cairo_set_source_rgb(cr, 0.16, 0.5, 0.86);
          cairo_rectangle(cr, -2 * w, -2 * h, 4 * w, 2 * h);
          cairo_fill(cr);
          cairo_set_source_rgb(cr, 0.55, 0.35, 0.15);
          cairo_rectangle(cr, -2 * w, 0, 4 * w, 2 * h);
          cairo_fill(cr);
        }
        break;
      }
      default: {  // static image
        if (host.surfaceFor(e) != nullptr) {
          // A drawing surface takes its bitmap's place: the bitmap only gave the surface its size.
        } else if (bitmap != nullptr) {
          cairo_set_source_surface(cr, bitmap, x, y);
          cairo_paint(cr);
        } else if (top) {
          cairo_set_source_rgb(cr, 0.12, 0.12, 0.13);
          cairo_paint(cr);
          cairo_set_source_rgb(cr, 0.5, 0.5, 0.55);
          cairo_set_line_width(cr, 2);
          cairo_rectangle(cr, 1, 1, gaugeWidth - 2, gaugeHeight - 2);
          cairo_stroke(cr);
          cairo_set_source_rgb(cr, 0.8, 0.8, 0.8);
          label(cr, 6, 14, gaugeName, 11);
          label(cr, 6, 26, id);
        } else {
          placeholderBox(cr, x, y, 40, 16, id);
        }
        break;
      }
    }
    cairo_restore(cr);
    if (const abi::Image* surface = host.surfaceFor(e)) {
      blitSurface(cr, *surface, x, y, (e->imageFlags & abi::kImageTransparent) != 0);
    }
    if (e->children != nullptr) {
      for (abi::ElementHeader* const* c = e->children; *c != nullptr; ++c) paint(*c, x, y, false);
    }
  }
};

void extent(SimHost& host, abi::ElementHeader* e, double originX, double originY, double& w, double& h) {
  const double x = originX + e->position.x - e->pivot.x, y = originY + e->position.y - e->pivot.y;
  w = std::max(w, x + 48.0);
  h = std::max(h, y + 24.0);
  if (e->kind == abi::kString) {
    const auto& s = *reinterpret_cast<const abi::StringElement*>(e);
    w = std::max(w, x + s.boxSize.x);
    h = std::max(h, y + s.boxSize.y);
  }
  if (const abi::Image* surface = host.surfaceFor(e)) {
    w = std::max(w, x + surface->dimensions.x);
    h = std::max(h, y + surface->dimensions.y);
  }
  if (e->children != nullptr) {
    for (abi::ElementHeader* const* c = e->children; *c != nullptr; ++c) extent(host, *c, x, y, w, h);
  }
}

}  // namespace

double needleAngle(const abi::NeedleElement& needle, double value) {
  const std::uint32_t n = needle.scale != nullptr ? needle.scaleCount : 0;
  if (n == 0) return value;
  const abi::PixPoint pivot = needle.header.position;
  auto angleOf = [&](const abi::ScalePoint& p) {
    return wrap360(std::atan2(p.point.x - pivot.x, -(p.point.y - pivot.y)) * kRadToDeg);
  };
  // Angles follow the table in order, all steps turning the way of its first step that is
  // clearly less than a half turn; a step of a half turn or more (an altimeter's 500 ft) goes
  // that way too rather than back.
  std::vector<double> angles(n);
  angles[0] = angleOf(needle.scale[0]);
  double turning = 0.0;
  for (std::uint32_t i = 1; i < n && turning == 0.0; ++i) {
    const double step = wrap180(angleOf(needle.scale[i]) - angleOf(needle.scale[i - 1]));
    if (std::fabs(step) < 179.0 && step != 0.0) turning = step > 0.0 ? 1.0 : -1.0;
  }
  for (std::uint32_t i = 1; i < n; ++i) {
    double step = wrap180(angleOf(needle.scale[i]) - angles[i - 1]);
    if (turning > 0.0 && step < 0.0) step += 360.0;
    if (turning < 0.0 && step > 0.0) step -= 360.0;
    angles[i] = angles[i - 1] + step;
  }
  const bool rising = needle.scale[n - 1].value >= needle.scale[0].value;
  auto before = [&](double a, double b) { return rising ? a <= b : a >= b; };
  if (before(value, needle.scale[0].value)) return angles[0];
  for (std::uint32_t i = 1; i < n; ++i) {
    if (before(value, needle.scale[i].value)) {
      const double span = needle.scale[i].value - needle.scale[i - 1].value;
      const double t = span != 0 ? (value - needle.scale[i - 1].value) / span : 0.0;
      return angles[i - 1] + t * (angles[i] - angles[i - 1]);
    }
  }
  return angles[n - 1];
}

ElementState evaluateElement(SimHost& host, abi::ElementHeader* e) {
  ElementState state;
  const abi::ElementAxes axes = abi::elementAxes(e);
  for (int i = 0; i < axes.count; ++i) state.values[i] = host.applyValue(axes.axis[i], e);
  state.valueCount = axes.count;
  if (auto* s = abi::elementAs<abi::StringElement>(e); s != nullptr && s->text != nullptr && s->maxLength > 0) {
    state.text.assign(s->text, strnlen(s->text, s->maxLength));
  }
  // The callbacks may hide or show the element while they run.
  state.hidden = (e->imageFlags & abi::kImageHidden) != 0;
  return state;
}

abi::ElementHeader* elementAt(abi::GaugeHeader* gauge, const std::string& path) {
  if (gauge == nullptr || gauge->elements == nullptr) return nullptr;
  std::stringstream in(path);
  std::string part;
  abi::ElementHeader* const* list = gauge->elements;
  abi::ElementHeader* current = nullptr;
  while (std::getline(in, part, '.')) {
    if (list == nullptr || part.empty() || part.find_first_not_of("0123456789") != std::string::npos) return nullptr;
    const unsigned long index = std::stoul(part);
    for (unsigned long i = 0; i < index; ++i) {
      if (list[i] == nullptr) return nullptr;
    }
    current = list[index];
    if (current == nullptr) return nullptr;
    list = current->children;
  }
  return current;
}

bool renderGauge(SimHost& host, abi::GaugeHeader* gauge, const std::string& pngPath,
                 const RenderOptions& options) {
  if (gauge == nullptr) return false;
  host.callGauge(gauge, abi::kServicePreDraw);

  Bitmaps bitmaps;
  bitmaps.folder = options.bitmapFolder;
  abi::ElementHeader* top = gauge->elements != nullptr ? gauge->elements[0] : nullptr;
  double width = kMinimumSize, height = kMinimumSize;
  if (cairo_surface_t* background = top != nullptr ? bitmaps.find(top->resourceId) : nullptr) {
    width = cairo_image_surface_get_width(background);
    height = cairo_image_surface_get_height(background);
  } else {
    for (abi::ElementHeader* const* e = gauge->elements; e != nullptr && *e != nullptr; ++e) extent(host, *e, 0, 0, width, height);
    for (abi::MouseRecord* r = gauge->mouseTable; r != nullptr && r->kind != abi::kMouseEnd; ++r) {
      if (r->kind == abi::kMouseArea || r->kind == abi::kMouseGroup) {
        width = std::max(width, static_cast<double>(r->x + r->width));
        height = std::max(height, static_cast<double>(r->y + r->height));
      }
    }
  }
  cairo_surface_t* image = cairo_image_surface_create(CAIRO_FORMAT_RGB24, static_cast<int>(std::ceil(width)),
                                                      static_cast<int>(std::ceil(height)));
  cairo_t* cr = cairo_create(image);
  cairo_set_source_rgb(cr, 0, 0, 0);
  cairo_paint(cr);
  Painter painter{host, cr, bitmaps, width, height, gauge->name != nullptr ? gauge->name : ""};
  bool first = true;
  for (abi::ElementHeader* const* e = gauge->elements; e != nullptr && *e != nullptr; ++e) {
    painter.paint(*e, 0, 0, first);
    first = false;
  }
  // The mouse areas, faintly, so a placeholder gauge shows where its controls are.
  cairo_set_source_rgba(cr, 1, 1, 0.3, 0.5);
  cairo_set_line_width(cr, 1);
  for (abi::MouseRecord* r = gauge->mouseTable; r != nullptr && r->kind != abi::kMouseEnd; ++r) {
    if (r->kind == abi::kMouseArea) {
      cairo_rectangle(cr, r->x + 0.5, r->y + 0.5, r->width - 1, r->height - 1);
      cairo_stroke(cr);
    }
  }
  cairo_destroy(cr);
  const bool ok = cairo_surface_write_to_png(image, pngPath.c_str()) == CAIRO_STATUS_SUCCESS;
  cairo_surface_destroy(image);
  return ok;
}

}  // namespace xaq::sim
