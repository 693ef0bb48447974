#include "displays/glareshield/efis_controls.h"

#include <algorithm>

namespace xaq::displays {

namespace {

constexpr std::int32_t kDecisionHeightStepFt = 10;
constexpr std::int32_t kDecisionHeightMaxFt = 990;
constexpr double kDimStep = 0.05;
constexpr std::int32_t kLastBearingSource = 4;

double stepDim(double dim, int direction) {
  dim += direction > 0 ? kDimStep : -kDimStep;
  // Twenty steps of 0.05 land on the ends exactly, not a rounding error short of them.
  if (dim > 1.0 - 1e-9) dim = 1.0;
  if (dim < 1e-9) dim = 0.0;
  return dim;
}

}  // namespace

double efisRampedBrightness(double sincePowerUpS, double dim) {
  if (sincePowerUpS >= kEfisPowerUpRampS) return dim;
  // A clock that went back (a reloaded flight) starts the ramp again from dark, never below it.
  return std::max(0.0, std::min(sincePowerUpS / kEfisPowerUpRampS, dim));
}

void EfisDisplayControls::update(const CycleContext& now) {
  if (!powered_) {
    brightness_ = {};
    return;
  }
  if (now.nowS < poweredUpAtS_) poweredUpAtS_ = now.nowS;
  const double since = now.nowS - poweredUpAtS_;
  brightness_.adi = efisRampedBrightness(since, settings_.adiDim);
  brightness_.hsi = efisRampedBrightness(since, settings_.hsiDim);
}

void EfisDisplayControls::powerUp(const CycleContext& now) {
  powered_ = true;
  poweredUpAtS_ = now.nowS;
}

void EfisDisplayControls::powerDown() {
  powered_ = false;
  brightness_ = {};
}

double nextMapRange(double r, int direction) {
  if (direction < 0) {
    if (r > 290) return 200;
    if (r > 190) return 100;
    if (r > 90) return 50;
    if (r > 40) return 25;
    if (r > 24) return 20;
    if (r > 19) return 10;
    return 5;
  }
  if (r < 6) return 10;
  if (r < 9) return 20;
  if (r < 19) return 25;
  if (r < 24) return 50;
  if (r < 49) return 100;
  if (r < 99) return 200;
  return 300;
}

void EfisDisplayControls::stepMapRange(int direction) { settings_.mapRangeNm = nextMapRange(settings_.mapRangeNm, direction); }

void EfisDisplayControls::pressMap() {
  settings_.mapOn = !settings_.mapOn;
  settings_.arcMode = settings_.mapOn;
}

void EfisDisplayControls::pressArc() {
  settings_.arcMode = !settings_.arcMode;
  settings_.mapOn = false;
}

void EfisDisplayControls::toggleTimeToGo() { settings_.timeToGo = !settings_.timeToGo; }

void EfisDisplayControls::stepBearingSource(int pointer, int direction) {
  std::int32_t& source = pointer == 2 ? settings_.bearingSource2 : settings_.bearingSource1;
  if (direction > 0 && source < kLastBearingSource) ++source;
  if (direction < 0 && source > 0) --source;
}

void EfisDisplayControls::stepDecisionHeight(int direction) {
  std::int32_t& dh = settings_.decisionHeightFt;
  dh += direction > 0 ? kDecisionHeightStepFt : -kDecisionHeightStepFt;
  if (dh > kDecisionHeightMaxFt) dh = kDecisionHeightMaxFt;
  if (dh < 0) dh = 0;
}

void EfisDisplayControls::stepAdiDim(int direction) { settings_.adiDim = stepDim(settings_.adiDim, direction); }

void EfisDisplayControls::stepHsiDim(int direction) { settings_.hsiDim = stepDim(settings_.hsiDim, direction); }

}  // namespace xaq::displays
