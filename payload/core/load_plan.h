#pragma once
// The editor's arithmetic: passengers and baggage from the two sliders, the zero-fuel weight,
// the fuel that can still be loaded, and the same figures in kilograms for the metric window.

#include <cstdint>
#include <string>

#include "payload/core/payload_settings.h"

namespace xaq::payload {

inline constexpr int kSeatImages = 50;
inline constexpr int kSliderMax = 100;

enum class WeightUnit { Pounds, Kilograms };

// Working values, all in pounds.
struct PoundWeights {
  std::int64_t passengers = 0;
  double passengerWeight = 0;
  double baggageWeight = 0;
  double zeroFuelWeight = 0;
  double maxFuel = 0;
};

// The figures as the window shows them in one unit.
struct ShownWeights {
  double passengerWeight = 0;
  double baggageWeight = 0;
  double zeroFuelWeight = 0;
  double maxFuel = 0;
  double maxWeight = 0;  // for the notes file's MTOW line
};

struct SliderPositions {
  int passengerPercent = 0;
  int baggagePercent = 0;
};

int clampPercent(double percent);

// Slider positions that reproduce the passenger and baggage loads found in aircraft.cfg. A
// zero seat count, passenger weight or baggage maximum leaves that slider at 0 rather than
// dividing by it; loads beyond the aircraft's capacity put the slider at its end.
SliderPositions slidersFromLoads(const PayloadSettings& settings, double passengerLoadLbs,
                                 double baggageLoadLbs);

std::int64_t passengersAt(const PayloadSettings& settings, int passengerPercent);
double baggageAt(const PayloadSettings& settings, int baggagePercent);
PoundWeights computeWeights(const PayloadSettings& settings, SliderPositions sliders);

// Kilograms as the metric window shows them: pounds x 0.454, whole part.
double kilogramsShown(double pounds);
ShownWeights showWeights(const PayloadSettings& settings, const PoundWeights& weights, WeightUnit unit);

// The zero-fuel-weight label's background: pink above max_zfw, white below, and unchanged when
// exactly at it. Compared in pounds, so both windows warn at the same load.
enum class ZfwColour { White, Pink };
ZfwColour nextZfwColour(ZfwColour current, double zeroFuelWeightLbs, double maxZfwLbs);

// Seat image 1 ... kSeatImages is shown while its number is within the passenger count.
inline bool seatShown(int seat, std::int64_t passengers) { return seat <= passengers; }

// Width of a load bar whose left edge stays put.
inline int barWidth(int fullWidth, int percent) { return fullWidth * percent / kSliderMax; }

// Texts that differ between the pounds and the kilograms window.
struct UnitTexts {
  const char* baggageCaption;  // Label10
  const char* payloadSuffix;   // after total_payload
  const char* allValuesNote;   // Label11
  const char* notesSuffix;     // after the notes file's figures
};
const UnitTexts& unitTexts(WeightUnit unit);

}  // namespace xaq::payload
