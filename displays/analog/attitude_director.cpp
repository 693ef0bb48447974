#include "displays/analog/attitude_director.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "common/format_text.h"
#include "common/rounding.h"
#include "displays/analog/attitude_test.h"

namespace xaq::displays {

namespace {

double finiteOr(double v, double fallback) { return std::isfinite(v) ? v : fallback; }

}  // namespace

double normalisedAttitudeDeg(double hostDeg) {
  const double v = finiteOr(hostDeg, 0.0);
  return v > 180.0 ? v - 360.0 : v;
}

double spherePitchTargetDeg(double hostPitchDeg, bool testPressed, double holdDeg) {
  if (testPressed) return AttitudeTest::kTestPitchDeg;
  return std::clamp(normalisedAttitudeDeg(hostPitchDeg), -holdDeg, holdDeg);
}

double sphereBankTargetDeg(double hostBankDeg, bool testPressed) {
  if (testPressed) return AttitudeTest::kTestBankDeg;
  return normalisedAttitudeDeg(hostBankDeg);
}

FlightDirectorBars flightDirectorBars(const FlightDirectorInputs& in) {
  FlightDirectorBars bars;
  if (!in.powered || !in.engaged) return bars;
  if (!std::isfinite(in.pitchCommandUpDeg) || !std::isfinite(in.bankCommandDeg)) return bars;
  bars.shown = true;
  // Nose-up: the aircraft above the command puts the pitch bar below the centre.
  const double pitchUpDeg = -normalisedAttitudeDeg(in.hostPitchDeg);
  const double pitchError = pitchUpDeg - in.pitchCommandUpDeg;
  const double rollError = in.bankCommandDeg - normalisedAttitudeDeg(in.hostBankDeg);
  bars.pitchBar = std::clamp(pitchError, -kBarErrorLimitDeg, kBarErrorLimitDeg) * kBarPerDegree;
  bars.rollBar = std::clamp(rollError, -kBarErrorLimitDeg, kBarErrorLimitDeg) * kBarPerDegree;
  return bars;
}

DeviationPointer lateralDeviation(const LateralDeviationInputs& in) {
  if (in.fmsSource) {
    if (!in.fmsValid) return {};
    return {true, std::clamp(finiteOr(in.fmsCrossTrackNm, 0.0) * 128.0, -128.0, 128.0)};
  }
  if (!in.navSignalValid) return {};
  return {true, std::clamp(finiteOr(in.navDeviation, 0.0), -127.0, 127.0)};
}

double fastSlowKt(double indicatedKt, double speedTargetKt) {
  return std::clamp(finiteOr(indicatedKt - speedTargetKt, 0.0), -kFastSlowLimitKt, kFastSlowLimitKt);
}

bool decisionHeightLight(bool powered, int decisionHeightFt, double radioAltitudeFt, double verticalSpeedFpm) {
  return powered && decisionHeightFt > radioAltitudeFt && verticalSpeedFpm < -50.0;
}

ReadoutText radioAltitudeText(bool powered, double radioAltitudeFt) {
  ReadoutText text{};
  if (!powered || !std::isfinite(radioAltitudeFt) || radioAltitudeFt > 1.0e6) return text;
  int feet = roundHalfAway(radioAltitudeFt);
  const int step = feet <= 200 ? 5 : 10;
  // Cut down toward zero, so -3 ft on a bumpy runway reads 0 rather than -5.
  feet = feet / step * step;
  if (feet > 2500) return text;
  if (feet < 0) feet = 0;
  formatText(text.data(), text.size(), "%04d", feet);
  return text;
}

ReadoutText decisionHeightText(bool powered, int decisionHeightFt) {
  ReadoutText text{};
  if (!powered) return text;
  formatText(text.data(), text.size(), "%03d", std::clamp(decisionHeightFt, 0, 999));
  return text;
}

}  // namespace xaq::displays
