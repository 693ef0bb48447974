#pragma once
// The host's panel interface as plain data: the import table, the linkage, gauge headers,
// display elements of every kind, image structures, mouse records, tooltip records and
// host-variable records. Shared by the module and by every program that plays the host.
//
// Every structure is laid out exactly as the host's published panel format: 4-byte packing
// throughout (doubles sit on 4-byte boundaries), every field the host owns reserved and zeroed,
// every element reserving its kind's full size. The host writes into the fields marked "host";
// the 32-bit Windows build asserts every size and offset below. A 64-bit build (the module for
// the sim host) keeps the same fields in their natural alignment: only the 32-bit layout meets
// the real host.

#include <cstddef>
#include <cstdint>

#include "platform/host_call.h"

namespace xaq::abi {

struct GaugeHeader;
struct ElementHeader;
struct MouseRecord;

struct PixPoint {
  std::int32_t x = 0;
  std::int32_t y = 0;
};

#if defined(__i386__)
#define XAQ_HOST_PACKING 1
#pragma pack(push, 4)
#endif

// One host variable: the module writes the id, the host fills the value on lookup. The value is
// a double, or for booleans, enums, flags and BCD a 32-bit word in its first half.
struct HostVarRecord {
  std::uint32_t id = 0;               // 0
  std::uint32_t hostWords[2] = {};    // 4: pointer and type (host)
  double value = 0.0;                 // 12
  std::uint32_t hostTail[2] = {};     // 20: previous value (host)
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

// The version-800 part ends at byte 196; later hosts grow the header to 252 bytes, so the module
// reserves them all.
struct GaugeHeader {
  std::uint32_t version;                     // 0: 800
  const char* name;                          // 4
  ElementHeader* const* elements;            // 8: null-terminated, exactly one (the background)
  CommonRoutine queryRoutine;                // 12 -> service 24
  CommonRoutineWithWord installRoutine;      // 16 -> service 25
  CommonRoutine initializeRoutine;           // 20 -> service 26
  CommonRoutine updateRoutine;               // 24 -> service 27
  CommonRoutineWithWord generateRoutine;     // 28 -> service 28
  CommonRoutine drawRoutine;                 // 32 -> service 29
  CommonRoutine killRoutine;                 // 36 -> service 31
  std::uint32_t reserved40;                  // 40: 0
  std::uint32_t defaultSize;                 // 44: size x in mm, 100
  std::uint32_t sizeYmm;                     // 48: 0
  std::int32_t adjustX;                      // 52: 0
  std::int32_t adjustY;                      // 56: 0
  std::uint32_t host60[2];                   // 60 (host)
  PixPoint position;                         // 68 (host)
  std::uint32_t host76;                      // 76 (host)
  MouseRecord* mouseTable;                   // 80
  GaugeCallback callback;                    // 84
  std::uint32_t userData;                    // 88: 0
  void* parameters;                          // 92 (host)
  void* usage;                               // 96 (host)
  std::uint32_t host100[2];                  // 100 (host)
  PixPoint size;                             // 108 (host)
  std::uint8_t userArea[80];                 // 116 (host)
  std::uint32_t flags;                       // 196 (host)
  std::uint32_t host200[13];                 // 200 (host, later versions)
};

// ---- images -----------------------------------------------------------------------------------

struct Image {
  std::uint32_t format;     // 0 (host): the pixel format
  PixPoint dimensions;      // 4: width, height
  std::int32_t pitch;       // 12: bytes per row
  std::uint32_t host16[2];  // 16 (host)
  std::uint8_t* bits;       // 24: top row first
  std::uint32_t host28;     // 28 (host)
};

struct ImageSet {
  Image* finalImage;        // 0: what is shown (a drawing surface's pixels)
  Image* sourceImage;       // 4
  std::uint32_t host8[2];   // 8 (host)
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
inline constexpr std::uint32_t kImageTransparent = 1u << 0;      // pure black (0,0,0) is see-through
inline constexpr std::uint32_t kImageErase = 1u << 1;
inline constexpr std::uint32_t kImageBright = 1u << 2;           // stays lit at night
inline constexpr std::uint32_t kImageCreateSurface = 1u << 5;    // the host makes a DIB section
inline constexpr std::uint32_t kImageHidden = 1u << 30;
inline constexpr std::uint32_t kImageOnScreen = 1u << 31;        // (host) cleared to force a redraw

struct FailureRecord;  // the host's failure table; the module never names one

// The part every element starts with.
struct ElementHeader {
  std::int32_t kind;                   // 0
  std::uint32_t resourceId;            // 4: BITMAP resource (0 = none)
  PixPoint position;                   // 8: on the parent's bitmap (needles: the pivot)
  PixPoint previousPosition;           // 16 (host)
  PixPoint pivot;                      // 24: offset point inside the element's own bitmap
  GaugeHeader* gauge;                  // 32: the gauge this element belongs to
  ElementHeader* previous;             // 36 (host)
  ElementHeader* const* children;      // 40: null-terminated list drawn on top, or null
  FailureRecord* failure;              // 44
  std::uint32_t imageFlags;            // 48
  std::uint32_t specialFlags;          // 52: special-instrumentation flags, 0
  std::uint32_t reserved56;            // 56: 0
};

// The element's value callback, in the kind's trailing slot: the host applies what it returns.
using ValueCallback = double(XAQ_HOSTCALL*)(ElementHeader* element);
// A transform of the looked-up variable; the module leaves these slots null.
using SourceVarCallback = double(XAQ_HOSTCALL*)(HostVarRecord* record);

// Static image (backgrounds, overlays, glass screens). With kImageCreateSurface the host makes a
// DIB section sized from the element's bitmap: its device context and bitmap land here, its
// pixels in the image `images.finalImage` leads to.
struct StaticImageElement {
  ElementHeader header;        // 0
  ImageSet images;             // 60 (host)
  void* saveBuffer;            // 76 (host)
  void* deviceContext;         // 80 (host): HDC of the DIB section
  void* bitmapHandle;          // 84 (host): HBITMAP of the DIB section
  std::uint32_t host88[2];     // 88 (host)
};

// Needle scale point: where the needle points for `value`; the host computes `degrees`.
struct ScalePoint {
  PixPoint point;              // 0
  double value;                // 8
  double degrees;              // 16 (host)
};

// Needle: value -> angle by the scale table (angles of the points about `position`, linear in
// between); without a table the value is the angle in degrees, clockwise from twelve o'clock.
struct NeedleElement {
  ElementHeader header;                // 0
  HostVarRecord variable;              // 60
  SourceVarCallback sourceCallback;    // 88: null
  void* functionSlots[3];              // 92: null
  PixPoint reference;                  // 104: the pivot on the needle bitmap
  ScalePoint* scale;                   // 112
  std::uint32_t scaleCount;            // 116
  std::uint32_t hostState[26];         // 120: maximum degrees per tick (0), then the host's state
  ValueCallback callback;              // 224
  std::uint32_t host228[2];            // 228 (host)
};

// DrawText flags the string elements use.
inline constexpr std::uint32_t kTextLeft = 0x00;
inline constexpr std::uint32_t kTextCenter = 0x01;
inline constexpr std::uint32_t kTextRight = 0x02;
inline constexpr std::uint32_t kTextVerticalCenter = 0x04;
inline constexpr std::uint32_t kTextSingleLine = 0x20;

inline constexpr std::size_t kFontNameSize = 32;

// Text in a box. The host provides the text buffer; the callback writes at most `maxLength`
// bytes, terminator included, into it.
struct StringElement {
  ElementHeader header;                // 0
  HostVarRecord variables[3];          // 60
  double savedValues[3];               // 144 (host)
  SourceVarCallback sourceCallbacks[3];  // 168: null
  void* sourceFunction;                // 180: null
  char* text;                          // 184 (host): the buffer
  char* previousText;                  // 188 (host)
  PixPoint boxSize;                    // 192
  std::uint32_t host200[2];            // 200 (host)
  std::uint32_t foreground;            // 208: COLORREF
  std::uint32_t background;            // 212
  std::uint32_t highlight;             // 216
  void* deviceContext;                 // 220 (host)
  std::uint32_t host224[6];            // 224 (host)
  char fontName[kFontNameSize];        // 248
  std::int32_t fontWeight;             // 280
  std::uint8_t charset;                // 284
  std::uint8_t pad285[3];
  std::uint32_t drawTextFlags;         // 288
  std::uint16_t maxLength;             // 292
  std::uint8_t host294[18];            // 294 (host)
  ValueCallback callback;              // 312
  std::uint32_t useUserColour;         // 316
  std::uint32_t userColour;            // 320
};

// Slider: the bitmap moves by value x scale pixels along each axis.
struct SliderElement {
  ElementHeader header;                // 0
  HostVarRecord xVariable;             // 60
  SourceVarCallback xSourceCallback;   // 88: null
  double xScale;                       // 92
  void* lagFunction;                   // 100: null
  HostVarRecord yVariable;             // 104
  SourceVarCallback ySourceCallback;   // 132: null
  double yScale;                       // 136
  std::uint32_t reserved144;           // 144: 0
  ImageSet images;                     // 148 (host)
  std::uint32_t host164;               // 164 (host)
  ValueCallback xCallback;             // 168
  ValueCallback yCallback;             // 172
  double previous[2];                  // 176 (host)
};

inline constexpr std::int32_t kIconSetCurrent = 0;  // the value, scaled and offset, is the index

// Icon: shows bitmap resourceId + index, index = value x scale + offset held within the count.
struct IconElement {
  ElementHeader header;                // 0
  HostVarRecord variable;              // 60
  SourceVarCallback sourceCallback;    // 88: null
  std::int32_t switchType;             // 92
  std::int32_t switchCount;            // 96
  double scale;                        // 100
  std::int32_t offset;                 // 108
  std::int32_t iconCount;              // 112
  std::int32_t current;                // 116 (host)
  std::int32_t target;                 // 120 (host)
  std::uint32_t host124[2];            // 124 (host)
  ValueCallback callback;              // 132
  std::uint32_t reserved136;           // 136: 0
};

// Moving image: a window over a larger bitmap (drums, tapes). The element's bitmap is the strip;
// the next id (resourceId + 1) is the window's mask, from which the host builds `localMask`.
// Each axis maps minimum .. maximum linearly onto the strip's travel.
struct MovingImageElement {
  ElementHeader header;                // 0
  HostVarRecord xVariable;             // 60
  SourceVarCallback xSourceCallback;   // 88: null
  double minX;                         // 92
  double maxX;                         // 100
  void* xLag;                          // 108: null
  HostVarRecord yVariable;             // 112
  SourceVarCallback ySourceCallback;   // 140: null
  double minY;                         // 144
  double maxY;                         // 152
  void* yLag;                          // 160: null
  std::uint32_t host164[10];           // 164 (host): scale and offset state
  ImageSet images;                     // 204 (host)
  ImageSet localMask;                  // 220 (host)
  std::uint32_t host236[2];            // 236 (host)
  ValueCallback xCallback;             // 244
  ValueCallback yCallback;             // 248
  double previous[2];                  // 252 (host)
};

// Sprite: the element's bitmap (the texture) shifted by value x scale and turned by the rotation
// value x its scale (radians, clockwise) about `reference`, seen through the window of the next
// id's mask (resourceId + 1).
struct SpriteElement {
  ElementHeader header;                // 0
  HostVarRecord xVariable;             // 60
  SourceVarCallback xSourceCallback;   // 88: null
  double xScale;                       // 92
  HostVarRecord yVariable;             // 100
  SourceVarCallback ySourceCallback;   // 128: null
  double yScale;                       // 132
  HostVarRecord rotationVariable;      // 140
  SourceVarCallback rotationSourceCallback;  // 168: null
  double rotationScale;                // 172
  float textureScaleX;                 // 180
  float textureScaleY;                 // 184
  PixPoint reference;                  // 188: the texture's centre
  std::uint32_t host196[30];           // 196 (host)
  ValueCallback xCallback;             // 316
  ValueCallback yCallback;             // 320
  ValueCallback rotationCallback;      // 324
  std::uint32_t host328[6];            // 328 (host)
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

// Tooltip text callback: (the record's value, its id, the tooltip text, the record the host
// filled, the gauge). Returns the text to insert.
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
  std::int32_t x;             // 4
  std::int32_t y;             // 8
  std::int32_t width;         // 12
  std::int32_t height;        // 16
  std::int32_t cursor;        // 20
  std::int32_t helpId;        // 24
  std::uint32_t flags;        // 28
  std::uint32_t eventOrCount; // 32: host event id (areas) or argument count (tooltips)
  MouseTarget target;         // 36
  MouseData data;             // 40
};

struct TooltipArgument {
  HostVarRecord variable;                // 0: the host fills its value before the callback
  double scale;                          // 28: 1.0
  const void* numericTable;              // 36
  std::uint32_t numericCount;            // 40
  const void* idTable;                   // 44
  std::uint32_t idCount;                 // 48
  const void* stringTable;               // 52
  std::uint32_t stringCount;             // 56
  TooltipTextCallback numericCallback;   // 60
  TooltipTextCallback idCallback;        // 64
  TooltipTextCallback stringCallback;    // 68
};

#if defined(XAQ_HOST_PACKING)
#pragma pack(pop)
#undef XAQ_HOST_PACKING
#endif

#if defined(_WIN32) && defined(__i386__)
// The host reads and writes these layouts byte by byte: check every size and offset.
static_assert(sizeof(HostVarRecord) == 28);
static_assert(offsetof(HostVarRecord, value) == 12);
static_assert(offsetof(HostVarRecord, hostTail) == 20);
static_assert(sizeof(ImportTable) == 16);
static_assert(offsetof(ModuleLinkage, moduleInit) == 4);
static_assert(offsetof(ModuleLinkage, moduleDeinit) == 8);
static_assert(offsetof(ModuleLinkage, moduleVersion) == 20);
static_assert(offsetof(ModuleLinkage, gauges) == 24);
static_assert(sizeof(ModuleLinkage) == 4 * 110);

static_assert(sizeof(GaugeHeader) == 252);
static_assert(offsetof(GaugeHeader, name) == 4);
static_assert(offsetof(GaugeHeader, elements) == 8);
static_assert(offsetof(GaugeHeader, queryRoutine) == 12);
static_assert(offsetof(GaugeHeader, killRoutine) == 36);
static_assert(offsetof(GaugeHeader, reserved40) == 40);
static_assert(offsetof(GaugeHeader, defaultSize) == 44);
static_assert(offsetof(GaugeHeader, sizeYmm) == 48);
static_assert(offsetof(GaugeHeader, adjustX) == 52);
static_assert(offsetof(GaugeHeader, adjustY) == 56);
static_assert(offsetof(GaugeHeader, position) == 68);
static_assert(offsetof(GaugeHeader, host76) == 76);
static_assert(offsetof(GaugeHeader, mouseTable) == 80);
static_assert(offsetof(GaugeHeader, callback) == 84);
static_assert(offsetof(GaugeHeader, userData) == 88);
static_assert(offsetof(GaugeHeader, parameters) == 92);
static_assert(offsetof(GaugeHeader, usage) == 96);
static_assert(offsetof(GaugeHeader, size) == 108);
static_assert(offsetof(GaugeHeader, userArea) == 116);
static_assert(offsetof(GaugeHeader, flags) == 196);
static_assert(offsetof(GaugeHeader, host200) == 200);

static_assert(sizeof(Image) == 32);
static_assert(offsetof(Image, dimensions) == 4);
static_assert(offsetof(Image, pitch) == 12);
static_assert(offsetof(Image, bits) == 24);
static_assert(sizeof(ImageSet) == 16);

static_assert(sizeof(ElementHeader) == 60);
static_assert(offsetof(ElementHeader, resourceId) == 4);
static_assert(offsetof(ElementHeader, position) == 8);
static_assert(offsetof(ElementHeader, previousPosition) == 16);
static_assert(offsetof(ElementHeader, pivot) == 24);
static_assert(offsetof(ElementHeader, gauge) == 32);
static_assert(offsetof(ElementHeader, previous) == 36);
static_assert(offsetof(ElementHeader, children) == 40);
static_assert(offsetof(ElementHeader, failure) == 44);
static_assert(offsetof(ElementHeader, imageFlags) == 48);
static_assert(offsetof(ElementHeader, specialFlags) == 52);

static_assert(sizeof(StaticImageElement) == 96);
static_assert(offsetof(StaticImageElement, images) == 60);
static_assert(offsetof(StaticImageElement, saveBuffer) == 76);
static_assert(offsetof(StaticImageElement, deviceContext) == 80);
static_assert(offsetof(StaticImageElement, bitmapHandle) == 84);

static_assert(sizeof(ScalePoint) == 24);
static_assert(offsetof(ScalePoint, value) == 8);
static_assert(offsetof(ScalePoint, degrees) == 16);
static_assert(sizeof(NeedleElement) == 236);
static_assert(offsetof(NeedleElement, variable) == 60);
static_assert(offsetof(NeedleElement, sourceCallback) == 88);
static_assert(offsetof(NeedleElement, functionSlots) == 92);
static_assert(offsetof(NeedleElement, reference) == 104);
static_assert(offsetof(NeedleElement, scale) == 112);
static_assert(offsetof(NeedleElement, scaleCount) == 116);
static_assert(offsetof(NeedleElement, hostState) == 120);
static_assert(offsetof(NeedleElement, callback) == 224);

static_assert(sizeof(StringElement) == 324);
static_assert(offsetof(StringElement, variables) == 60);
static_assert(offsetof(StringElement, savedValues) == 144);
static_assert(offsetof(StringElement, sourceCallbacks) == 168);
static_assert(offsetof(StringElement, sourceFunction) == 180);
static_assert(offsetof(StringElement, text) == 184);
static_assert(offsetof(StringElement, previousText) == 188);
static_assert(offsetof(StringElement, boxSize) == 192);
static_assert(offsetof(StringElement, foreground) == 208);
static_assert(offsetof(StringElement, background) == 212);
static_assert(offsetof(StringElement, highlight) == 216);
static_assert(offsetof(StringElement, deviceContext) == 220);
static_assert(offsetof(StringElement, fontName) == 248);
static_assert(offsetof(StringElement, fontWeight) == 280);
static_assert(offsetof(StringElement, charset) == 284);
static_assert(offsetof(StringElement, drawTextFlags) == 288);
static_assert(offsetof(StringElement, maxLength) == 292);
static_assert(offsetof(StringElement, callback) == 312);
static_assert(offsetof(StringElement, useUserColour) == 316);
static_assert(offsetof(StringElement, userColour) == 320);

static_assert(sizeof(SliderElement) == 192);
static_assert(offsetof(SliderElement, xVariable) == 60);
static_assert(offsetof(SliderElement, xSourceCallback) == 88);
static_assert(offsetof(SliderElement, xScale) == 92);
static_assert(offsetof(SliderElement, lagFunction) == 100);
static_assert(offsetof(SliderElement, yVariable) == 104);
static_assert(offsetof(SliderElement, ySourceCallback) == 132);
static_assert(offsetof(SliderElement, yScale) == 136);
static_assert(offsetof(SliderElement, images) == 148);
static_assert(offsetof(SliderElement, xCallback) == 168);
static_assert(offsetof(SliderElement, yCallback) == 172);
static_assert(offsetof(SliderElement, previous) == 176);

static_assert(sizeof(IconElement) == 140);
static_assert(offsetof(IconElement, variable) == 60);
static_assert(offsetof(IconElement, sourceCallback) == 88);
static_assert(offsetof(IconElement, switchType) == 92);
static_assert(offsetof(IconElement, switchCount) == 96);
static_assert(offsetof(IconElement, scale) == 100);
static_assert(offsetof(IconElement, offset) == 108);
static_assert(offsetof(IconElement, iconCount) == 112);
static_assert(offsetof(IconElement, current) == 116);
static_assert(offsetof(IconElement, target) == 120);
static_assert(offsetof(IconElement, callback) == 132);

static_assert(sizeof(MovingImageElement) == 268);
static_assert(offsetof(MovingImageElement, xVariable) == 60);
static_assert(offsetof(MovingImageElement, xSourceCallback) == 88);
static_assert(offsetof(MovingImageElement, minX) == 92);
static_assert(offsetof(MovingImageElement, maxX) == 100);
static_assert(offsetof(MovingImageElement, xLag) == 108);
static_assert(offsetof(MovingImageElement, yVariable) == 112);
static_assert(offsetof(MovingImageElement, ySourceCallback) == 140);
static_assert(offsetof(MovingImageElement, minY) == 144);
static_assert(offsetof(MovingImageElement, maxY) == 152);
static_assert(offsetof(MovingImageElement, yLag) == 160);
static_assert(offsetof(MovingImageElement, host164) == 164);
static_assert(offsetof(MovingImageElement, images) == 204);
static_assert(offsetof(MovingImageElement, localMask) == 220);
static_assert(offsetof(MovingImageElement, xCallback) == 244);
static_assert(offsetof(MovingImageElement, yCallback) == 248);
static_assert(offsetof(MovingImageElement, previous) == 252);

static_assert(sizeof(SpriteElement) == 352);
static_assert(offsetof(SpriteElement, xVariable) == 60);
static_assert(offsetof(SpriteElement, xSourceCallback) == 88);
static_assert(offsetof(SpriteElement, xScale) == 92);
static_assert(offsetof(SpriteElement, yVariable) == 100);
static_assert(offsetof(SpriteElement, ySourceCallback) == 128);
static_assert(offsetof(SpriteElement, yScale) == 132);
static_assert(offsetof(SpriteElement, rotationVariable) == 140);
static_assert(offsetof(SpriteElement, rotationSourceCallback) == 168);
static_assert(offsetof(SpriteElement, rotationScale) == 172);
static_assert(offsetof(SpriteElement, textureScaleX) == 180);
static_assert(offsetof(SpriteElement, textureScaleY) == 184);
static_assert(offsetof(SpriteElement, reference) == 188);
static_assert(offsetof(SpriteElement, host196) == 196);
static_assert(offsetof(SpriteElement, xCallback) == 316);
static_assert(offsetof(SpriteElement, yCallback) == 320);
static_assert(offsetof(SpriteElement, rotationCallback) == 324);

static_assert(sizeof(MouseRecord) == 44);
static_assert(offsetof(MouseRecord, x) == 4);
static_assert(offsetof(MouseRecord, cursor) == 20);
static_assert(offsetof(MouseRecord, helpId) == 24);
static_assert(offsetof(MouseRecord, flags) == 28);
static_assert(offsetof(MouseRecord, eventOrCount) == 32);
static_assert(offsetof(MouseRecord, target) == 36);
static_assert(offsetof(MouseRecord, data) == 40);

static_assert(sizeof(TooltipArgument) == 72);
static_assert(offsetof(TooltipArgument, scale) == 28);
static_assert(offsetof(TooltipArgument, numericTable) == 36);
static_assert(offsetof(TooltipArgument, stringCount) == 56);
static_assert(offsetof(TooltipArgument, numericCallback) == 60);
static_assert(offsetof(TooltipArgument, idCallback) == 64);
static_assert(offsetof(TooltipArgument, stringCallback) == 68);
#endif

// The element of a given kind, from its common part (null for another kind or null).
template <typename Kind>
Kind* elementAs(ElementHeader* element);

#define XAQ_ELEMENT_KIND(Type, kindValue)                                   \
  template <>                                                               \
  inline Type* elementAs<Type>(ElementHeader * element) {                   \
    return element != nullptr && element->kind == (kindValue)               \
               ? reinterpret_cast<Type*>(element)                           \
               : nullptr;                                                   \
  }
XAQ_ELEMENT_KIND(StaticImageElement, kStaticImage)
XAQ_ELEMENT_KIND(NeedleElement, kNeedle)
XAQ_ELEMENT_KIND(StringElement, kString)
XAQ_ELEMENT_KIND(SliderElement, kSlider)
XAQ_ELEMENT_KIND(IconElement, kIcon)
XAQ_ELEMENT_KIND(MovingImageElement, kMovingImage)
XAQ_ELEMENT_KIND(SpriteElement, kSprite)
#undef XAQ_ELEMENT_KIND

}  // namespace xaq::abi
