#pragma once
// The aircraft's motion: a point-mass model with first-order attitude dynamics, sized for a
// 40,000 lb twin turboprop. Aileron, elevator and trim fly it; engines push it; the gear meets
// the ground. Deliberately simple, but every control acts the way a pilot expects.

#include "simhost/world.h"

namespace xaq::sim {

struct FlightModelLimits {
  static constexpr double kWingAreaFt2 = 585.0;
  static constexpr double kStallAlphaDeg = 15.0;
  static constexpr double kRotateMaxPitchDeg = 15.0;
};

// Advances the aircraft, gear, flaps and fuel by dtSeconds of simulation time. Engines are
// stepped separately (stepEngines) before this, so their thrust is current.
void stepFlightModel(World& world, double dtSeconds);

// Places the aircraft at rest on the ground (engines untouched).
void placeOnGround(World& world, double latDeg, double lonDeg, double headingTrueDeg,
                   double elevationFt);

double aircraftWeightLb(const World& world);

}  // namespace xaq::sim
