#pragma once
// The cabin pressure controller: the cabin altitude follows a rate chosen by the mode selector —
// the automatic schedule (ground, take-off run, airborne, after landing), the manual rate knob, or
// the dump — through a fast slew limiter, and is integrated over the simulation clock. Above
// 10000 ft of cabin altitude the CABIN PRESS warning is on.

#include <cstdint>

#include "common/cycle_context.h"
#include "common/effects.h"
#include "common/slew_limiter.h"

namespace xaq::systems {

struct CabinPressureInputs {
  bool dcPowerAvailable = false;    // this cycle's (the electrical system updates earlier)
  std::int32_t modeSelector = 0;    // 0 dump, 1 manual, 2 automatic
  bool onGround = false;            // host variable 60
  double altitudeFt = 0;            // 74
  double indicatedAirspeedKt = 0;   // 61
  double verticalSpeedFpm = 0;      // 65
  double outsidePressurePsi = 0;    // 342
};

enum class CabinPhase : std::int32_t { kGround = 0, kTakeoffRun = 1, kAirborne = 2, kAfterLanding = 3 };

struct CabinPressureState {
  double cabinAltitudeFt = 0;
  double cabinRateFpm = 0;
  double differentialPsi = 0;
  double selectedCabinAltitudeFt = 0;       // -1000 ... 10000
  double barometricCorrectionInHg = 29.92;  // 28 ... 32, shown only
  double manualRateControl = 0;             // 0 ... 1
  double cabinPressurePsi = 14.7;
  CabinPhase phase = CabinPhase::kGround;
  double afterLandingStartS = 0;
  bool running = false;                     // the start-up count is over
  bool cabinPressWarning = false;
};

class CabinPressure {
 public:
  static constexpr std::int32_t kStartupCycles = 60;
  static constexpr std::int32_t kInitialiseAtCycle = 54;
  static constexpr std::int32_t kPressureEveryCycles = 13;
  static constexpr double kRateSlewFpmPerS = 50000.0;
  static constexpr double kScheduleRatio = 10.0 / 31.0;  // cabin altitude per aircraft altitude
  static constexpr double kWarningAboveFt = 10000.0;

  void update(const CycleContext& now, const CabinPressureInputs& in, Effects& effects);
  const CabinPressureState& state() const { return state_; }

  // The three knobs, one step each (direction -1 / +1).
  void cabinAltitudeStep(int direction);        // 100 ft
  void barometricCorrectionStep(int direction); // 0.1 inHg
  void manualRateStep(int direction);           // 0.02

 private:
  void initialise(const CabinPressureInputs& in);
  double automaticRate(const CycleContext& now, const CabinPressureInputs& in);

  CabinPressureState state_;
  std::int32_t startupCounter_ = 0;
  std::int32_t pressureCounter_ = 0;
  double wantedRateFpm_ = 0;
  double lastIntegrationS_ = 0;
  SlewLimiter rate_{kRateSlewFpmPerS, 0.0};
};

// What the overhead's pressurisation indicators show; all rest at their stops without power.
double cabinRateNeedle(const CabinPressureState& s, bool dcPower);          // thousands of fpm, +-2
double cabinAltitudeNeedle(const CabinPressureState& s, bool dcPower);      // thousands of ft, 0 ... 30
double differentialPressureNeedle(const CabinPressureState& s, bool dcPower);  // psi, 0 ... 6.6
double barometricCorrectionDisplay(const CabinPressureState& s, bool dcPower); // inHg, 28 ... 31
double selectedCabinAltitudeDisplay(const CabinPressureState& s, bool dcPower); // thousands of ft, -1 ... 10

}  // namespace xaq::systems
