#pragma once
// The flight guidance: autopilot, yaw damper and flight director. It keeps an active and an
// armed mode on each axis, moves between them by its capture rules, computes the flight
// director's pitch and bank commands and, while the autopilot is engaged and the pilot is not
// steering through TCS, flies the aircraft through the add-on's aileron, elevator and trim words.
//
// The controller's buttons and the keyboard commands call the operations below; none of them
// plays a sound. The push-button click (sound::kPushButtonClick) belongs to the guidance
// controller's mouse callbacks, as on the overhead and the pedestal; the pitch wheel's halves
// repeat while held and play nothing, and the keyboard commands play nothing either.
//
// Signs: pitch is nose-up positive (the host's pitch is turned round on the way in), bank is
// right-wing-down positive, vertical speed climbing positive.

#include <cstdint>

#include "common/cycle_context.h"
#include "common/effects.h"
#include "guidance/advisory.h"
#include "guidance/guidance_computer.h"
#include "guidance/guidance_modes.h"

namespace xaq::guidance {

struct FlightGuidanceInputs {
  bool onGround = false;
  double indicatedAirspeedKt = 0.0;
  double trueAirspeedKt = 0.0;
  double accelerationKtPerSec = 0.0;
  double groundSpeedKt = 0.0;
  double verticalSpeedFpm = 0.0;
  double altitudeFt = 0.0;
  double radioAltitudeFt = 0.0;
  double pitchUpDeg = 0.0;     // attitude, nose up positive
  double bankDeg = 0.0;        // attitude, -180 ... 180, right wing down positive
  double headingDeg = 0.0;     // magnetic
  double headingBugDeg = 0.0;
  double outsideAirTempC = 0.0;

  double courseDeviation = 0.0;       // -127 ... 127
  double glideslopeDeviation = 0.0;   // -127 ... 127, positive above the beam
  bool navSignalValid = false;
  bool localizerTuned = false;
  bool noBackCourse = false;          // the receiver's "no back course" bit

  bool hostAutopilot = false;
  bool hostYawDamper = false;
  bool hostNavHold = false;
  bool hostApproachHold = false;
  bool hostBackCourseHold = false;
  double hostNavSteeringBankDeg = 0.0;

  double aileronPosition = 0.0;       // host units, -16383 ... 16383
  double elevatorPosition = 0.0;
  double elevatorTrimPosition = 0.0;

  // The guidance stands still in the cycles the host's clock stood still or jumped.
  bool paused = false;
  bool linkConnected = false;
  double linkGlideslopeAngleDeg = 0.0;  // the beam's angle as the add-on reads it (0: none)

  std::int32_t preselectedAltitudeFt = 0;
  // The flight management's commanded heading for LNAV. The flight management updates last in
  // the cycle, so this is its previous cycle's value.
  double fmsCommandedHeadingLastCycleDeg = 0.0;
};

struct FlightGuidanceState {
  int verticalMode = vertical::kNone;
  int lateralMode = lateral::kNone;
  int verticalArmed = vertical::kNone;
  int lateralArmed = lateral::kNone;
  double fdPitchCommandDeg = 0.0;  // nose up positive
  double fdBankCommandDeg = 0.0;
  bool autopilotEngaged = false;
  bool yawDamperEngaged = false;
  int hsiSel = 0;
  int navSel = 0;
  int navSource = kNavSourceVorLoc;
  int pitchWheelFrame = 0;  // 0 ... 2
  bool tcsHeld = false;

  GuidanceComputerState computer;

  double rollHoldBankDeg = 0.0;
  double headingHoldHeadingDeg = 0.0;
  double pitchHoldPitchDeg = 0.0;
  int vsTargetFpm = 0;
  int iasTargetKt = 0;
  double altitudeTargetFt = 0.0;

  bool systemTestRunning = false;
  double testStartS = 0.0;
};

class FlightGuidance {
 public:
  static constexpr double kSystemTestSeconds = 30.0;

  explicit FlightGuidance(Advisory& advisory) : advisory_(advisory) {}

  const FlightGuidanceState& state() const { return state_; }
  // What the frame writes through the add-on this cycle.
  const LinkCommands& linkCommands() const { return computer_.commands(); }

  void update(const CycleContext& now, const FlightGuidanceInputs& in, Effects& effects);

  // DC power edges (the frame runs them after the cycle's updates).
  void powerUp();
  void powerDown();

  // The guidance controller and the keyboard commands. Ignored without DC power and while the
  // system test runs.
  void pressAp();
  void pressYd();
  void pressHsiSel();
  void pressNavSel();
  void pressHdg();
  void pressNav();
  void pressApp();
  void pressIas();
  void pressVs();
  void pressBc();
  void pressAlt();
  void pressAltSel();
  void pressStby();
  void pitchWheelDown();  // NOSE DN
  void pitchWheelUp();    // NOSE UP
  void pressGa();
  void pressVorLoc();     // V/L
  void pressAux();        // AUX: the FMS
  void setTcsHeld(bool held);

 private:
  bool controlsLocked() const { return !powered_ || state_.systemTestRunning; }

  void enterVertical(int mode);
  void enterLateral(int mode);
  void armVertical(int mode);
  void armLateral(int mode);
  void showVerticalText();
  void pitchWheel(int direction);

  void handleTcs();
  void coupleToHost(Effects& effects);
  void transitions();
  double verticalGuidance(Effects& effects);
  double lateralGuidance(Effects& effects);
  void checks();

  Advisory& advisory_;
  FlightGuidanceState state_;
  GuidanceComputer computer_;
  FlightGuidanceInputs in_;  // the last cycle's view of the aircraft, for the operations
  double nowS_ = 0.0;
  bool powered_ = false;
  bool tcsHeldLastCycle_ = false;
};

}  // namespace xaq::guidance
