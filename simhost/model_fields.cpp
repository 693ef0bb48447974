// The world's fields by name, for scenarios: `model:NAME` in logs and expectations, `set NAME`.

#include <cmath>
#include <string>
#include <vector>

#include "simhost/atmosphere.h"
#include "simhost/flight_model.h"
#include "simhost/geo.h"
#include "simhost/scenario.h"

namespace xaq::sim {

namespace {

struct Field {
  const char* name;
  double (*get)(const World&);
  void (*set)(World&, double);  // null: read-only
};

double flag(bool b) { return b ? 1.0 : 0.0; }

#define RW(name, expr) Field{name, [](const World& w) -> double { return expr; }, [](World& w, double v) { expr = v; }}
#define RB(name, expr) Field{name, [](const World& w) -> double { return flag(expr); }, [](World& w, double v) { expr = v != 0; }}
#define RO(name, expr) Field{name, [](const World& w) -> double { return expr; }, nullptr}

const Field kFields[] = {
    RW("lat", w.aircraft.latDeg),
    RW("lon", w.aircraft.lonDeg),
    RW("altitude", w.aircraft.altitudeFt),
    Field{"heading", [](const World& w) { return w.aircraft.headingTrueDeg; }, [](World& w, double v) { w.aircraft.headingTrueDeg = wrap360(v); w.aircraft.groundTrackDeg = w.aircraft.headingTrueDeg; }},
    RO("headingMag", wrap360(w.aircraft.headingTrueDeg - w.environment.magneticVariationDeg)),
    RW("pitch", w.aircraft.pitchDeg),
    RW("bank", w.aircraft.bankDeg),
    RW("rollRate", w.aircraft.rollRateDps),
    RW("tas", w.aircraft.trueAirspeedKt),
    RO("ias", airData(w).indicatedAirspeedKt),
    RO("indicatedAltitude", airData(w).indicatedAltitudeFt),
    RW("vs", w.aircraft.verticalSpeedFpm),
    Field{"flightPath", [](const World& w) { return w.aircraft.flightPathDeg; }, [](World& w, double v) { w.aircraft.flightPathDeg = v; w.aircraft.verticalSpeedFpm = w.aircraft.trueAirspeedKt * kFpsPerKnot * 60.0 * std::sin(v * kDegToRad); }},
    RW("groundSpeed", w.aircraft.groundSpeedKt),
    RB("onGround", w.aircraft.onGround),
    RO("weight", aircraftWeightLb(w)),
    RW("zeroFuelWeight", w.aircraft.zeroFuelWeightLb),
    RW("leftTank", w.aircraft.leftTankGal),
    RW("rightTank", w.aircraft.rightTankGal),
    RW("aileron", w.controls.aileron),
    RW("elevator", w.controls.elevator),
    RW("trim", w.controls.elevatorTrim),
    RW("rudder", w.controls.rudder),
    RW("throttle", w.controls.throttle),
    RW("flapHandle", w.controls.flapHandle),
    RO("flapPosition", w.controls.flapPosition),
    RW("gearHandle", w.controls.gearHandle),
    RO("gearNose", w.controls.gearPosition[0]),
    RB("parkingBrake", w.controls.parkingBrake),
    Field{"disconnect", [](const World& w) -> double { return w.controls.disconnect; }, [](World& w, double v) { w.controls.disconnect = static_cast<std::uint8_t>(v); }},
    RB("battery", w.batteryMaster),
    RB("avionics", w.avionicsMaster),
    RW("nh1", w.engines[0].nhPct), RW("nh2", w.engines[1].nhPct),
    RO("nl1", w.engines[0].nlPct), RO("nl2", w.engines[1].nlPct),
    RO("itt1", w.engines[0].ittC), RO("itt2", w.engines[1].ittC),
    RO("torque1", w.engines[0].torquePct), RO("torque2", w.engines[1].torquePct),
    RO("propRpm1", w.engines[0].propRpm), RO("propRpm2", w.engines[1].propRpm),
    RO("fuelFlow1", w.engines[0].fuelFlowPph), RO("fuelFlow2", w.engines[1].fuelFlowPph),
    RO("oilPressure1", w.engines[0].oilPressurePsi), RO("oilPressure2", w.engines[1].oilPressurePsi),
    RO("oilTemp1", w.engines[0].oilTempC), RO("oilTemp2", w.engines[1].oilTempC),
    RB("running1", w.engines[0].combustion), RB("running2", w.engines[1].combustion),
    RB("failed1", w.engines[0].failed), RB("failed2", w.engines[1].failed),
    RW("propLever1", w.engines[0].propLever), RW("propLever2", w.engines[1].propLever),
    RW("mixture1", w.engines[0].mixture), RW("mixture2", w.engines[1].mixture),
    Field{"magvar", [](const World& w) -> double { return w.environment.magneticVariationDeg; },
          [](World& w, double v) {
            w.environment.magneticVariationDeg = v;
            w.environment.variationFromGrid = false;  // a scenario's value holds from then on
          }},
    RW("windSpeed", w.environment.windSpeedKt),
    RW("windFrom", w.environment.windFromDeg),
    RW("qnh", w.environment.seaLevelPressureMb),
    RW("altimeter", w.environment.altimeterSettingMb),
    RW("isaDeviation", w.environment.temperatureDeviationC),
    RW("groundElevation", w.environment.groundElevationFt),
    RW("localTime", w.clock.localStartSeconds),
    RW("headingBug", w.autopilot.headingBugDeg),
    RW("obs1", w.radios.obs1Deg),
    Field{"nav1", [](const World& w) -> double { return w.radios.nav1Bcd; }, [](World& w, double v) { w.radios.nav1Bcd = static_cast<std::uint32_t>(v); }},
    Field{"com1", [](const World& w) -> double { return w.radios.com1Bcd; }, [](World& w, double v) { w.radios.com1Bcd = static_cast<std::uint32_t>(v); }},
    RO("nav1Deviation", w.nav.nav1.deviation),
    RO("nav1Dme", w.nav.nav1.dmeNm),
    RO("simSeconds", w.simSeconds),
    Field{"simRate", [](const World& w) -> double { return w.simulationRate; }, [](World& w, double v) { w.simulationRate = static_cast<int>(v); }},
    RB("doorOpen", w.passengerDoorOpen),
    Field{"timeOfDay", [](const World& w) -> double { return w.environment.timeOfDay; }, [](World& w, double v) { w.environment.timeOfDay = static_cast<std::uint8_t>(v); }},
};

#undef RW
#undef RB
#undef RO

}  // namespace

std::vector<std::string> modelNames() {
  std::vector<std::string> names;
  for (const Field& f : kFields) names.emplace_back(f.name);
  return names;
}

bool modelValue(const World& world, const std::string& name, double& value) {
  for (const Field& f : kFields) {
    if (name == f.name) {
      value = f.get(world);
      return true;
    }
  }
  return false;
}

bool setModelValue(World& world, const std::string& name, double value) {
  for (const Field& f : kFields) {
    if (name == f.name && f.set != nullptr) {
      f.set(world, value);
      return true;
    }
  }
  return false;
}

}  // namespace xaq::sim
