// The guidance controller's buttons and keys, and what entering or arming a mode does.

#include <algorithm>
#include <cmath>

#include "common/rounding.h"
#include "guidance/flight_guidance.h"

namespace xaq::guidance {

namespace {
constexpr double kRollHoldLimitDeg = 45.0;

int finiteRounded(double value) { return std::isfinite(value) ? roundHalfAway(value) : 0; }
double finiteOr(double value, double fallback) { return std::isfinite(value) ? value : fallback; }
bool isAltitudeMode(int mode) {
  return mode == vertical::kAltHold || mode == vertical::kAltCaptured || mode == vertical::kAltCapturing;
}
}  // namespace

void FlightGuidance::showVerticalText() {
  AdvisoryText text{};
  verticalLongText(state_.verticalMode, state_.vsTargetFpm, state_.iasTargetKt, text.data(),
                   static_cast<int>(text.size()));
  advisory_.setVerticalActiveLong(text.data());
  advisory_.setVerticalActiveShort(verticalShortText(state_.verticalMode));
}

void FlightGuidance::enterVertical(int mode) {
  switch (mode) {
    case vertical::kVerticalSpeed:
      state_.vsTargetFpm = std::clamp(finiteRounded(in_.verticalSpeedFpm / 100.0) * 100, -8000, 6000);
      break;
    case vertical::kIas: state_.iasTargetKt = std::clamp(finiteRounded(in_.indicatedAirspeedKt), 0, 999); break;
    case vertical::kAltHold: state_.altitudeTargetFt = finiteOr(in_.altitudeFt, 0.0); break;
    case vertical::kPitchHold: state_.pitchHoldPitchDeg = finiteOr(in_.pitchUpDeg, 0.0); break;
    default: break;
  }
  state_.verticalMode = mode;
  showVerticalText();
}

void FlightGuidance::enterLateral(int mode) {
  if (mode == lateral::kRollHold) {
    state_.rollHoldBankDeg = std::clamp(finiteOr(in_.bankDeg, 0.0), -kRollHoldLimitDeg, kRollHoldLimitDeg);
  }
  state_.lateralMode = mode;
  advisory_.setLateralActiveLong(lateralLongText(mode));
  advisory_.setLateralActiveShort(lateralShortText(mode));
  if (mode != lateral::kNone && state_.verticalMode == vertical::kNone) enterVertical(vertical::kPitchHold);
}

void FlightGuidance::armVertical(int mode) {
  state_.verticalArmed = mode;
  advisory_.setVerticalArmedLong(verticalArmedLongText(mode));
  advisory_.setVerticalArmedShort(verticalArmedShortText(mode));
}

void FlightGuidance::armLateral(int mode) {
  state_.lateralArmed = mode;
  advisory_.setLateralArmedLong(lateralArmedLongText(mode));
  advisory_.setLateralArmedShort(lateralArmedShortText(mode));
}

void FlightGuidance::pressAp() {
  if (controlsLocked()) return;
  if (!state_.autopilotEngaged) {
    if (in_.onGround) {
      advisory_.showMessage("ACFT ON GND", MessageType::kTimed);
    } else {
      state_.autopilotEngaged = true;
    }
    state_.yawDamperEngaged = true;
  } else {
    state_.autopilotEngaged = false;
    advisory_.showMessage("AP DISENGAGED", MessageType::kDisengage);
  }
}

void FlightGuidance::pressYd() {
  if (controlsLocked()) return;
  if (!state_.yawDamperEngaged) {
    state_.yawDamperEngaged = true;
    return;
  }
  state_.yawDamperEngaged = false;
  if (state_.autopilotEngaged) {
    state_.autopilotEngaged = false;
    advisory_.showMessage("AP/YD DISENGAGED", MessageType::kDisengage);
  } else {
    advisory_.showMessage("YD DISENGAGED", MessageType::kDisengage);
  }
}

void FlightGuidance::pressHsiSel() {
  if (controlsLocked()) return;
  state_.hsiSel = state_.hsiSel ? 0 : 1;
  armVertical(vertical::kNone);
  armLateral(lateral::kNone);
  enterVertical(vertical::kNone);
  enterLateral(lateral::kNone);
}

void FlightGuidance::pressNavSel() {
  if (controlsLocked()) return;
  state_.navSel = state_.navSel ? 0 : 1;
}

void FlightGuidance::pressHdg() {
  if (controlsLocked()) return;
  enterLateral(state_.lateralMode == lateral::kHeadingSelect ? lateral::kNone : lateral::kHeadingSelect);
}

void FlightGuidance::pressNav() {
  if (controlsLocked()) return;
  if (state_.navSource == kNavSourceFms) {
    enterLateral(state_.lateralMode == lateral::kLnav ? lateral::kNone : lateral::kLnav);
    return;
  }
  if (state_.lateralMode == lateral::kVor || state_.lateralMode == lateral::kLocalizer) {
    enterLateral(lateral::kNone);
    if (state_.verticalMode == vertical::kGlideslope) enterVertical(vertical::kNone);
  } else if (state_.lateralArmed == lateral::kVorArmed || state_.lateralArmed == lateral::kLocalizerArmed) {
    armLateral(lateral::kNone);
    if (state_.verticalArmed == vertical::kGlideslopeArmed) armVertical(vertical::kNone);
  } else {
    armLateral(in_.localizerTuned ? lateral::kLocalizerArmed : lateral::kVorArmed);
    enterLateral(lateral::kHeadingSelect);
  }
}

void FlightGuidance::pressApp() {
  if (controlsLocked()) return;
  if (state_.verticalMode == vertical::kGlideslope) {
    enterVertical(vertical::kNone);
  } else if (state_.verticalArmed == vertical::kGlideslopeArmed) {
    armVertical(vertical::kNone);
  } else {
    armVertical(vertical::kGlideslopeArmed);
    armLateral(lateral::kLocalizerArmed);
    enterLateral(lateral::kHeadingSelect);
  }
}

void FlightGuidance::pressIas() {
  if (controlsLocked()) return;
  enterVertical(state_.verticalMode == vertical::kIas ? vertical::kNone : vertical::kIas);
}

void FlightGuidance::pressVs() {
  if (controlsLocked()) return;
  enterVertical(state_.verticalMode == vertical::kVerticalSpeed ? vertical::kNone : vertical::kVerticalSpeed);
}

void FlightGuidance::pressBc() {
  if (controlsLocked()) return;
  if (state_.lateralMode == lateral::kBackCourse) {
    enterLateral(lateral::kNone);
  } else if (state_.lateralArmed == lateral::kBackCourseArmed) {
    armLateral(lateral::kNone);
  } else {
    armLateral(lateral::kBackCourseArmed);
    enterLateral(lateral::kHeadingSelect);
  }
}

void FlightGuidance::pressAlt() {
  if (controlsLocked()) return;
  enterVertical(state_.verticalMode == vertical::kAltHold ? vertical::kNone : vertical::kAltHold);
}

void FlightGuidance::pressAltSel() {
  if (controlsLocked()) return;
  if (state_.verticalMode == vertical::kGlideslope) {
    advisory_.showMessage("INVALID OP", MessageType::kTimed);
    return;
  }
  armVertical(state_.verticalArmed == vertical::kAltSelArmed ? vertical::kNone : vertical::kAltSelArmed);
}

void FlightGuidance::pressStby() {
  if (controlsLocked()) return;
  enterLateral(lateral::kNone);
  enterVertical(vertical::kNone);
}

void FlightGuidance::pitchWheel(int direction) {
  state_.pitchWheelFrame = (state_.pitchWheelFrame + direction + 3) % 3;
  // NOSE UP (+1) raises the pitch and the vertical speed and lowers the speed target.
  switch (state_.verticalMode) {
    case vertical::kPitchHold:
      if (direction < 0 ? state_.pitchHoldPitchDeg > -20.0 : state_.pitchHoldPitchDeg < 20.0) {
        state_.pitchHoldPitchDeg += 0.2 * direction;
      }
      break;
    case vertical::kVerticalSpeed:
      if (direction < 0 ? state_.vsTargetFpm > -8000 : state_.vsTargetFpm < 6000) state_.vsTargetFpm += 100 * direction;
      showVerticalText();
      break;
    case vertical::kIas:
      if (direction < 0 ? state_.iasTargetKt < 300 : state_.iasTargetKt > 80) state_.iasTargetKt -= direction;
      showVerticalText();
      break;
    default:
      if (isAltitudeMode(state_.verticalMode)) {
        advisory_.showMessage("ALT OFF", MessageType::kTimed);
        enterVertical(vertical::kVerticalSpeed);
      }
      break;
  }
}

void FlightGuidance::pitchWheelDown() {
  if (controlsLocked()) return;
  pitchWheel(-1);
}

void FlightGuidance::pitchWheelUp() {
  if (controlsLocked()) return;
  pitchWheel(+1);
}

void FlightGuidance::pressGa() {
  if (controlsLocked()) return;
  enterVertical(vertical::kGoAround);
  enterLateral(lateral::kWingsLevel);
  state_.autopilotEngaged = false;
  advisory_.showMessage("AP DISENGAGED", MessageType::kDisengage);
}

void FlightGuidance::pressVorLoc() {
  if (controlsLocked()) return;
  state_.navSource = kNavSourceVorLoc;
}

void FlightGuidance::pressAux() {
  if (controlsLocked()) return;
  state_.navSource = kNavSourceFms;
}

void FlightGuidance::setTcsHeld(bool held) {
  if (controlsLocked()) held = false;
  state_.tcsHeld = held;
}

}  // namespace xaq::guidance
