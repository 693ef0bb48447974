#pragma once
// The guidance laws that turn a mode's target into a bank or vertical-speed target.

namespace xaq::guidance {

// The heading law's largest bank for the true airspeed: 15 + v/15 below 150 kt, 25 up to 300,
// falling to 14.07 at 449 kt, then 19 from 450 kt on.
double maximumBankDeg(double trueAirspeedKt);

// Bank toward the target heading, proportional within 20 degrees of error; positive turns right.
double headingLawBankDeg(double targetHeadingDeg, double headingDeg, double trueAirspeedKt);

struct IasLawInput {
  double targetKt = 0.0;
  double indicatedAirspeedKt = 0.0;
  double verticalSpeedFpm = 0.0;
  double accelerationKtPerSec = 0.0;
};
inline constexpr double kIasAccelerationLimitKtPerSec = 2.0;
inline constexpr double kIasSpeedErrorScaleKt = 15.0;

// The vertical speed that trades the missing acceleration for climb or descent.
double iasLawVerticalSpeedFpm(const IasLawInput& in);

// The glidepath: the beam's angle (degrees, positive down) steepened or flattened by the
// deviation (positive above the beam), flown at the ground speed.
double glidepathVerticalSpeedFpm(double glideslopeAngleDeg, double glideslopeDeviation, double groundSpeedKt);

// The altitude capture band at this vertical speed (feet): a fifth of a minute's climb.
double altitudeCaptureBandFt(double verticalSpeedFpm);

}  // namespace xaq::guidance
