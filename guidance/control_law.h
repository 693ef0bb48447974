#pragma once
// The one control step every guidance channel runs: the output moves only when the value's rate
// of change falls outside a band around three quarters of the rate the error asks for, by the
// step size per unit of rate missed, and stays within its range.

namespace xaq::guidance {

struct ControlLawStep {
  double target = 0.0;
  double current = 0.0;
  double previous = 0.0;  // the value one call earlier: the rate is per call, not per second
  double gain = 1.0;      // K
  double errorLimit = 1.0;  // E
  double output = 0.0;    // the output as it stands (U)
  double lowest = 0.0;
  double highest = 0.0;
  double step = 1.0;      // S
  bool strict = false;    // no dead band around a small error
};

inline constexpr double kControlLawDeadBand = 1e-5;

double controlLaw(const ControlLawStep& in);

}  // namespace xaq::guidance
