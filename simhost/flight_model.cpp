#include "simhost/flight_model.h"

#include <algorithm>
#include <cmath>

#include "simhost/atmosphere.h"
#include "simhost/geo.h"

namespace xaq::sim {

namespace {

constexpr double kGravity = 32.174;             // ft/s²
constexpr double kSeaLevelDensity = 0.0023769;  // slug/ft³
constexpr double kAxisFull = 16383.0;
// Dynamic pressure at 150 kt at sea level: the control effectiveness is scaled to it.
constexpr double kReferenceQbar = 0.5 * kSeaLevelDensity * (150 * kFpsPerKnot) * (150 * kFpsPerKnot);
constexpr double kFlapRatePerSecond = 16384.0 / 12.0;
constexpr double kGearRatePerSecond = 16384.0 / 7.0;
constexpr double kMinAirborneSpeedFps = 30.0;
// Full aileron at the reference dynamic pressure rolls at this rate (degrees per second); the
// roll rate follows the aileron with this time constant.
constexpr double kRollRatePerAileronDps = 36.7;
constexpr double kRollLagSeconds = 0.08;

void moveToward(double& value, double target, double maxStep) {
  if (value < target) value = std::min(target, value + maxStep);
  else value = std::max(target, value - maxStep);
}

double liftCoefficient(double alphaDeg, double flapFraction) {
  const double base = 0.3 + 0.6 * flapFraction;
  const double slope = 0.095;  // per degree
  const double stall = FlightModelLimits::kStallAlphaDeg;
  if (alphaDeg <= stall) return base + slope * alphaDeg;
  // Past the stall the lift falls away.
  return base + slope * stall - 0.06 * (alphaDeg - stall);
}

void burnFuel(World& world, double dt) {
  Aircraft& a = world.aircraft;
  double* tanks[kEngineCount] = {&a.leftTankGal, &a.rightTankGal};
  for (int i = 0; i < kEngineCount; ++i) {
    const double gallons = world.engines[i].fuelFlowPph / kLbPerGallon / 3600.0 * dt;
    *tanks[i] = std::max(0.0, *tanks[i] - gallons);
  }
}

}  // namespace

double aircraftWeightLb(const World& world) {
  const Aircraft& a = world.aircraft;
  return a.zeroFuelWeightLb + (a.leftTankGal + a.rightTankGal) * kLbPerGallon;
}

void placeOnGround(World& world, double latDeg, double lonDeg, double headingTrueDeg,
                   double elevationFt) {
  Aircraft& a = world.aircraft;
  a.latDeg = latDeg;
  a.lonDeg = lonDeg;
  a.headingTrueDeg = wrap360(headingTrueDeg);
  a.altitudeFt = elevationFt;
  world.environment.groundElevationFt = elevationFt;
  a.pitchDeg = a.bankDeg = a.rollRateDps = a.pitchRateDps = a.turnRateDps = 0;
  a.trueAirspeedKt = a.flightPathDeg = a.verticalSpeedFpm = a.groundSpeedKt = 0;
  a.accelerationFtps2 = 0;
  a.groundTrackDeg = a.headingTrueDeg;
  a.onGround = true;
}

void stepFlightModel(World& world, double dt) {
  if (dt <= 0) return;
  Aircraft& a = world.aircraft;
  Controls& c = world.controls;
  const Environment& env = world.environment;

  moveToward(c.flapPosition, c.flapHandle / kAxisFull * 16384.0, kFlapRatePerSecond * dt);
  for (double& leg : c.gearPosition) moveToward(leg, c.gearHandle, kGearRatePerSecond * dt);
  burnFuel(world, dt);

  const AirData air = airData(world);
  const double rho = kSeaLevelDensity * air.densityRatio;
  const double weight = aircraftWeightLb(world);
  const double mass = weight / kGravity;
  const double windTo = (env.windFromDeg + 180.0) * kDegToRad;
  const double windFps = env.windSpeedKt * kFpsPerKnot;
  const double heading = a.headingTrueDeg * kDegToRad;
  const double headwindFps = -windFps * std::cos(windTo - heading);

  double speed = a.trueAirspeedKt * kFpsPerKnot;
  const double qbar = 0.5 * rho * speed * speed;
  const double effect = std::clamp(qbar / kReferenceQbar, 0.0, 2.5);
  const double gamma = a.onGround ? 0.0 : a.flightPathDeg;
  const double alpha = a.pitchDeg - gamma;
  const double flaps = c.flapPosition / 16384.0;
  const double gear = c.gearPosition[0] / 16384.0;
  const double cl = liftCoefficient(alpha, flaps);
  const double cd = 0.028 + 0.035 * gear + 0.06 * flaps + 0.045 * cl * cl +
                    0.1 * c.spoilerHandle / kAxisFull;
  const double lift = qbar * FlightModelLimits::kWingAreaFt2 * cl;
  const double drag = qbar * FlightModelLimits::kWingAreaFt2 * cd;
  double thrust = 0;
  for (const Engine& e : world.engines) thrust += e.thrustLbf;

  // Pitch: the elevator and trim set the angle of attack the aircraft settles at; on the ground
  // the weight on the nose wheel holds the nose down until the wing carries the aircraft.
  const double elevator = c.elevator / kAxisFull;
  const double trim = c.elevatorTrim / kAxisFull;
  double alphaTarget = 1.5 + 9.0 * elevator + 5.0 * trim;
  if (a.onGround) alphaTarget -= 8.0 * (1.0 - std::min(1.0, lift / std::max(weight, 1.0)));
  const double pitchAccel = 3.0 * effect * (alphaTarget - alpha) -
                            2.8 * std::sqrt(std::max(effect, 0.05)) * a.pitchRateDps;
  a.pitchRateDps = std::clamp(a.pitchRateDps + pitchAccel * dt, -20.0, 20.0);
  a.pitchDeg = std::clamp(a.pitchDeg + a.pitchRateDps * dt, -60.0, 60.0);

  if (a.onGround) {
    a.bankDeg = 0;
    a.rollRateDps = 0;
    if (a.pitchDeg <= 0) {
      a.pitchDeg = 0;
      a.pitchRateDps = std::max(0.0, a.pitchRateDps);
    }
    if (a.pitchDeg > FlightModelLimits::kRotateMaxPitchDeg) {
      a.pitchDeg = FlightModelLimits::kRotateMaxPitchDeg;
      a.pitchRateDps = std::min(0.0, a.pitchRateDps);
    }
    // Ground roll along the heading; the wheels carry what the wing does not.
    double groundFps = a.groundSpeedKt * kFpsPerKnot;
    const double normal = std::max(0.0, weight - lift);
    const double friction = (0.02 + (c.parkingBrake ? 0.4 : 0.0)) * normal;
    double accel = (thrust - drag) / mass;
    const double frictionAccel = friction / mass;
    if (groundFps > 0.05 || std::fabs(accel) > frictionAccel) {
      accel -= groundFps >= 0 ? frictionAccel : -frictionAccel;
      groundFps += accel * dt;
      if (groundFps < 0 && thrust >= 0) groundFps = 0;
    } else {
      accel = 0;
      groundFps = 0;
    }
    const double steer = std::clamp(c.rudder / kAxisFull, -1.0, 1.0) * 20.0 *
                         std::min(1.0, groundFps / (15 * kFpsPerKnot));
    a.turnRateDps = steer;
    a.headingTrueDeg = wrap360(a.headingTrueDeg + steer * dt);
    a.accelerationFtps2 = accel;
    speed = std::max(0.0, groundFps + headwindFps);
    a.trueAirspeedKt = speed / kFpsPerKnot;
    a.flightPathDeg = 0;
    a.verticalSpeedFpm = 0;
    a.altitudeFt = env.groundElevationFt;
    a.groundSpeedKt = groundFps / kFpsPerKnot;
    a.groundTrackDeg = a.headingTrueDeg;
    if (lift > weight && a.pitchDeg > 0) a.onGround = false;  // the wing takes over
  } else {
    // Roll: the aileron sets a roll rate (positive aileron rolls left), reached within a tenth of
    // a second as the host's own roll does; the bank then holds.
    const double aileron = std::clamp(c.aileron / kAxisFull, -1.0, 1.0);
    const double rollRateTarget = kRollRatePerAileronDps * std::min(effect, 2.0) * -aileron;
    a.rollRateDps += (rollRateTarget - a.rollRateDps) * (1.0 - std::exp(-dt / kRollLagSeconds));
    a.rollRateDps = std::clamp(a.rollRateDps, -60.0, 60.0);
    a.bankDeg = std::clamp(a.bankDeg + a.rollRateDps * dt, -85.0, 85.0);

    const double v = std::max(speed, kMinAirborneSpeedFps);
    const double g = gamma * kDegToRad, phi = a.bankDeg * kDegToRad;
    const double accel = (thrust - drag) / mass - kGravity * std::sin(g);
    const double gammaRate = (lift * std::cos(phi) - weight * std::cos(g)) / (mass * v);
    const double turnRate = lift * std::sin(phi) / (mass * v * std::max(0.2, std::cos(g)));
    speed = std::max(0.0, speed + accel * dt);
    a.accelerationFtps2 = accel;
    a.flightPathDeg = std::clamp(gamma + gammaRate * kRadToDeg * dt, -60.0, 60.0);
    a.turnRateDps = turnRate * kRadToDeg;
    a.headingTrueDeg = wrap360(a.headingTrueDeg + a.turnRateDps * dt);
    a.trueAirspeedKt = speed / kFpsPerKnot;
    const double climbFps = speed * std::sin(a.flightPathDeg * kDegToRad);
    a.verticalSpeedFpm = climbFps * 60.0;
    a.altitudeFt += climbFps * dt;

    const double horizontal = speed * std::cos(a.flightPathDeg * kDegToRad);
    const double hdg = a.headingTrueDeg * kDegToRad;
    const double north = horizontal * std::cos(hdg) + windFps * std::cos(windTo);
    const double east = horizontal * std::sin(hdg) + windFps * std::sin(windTo);
    a.groundSpeedKt = std::hypot(north, east) / kFpsPerKnot;
    a.groundTrackDeg = wrap360(std::atan2(east, north) * kRadToDeg);

    if (a.altitudeFt <= env.groundElevationFt) {  // touchdown
      a.altitudeFt = env.groundElevationFt;
      a.onGround = true;
      a.flightPathDeg = 0;
      a.verticalSpeedFpm = 0;
      a.bankDeg = 0;
      a.rollRateDps = 0;
      a.groundSpeedKt = std::max(0.0, speed + headwindFps) / kFpsPerKnot;
    }
  }

  destination(a.latDeg, a.lonDeg, a.groundTrackDeg, a.groundSpeedKt * dt / 3600.0, a.latDeg,
              a.lonDeg);
}

}  // namespace xaq::sim
