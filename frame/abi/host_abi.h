#pragma once
// The host's panel interface as plain data: the import table, the linkage, gauge headers,
// display elements, mouse records, tooltip records and host-variable records. Shared by the
// module and by every program that plays the host. Words the host owns are kept, zeroed, so the
// host can write into them. The 32-bit Windows build checks every size and offset it relies on.

#include <cstddef>
#include <cstdint>

#include "platform/host_call.h"

namespace xaq::abi {

struct GaugeHeader;
struct ElementHeader;

#pragma pack(push, 4)

// One host variable: the module writes the id, the host fills the value on lookup.
struct HostVarRecord {
  std::uint32_t id = 0;               // word 0
  std::uint32_t hostWords[2] = {};    // words 1-2: the host's
  double value = 0.0;                 // bytes 12-19
  std::uint32_t hostTail[2] = {};     // bytes 20-27: the host's
};

#pragma pack(pop)

struct PixPoint {
  std::int32_t x = 0;
  std::int32_t y = 0;
};

// ---- panel services (filled by the host into ImportTable word 1) ------------------------------

using ElementService = std::uint32_t(XAQ_HOSTCALL*)(ElementHeader* topElement);
using ElementServiceWithWord = std::uint32_t(XAQ_HOSTCALL*)(ElementHeader* topElement, std::uint32_t word);
using TriggerKeyEvent = std::uint32_t(XAQ_HOSTCALL*)(std::uint32_t eventId, std::uint32_t value);
using LookupVariable = void(XAQ_HOSTCALL*)(HostVarRecord* record);

enum PanelServiceEntry : int {
  kServiceElementList24 = 24,
  kServiceElementList25 = 25,  // with one word
  kServiceElementList26 = 26,
  kServiceElementList27 = 27,
  kServiceElementList28 = 28,  // with one word
  kServiceElementList29 = 29,
  kServiceElementList31 = 31,
  kServiceTriggerKeyEvent = 36,
  kServiceLookupVariable = 40,
  kPanelServiceCount = 48,  // hosts provide at least this many entries
};

// The host's table is an array of routine addresses, indexed by entry number.
using PanelServiceTable = void* const*;

struct ImportTable {
  std::uint32_t slotId;              // 0x0F: the slot the host fills
  PanelServiceTable panelServices;   // filled by the host before any module routine runs
  std::uint32_t endId;               // 0
  void* endPointer;                  // null
};

using ModuleRoutine = void(XAQ_HOSTCALL*)();

inline constexpr int kGaugeCount = 103;

struct ModuleLinkage {
  std::uint32_t moduleId;            // 0x13
  ModuleRoutine moduleInit;
  ModuleRoutine moduleDeinit;
  std::uint32_t reserved1;
  std::uint32_t reserved2;
  std::uint32_t moduleVersion;       // 0x800
  GaugeHeader* gauges[kGaugeCount + 1];  // null after the last
};

// ---- gauge header -----------------------------------------------------------------------------

using CommonRoutine = std::uint32_t(XAQ_HOSTCALL*)();
using CommonRoutineWithWord = std::uint32_t(XAQ_HOSTCALL*)(std::uint32_t word);
using GaugeCallback = std::int32_t(XAQ_HOSTCALL*)(GaugeHeader* gauge, std::int32_t service,
                                                  std::uint32_t extra);

// Gauge service ids.
enum GaugeService : std::int32_t {
  kServiceQuery = 0,
  kServiceInstall = 2,
  kServiceInit = 3,
  kServicePreUpdate = 6,
  kServicePostUpdate = 7,
  kServicePreDraw = 10,
  kServicePostDraw = 11,
  kServiceKill = 12,
  kServicePanelOpen = 16,
  kServicePanelClose = 17,
};

inline constexpr std::uint32_t kGaugeHeaderVersion = 800;
inline constexpr std::uint32_t kGaugeDefaultSize = 100;
inline constexpr int kGaugeHeaderHostWords = 32;

struct GaugeHeader {
  std::uint32_t version;                     // 0: 800
  const char* name;                          // 1
  ElementHeader* const* elements;            // 2: null-terminated, exactly one (the background)
  CommonRoutine routine3;                    // 3 -> service 24
  CommonRoutineWithWord routine4;            // 4 -> service 25
  CommonRoutine routine5;                    // 5 -> service 26
  CommonRoutine routine6;                    // 6 -> service 27
  CommonRoutineWithWord routine7;            // 7 -> service 28
  CommonRoutine routine8;                    // 8 -> service 29
  CommonRoutine routine9;                    // 9 -> service 31
  std::uint32_t word10;                      // 10: 0
  std::uint32_t defaultSize;                 // 11: 100
  std::uint32_t words12to19[8];              // 12-19: 0
  struct MouseRecord* mouseTable;            // 20
  GaugeCallback callback;                    // 21
  std::uint32_t hostWords[kGaugeHeaderHostWords];  // the host's
};

// ---- display elements -------------------------------------------------------------------------

enum ElementKind : std::int32_t {
  kStaticImage = 0,
  kNeedle = 1,
  kString = 2,
  kSlider = 3,
  kIcon = 4,
  kMovingImage = 5,
  kSprite = 6,
};

// Image-flag bits.
inline constexpr std::uint32_t kImageCreateSurface = 1u << 5;   // host makes a drawing surface
inline constexpr std::uint32_t kImageHidden = 1u << 30;
inline constexpr std::uint32_t kImageOnScreen = 1u << 31;       // cleared to force a redraw

// A drawing surface the host creates for elements that ask for one (32-bit pixels, 0x00RRGGBB,
// top row first). On Windows deviceContext is the surface's HDC.
struct HostSurface {
  std::uint32_t width;
  std::uint32_t height;
  std::int32_t strideBytes;
  std::uint8_t* pixels;
  void* deviceContext;
};

struct FailureRecord;  // the host's failure table; the module never names one

struct ElementHeader {
  std::int32_t kind;                   // 0
  std::uint32_t resourceId;            // 1: BITMAP resource (0 = none)
  PixPoint position;                   // 2-3: on the parent's bitmap (needles: the pivot)
  PixPoint previousPosition;           // 4-5: the host's
  PixPoint pivot;                      // 6-7: offset point inside the element's own bitmap
  GaugeHeader* gauge;                  // 8: set by the module's tables
  ElementHeader* previous;             // 9: the host's
  ElementHeader* const* children;      // 10: null-terminated list drawn on top, or null
  FailureRecord* failure;              // 11
  std::uint32_t imageFlags;            // 12
  HostSurface* surface;                // 13: filled by the host when kImageCreateSurface is set
  std::uint32_t hostWords[3];          // 14-16: the host's
};

using ValueCallback = double(XAQ_HOSTCALL*)(ElementHeader* element);

// Where a value-driven element gets its value: the host looks up `variable` (when its id is not
// 0), then calls `callback` (when set), whose return value the host applies.
struct ValueSource {
  HostVarRecord variable;
  ValueCallback callback;
};

// Needle: value -> angle by the scale table (angles from the points around `position`, linear in
// between); without a table the value is the angle in degrees, clockwise from twelve o'clock.
struct ScalePoint {
  double value;
  std::int32_t x;
  std::int32_t y;
};

struct NeedleElement {
  ElementHeader header;
  ValueSource source;
  const ScalePoint* scale;
  std::uint32_t scaleCount;
  std::uint32_t hostWords[4];
};

// Text in a box; the callback writes the text into `text` (zero-terminated, textSize bytes).
enum TextAlign : std::uint32_t { kAlignLeft = 0, kAlignCenter = 1, kAlignRight = 2 };

struct StringElement {
  ElementHeader header;
  ValueSource source;
  char* text;
  std::uint32_t textSize;
  std::int32_t boxWidth;
  std::int32_t boxHeight;
  std::uint32_t foreground;  // COLORREF
  std::uint32_t background;  // COLORREF
  const char* fontName;
  std::int32_t fontWeight;
  std::uint32_t align;
  std::uint32_t hostWords[4];
};

// Slider: the bitmap moves by value x pixelsPerUnit along each axis.
struct SliderElement {
  ElementHeader header;
  ValueSource x;
  ValueSource y;
  double xPixelsPerUnit;
  double yPixelsPerUnit;
  std::uint32_t hostWords[4];
};

// Icon: shows bitmap resourceId + index, index = value held within 0 .. imageCount-1.
struct IconElement {
  ElementHeader header;
  ValueSource source;
  std::uint32_t imageCount;
  std::uint32_t hostWords[4];
};

// Moving image: a window (header.resourceId, the mask) over a larger strip bitmap; each axis maps
// minimum .. maximum linearly onto the strip's travel.
struct MovingImageAxis {
  ValueSource source;
  double minimum;
  double maximum;
};

struct MovingImageElement {
  ElementHeader header;
  std::uint32_t stripResourceId;
  MovingImageAxis x;
  MovingImageAxis y;
  std::uint32_t hostWords[4];
};

// Sprite: the texture bitmap shifted by value x pixelsPerUnit and turned by the rotation value
// (degrees, clockwise) inside the element's window.
struct SpriteElement {
  ElementHeader header;
  std::uint32_t textureResourceId;
  ValueSource x;
  ValueSource y;
  ValueSource rotation;
  double xPixelsPerUnit;
  double yPixelsPerUnit;
  std::uint32_t hostWords[4];
};

// ---- mouse records ----------------------------------------------------------------------------

enum MouseKind : std::int32_t {
  kMouseEnd = 0,
  kMouseGroup = 1,
  kMouseArea = 2,
  kMouseEndGroup = 3,
  kMouseTooltip = 4,
};

enum MouseCursor : std::int32_t {
  kCursorNone = -1,
  kCursorUp = 1,
  kCursorDown = 2,
  kCursorHand = 5,
};

// Mouse-event flag bits.
inline constexpr std::uint32_t kMouseLeftSingle = 0x20000000;
inline constexpr std::uint32_t kMouseRightSingle = 0x80000000;
inline constexpr std::uint32_t kMouseRepeat = 0x00200000;
inline constexpr std::uint32_t kMousePedestalBit = 0x00800000;

using MouseCallback = std::int32_t(XAQ_HOSTCALL*)(PixPoint* point, std::uint32_t flags);

struct TooltipArgument;

// Tooltip text callback: (value of the record, id, the tooltip text, the record, the gauge).
using TooltipTextCallback = const char*(XAQ_HOSTCALL*)(double value, std::uint32_t id,
                                                       const char* text,
                                                       HostVarRecord* record,
                                                       GaugeHeader* gauge);

union MouseTarget {
  MouseCallback callback;   // clickable areas
  const char* tooltipText;  // tooltip records
  void* none;
};

union MouseData {
  std::uintptr_t callbackData;     // clickable areas: always 0
  TooltipArgument* arguments;      // tooltip records
};

struct MouseRecord {
  std::int32_t kind;          // 0
  std::int32_t x;             // 1
  std::int32_t y;             // 2
  std::int32_t width;         // 3
  std::int32_t height;        // 4
  std::int32_t cursor;        // 5
  std::int32_t helpId;        // 6
  std::uint32_t flags;        // 7
  std::uint32_t eventOrCount; // 8: host event id (areas) or argument count (tooltips)
  MouseTarget target;         // 9
  MouseData data;             // 10
};

#pragma pack(push, 4)
struct TooltipArgument {
  HostVarRecord variable;          // 0-27
  std::uint32_t zeroWords[10];     // 28-67
  TooltipTextCallback text;        // 68
};
#pragma pack(pop)

#if defined(_WIN32) && defined(__i386__)
// The host reads these layouts word by word: check every size and offset it relies on.
static_assert(sizeof(HostVarRecord) == 28);
static_assert(offsetof(HostVarRecord, value) == 12);
static_assert(sizeof(ImportTable) == 16);
static_assert(offsetof(ModuleLinkage, moduleInit) == 4);
static_assert(offsetof(ModuleLinkage, moduleDeinit) == 8);
static_assert(offsetof(ModuleLinkage, moduleVersion) == 20);
static_assert(offsetof(ModuleLinkage, gauges) == 24);
static_assert(sizeof(ModuleLinkage) == 4 * 110);
static_assert(offsetof(GaugeHeader, name) == 4 * 1);
static_assert(offsetof(GaugeHeader, elements) == 4 * 2);
static_assert(offsetof(GaugeHeader, routine3) == 4 * 3);
static_assert(offsetof(GaugeHeader, routine9) == 4 * 9);
static_assert(offsetof(GaugeHeader, defaultSize) == 4 * 11);
static_assert(offsetof(GaugeHeader, mouseTable) == 4 * 20);
static_assert(offsetof(GaugeHeader, callback) == 4 * 21);
static_assert(offsetof(ElementHeader, resourceId) == 4 * 1);
static_assert(offsetof(ElementHeader, position) == 4 * 2);
static_assert(offsetof(ElementHeader, previousPosition) == 4 * 4);
static_assert(offsetof(ElementHeader, pivot) == 4 * 6);
static_assert(offsetof(ElementHeader, gauge) == 4 * 8);
static_assert(offsetof(ElementHeader, previous) == 4 * 9);
static_assert(offsetof(ElementHeader, children) == 4 * 10);
static_assert(offsetof(ElementHeader, failure) == 4 * 11);
static_assert(offsetof(ElementHeader, imageFlags) == 4 * 12);
static_assert(sizeof(MouseRecord) == 44);
static_assert(offsetof(MouseRecord, cursor) == 4 * 5);
static_assert(offsetof(MouseRecord, flags) == 4 * 7);
static_assert(offsetof(MouseRecord, eventOrCount) == 4 * 8);
static_assert(offsetof(MouseRecord, target) == 4 * 9);
static_assert(offsetof(MouseRecord, data) == 4 * 10);
static_assert(sizeof(TooltipArgument) == 72);
static_assert(offsetof(TooltipArgument, text) == 68);
#endif

}  // namespace xaq::abi
