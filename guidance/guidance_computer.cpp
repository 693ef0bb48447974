#include "guidance/guidance_computer.h"

#include <algorithm>
#include <cmath>

#include "common/rounding.h"
#include "guidance/control_law.h"

namespace xaq::guidance {

namespace {
constexpr std::uint32_t kAileronSetEvent = 65695;
constexpr double kControlCentre = 16384.0;
constexpr double kBankOffsetDeg = 180.0;
constexpr double kPitchOffsetDeg = 160.0;
constexpr double kHostControlLimit = 16383.0;

std::int16_t controlWord(double value) {
  return static_cast<std::int16_t>(roundHalfAway(std::clamp(value, -kHostControlLimit, kHostControlLimit)));
}

double finiteOr(double value, double fallback) { return std::isfinite(value) ? value : fallback; }
}  // namespace

double rollGain(double simRate) {
  if (simRate >= 4.0) return gains::kRollGain / 4.0;
  if (simRate > 1.0) return gains::kRollGain / 2.0;
  return gains::kRollGain;
}

void GuidanceComputer::beginCycle(bool active, std::uint8_t controlDisconnect, const ChannelInputs& in) {
  state_.active = active;
  commands_ = LinkCommands{};
  commands_.controlDisconnect = controlDisconnect;
  in_ = in;
  in_.pitchUpDeg = finiteOr(in.pitchUpDeg, 0.0);
  in_.bankDeg = finiteOr(in.bankDeg, 0.0);
  in_.verticalSpeedFpm = finiteOr(in.verticalSpeedFpm, 0.0);
  in_.aileronPosition = finiteOr(in.aileronPosition, 0.0);
  in_.elevatorPosition = finiteOr(in.elevatorPosition, 0.0);
  in_.elevatorTrimPosition = finiteOr(in.elevatorTrimPosition, 0.0);
  if (!started_) {
    // The first cycle has no history: the rates start from rest.
    previousPitchDeg_ = in_.pitchUpDeg;
    previousBankDeg_ = in_.bankDeg;
    previousVsFpm_ = in_.verticalSpeedFpm;
    started_ = true;
  }
}

double GuidanceComputer::vsChannel(double targetFpm) const {
  ControlLawStep step;
  step.target = finiteOr(targetFpm, in_.verticalSpeedFpm);
  step.current = in_.verticalSpeedFpm;
  step.previous = previousVsFpm_;
  step.gain = gains::kVsGain;
  step.errorLimit = gains::kVsErrorLimitFpm;
  step.output = in_.pitchUpDeg;
  step.lowest = gains::kVsLowestPitchDeg;
  step.highest = gains::kVsHighestPitchDeg;
  step.step = gains::kVsStep;
  return controlLaw(step);
}

void GuidanceComputer::pitchChannel(double pitchTargetDeg) {
  state_.pitchTargetDeg = finiteOr(pitchTargetDeg, in_.pitchUpDeg);
  if (state_.active) {
    ControlLawStep step;
    step.target = state_.pitchTargetDeg + kPitchOffsetDeg;
    step.current = in_.pitchUpDeg + kPitchOffsetDeg;
    step.previous = previousPitchDeg_ + kPitchOffsetDeg;
    step.gain = gains::kPitchGain;
    step.errorLimit = gains::kPitchErrorLimitDeg;
    step.output = in_.elevatorPosition + 16383.0;
    step.lowest = gains::kPitchLowest;
    step.highest = gains::kPitchHighest;
    step.step = gains::kPitchStep;
    const double v = std::round(controlLaw(step) - kControlCentre);
    commands_.writeElevator = true;
    commands_.elevatorWord = controlWord(v);
    if (v > gains::kTrimNudgeAbove || v < -gains::kTrimNudgeAbove) {
      commands_.writeTrim = true;
      commands_.trimWord =
          controlWord(in_.elevatorTrimPosition + (v > 0 ? gains::kTrimNudge : -gains::kTrimNudge));
    }
  }
  previousPitchDeg_ = in_.pitchUpDeg;
}

void GuidanceComputer::rollChannel(double bankTargetDeg, HostEventDoor& events) {
  state_.bankTargetDeg = wrap180(finiteOr(bankTargetDeg, 0.0));
  if (!state_.active) return;
  ControlLawStep step;
  step.target = state_.bankTargetDeg + kBankOffsetDeg;
  step.current = in_.bankDeg + kBankOffsetDeg;
  step.previous = previousBankDeg_ + kBankOffsetDeg;
  step.gain = rollGain(in_.simRate);
  step.errorLimit = gains::kRollErrorLimitDeg;
  step.output = kControlCentre - in_.aileronPosition;
  step.lowest = gains::kRollLowest;
  step.highest = gains::kRollHighest;
  step.step = gains::kRollStep;
  const int r = roundHalfAway(controlLaw(step) - kControlCentre);
  if (!in_.linkConnected) {
    events.trigger(kAileronSetEvent, static_cast<std::uint32_t>(r));
  } else {
    commands_.writeAileron = true;
    commands_.aileronWord = controlWord(-r);
  }
}

void GuidanceComputer::endCycle() {
  previousBankDeg_ = in_.bankDeg;
  previousVsFpm_ = in_.verticalSpeedFpm;
}

void GuidanceComputer::reset() {
  const double limit = state_.altCaptureVsLimitFt;
  state_ = GuidanceComputerState{};
  state_.altCaptureVsLimitFt = limit;
  commands_ = LinkCommands{};
}

}  // namespace xaq::guidance
