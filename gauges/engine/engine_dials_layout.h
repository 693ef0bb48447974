#pragma once
// The round engine dials of the centre panel: torque, propeller speed, ITT, NH, NL and fuel flow,
// one per engine, each with a virtual-cockpit twin. Each family's face (bezel, scale, coloured
// bands, readout window) is one bitmap that the main gauge and the twin both carry, placed so
// that its centre sits on the pointer's pivot; the scale marks are given about that pivot, so
// the pointer's table and the painted marks are the same points on every gauge.

#include <cstddef>
#include <cstdint>

#include "displays/engine/engine_reading.h"
#include "gauges/kit/switch_layout.h"

namespace xaq::gauges::engine_dials {

using displays::EngineQuantity;
using layout::NeedleLayout;
using layout::Point;
using layout::Rect;
using layout::ScaleMark;
using layout::Size;

enum Dial : std::int32_t { kTorque, kPropSpeed, kItt, kNh, kNl, kFuelFlow, kDialCount };

// A coloured band along the scale, between two values.
enum class Band : std::int32_t { kNormal, kCaution, kLimit };
struct BandLayout {
  Band band;
  double from;
  double to;
};

// Marks about a pivot at the origin (values and the face's legends, in hundreds where the
// numbers would crowd the dial).
inline constexpr ScaleMark kTorqueMarks[] = {
    {{-40, 16}, 0.0, "0"},    {{-41, -15}, 20.0, "20"}, {{-22, -40}, 40.0, "40"}, {{8, -45}, 60.0, "60"},
    {{34, -29}, 80.0, "80"}, {{44, 0}, 100.0, "100"},  {{31, 29}, 120.0, "120"},
};
inline constexpr ScaleMark kPropSpeedMarks[] = {
    {{-40, 14}, 0.0, "0"},     {{-43, -9}, 200.0, "2"},  {{-33, -31}, 400.0, "4"}, {{-12, -43}, 600.0, "6"},
    {{11, -43}, 800.0, "8"},   {{31, -31}, 1000.0, "10"}, {{41, -9}, 1200.0, "12"}, {{32, 25}, 1500.0, "15"},
};
inline constexpr ScaleMark kIttMarks[] = {
    {{-36, 15}, 0.0, "0"},    {{-36, -14}, 200.0, "2"}, {{-16, -36}, 400.0, "4"}, {{15, -36}, 600.0, "6"},
    {{35, -18}, 800.0, "8"},  {{36, 16}, 1000.0, "10"}, {{13, 37}, 1200.0, "12"},
};
// NH and NL share their angles.
inline constexpr ScaleMark kGasGeneratorMarks[] = {
    {{-36, 16}, 0.0, "0"},   {{-37, -13}, 20.0, "20"}, {{-20, -34}, 40.0, "40"}, {{6, -38}, 60.0, "60"},
    {{31, -24}, 80.0, "80"}, {{39, 2}, 100.0, "100"},  {{36, 16}, 110.0, nullptr},
};
inline constexpr ScaleMark kFuelFlowMarks[] = {
    {{-36, 16}, 0.0, "0"}, {{-24, -30}, 400.0, "4"}, {{24, -30}, 800.0, "8"}, {{36, 16}, 1200.0, "12"},
};
inline constexpr std::size_t kMaxMarks = 8;

inline constexpr BandLayout kTorqueBands[] = {{Band::kNormal, 0, 100}, {Band::kCaution, 100, 106}, {Band::kLimit, 106, 120}};
inline constexpr BandLayout kPropSpeedBands[] = {{Band::kNormal, 800, 1020}, {Band::kCaution, 1020, 1212}, {Band::kLimit, 1212, 1500}};
inline constexpr BandLayout kIttBands[] = {{Band::kNormal, 300, 765}, {Band::kCaution, 765, 800}, {Band::kLimit, 800, 1200}};
inline constexpr BandLayout kGasGeneratorBands[] = {{Band::kNormal, 60, 100}, {Band::kCaution, 100, 104}, {Band::kLimit, 104, 110}};

struct EngineGaugeLayout {
  const char* name;
  Point pivot;             // the pointer's pivot on the background
  Rect test;               // the test button's area (empty: none)
  std::uint32_t backgroundId;
};

struct DialLayout {
  EngineQuantity quantity;
  const char* caption;     // on the face, above the pivot
  const char* units;       // on the face, beside the caption
  const ScaleMark* marks;
  std::size_t markCount;
  const BandLayout* bands;
  std::size_t bandCount;
  std::uint32_t faceId;
  Size faceSize;
  Point faceCentre;        // the pivot's place on the face (and the twins' pivot)
  std::uint32_t needleId;
  Size size;               // the main gauges' background
  std::uint32_t overlayId; // the main gauges' lit plate (night)
  EngineGaugeLayout gauge[2];
  std::uint32_t twinBackgroundId;
  Size twinSize;
  EngineGaugeLayout twin[2];
  std::uint32_t variable[2];  // the engine's host variable, named by the tooltip's argument
  bool dialEvent;             // a click on the main gauge's dial makes the host trigger kDialEvent
};

inline constexpr std::uint32_t kDialEvent = 65908;
inline constexpr Size kNeedleSize{8, 46};
inline constexpr Point kNeedlePivot{4, 40};
inline constexpr std::uint32_t kTorqueReferenceId = 8146;
inline constexpr Size kTorqueReferenceSize{14, 48};
inline constexpr Point kTorqueReferencePivot{7, 46};
inline constexpr std::uint32_t kTestButtonId = 19230;
inline constexpr Size kTestButtonSize{22, 22};
inline constexpr std::uint32_t kIttLightId = 8162;  // 8162 dark, 8163 lit
inline constexpr Size kIttLightSize{26, 16};
inline constexpr Point kIttLightOffset{37, 39};     // from the pivot: (104, 102) on the main gauge
// The readout window, from the pivot.
inline constexpr Point kReadoutOffset{-22, 15};
inline constexpr Size kReadoutSize{44, 17};
// The readouts are amber on black but for the torque's, which is a pale grey.
inline constexpr std::uint32_t kTorqueReadoutColour = 0x00B8B2AE;

template <std::size_t N>
constexpr std::size_t count(const ScaleMark (&)[N]) { return N; }
template <std::size_t N>
constexpr std::size_t count(const BandLayout (&)[N]) { return N; }

inline constexpr DialLayout kDials[kDialCount] = {
    {EngineQuantity::kTorque, "TORQUE", "%", kTorqueMarks, count(kTorqueMarks), kTorqueBands, count(kTorqueBands),
     8140, {90, 94}, {45, 47}, 8141, {148, 142}, 8143,
     {{"Torque1", {74, 83}, {23, 113, 24, 24}, 8142}, {"Torque2", {73, 83}, {23, 113, 24, 24}, 8144}},
     19210, {90, 101},
     {{"Torque1_V", {45, 47}, {0, 77, 24, 24}, 19210}, {"Torque2_V", {45, 47}, {0, 77, 24, 24}, 19210}},
     {156, 191}, true},
    {EngineQuantity::kPropSpeed, "PROP", "RPM x100", kPropSpeedMarks, count(kPropSpeedMarks), kPropSpeedBands,
     count(kPropSpeedBands), 19220, {90, 94}, {45, 47}, 8151, {144, 130}, 19205,
     {{"PropRPM1", {72, 69}, {18, 98, 29, 28}, 19200}, {"PropRPM2", {72, 69}, {18, 98, 29, 28}, 19200}},
     19211, {90, 104},
     {{"PropRPM1_V", {45, 47}, {0, 76, 29, 28}, 19211}, {"PropRPM2_V", {45, 47}, {0, 76, 29, 28}, 19211}},
     {700, 708}, true},
    {EngineQuantity::kItt, "ITT", "\xB0" "C x100", kIttMarks, count(kIttMarks), kIttBands, count(kIttBands),
     19221, {86, 86}, {43, 43}, 8161, {136, 128}, 19206,
     {{"ITT1", {67, 63}, {10, 96, 24, 24}, 19201}, {"ITT2", {67, 63}, {10, 96, 24, 24}, 19201}},
     19212, {108, 100},
     {{"ITT1_V", {43, 43}, {0, 76, 24, 24}, 19212}, {"ITT2_V", {43, 43}, {0, 76, 24, 24}, 19212}},
     {631, 650}, true},
    {EngineQuantity::kNh, "NH", "% RPM", kGasGeneratorMarks, count(kGasGeneratorMarks), kGasGeneratorBands,
     count(kGasGeneratorBands), 19222, {90, 94}, {45, 47}, 8171, {146, 160}, 19207,
     {{"NH1", {73, 96}, {19, 127, 30, 29}, 19202}, {"NH2", {73, 96}, {19, 127, 30, 29}, 19202}},
     19213, {90, 107},
     {{"NH1_V", {45, 47}, {0, 78, 30, 29}, 19213}, {"NH2_V", {45, 47}, {0, 78, 30, 29}, 19213}},
     {624, 643}, false},
    {EngineQuantity::kNl, "NL", "% RPM", kGasGeneratorMarks, count(kGasGeneratorMarks), kGasGeneratorBands,
     count(kGasGeneratorBands), 19223, {90, 94}, {45, 47}, 8181, {140, 130}, 19208,
     {{"NL1", {70, 65}, {21, 94, 22, 31}, 19203}, {"NL2", {70, 65}, {17, 93, 26, 31}, 19203}},
     19214, {90, 107},
     {{"NL1_V", {45, 47}, {0, 76, 22, 31}, 19214}, {"NL2_V", {45, 47}, {0, 75, 26, 31}, 19214}},
     {625, 644}, false},
    {EngineQuantity::kFuelFlow, "FUEL FLOW", "PPH x100", kFuelFlowMarks, count(kFuelFlowMarks), nullptr, 0, 19224,
     {86, 86}, {43, 43}, 8191, {140, 118}, 19209,
     {{"FF1", {70, 66}, {}, 19204}, {"FF2", {70, 66}, {}, 19204}},
     19215, {86, 86},
     {{"FF1_V", {43, 43}, {}, 19215}, {"FF2_V", {43, 43}, {}, 19215}},
     {638, 657}, false},
};

constexpr bool hasTest(const EngineGaugeLayout& g) { return g.test.width > 0; }
constexpr NeedleLayout needleAt(std::uint32_t id, Point pivot) { return {id, pivot, kNeedleSize, kNeedlePivot}; }
constexpr Point facePosition(const DialLayout& d, Point pivot) {
  return {pivot.x - d.faceCentre.x, pivot.y - d.faceCentre.y};
}
// The test button's image, centred in its area.
constexpr Point testButtonPosition(const Rect& test) {
  return {test.x + (test.width - kTestButtonSize.width) / 2, test.y + (test.height - kTestButtonSize.height) / 2};
}
constexpr Point readoutPosition(Point pivot) { return {pivot.x + kReadoutOffset.x, pivot.y + kReadoutOffset.y}; }
// The whole dial, for its tooltip and (on the main panel) the host's event area.
constexpr Rect dialRect(const DialLayout& d, Point pivot) {
  const Point at = facePosition(d, pivot);
  return {at.x, at.y, d.faceSize.width, d.faceSize.height};
}

}  // namespace xaq::gauges::engine_dials
