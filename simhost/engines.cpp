#include "simhost/engines.h"

#include <algorithm>
#include <cmath>

#include "simhost/atmosphere.h"

namespace xaq::sim {

namespace {

double follow(double value, double target, double timeConstant, double dt) {
  if (timeConstant <= 0) return target;
  return value + (target - value) * std::min(1.0, dt / timeConstant);
}

void stepEngine(World& world, Engine& e, double tankGal, double dt) {
  const bool starter = world.batteryMaster && world.simSeconds < e.starterUntilSeconds;
  const bool fuel = e.mixture > 200 && tankGal > 0;
  const AirData air = airData(world);

  if (e.combustion && (!fuel || e.failed)) e.combustion = false;
  // The host has no ignition of its own: a turning starter lights a fuelled engine that has not
  // failed once the gas generator is fast enough.
  if (!e.combustion && fuel && !e.failed && starter && e.nhPct >= EngineLimits::kLightOffNhPct) e.combustion = true;
  if (e.combustion && e.nhPct < 5.0) e.combustion = false;

  const double lever = world.controls.throttle;
  const double forward = std::clamp(lever / 16383.0, 0.0, 1.0);
  const double reverse = std::clamp(-lever / 8191.0, 0.0, 1.0);
  double nhTarget = 0;
  double tau = 8.0;  // spool-down
  if (e.combustion) {
    nhTarget = EngineLimits::kIdleNhPct + (100.0 - EngineLimits::kIdleNhPct) * forward + 15.0 * reverse;
    tau = e.nhPct < EngineLimits::kIdleNhPct - 1 ? 4.0 : 2.0;
  } else if (starter) {
    nhTarget = EngineLimits::kStarterNhPct;
    tau = 3.0;
  }
  e.nhPct = follow(e.nhPct, nhTarget, tau, dt);

  // Power available from the gas generator, 0 at 60 % NH.
  const double power = e.combustion ? std::clamp((e.nhPct - 60.0) / 40.0, 0.0, 1.0) : 0.0;
  const bool feathered = e.propLever < 0;
  const double governed = EngineLimits::kMinGovernedRpm +
                          (EngineLimits::kMaxGovernedRpm - EngineLimits::kMinGovernedRpm) *
                              std::clamp(e.propLever / 16384.0, 0.0, 1.0);
  double rpmTarget = 0;
  if (feathered) {
    rpmTarget = e.combustion ? 150.0 : 0.0;
  } else if (e.combustion) {
    rpmTarget = governed * std::clamp((e.nhPct - 30.0) / 32.0, 0.0, 1.0);
  } else {
    rpmTarget = std::min(governed, world.aircraft.trueAirspeedKt * 3.0);  // windmilling
  }
  e.propRpm = follow(e.propRpm, rpmTarget, 2.5, dt);
  e.nlPct = e.propRpm / EngineLimits::kMaxGovernedRpm * 100.0;

  const double shp = power * EngineLimits::kMaxShaftHp;
  const double torqueTarget = e.propRpm > 50 ? std::min(130.0, power * 100.0 * 1200.0 / std::max(e.propRpm, 600.0)) : 0.0;
  e.torquePct = follow(e.torquePct, torqueTarget, 0.8, dt);

  // Light-off sends the temperature up before the gas generator catches up with the fuel.
  double ittTarget = air.outsideTempC + e.nhPct * 1.5;
  if (e.combustion) {
    ittTarget = 480.0 + 320.0 * power;
    if (e.nhPct < EngineLimits::kIdleNhPct - 5) ittTarget += 250.0;
  }
  e.ittC = follow(e.ittC, ittTarget, e.combustion ? 2.0 : 10.0, dt);
  e.fuelFlowPph = e.combustion ? 320.0 + 1000.0 * power + 60.0 * reverse : 0.0;
  e.oilPressurePsi = follow(e.oilPressurePsi, 62.0 * std::min(1.0, e.nhPct / 60.0), 1.5, dt);
  e.oilTempC = follow(e.oilTempC, e.combustion ? 45.0 + 35.0 * power : air.outsideTempC, 90.0, dt);

  // Propeller thrust from shaft power; reverse pitch pulls back.
  const double speedFps = std::max(world.aircraft.trueAirspeedKt * kFpsPerKnot, 60.0);
  double thrust = std::min(7000.0, shp * 550.0 * 0.8 / speedFps);
  if (reverse > 0 && e.combustion) thrust = -3500.0 * reverse * std::clamp((e.nhPct - 60.0) / 15.0, 0.0, 1.0);
  if (feathered) thrust = 0;
  if (!e.combustion && !feathered) thrust = -0.5 * world.aircraft.trueAirspeedKt;  // windmilling drag
  e.thrustLbf = thrust;
}

}  // namespace

void commandStarter(World& world, int engine) {
  if (engine < 0 || engine >= kEngineCount) return;
  world.engines[engine].starterUntilSeconds = world.simSeconds + EngineLimits::kStarterHoldSeconds;
}

void stepEngines(World& world, double dt) {
  if (dt <= 0) return;
  stepEngine(world, world.engines[0], world.aircraft.leftTankGal, dt);
  stepEngine(world, world.engines[1], world.aircraft.rightTankGal, dt);
}

}  // namespace xaq::sim
