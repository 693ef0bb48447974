#include "displays/glareshield/efis_controls.h"

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

void HeldEfisControls::stepMapRange(int direction) { settings_.mapRangeNm = nextMapRange(settings_.mapRangeNm, direction); }

void HeldEfisControls::pressMap() {
  settings_.mapOn = !settings_.mapOn;
  settings_.arcMode = settings_.mapOn;
}

void HeldEfisControls::pressArc() {
  settings_.arcMode = !settings_.arcMode;
  settings_.mapOn = false;
}

void HeldEfisControls::toggleTimeToGo() { settings_.timeToGo = !settings_.timeToGo; }

void HeldEfisControls::stepBearingSource(int pointer, int direction) {
  std::int32_t& source = pointer == 2 ? settings_.bearingSource2 : settings_.bearingSource1;
  if (direction > 0 && source < kLastBearingSource) ++source;
  if (direction < 0 && source > 0) --source;
}

void HeldEfisControls::stepDecisionHeight(int direction) {
  std::int32_t& dh = settings_.decisionHeightFt;
  dh += direction > 0 ? kDecisionHeightStepFt : -kDecisionHeightStepFt;
  if (dh > kDecisionHeightMaxFt) dh = kDecisionHeightMaxFt;
  if (dh < 0) dh = 0;
}

void HeldEfisControls::stepAdiDim(int direction) { settings_.adiDim = stepDim(settings_.adiDim, direction); }

void HeldEfisControls::stepHsiDim(int direction) { settings_.hsiDim = stepDim(settings_.hsiDim, direction); }

}  // namespace xaq::displays
