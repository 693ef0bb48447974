#include "systems/air/cabin_pressure.h"

#include <algorithm>
#include <cmath>

#include "common/light_ids.h"
#include "systems/switches/panel_switches.h"

namespace xaq::systems {

namespace {

constexpr double kSeaLevelPsi = 14.7;

// The standard atmosphere's pressure at a cabin altitude.
double pressureAtPsi(double altitudeFt) {
  const double base = std::max(0.0, 1.0 - altitudeFt * 6.8755856e-6);
  return kSeaLevelPsi * std::pow(base, 5.2558797);
}

double needle(bool dcPower, double value, double low, double high, double dark) {
  return dcPower ? std::clamp(value, low, high) : dark;
}

}  // namespace

void CabinPressure::initialise(const CabinPressureInputs& in) {
  if (!in.onGround) {
    state_.cabinAltitudeFt = in.altitudeFt * kScheduleRatio;
    state_.phase = CabinPhase::kAirborne;
  } else {
    state_.cabinAltitudeFt = in.altitudeFt;
    state_.phase = CabinPhase::kGround;
  }
}

double CabinPressure::automaticRate(const CycleContext& now, const CabinPressureInputs& in) {
  CabinPressureState& s = state_;
  switch (s.phase) {
    case CabinPhase::kGround:
      if (in.indicatedAirspeedKt > 30.0) s.phase = CabinPhase::kTakeoffRun;
      break;
    case CabinPhase::kTakeoffRun:
      if (!in.onGround) {
        s.phase = CabinPhase::kAirborne;
      } else if (in.indicatedAirspeedKt < 28.0) {
        s.phase = CabinPhase::kAfterLanding;
        s.afterLandingStartS = now.nowS;
      }
      break;
    case CabinPhase::kAirborne:
      if (in.onGround) {
        s.phase = CabinPhase::kAfterLanding;
        s.afterLandingStartS = now.nowS;
      }
      break;
    case CabinPhase::kAfterLanding:
      if (now.nowS - s.afterLandingStartS > 60.0) s.phase = CabinPhase::kGround;
      break;
  }

  const double cabin = s.cabinAltitudeFt;
  switch (s.phase) {
    case CabinPhase::kGround:
      s.cabinAltitudeFt = in.altitudeFt;
      return 0.0;
    case CabinPhase::kTakeoffRun:
      // The cabin is held slightly below the field while the aircraft rolls.
      return cabin > in.altitudeFt - 140.0 ? -300.0 : 0.0;
    case CabinPhase::kAirborne: {
      if (cabin < s.selectedCabinAltitudeFt) return 500.0;
      const double scheduled = in.altitudeFt * kScheduleRatio;
      if (cabin < scheduled - 200.0) return 500.0;
      if (cabin > scheduled + 200.0) return -300.0;
      return in.verticalSpeedFpm * kScheduleRatio + (scheduled - cabin) * 2.5;
    }
    case CabinPhase::kAfterLanding:
      if (cabin > in.altitudeFt + 20.0) return -600.0;
      if (cabin < in.altitudeFt - 20.0) return 600.0;
      return 0.0;
  }
  return 0.0;
}

void CabinPressure::update(const CycleContext& now, const CabinPressureInputs& in, Effects& effects) {
  CabinPressureState& s = state_;
  if (startupCounter_ < kStartupCycles) {
    ++startupCounter_;
    // The host's altitude and ground flag settle during the first cycles.
    if (startupCounter_ == kInitialiseAtCycle) initialise(in);
    if (startupCounter_ < kStartupCycles) return;
    lastIntegrationS_ = now.nowS;
    s.running = true;
  }

  s.cabinRateFpm = rate_.step(now.nowS);

  if (++pressureCounter_ >= kPressureEveryCycles) {
    pressureCounter_ = 0;
    s.cabinPressurePsi = pressureAtPsi(s.cabinAltitudeFt);
  }
  s.differentialPsi = s.cabinPressurePsi - in.outsidePressurePsi;

  switch (in.modeSelector) {
    case 2:
      // Without power the automatic controller holds the rate it last asked for.
      if (in.dcPowerAvailable) wantedRateFpm_ = automaticRate(now, in);
      break;
    case 1:
      wantedRateFpm_ = std::clamp((2.0 * s.manualRateControl - 1.0) * s.differentialPsi * 625.0, -2500.0, 2500.0);
      break;
    default:
      wantedRateFpm_ = std::clamp(s.differentialPsi * 8000.0, -8000.0, 8000.0);
      break;
  }
  rate_.target = wantedRateFpm_;

  // A clock that went back (a reloaded flight) integrates nothing rather than running the cabin
  // backwards.
  const double elapsed = std::max(0.0, now.nowS - lastIntegrationS_);
  s.cabinAltitudeFt += elapsed / 60.0 * s.cabinRateFpm;
  lastIntegrationS_ = now.nowS;

  s.cabinPressWarning = s.cabinAltitudeFt > kWarningAboveFt;
  effects.lights.show(lights::warning::kCabinPress, s.cabinPressWarning);
}

void CabinPressure::cabinAltitudeStep(int direction) {
  state_.selectedCabinAltitudeFt = stepWithin(state_.selectedCabinAltitudeFt, direction, 100.0, -1000.0, 10000.0);
}

void CabinPressure::barometricCorrectionStep(int direction) {
  state_.barometricCorrectionInHg = stepWithin(state_.barometricCorrectionInHg, direction, 0.1, 28.0, 32.0);
}

void CabinPressure::manualRateStep(int direction) {
  state_.manualRateControl = stepWithin(state_.manualRateControl, direction, 0.02, 0.0, 1.0);
}

double cabinRateNeedle(const CabinPressureState& s, bool dcPower) {
  return needle(dcPower, s.cabinRateFpm / 1000.0, -2.0, 2.0, 0.0);
}

double cabinAltitudeNeedle(const CabinPressureState& s, bool dcPower) {
  return needle(dcPower, s.cabinAltitudeFt / 1000.0, 0.0, 30.0, 0.0);
}

double differentialPressureNeedle(const CabinPressureState& s, bool dcPower) {
  return needle(dcPower, s.differentialPsi, 0.0, 6.6, 0.0);
}

double barometricCorrectionDisplay(const CabinPressureState& s, bool dcPower) {
  return needle(dcPower, s.barometricCorrectionInHg, 28.0, 31.0, 28.0);
}

double selectedCabinAltitudeDisplay(const CabinPressureState& s, bool dcPower) {
  return needle(dcPower, s.selectedCabinAltitudeFt / 1000.0, -1.0, 10.0, -1.0);
}

}  // namespace xaq::systems
