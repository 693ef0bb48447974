#pragma once
// A test bed for the flight guidance: the advisory record, the guidance and recording effects,
// an aircraft in level flight, and a clock that steps by the chosen time step.

#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>

#include "common/testing/recording_effects.h"
#include "guidance/flight_guidance.h"

namespace xaq::guidance::testing {

class GuidanceBed {
 public:
  GuidanceBed() {
    in.trueAirspeedKt = 200;
    in.indicatedAirspeedKt = 180;
    in.groundSpeedKt = 200;
    in.altitudeFt = 5000;
    in.radioAltitudeFt = 5000;
    in.headingDeg = 90;
    in.headingBugDeg = 90;
    in.outsideAirTempC = 15;
    in.navSignalValid = true;
    in.preselectedAltitudeFt = 10000;
  }

  // Powered in the air: no system test.
  GuidanceBed& airborne() {
    in.onGround = false;
    runCycles(1);
    guidance.powerUp();
    runCycles(1);
    return *this;
  }
  // Powered on the ground: the system test starts.
  GuidanceBed& onGroundPowered() {
    in.onGround = true;
    in.radioAltitudeFt = 0;
    runCycles(1);
    guidance.powerUp();
    return *this;
  }
  GuidanceBed& engaged() {
    guidance.pressAp();
    runCycles(2);
    return *this;
  }

  void runCycles(int n, double dtS = 0.056) {
    for (int k = 0; k < n; ++k) {
      nowS += dtS;
      CycleContext now{nowS, dtS, dtS == 0.0, simRate};
      Effects doors = fx.doors();
      guidance.update(now, in, doors);
    }
  }
  // Runs until `seconds` more have passed, in steps of `dtS` (at least one cycle).
  void runFor(double seconds, double dtS = 0.056) {
    const double end = nowS + seconds;
    if (dtS <= 0.0) {
      runCycles(1, 0.0);
      return;
    }
    do runCycles(1, std::min(dtS, std::max(end - nowS, 1e-9))); while (nowS < end - 1e-9);
  }

  int eventsWith(std::uint32_t id) const {
    return static_cast<int>(std::count_if(fx.events.begin(), fx.events.end(),
                                          [id](const auto& e) { return e.first == id; }));
  }
  const FlightGuidanceState& state() const { return guidance.state(); }
  const AdvisoryState& display() const { return advisory.state(); }
  std::string line(int n) const {
    const AdvisoryState& s = advisory.state();
    const AdvisoryLine* lines[] = {&s.line1, &s.line2, &s.line3, &s.line4};
    return lines[n - 1]->data();
  }
  std::string message() const { return advisory.state().message.data(); }

  Advisory advisory;
  FlightGuidance guidance{advisory};
  xaq::testing::RecordingEffects fx;
  FlightGuidanceInputs in;
  double nowS = 100.0;
  double simRate = 1.0;
};

// The time steps a time-dependent rule must not depend on.
inline constexpr double kTimeSteps[] = {0.028, 0.056, 0.3, 6.0};

}  // namespace xaq::guidance::testing
