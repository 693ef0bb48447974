// The flight guidance's cycle: TCS, the coupling to the host, the capture rules, the vertical
// and lateral guidance, the flight director, the checks and the advisory display.

#include "guidance/flight_guidance.h"

#include <algorithm>
#include <cmath>

#include "guidance/guidance_laws.h"

namespace xaq::guidance {

namespace {
namespace events {
constexpr std::uint32_t kHostAutopilotMaster = 65580;
constexpr std::uint32_t kApproachHold = 65806;
constexpr std::uint32_t kBackCourseHold = 65810;
constexpr std::uint32_t kNavHold = 65811;
constexpr std::uint32_t kYawDamperOn = 66069;
constexpr std::uint32_t kYawDamperOff = 66070;
}  // namespace events

constexpr double kCaptureDeviation = 126.0;
constexpr double kTrackDeviation = 32.0;
constexpr double kGlideslopeCaptureDeviation = 116.0;
constexpr double kDefaultGlideslopeDeg = 3.0;
constexpr double kGoAroundPitchDeg = 9.0;
constexpr double kBeamSteeringGain = 1.2;

bool between(int mode, int lowest, int highest) { return mode >= lowest && mode <= highest; }
}  // namespace

void FlightGuidance::powerUp() {
  powered_ = true;
  if (in_.onGround) {
    state_.systemTestRunning = true;
    state_.testStartS = nowS_;
    advisory_.showMessage("SYSTEM TEST", MessageType::kSticky);
  }
}

void FlightGuidance::powerDown() {
  powered_ = false;
  armVertical(vertical::kNone);
  armLateral(lateral::kNone);
  enterVertical(vertical::kNone);
  enterLateral(lateral::kNone);
  state_.autopilotEngaged = false;
  state_.yawDamperEngaged = false;
  state_.hsiSel = 0;
  state_.navSel = 0;
  state_.navSource = kNavSourceVorLoc;
  state_.tcsHeld = false;
  // A test cut short by the power loss starts again at the next power-up on the ground.
  state_.systemTestRunning = false;
  computer_.reset();
  state_.computer = computer_.state();
}

void FlightGuidance::update(const CycleContext& now, const FlightGuidanceInputs& in, Effects& effects) {
  nowS_ = now.nowS;
  in_ = in;
  advisory_.setTime(now.nowS);

  handleTcs();
  coupleToHost(effects);
  ChannelInputs motion;
  motion.pitchUpDeg = in.pitchUpDeg;
  motion.bankDeg = in.bankDeg;
  motion.verticalSpeedFpm = in.verticalSpeedFpm;
  motion.aileronPosition = in.aileronPosition;
  motion.elevatorPosition = in.elevatorPosition;
  motion.elevatorTrimPosition = in.elevatorTrimPosition;
  motion.simRate = now.simRate;
  motion.linkConnected = in.linkConnected;
  const bool active = state_.autopilotEngaged && !state_.tcsHeld;
  std::uint8_t disconnect = 0;
  if (active && state_.verticalMode != vertical::kNone) disconnect |= 0x01;
  if (active && state_.lateralMode != lateral::kNone) disconnect |= 0x02;
  computer_.beginCycle(active, disconnect, motion);

  transitions();

  if (!in.paused) {
    if (state_.verticalMode != vertical::kNone) computer_.pitchChannel(verticalGuidance(effects));
    if (state_.lateralMode != lateral::kNone) computer_.rollChannel(lateralGuidance(effects), effects.events);
  }
  computer_.endCycle();
  state_.computer = computer_.state();

  state_.fdPitchCommandDeg =
      state_.verticalMode != vertical::kNone ? state_.computer.pitchTargetDeg : in.pitchUpDeg;
  state_.fdBankCommandDeg = state_.lateralMode != lateral::kNone ? state_.computer.bankTargetDeg : in.bankDeg;

  checks();
  advisory_.update(in.trueAirspeedKt, in.outsideAirTempC);
}

void FlightGuidance::handleTcs() {
  const bool held = state_.tcsHeld;
  if (held && !tcsHeldLastCycle_) {
    if (state_.verticalMode == vertical::kVerticalSpeed) advisory_.setVerticalActiveLong("VS  ---- FPM");
    if (state_.verticalMode == vertical::kIas) advisory_.setVerticalActiveLong("IAS --- KTS");
  } else if (!held && tcsHeldLastCycle_) {
    if (between(state_.lateralMode, lateral::kHeadingHold, lateral::kRollHold)) {
      enterLateral(std::fabs(in_.bankDeg) >= 6.0 ? lateral::kRollHold : lateral::kHeadingHoldPending);
    }
    if (between(state_.verticalMode, vertical::kVerticalSpeed, vertical::kAltHold)) enterVertical(state_.verticalMode);
  }
  tcsHeldLastCycle_ = held;
}

void FlightGuidance::coupleToHost(Effects& effects) {
  if (in_.hostAutopilot) effects.events.trigger(events::kHostAutopilotMaster, 0);
  if (state_.yawDamperEngaged && !in_.hostYawDamper) effects.events.trigger(events::kYawDamperOn, 1);
  if (!state_.yawDamperEngaged && in_.hostYawDamper) effects.events.trigger(events::kYawDamperOff, 1);
}

void FlightGuidance::transitions() {
  if (state_.autopilotEngaged && state_.lateralMode == lateral::kNone) enterLateral(lateral::kHeadingHoldPending);
  if (state_.lateralMode == lateral::kHeadingHoldPending && std::fabs(in_.bankDeg) < 2.0) {
    state_.headingHoldHeadingDeg = in_.headingDeg;
    enterLateral(lateral::kHeadingHold);
  }

  const double preselected = in_.preselectedAltitudeFt;
  if (state_.verticalArmed == vertical::kAltSelArmed) {
    const double band = altitudeCaptureBandFt(in_.verticalSpeedFpm);
    if (std::fabs(preselected - in_.altitudeFt) < band) {
      computer_.setAltCaptureVsLimit(band);
      armVertical(vertical::kNone);
      enterVertical(vertical::kAltCapturing);
      advisory_.flashVertical();
      state_.altitudeTargetFt = preselected;
    }
  }
  if (state_.verticalMode == vertical::kAltCapturing) {
    if (std::fabs(in_.altitudeFt - state_.altitudeTargetFt) < 25.0) {
      enterVertical(vertical::kAltCaptured);
    } else if (std::fabs(preselected - state_.altitudeTargetFt) >= 5.0) {
      enterVertical(vertical::kVerticalSpeed);
    }
  }

  const double course = std::fabs(in_.courseDeviation);
  if ((state_.lateralArmed == lateral::kVorArmed || state_.lateralArmed == lateral::kLocalizerArmed) &&
      course < kCaptureDeviation) {
    armLateral(lateral::kNone);
    enterLateral(in_.localizerTuned ? lateral::kLocalizerCapturing : lateral::kVorCapturing);
    advisory_.flashLateral();
  }
  if ((state_.lateralMode == lateral::kVorCapturing || state_.lateralMode == lateral::kLocalizerCapturing) &&
      course < kTrackDeviation) {
    enterLateral(state_.lateralMode == lateral::kLocalizerCapturing ? lateral::kLocalizer : lateral::kVor);
  }
  if (state_.lateralArmed == lateral::kBackCourseArmed && course < kCaptureDeviation && !in_.noBackCourse) {
    enterLateral(lateral::kBackCourseCapturing);
    armLateral(lateral::kNone);
    advisory_.flashLateral();
  }
  if (state_.lateralMode == lateral::kBackCourseCapturing && course < kTrackDeviation && !in_.noBackCourse) {
    enterLateral(lateral::kBackCourse);
  }

  const double glideslope = std::fabs(in_.glideslopeDeviation);
  const bool onLocalizer = state_.lateralMode == lateral::kLocalizer;
  if (state_.verticalArmed == vertical::kGlideslopeArmed && glideslope < kGlideslopeCaptureDeviation && onLocalizer) {
    enterVertical(vertical::kGlideslopeCapturing);
    armVertical(vertical::kNone);
    advisory_.flashVertical();
  }
  if (state_.verticalMode == vertical::kGlideslopeCapturing && glideslope < kTrackDeviation && onLocalizer) {
    enterVertical(vertical::kGlideslope);
  }

  if (between(state_.lateralMode, lateral::kVor, lateral::kBackCourse) && !in_.navSignalValid) {
    enterLateral(lateral::kHeadingHoldPending);
    if (state_.verticalMode == vertical::kGlideslopeCapturing || state_.verticalMode == vertical::kGlideslope) {
      enterVertical(vertical::kVerticalSpeed);
    }
  }
}

double FlightGuidance::verticalGuidance(Effects& effects) {
  const auto holdAltitude = [this](double limitFt) {
    return computer_.vsChannel(5.0 * std::clamp(state_.altitudeTargetFt - in_.altitudeFt, -limitFt, limitFt));
  };
  switch (state_.verticalMode) {
    case vertical::kPitchHold: return state_.pitchHoldPitchDeg;
    case vertical::kVerticalSpeed: return computer_.vsChannel(state_.vsTargetFpm);
    case vertical::kIas:
      return computer_.vsChannel(iasLawVerticalSpeedFpm(
          {static_cast<double>(state_.iasTargetKt), in_.indicatedAirspeedKt, in_.verticalSpeedFpm, in_.accelerationKtPerSec}));
    case vertical::kAltHold:
    case vertical::kAltCaptured: return holdAltitude(300.0);
    case vertical::kAltCapturing: return holdAltitude(computer_.state().altCaptureVsLimitFt);
    case vertical::kGlideslopeCapturing: return computer_.vsChannel(0.0);
    case vertical::kGlideslope: {
      if (!in_.hostApproachHold) effects.events.trigger(events::kApproachHold, 1);
      // The add-on reads the beam's angle as a positive number of degrees; while it has none
      // the usual three degrees stand in.
      const double angle =
          in_.linkConnected && in_.linkGlideslopeAngleDeg > 0.0 ? in_.linkGlideslopeAngleDeg : kDefaultGlideslopeDeg;
      return computer_.vsChannel(glidepathVerticalSpeedFpm(angle, in_.glideslopeDeviation, in_.groundSpeedKt));
    }
    case vertical::kGoAround: return kGoAroundPitchDeg;
    default: return in_.pitchUpDeg;
  }
}

double FlightGuidance::lateralGuidance(Effects& effects) {
  switch (state_.lateralMode) {
    case lateral::kHeadingHold:
      return headingLawBankDeg(state_.headingHoldHeadingDeg, in_.headingDeg, in_.trueAirspeedKt);
    case lateral::kHeadingHoldPending: return 0.0;
    case lateral::kRollHold: return state_.rollHoldBankDeg;
    case lateral::kHeadingSelect: return headingLawBankDeg(in_.headingBugDeg, in_.headingDeg, in_.trueAirspeedKt);
    case lateral::kVor:
    case lateral::kVorCapturing:
      if (!in_.hostNavHold) effects.events.trigger(events::kNavHold, 1);
      return in_.hostNavSteeringBankDeg;
    case lateral::kLocalizer:
    case lateral::kLocalizerCapturing:
      if (!in_.hostNavHold && !in_.hostApproachHold) effects.events.trigger(events::kNavHold, 1);
      return in_.hostNavSteeringBankDeg * kBeamSteeringGain;
    case lateral::kBackCourseCapturing:
    case lateral::kBackCourse:
      if (!in_.hostBackCourseHold) effects.events.trigger(events::kBackCourseHold, 1);
      return in_.hostNavSteeringBankDeg * kBeamSteeringGain;
    case lateral::kWingsLevel: return 0.0;
    case lateral::kLnav:
      return headingLawBankDeg(in_.fmsCommandedHeadingLastCycleDeg, in_.headingDeg, in_.trueAirspeedKt);
    default: return in_.bankDeg;
  }
}

void FlightGuidance::checks() {
  if (state_.systemTestRunning && nowS_ - state_.testStartS >= kSystemTestSeconds) {
    state_.systemTestRunning = false;
    advisory_.showMessage("L AFCS MASTER", MessageType::kTimed);
  }
  if (in_.radioAltitudeFt < 500.0 && in_.verticalSpeedFpm < -200.0 && in_.pitchUpDeg >= 6.0) {
    advisory_.showMessage("LDG ATT 6 DEG", MessageType::kWhileCalled);
  }
  if (state_.tcsHeld) advisory_.showMessage("TCS ENGAGE", MessageType::kWhileCalled);
}

}  // namespace xaq::guidance
