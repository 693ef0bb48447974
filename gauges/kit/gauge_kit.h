#pragma once
// Building blocks for the static gauge tables. A gauge's table reads like a description of the
// gauge: its elements from the top of the tree down (children are defined before the element
// that lists them), its mouse areas group by group, its callback. Every element names the gauge
// it belongs to, so the host finds the header from any element.
//
// The tables are static, constant-initialised data in writable memory: the host writes into
// their host-owned fields. No heap allocation.

#include <array>
#include <cstddef>
#include <cstdint>

#include "displays/glass/glass_display.h"
#include "frame/abi/host_abi.h"
#include "frame/common_routines.h"
#include "frame/module_lifecycle.h"
#include "gauges/kit/layout.h"

namespace xaq::gauges {

// The aircraft, or null before creation and after destruction: every callback tests it first.
inline frame::AircraftState* aircraft() { return frame::aircraft(); }

// ---- gauge header ----

constexpr abi::GaugeHeader gaugeHeader(const char* name, abi::ElementHeader* const* elements,
                                       abi::MouseRecord* mouseTable, abi::GaugeCallback callback) {
  abi::GaugeHeader h{};
  h.version = abi::kGaugeHeaderVersion;
  h.name = name;
  h.elements = elements;
  h.queryRoutine = &frame::commonRoutine24;
  h.installRoutine = &frame::commonRoutine25;
  h.initializeRoutine = &frame::commonRoutine26;
  h.updateRoutine = &frame::commonRoutine27;
  h.generateRoutine = &frame::commonRoutine28;
  h.drawRoutine = &frame::commonRoutine29;
  h.killRoutine = &frame::commonRoutine31;
  h.defaultSize = abi::kGaugeDefaultSize;
  h.mouseTable = mouseTable;
  h.callback = callback;
  return h;
}

// A gauge callback for gauges with no live behaviour of their own: every service returns at once.
std::int32_t XAQ_HOSTCALL quietGaugeCallback(abi::GaugeHeader* gauge, std::int32_t service,
                                             std::uint32_t extra);

// ---- elements ----

constexpr abi::PixPoint pix(layout::Point p) { return {p.x, p.y}; }

constexpr abi::ElementHeader commonPart(abi::ElementKind kind, abi::GaugeHeader* gauge,
                                        std::uint32_t resourceId, abi::PixPoint position,
                                        abi::ElementHeader* const* children, std::uint32_t imageFlags) {
  abi::ElementHeader e{};
  e.kind = kind;
  e.resourceId = resourceId;
  e.position = position;
  e.gauge = gauge;
  e.children = children;
  e.imageFlags = imageFlags;
  return e;
}

constexpr abi::HostVarRecord variable(std::uint32_t id) {
  abi::HostVarRecord r{};
  r.id = id;
  return r;
}

// A background, a fixed overlay or (with kImageCreateSurface) a glass display's drawing surface.
constexpr abi::StaticImageElement staticImage(abi::GaugeHeader* gauge, std::uint32_t resourceId,
                                              abi::PixPoint position,
                                              abi::ElementHeader* const* children = nullptr,
                                              std::uint32_t imageFlags = 0) {
  abi::StaticImageElement e{};
  e.header = commonPart(abi::kStaticImage, gauge, resourceId, position, children, imageFlags);
  return e;
}

// A needle turning about `layout.pivot` on its parent. With a scale table the callback's value
// is placed by the table; without one (scale null) the value is the angle in degrees.
constexpr abi::NeedleElement needle(abi::GaugeHeader* gauge, const layout::NeedleLayout& layout,
                                    std::uint32_t variableId, abi::ValueCallback callback,
                                    abi::ScalePoint* scale, std::size_t scaleCount,
                                    abi::ElementHeader* const* children = nullptr,
                                    std::uint32_t imageFlags = abi::kImageTransparent) {
  abi::NeedleElement e{};
  e.header = commonPart(abi::kNeedle, gauge, layout.bitmapId, pix(layout.pivot), children, imageFlags);
  e.header.pivot = pix(layout.bitmapPivot);
  e.variable = variable(variableId);
  e.reference = pix(layout.bitmapPivot);
  e.scale = scale;
  e.scaleCount = static_cast<std::uint32_t>(scaleCount);
  e.callback = callback;
  return e;
}

// One of `count` consecutive bitmaps from resourceId on; the callback returns the index.
constexpr abi::IconElement icon(abi::GaugeHeader* gauge, std::uint32_t resourceId, abi::PixPoint position,
                                std::int32_t count, std::uint32_t variableId, abi::ValueCallback callback,
                                abi::ElementHeader* const* children = nullptr,
                                std::uint32_t imageFlags = abi::kImageTransparent) {
  abi::IconElement e{};
  e.header = commonPart(abi::kIcon, gauge, resourceId, position, children, imageFlags);
  e.variable = variable(variableId);
  e.switchType = abi::kIconSetCurrent;
  e.switchCount = count;
  e.scale = 1.0;
  e.iconCount = count;
  e.callback = callback;
  return e;
}

struct TextStyle {
  std::uint32_t foreground = 0x00F0F0F0;
  std::uint32_t background = 0x00101010;
  const char* fontName = "Quartz";
  std::int32_t fontWeight = 400;
  std::uint32_t drawTextFlags = abi::kTextRight | abi::kTextVerticalCenter | abi::kTextSingleLine;
};

// A readout in a box; the callback writes its text with writeText(). `maxLength` counts the
// terminator.
constexpr abi::StringElement text(abi::GaugeHeader* gauge, abi::PixPoint position, abi::PixPoint boxSize,
                                  std::uint16_t maxLength, std::uint32_t variableId,
                                  abi::ValueCallback callback, const TextStyle& style = {},
                                  abi::ElementHeader* const* children = nullptr) {
  abi::StringElement e{};
  e.header = commonPart(abi::kString, gauge, 0, position, children, 0);
  e.variables[0] = variable(variableId);
  e.boxSize = boxSize;
  e.foreground = style.foreground;
  e.background = style.background;
  e.highlight = style.foreground;
  for (std::size_t i = 0; style.fontName != nullptr && style.fontName[i] != '\0' && i + 1 < abi::kFontNameSize; ++i) {
    e.fontName[i] = style.fontName[i];
  }
  e.fontWeight = style.fontWeight;
  e.drawTextFlags = style.drawTextFlags;
  e.maxLength = maxLength;
  e.callback = callback;
  return e;
}

// A bitmap moved by (x value x xScale, y value x yScale) pixels.
constexpr abi::SliderElement slider(abi::GaugeHeader* gauge, std::uint32_t resourceId, abi::PixPoint position,
                                    double xScale, abi::ValueCallback xCallback, double yScale,
                                    abi::ValueCallback yCallback,
                                    abi::ElementHeader* const* children = nullptr,
                                    std::uint32_t imageFlags = abi::kImageTransparent) {
  abi::SliderElement e{};
  e.header = commonPart(abi::kSlider, gauge, resourceId, position, children, imageFlags);
  e.xScale = xScale;
  e.yScale = yScale;
  e.xCallback = xCallback;
  e.yCallback = yCallback;
  return e;
}

struct Range {
  double minimum = 0.0;
  double maximum = 0.0;
};

// A window (mask resourceId + 1) over the strip resourceId; each axis maps its range onto the
// strip's travel. An axis without a callback stays at its minimum.
constexpr abi::MovingImageElement movingImage(abi::GaugeHeader* gauge, std::uint32_t stripId,
                                              abi::PixPoint position, Range x, abi::ValueCallback xCallback,
                                              Range y, abi::ValueCallback yCallback,
                                              abi::ElementHeader* const* children = nullptr,
                                              std::uint32_t imageFlags = abi::kImageTransparent) {
  abi::MovingImageElement e{};
  e.header = commonPart(abi::kMovingImage, gauge, stripId, position, children, imageFlags);
  e.minX = x.minimum;
  e.maxX = x.maximum;
  e.minY = y.minimum;
  e.maxY = y.maximum;
  e.xCallback = xCallback;
  e.yCallback = yCallback;
  return e;
}

// A texture (resourceId) seen through the window of mask resourceId + 1, shifted by x and y
// (pixels per unit) and turned by the rotation value x rotationScale (radians).
constexpr abi::SpriteElement sprite(abi::GaugeHeader* gauge, std::uint32_t textureId, abi::PixPoint position,
                                    abi::PixPoint textureCentre, double xScale, abi::ValueCallback xCallback,
                                    double yScale, abi::ValueCallback yCallback, double rotationScale,
                                    abi::ValueCallback rotationCallback,
                                    abi::ElementHeader* const* children = nullptr,
                                    std::uint32_t imageFlags = abi::kImageTransparent) {
  abi::SpriteElement e{};
  e.header = commonPart(abi::kSprite, gauge, textureId, position, children, imageFlags);
  e.xScale = xScale;
  e.yScale = yScale;
  e.rotationScale = rotationScale;
  e.textureScaleX = 1.0f;
  e.textureScaleY = 1.0f;
  e.reference = textureCentre;
  e.xCallback = xCallback;
  e.yCallback = yCallback;
  e.rotationCallback = rotationCallback;
  return e;
}

// A needle's scale table from its layout's marks, for a writable global (the host fills in the
// degrees of each point).
template <std::size_t N>
constexpr std::array<abi::ScalePoint, N> scaleTable(const layout::ScaleMark (&marks)[N]) {
  std::array<abi::ScalePoint, N> table{};
  for (std::size_t i = 0; i < N; ++i) table[i] = abi::ScalePoint{pix(marks[i].point), marks[i].value, 0.0};
  return table;
}

// ---- mouse tables ----

constexpr abi::MouseRecord mouseRecord(abi::MouseKind kind, int x, int y, int width, int height) {
  abi::MouseRecord r{};
  r.kind = kind;
  r.x = x;
  r.y = y;
  r.width = width;
  r.height = height;
  r.cursor = abi::kCursorNone;
  r.target.none = nullptr;
  r.data.callbackData = 0;
  return r;
}

// The group over the whole gauge (rectangle 0,0,0,0) or over one control.
constexpr abi::MouseRecord mouseGroup(int x = 0, int y = 0, int width = 0, int height = 0) {
  return mouseRecord(abi::kMouseGroup, x, y, width, height);
}

constexpr abi::MouseRecord mouseEndGroup() { return mouseRecord(abi::kMouseEndGroup, 0, 0, 0, 0); }

constexpr abi::MouseRecord mouseEnd() { return mouseRecord(abi::kMouseEnd, 0, 0, 0, 0); }

constexpr abi::MouseRecord mouseArea(int x, int y, int width, int height, abi::MouseCursor cursor,
                                     std::uint32_t flags, abi::MouseCallback callback) {
  abi::MouseRecord r = mouseRecord(abi::kMouseArea, x, y, width, height);
  r.cursor = cursor;
  r.flags = flags;
  r.target.callback = callback;
  return r;
}

// An area without a callback: the host itself triggers `eventId` on a click.
constexpr abi::MouseRecord mouseEventArea(int x, int y, int width, int height,
                                          abi::MouseCursor cursor, std::uint32_t flags,
                                          std::uint32_t eventId) {
  abi::MouseRecord r = mouseRecord(abi::kMouseArea, x, y, width, height);
  r.cursor = cursor;
  r.flags = flags;
  r.eventOrCount = eventId;
  return r;
}

constexpr abi::MouseRecord mouseTooltip(const char* text, abi::TooltipArgument* arguments = nullptr,
                                        std::uint32_t argumentCount = 0) {
  abi::MouseRecord r = mouseRecord(abi::kMouseTooltip, 0, 0, 0, 0);
  r.eventOrCount = argumentCount;
  r.target.tooltipText = text;
  r.data.arguments = arguments;
  return r;
}

// A tooltip argument: the host looks up `variableId` and hands its record to `callback`.
constexpr abi::TooltipArgument tooltipArgument(std::uint32_t variableId, abi::TooltipTextCallback callback) {
  abi::TooltipArgument a{};
  a.variable = variable(variableId);
  a.scale = 1.0;
  a.stringCallback = callback;
  return a;
}

// ---- helpers for callbacks ----

// The value a tooltip text callback shows: what the host filled into the argument's record (the
// value argument only when the host handed no record).
inline double tooltipValue(double value, const abi::HostVarRecord* record) {
  return record != nullptr ? record->value : value;
}

// Writes `value` into a string element's host buffer: at most maxLength bytes with the
// terminator, nothing when the host gave no buffer.
void writeText(abi::StringElement* element, const char* value);

// The value the host looked up into a needle's, icon's or string's first record (0 for other
// kinds or null).
double hostValue(abi::ElementHeader* element);

// Shows or hides an element (image-flag bit 30).
inline void setHidden(abi::ElementHeader* element, bool hidden) {
  if (element == nullptr) return;
  if (hidden) {
    element->imageFlags |= abi::kImageHidden;
  } else {
    element->imageFlags &= ~abi::kImageHidden;
  }
}

// From `element`, steps `depth` times to the first child of the current element (doing nothing
// and returning null when a list is missing), then sets or clears `bits` in that element's image
// flags and returns it.
abi::ElementHeader* setElementFlags(abi::ElementHeader* element, int depth, std::uint32_t bits);
abi::ElementHeader* clearElementFlags(abi::ElementHeader* element, int depth, std::uint32_t bits);

// A glass screen element as the host filled it: its drawing surface and its image flags.
displays::GlassElement glassScreen(abi::StaticImageElement& element);

}  // namespace xaq::gauges
