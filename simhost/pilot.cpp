#include "simhost/pilot.h"

#include <algorithm>
#include <cmath>

#include "simhost/atmosphere.h"
#include "simhost/geo.h"

namespace xaq::sim {

void Pilot::fly(World& world, double dt) {
  if (!targets.flying || dt <= 0) return;
  Aircraft& a = world.aircraft;
  Controls& c = world.controls;
  const AirData air = airData(world);
  const double headingMag = wrap360(a.headingTrueDeg - world.environment.magneticVariationDeg);
  const double headingError = wrap180(targets.headingMagDeg - headingMag);
  const bool elevatorFree = (c.disconnect & 1) == 0;
  const bool aileronFree = (c.disconnect & 2) == 0;

  if (a.onGround) {
    c.rudder = std::clamp(headingError * 2000.0, -16383.0, 16383.0);
    if (aileronFree) c.aileron = 0;
    if (elevatorFree) {
      const bool rotate = targets.altitudeFt > a.altitudeFt + 50 && air.indicatedAirspeedKt >= targets.rotateKt;
      c.elevator = rotate ? std::clamp((8.0 - a.pitchDeg) * 1500.0, -16383.0, 16383.0) : 0.0;
    }
  } else {
    c.rudder = 0;
    if (aileronFree) {
      const double bankTarget = std::clamp(headingError * 1.5, -25.0, 25.0);
      // Positive aileron rolls left.
      c.aileron = std::clamp(-((bankTarget - a.bankDeg) * 600.0 - a.rollRateDps * 400.0), -16383.0, 16383.0);
    }
    if (elevatorFree) {
      const double vsTarget = std::clamp((targets.altitudeFt - air.indicatedAltitudeFt) * 4.0,
                                         -targets.descentFpm, targets.climbFpm);
      const double speedFpm = std::max(a.trueAirspeedKt * kFpsPerKnot * 60.0, 3000.0);
      const double pathTarget = std::asin(std::clamp(vsTarget / speedFpm, -0.3, 0.3)) * kRadToDeg;
      const double pitchTarget = std::clamp(pathTarget + (a.pitchDeg - a.flightPathDeg), -10.0, 15.0);
      const double error = pitchTarget - a.pitchDeg;
      pitchIntegral_ = std::clamp(pitchIntegral_ + error * dt * 300.0, -8000.0, 8000.0);
      const double bankBoost = 1.0 / std::max(0.5, std::cos(a.bankDeg * kDegToRad)) - 1.0;
      c.elevator = std::clamp(error * 2500.0 - a.pitchRateDps * 1500.0 + pitchIntegral_ + bankBoost * 6000.0,
                              -16383.0, 16383.0);
    }
  }

  if (targets.airspeedKt > 0 && (c.disconnect & 8) == 0) {
    const double error = targets.airspeedKt - air.indicatedAirspeedKt;
    powerIntegral_ = std::clamp(powerIntegral_ + error * dt * 40.0, -8000.0, 16383.0);
    c.throttle = std::clamp(error * 600.0 + powerIntegral_ + 6000.0, 0.0, 16383.0);
  }
}

}  // namespace xaq::sim
