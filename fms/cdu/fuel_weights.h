#pragma once
// The weights the FUEL page edits and the PERF page reads, in pounds; -1 is "not set".

namespace xaq::fms {

inline constexpr double kUnset = -1.0;

struct FuelWeights {
  double emptyWeight = 25650.0;
  double passengerCount = kUnset;
  double passengerWeight = kUnset;     // the passengers' total
  double weightPerPassenger = 175.0;
  double cargo = kUnset;
  double zeroFuelWeight = kUnset;
  double grossWeight = kUnset;
  double alternate = kUnset;
  double hold = kUnset;
  double extra = kUnset;
  double totalReserves = kUnset;

  // The cycle's step: while the zero-fuel weight is set, the gross weight follows the fuel.
  void update(double fuelWeightLb) {
    if (zeroFuelWeight >= 0.0) grossWeight = zeroFuelWeight + fuelWeightLb;
  }
};

inline bool isSet(double v) { return v >= 0.0; }

}  // namespace xaq::fms
