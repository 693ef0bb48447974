#pragma once
// Building blocks for the static gauge tables. A gauge's table reads like a description of the
// gauge: its elements from the background up, its mouse areas group by group, its callback.

#include <cstdint>

#include "frame/abi/host_abi.h"

namespace xaq::frame {

// The seven routines every header carries; each forwards to one element-list service with the
// top element of the first gauge in the linkage.
std::uint32_t XAQ_HOSTCALL commonRoutine24();
std::uint32_t XAQ_HOSTCALL commonRoutine25(std::uint32_t word);
std::uint32_t XAQ_HOSTCALL commonRoutine26();
std::uint32_t XAQ_HOSTCALL commonRoutine27();
std::uint32_t XAQ_HOSTCALL commonRoutine28(std::uint32_t word);
std::uint32_t XAQ_HOSTCALL commonRoutine29();
std::uint32_t XAQ_HOSTCALL commonRoutine31();

// A gauge callback for gauges with no live behaviour of their own: every service returns at once.
std::int32_t XAQ_HOSTCALL quietGaugeCallback(abi::GaugeHeader* gauge, std::int32_t service,
                                             std::uint32_t extra);

constexpr abi::GaugeHeader gaugeHeader(const char* name, abi::ElementHeader* const* elements,
                                       abi::MouseRecord* mouseTable, abi::GaugeCallback callback) {
  abi::GaugeHeader h{};
  h.version = abi::kGaugeHeaderVersion;
  h.name = name;
  h.elements = elements;
  h.routine3 = &commonRoutine24;
  h.routine4 = &commonRoutine25;
  h.routine5 = &commonRoutine26;
  h.routine6 = &commonRoutine27;
  h.routine7 = &commonRoutine28;
  h.routine8 = &commonRoutine29;
  h.routine9 = &commonRoutine31;
  h.defaultSize = abi::kGaugeDefaultSize;
  h.mouseTable = mouseTable;
  h.callback = callback;
  return h;
}

constexpr abi::ElementHeader elementHeader(abi::ElementKind kind, std::uint32_t resourceId,
                                           abi::PixPoint position,
                                           abi::ElementHeader* const* children = nullptr,
                                           std::uint32_t imageFlags = 0) {
  abi::ElementHeader e{};
  e.kind = kind;
  e.resourceId = resourceId;
  e.position = position;
  e.children = children;
  e.imageFlags = imageFlags;
  return e;
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

// ---- element helpers shared by several gauges ----

// From `element`, steps `depth` times to the first child of the current element (doing nothing
// and returning null when a list is missing), then sets or clears `bits` in that element's image
// flags and returns it.
abi::ElementHeader* setElementFlags(abi::ElementHeader* element, int depth, std::uint32_t bits);
abi::ElementHeader* clearElementFlags(abi::ElementHeader* element, int depth, std::uint32_t bits);

}  // namespace xaq::frame
