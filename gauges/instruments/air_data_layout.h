#pragma once
// The air-data and standby instruments as their tables and their artwork share them: bitmap
// ids, background sizes, needle pivots and scale marks, drum and readout boxes, knob halves.
// The virtual-cockpit twins carry the main gauge's moving parts moved to their own pivot.

#include <cstdint>

#include "gauges/kit/layout.h"
#include "gauges/kit/switch_layout.h"

namespace xaq::gauges::air_data {

using layout::NeedleLayout;
using layout::Point;
using layout::Rect;
using layout::ScaleMark;
using layout::Size;

// Host variables the elements look up.
inline constexpr std::uint32_t kTickVariable = 1;  // elements that need only their callback
inline constexpr std::uint32_t kAirspeedVariable = 61;
inline constexpr std::uint32_t kVerticalSpeedVariable = 65;
inline constexpr std::uint32_t kBallVariable = 69;
inline constexpr std::uint32_t kTurnRateVariable = 70;
inline constexpr std::uint32_t kAltitudeVariable = 74;
inline constexpr std::uint32_t kBaroMillibarsVariable = 75;
inline constexpr std::uint32_t kBaroInchesVariable = 76;
inline constexpr std::uint32_t kCompassHeadingVariable = 83;
inline constexpr std::uint32_t kAileronVariable = 784;
inline constexpr std::uint32_t kRudderVariable = 786;

// A drum window: the strip (digits 0 .. 9 and 0 again, one window high each) and its window
// (strip id + 1) at `at`.
struct DrumLayout {
  std::uint32_t stripId = 0;
  Point at;
  int index = 0;  // the digit of the altitude / 10
};
inline constexpr Size kDrumWindow{14, 20};
inline constexpr Size kSmallDrumWindow{9, 14};

// ---- airspeed indicator ----

inline constexpr std::uint32_t kVmoNeedleId = 8025;
inline constexpr std::uint32_t kAirspeedNeedleId = 8026;
inline constexpr std::uint32_t kBugId = 8027;
inline constexpr std::uint32_t kSpeedStripId = 8028;  // window 8029
inline constexpr std::uint32_t kBugKnobId = 8030;
inline constexpr std::uint32_t kFaceMaskId = 8032;
inline constexpr Size kFaceMaskSize{152, 152};
inline constexpr Size kSpeedStripWindow{40, 22};
inline constexpr int kSpeedStripDigitHeight = 22;  // one knot per window height

struct AirspeedLayout {
  std::uint32_t backgroundId;
  std::uint32_t overlayId;  // 0: no lighting overlay
  Size size;
  Point pivot;
  Point faceMask;
  Point speedStrip;
  Point bugKnob;
  Rect knobDown;
  Rect knobUp;
};

inline constexpr ScaleMark kAirspeedScale[] = {
    {{102, 90}, 0.0, nullptr},  {{138, 98}, 50.0, "50"},   {{173, 144}, 100.0, "100"},
    {{165, 200}, 150.0, "150"}, {{119, 234}, 200.0, "200"}, {{63, 225}, 250.0, "250"},
    {{32, 181}, 300.0, "300"},  {{40, 124}, 350.0, "350"},  {{86, 91}, 400.0, "400"},
};
inline constexpr AirspeedLayout kAirspeed{8024, 8031, {206, 268}, {102, 163}, {26, 86}, {82, 125}, {16, 245},
                                          {0, 222, 16, 42}, {16, 222, 24, 42}};

// The twin: the same face moved to its pivot; its knob lies outside its background, where the
// virtual cockpit's model puts it.
inline constexpr int kAirspeedTwinDx = 75 - 102;
inline constexpr int kAirspeedTwinDy = 76 - 163;
inline constexpr auto kAirspeedTwinScale = layout::translated(kAirspeedScale, kAirspeedTwinDx, kAirspeedTwinDy);
inline constexpr AirspeedLayout kAirspeedTwin{19000, 0, {152, 152}, {75, 76}, {26 + kAirspeedTwinDx, 86 + kAirspeedTwinDy},
                                              {82 + kAirspeedTwinDx, 125 + kAirspeedTwinDy}, {-11, 158},
                                              {-27, 135, 16, 42}, {-11, 135, 24, 42}};

// The further 2D variant: a dial of its own about (124, 163), from 4.8 degrees at 0 kt round to
// 347.3 degrees at 400 kt.
inline constexpr ScaleMark kAirspeedGScale[] = {
    {{130, 91}, 0.0, nullptr},  {{164, 102}, 50.0, "50"},   {{195, 149}, 100.0, "100"},
    {{184, 203}, 150.0, "150"}, {{138, 234}, 200.0, "200"}, {{84, 223}, 250.0, "250"},
    {{53, 180}, 300.0, "300"},  {{63, 124}, 350.0, "350"},  {{108, 92}, 400.0, "400"},
};
inline constexpr int kAirspeedGDx = 124 - 102;
inline constexpr AirspeedLayout kAirspeedG{8033, 8034, {250, 268}, {124, 163}, {26 + kAirspeedGDx, 86},
                                           {82 + kAirspeedGDx, 125}, {40, 241},
                                           {19, 220, 21, 42}, {40, 219, 24, 42}};

inline constexpr Size kAirspeedNeedleSize{12, 80};
inline constexpr Point kAirspeedNeedlePivot{6, 70};
inline constexpr Size kBugSize{16, 80};
inline constexpr Point kBugPivot{8, 74};
inline constexpr Size kBugKnobSize{30, 30};
inline constexpr Point kBugKnobPivot{15, 15};

// ---- altimeter ----

inline constexpr std::uint32_t kAltimeterNeedleId = 8041;
inline constexpr std::uint32_t kAltitudeAlertId = 8050;  // dark 8050, lit 8051
inline constexpr Size kAltitudeAlertSize{30, 16};
inline constexpr ScaleMark kAltimeterScale[] = {
    {{107, 39}, 0.0, "0"},
    {{107, 183}, 500.0, "5"},
    {{106, 38}, 1000.0, nullptr},
};
inline constexpr Size kAltimeterNeedleSize{12, 80};
inline constexpr Point kAltimeterNeedlePivot{6, 70};
inline constexpr DrumLayout kAltimeterDrums[] = {
    {8046, {122, 74}, 0}, {8044, {107, 75}, 1}, {8044, {80, 75}, 2}, {8042, {66, 75}, 3}};

struct AltimeterLayout {
  std::uint32_t backgroundId;
  std::uint32_t overlayId;
  Size size;
  Point pivot;
  Rect millibars;
  Rect inches;
  Point alertLight;
  Rect knobDown;
  Rect knobUp;
};
inline constexpr AltimeterLayout kAltimeter{19001, 19002, {212, 216}, {106, 110}, {65, 134, 38, 19},
                                            {113, 135, 38, 19}, {167, 35}, {10, 162, 19, 49}, {30, 162, 20, 48}};
inline constexpr AltimeterLayout kAltimeterTwin{19003, 0, {212, 216}, {106, 110}, {65, 134, 38, 19},
                                                {113, 135, 38, 19}, {167, 35}, {10, 162, 19, 49}, {30, 162, 20, 48}};

// ---- vertical speed indicator ----

inline constexpr std::uint32_t kVsiNeedleId = 8061;
inline constexpr ScaleMark kVsiScale[] = {
    {{170, 111}, -4000.0, "4"}, {{155, 142}, -3000.0, "3"}, {{124, 162}, -2000.0, "2"},
    {{78, 160}, -1000.0, "1"},  {{51, 138}, -500.0, ".5"},  {{38, 99}, 0.0, "0"},
    {{51, 60}, 500.0, ".5"},    {{78, 38}, 1000.0, "1"},    {{124, 36}, 2000.0, "2"},
    {{155, 57}, 3000.0, "3"},   {{170, 87}, 4000.0, "4"},
};
inline constexpr Size kVsiNeedleSize{12, 76};
inline constexpr Point kVsiNeedlePivot{6, 66};

struct DialLayout {
  std::uint32_t backgroundId;
  std::uint32_t overlayId;
  Size size;
};
inline constexpr Point kVsiPivot{102, 99};
inline constexpr DialLayout kVsi{19004, 19005, {204, 200}};
inline constexpr DialLayout kVsiTwin{19006, 0, {204, 200}};

// ---- powered flight control surfaces indicator ----

inline constexpr std::uint32_t kRudderNeedleId = 8122;
inline constexpr std::uint32_t kSpoilerNeedleId = 8121;
inline constexpr Point kRudderPivot{110, 123};
inline constexpr ScaleMark kRudderScale[] = {
    {{138, 157}, -1.0, "R"}, {{110, 167}, 0.0, nullptr}, {{82, 157}, 1.0, "L"}};
inline constexpr Size kRudderNeedleSize{10, 52};
inline constexpr Point kRudderNeedlePivot{5, 46};
inline constexpr Size kSpoilerNeedleSize{8, 40};
inline constexpr Point kSpoilerNeedlePivot{4, 36};

struct SpoilerLayout {
  Point pivot;
  ScaleMark scale[2];
};
// Left outboard, left inboard, right inboard, right outboard.
inline constexpr SpoilerLayout kSpoilers[] = {
    {{72, 119}, {{{42, 119}, 0.0, nullptr}, {{61, 88}, 1.0, nullptr}}},
    {{91, 64}, {{{57, 65}, 0.0, nullptr}, {{79, 34}, 1.0, nullptr}}},
    {{130, 64}, {{{164, 65}, 0.0, nullptr}, {{142, 34}, 1.0, nullptr}}},
    {{148, 119}, {{{182, 120}, 0.0, nullptr}, {{159, 88}, 1.0, nullptr}}},
};
inline constexpr DialLayout kPfcs{19007, 19008, {220, 200}};
inline constexpr DialLayout kPfcsTwin{19009, 0, {220, 200}};

// ---- standby altimeter ----

inline constexpr std::uint32_t kStandbyNeedleId = 8131;
inline constexpr ScaleMark kStandbyScale[] = {
    {{143, 22}, 0.0, "0"},
    {{143, 113}, 500.0, "5"},
    {{142, 22}, 1000.0, nullptr},
};
inline constexpr Size kStandbyNeedleSize{8, 52};
inline constexpr Point kStandbyNeedlePivot{4, 46};
inline constexpr DrumLayout kStandbyDrums[] = {{8134, {133, 50}, 2}, {8132, {124, 50}, 3}};

struct StandbyLayout {
  std::uint32_t backgroundId;
  std::uint32_t overlayId;
  Size size;
  Point pivot;
  Rect millibars;
  Rect knobDown;
  Rect knobUp;
};
inline constexpr StandbyLayout kStandbyAlt{19010, 19011, {212, 136}, {143, 68}, {129, 86, 29, 10},
                                           {168, 98, 19, 32}, {188, 97, 19, 34}};
inline constexpr StandbyLayout kStandbyAltTwin{19012, 0, {212, 136}, {143, 68}, {129, 86, 29, 10},
                                               {168, 98, 19, 32}, {188, 97, 19, 34}};

// ---- turn and slip indicator ----

inline constexpr std::uint32_t kBallId = 8212;
inline constexpr std::uint32_t kTurnNeedleId = 8211;
inline constexpr Point kBall{38, 187};
inline constexpr Size kBallSize{18, 18};
inline constexpr double kBallPixelsPerUnit = 0.13;  // +-127 moves the ball 16 px either way
inline constexpr Point kTurnPivot{47, 214};
inline constexpr ScaleMark kTurnScale[] = {
    {{6, 141}, -1200.0, nullptr}, {{27, 128}, -540.0, "L"}, {{47, 122}, 0.0, nullptr},
    {{67, 128}, 540.0, "R"},      {{86, 143}, 1200.0, nullptr},
};
inline constexpr Size kTurnNeedleSize{8, 96};
inline constexpr Point kTurnNeedlePivot{4, 90};
inline constexpr DialLayout kTurnSlip{19013, 19014, {94, 230}};
inline constexpr DialLayout kTurnSlipTwin{19015, 0, {94, 230}};

// ---- standby compass (virtual cockpit) ----

inline constexpr std::uint32_t kCompassCardId = 10484;  // window 10485
inline constexpr std::uint32_t kCompassBackgroundId = 19016;
inline constexpr Size kCompassSize{160, 80};
inline constexpr Point kCompassWindow{20, 26};
inline constexpr Size kCompassWindowSize{120, 30};
inline constexpr int kCompassPixelsPerDegree = 2;

}  // namespace xaq::gauges::air_data
