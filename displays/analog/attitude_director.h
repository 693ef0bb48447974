#pragma once
// What the attitude director and the standby attitude indicator show, as plain values: the
// sphere's pitch and bank targets, the flight-director bars, the deviation pointers, the
// fast/slow pointer, the DH light and the two readouts. Angles are the host's: pitch nose-down
// positive, bank right-wing-down positive, either of them possibly given in 0 ... 360.

#include <array>

namespace xaq::displays {

// An attitude angle the host may give in 0 ... 360, as -180 ... 180.
double normalisedAttitudeDeg(double hostDeg);

inline constexpr double kAdiPitchHoldDeg = 45.0;
// The standby sphere's texture covers the whole pitch range.
inline constexpr double kStandbyPitchHoldDeg = 90.0;

// The sphere's targets: the attitude (pitch held within +-holdDeg), or the test attitude while
// the attitude test is pressed.
double spherePitchTargetDeg(double hostPitchDeg, bool testPressed, double holdDeg = kAdiPitchHoldDeg);
double sphereBankTargetDeg(double hostBankDeg, bool testPressed);

struct FlightDirectorInputs {
  bool powered = false;
  bool engaged = false;           // a lateral or vertical flight-director mode is active
  double pitchCommandUpDeg = 0;   // the flight guidance's command, nose-up positive
  double bankCommandDeg = 0;      // right-wing-down positive
  double hostPitchDeg = 0;        // sampled, nose-down positive
  double hostBankDeg = 0;
};

struct FlightDirectorBars {
  bool shown = false;
  double pitchBar = 0;  // -1 ... 1 of the bar's travel, positive down: the command is below
  double rollBar = 0;   // -1 ... 1, positive right: the command is further right
};

inline constexpr double kBarErrorLimitDeg = 20.0;
inline constexpr double kBarPerDegree = 0.05;

FlightDirectorBars flightDirectorBars(const FlightDirectorInputs& in);

// The localizer pointer: the NAV1 deviation, or the FMS cross-track (NM, full scale 1 NM)
// x 128 held within +-128 while the FMS is the navigation source.
struct LateralDeviationInputs {
  bool fmsSource = false;
  bool fmsValid = false;
  double fmsCrossTrackNm = 0;
  bool navSignalValid = false;
  double navDeviation = 0;  // -127 ... 127
};

struct DeviationPointer {
  bool shown = false;
  double value = 0;
};

DeviationPointer lateralDeviation(const LateralDeviationInputs& in);

inline constexpr double kFastSlowLimitKt = 10.0;
// Indicated airspeed against the speed target, held within +-10 kt.
double fastSlowKt(double indicatedKt, double speedTargetKt);

// On when powered, below the decision height and descending faster than 50 ft/min.
bool decisionHeightLight(bool powered, int decisionHeightFt, double radioAltitudeFt, double verticalSpeedFpm);

using ReadoutText = std::array<char, 8>;

// The radio altitude in 5-ft steps up to 200 ft and 10-ft steps above, "%04d"; blank above
// 2500 ft, without power, and for a value that is not a number.
ReadoutText radioAltitudeText(bool powered, double radioAltitudeFt);
// "%03d" of the decision height; blank without power.
ReadoutText decisionHeightText(bool powered, int decisionHeightFt);

}  // namespace xaq::displays
