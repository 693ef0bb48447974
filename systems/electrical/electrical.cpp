#include "systems/electrical/electrical.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "common/light_ids.h"

namespace xaq::systems {

namespace {

constexpr double kBatteryVolts = 24.0;
constexpr double kGeneratorOnLineVolts = 24.0;  // a generator feeds the buses from here up
constexpr double kGroundPowerVolts = 28.0;
constexpr double kMaximumGeneratorVolts = 28.0;
constexpr double kSecondaryBusOnAcVolts = 26.8;
constexpr double kAcPerDcVolt = 115.0 / 28.0;
constexpr double kGroundPowerAcVolts = 115.0;
constexpr double kPoweredBusVolts = 15.0;
constexpr double kPoweredAcVolts = 80.0;
constexpr double kBusyLoad = 0.1;

constexpr std::uint32_t kToggleMasterBattery = 66374;
constexpr std::uint32_t kToggleAvionicsMaster = 66293;
constexpr std::uint32_t kToggleHydraulicFailure = 66309;

bool on(std::int32_t position) { return position != 0; }

// The DC generator of an engine: nothing below 20 % NH, 28 V from 40 % on.
double generatorVolts(double gasGeneratorPct) {
  const double volts = (gasGeneratorPct - 20.0) * 1.4;
  return volts > 0.0 ? std::min(volts, kMaximumGeneratorVolts) : 0.0;  // NaN reads as dead
}

// The share of the load the cockpit's consumers draw, as a fraction of one source's rating.
double totalLoad(const PanelSwitchRecord& s, bool starterEngaged) {
  double load = on(s.pitotHeater1) ? 0.75 : 0.70;
  if (on(s.pitotHeater2)) load += 0.05;
  for (bool consumer : {on(s.sideWindowHeater), on(s.windshieldHeater), on(s.wingInspectionLight),
                        on(s.antiCollisionLight)}) {
    if (consumer) load += 0.02;
  }
  if (starterEngaged) load += 0.1;
  return load;
}

// A DC generator carrying little while its TRU carries a share hands the TRU double; a DC
// generator alone on its side carries a fifth more.
void balanceSide(double& dcGenerator, double& tru) {
  if (dcGenerator < kBusyLoad && tru > kBusyLoad) {
    tru *= 2.0;
  } else if (dcGenerator > kBusyLoad && tru < kBusyLoad) {
    dcGenerator *= 1.2;
  }
}

// Two sources sharing `load`: half each when both are on line, all of it on the only one.
void share(double load, bool first, bool second, double& firstLoad, double& secondLoad) {
  firstLoad = first ? (second ? load / 2.0 : load) : 0.0;
  secondLoad = second ? (first ? load / 2.0 : load) : 0.0;
}

}  // namespace

void Electrical::update(const CycleContext& now, const ElectricalInputs& in, Effects& effects) {
  const PanelSwitchRecord& sw = *in.switches;
  ElectricalState& e = state_;
  auto& bus = e.busVolts;
  auto at = [&bus](DcBus b) -> double& { return bus[static_cast<int>(b)]; };

  bus.fill(0.0);
  e.apu = in.apuLastCycle;

  // Batteries.
  const bool master = on(sw.batteryMaster);
  if (master && (on(sw.mainBattery) || on(sw.auxBattery))) {
    at(DcBus::kLeftEssential) = at(DcBus::kRightEssential) = kBatteryVolts;
  }
  if (master && on(sw.mainBattery)) at(DcBus::kRightMain) = kBatteryVolts;
  if (on(sw.mainBusTie)) at(DcBus::kLeftMain) = at(DcBus::kRightMain);

  // Engine generators: a side feeds the buses through either of its generator switches.
  const double g1 = generatorVolts(in.gasGeneratorPct[0]);
  const double g2 = generatorVolts(in.gasGeneratorPct[1]);
  const bool acGen1 = on(sw.acGenerator1), acGen2 = on(sw.acGenerator2);
  const bool feeds1 = (on(sw.generatorControl1) || acGen1) && g1 >= kGeneratorOnLineVolts;
  const bool feeds2 = (on(sw.generatorControl2) || acGen2) && g2 >= kGeneratorOnLineVolts;
  if (feeds1 && feeds2) {
    at(DcBus::kLeftMain) = g1;
    at(DcBus::kLeftSecondary) = acGen1 ? kSecondaryBusOnAcVolts : g1;
    at(DcBus::kRightMain) = g2;
    at(DcBus::kRightSecondary) = acGen2 ? kSecondaryBusOnAcVolts : g2;
    at(DcBus::kLeftEssential) = at(DcBus::kRightEssential) = g1 - 1.0;
  } else if (feeds1) {
    at(DcBus::kLeftMain) = at(DcBus::kRightMain) = at(DcBus::kRightSecondary) = g1;
    at(DcBus::kLeftSecondary) = acGen1 ? kSecondaryBusOnAcVolts : g1;
    at(DcBus::kLeftEssential) = at(DcBus::kRightEssential) = g1 - 1.0;
  } else if (feeds2) {
    at(DcBus::kLeftMain) = at(DcBus::kLeftSecondary) = at(DcBus::kRightMain) = g2;
    at(DcBus::kRightSecondary) = acGen2 ? kSecondaryBusOnAcVolts : g2;
    at(DcBus::kLeftEssential) = at(DcBus::kRightEssential) = g2 - 1.0;
  }

  // APU generator and DC ground power each hold every bus at 28 V.
  if (e.apu.generatorOnLine) bus.fill(kGroundPowerVolts);
  const bool groundPower = in.indicatedAirspeedKt < 0.5 && in.parkingBrake > 0.1;
  e.externalPowerAvailable = groundPower;
  e.acExternalPowerAvailable = groundPower;
  const bool dcGroundPower = groundPower && on(sw.externalPowerDc);
  if (dcGroundPower) bus.fill(kGroundPowerVolts);

  // Loads.
  const double d1 = on(sw.generatorControl1) ? g1 : 0.0;
  const double d2 = on(sw.generatorControl2) ? g2 : 0.0;
  const double a1 = acGen1 ? g1 : 0.0;
  const double a2 = acGen2 ? g2 : 0.0;
  const double load = totalLoad(sw, e.apu.starterEngaged);
  SourceLoads& l = e.loads;
  share(load, d1 > kGeneratorOnLineVolts, d2 > kGeneratorOnLineVolts, l.dcGenerator1, l.dcGenerator2);
  share(load / 2.0, a1 > kGeneratorOnLineVolts, a2 > kGeneratorOnLineVolts, l.leftTru, l.rightTru);
  balanceSide(l.dcGenerator1, l.leftTru);
  balanceSide(l.dcGenerator2, l.rightTru);
  const bool generatorsCarry = l.dcGenerator1 > kBusyLoad || l.leftTru > kBusyLoad ||
                               l.dcGenerator2 > kBusyLoad || l.rightTru > kBusyLoad;
  if (generatorsCarry) {
    l.mainBattery = l.auxBattery = 0.0;
  } else {
    share(load, on(sw.mainBattery), on(sw.auxBattery), l.mainBattery, l.auxBattery);
  }
  l.apuGenerator = 0.0;
  if (e.apu.generatorOnLine) {
    if (l.dcGenerator1 <= 0.0) {
      l.apuGenerator = load;
      l.mainBattery = l.auxBattery = 0.0;
    } else {
      l.apuGenerator = 0.7 * l.dcGenerator1;
      l.dcGenerator1 *= 0.3;
    }
  }
  if (dcGroundPower && master) l = SourceLoads{};

  // AC generators, then AC ground power over everything.
  AcGenerators& ac = e.ac;
  ac.gen1PhaseVolts.fill(a1 * kAcPerDcVolt);
  ac.gen2PhaseVolts.fill(a2 * kAcPerDcVolt);
  ac.gen1PhaseLoads.fill(l.leftTru * 0.32);
  ac.gen2PhaseLoads.fill(l.rightTru * 0.32);
  if (groundPower && on(sw.externalPowerAc)) {
    bus.fill(kGroundPowerVolts);
    ac.gen1PhaseVolts.fill(kGroundPowerAcVolts);
    ac.gen2PhaseVolts.fill(kGroundPowerAcVolts);
    ac.gen1PhaseLoads.fill(0.0);
    ac.gen2PhaseLoads.fill(0.0);
  }

  InverterOutputs& inv = e.inverters;
  const bool primary = on(sw.primaryInverter), secondary = on(sw.secondaryInverter);
  inv.primaryVolts = primary ? at(DcBus::kLeftEssential) * kAcPerDcVolt : 0.0;
  inv.primaryLoad = primary ? l.dcGenerator1 * 0.4 : 0.0;
  inv.secondaryVolts = secondary ? at(DcBus::kRightEssential) * kAcPerDcVolt : 0.0;
  inv.secondaryLoad = secondary ? l.dcGenerator2 * 0.4 : 0.0;
  inv.auxVolts = at(DcBus::kLeftMain) * kAcPerDcVolt;
  inv.auxLoad = l.dcGenerator1 * 0.4;

  // Battery temperatures warm with their load above an ambient that follows the outside air.
  const double outsideC = std::isfinite(in.outsideAirTempC) ? in.outsideAirTempC : 15.0;
  const double ambient = (outsideC + 100.0) * 0.2;
  mainBatteryTemp_.target = l.mainBattery * 20.0 + ambient;
  e.mainBatteryTempC = mainBatteryTemp_.step(now.nowS);
  auxBatteryTemp_.target = l.auxBattery * 20.0 + ambient;
  e.auxBatteryTempC = auxBatteryTemp_.step(now.nowS);

  e.dcPowerAvailable = at(DcBus::kLeftEssential) > kPoweredBusVolts || at(DcBus::kRightEssential) > kPoweredBusVolts;

  // The host's own master switch follows the panel's power; its avionics switch stays on.
  if (in.hostBatteryMaster != e.dcPowerAvailable) effects.events.trigger(kToggleMasterBattery, 1);
  if (!in.hostAvionicsMaster) effects.events.trigger(kToggleAvionicsMaster, 1);

  LightDoor& door = effects.lights;
  namespace c = lights::caution;
  door.show(c::kPriInv, inv.primaryVolts < kPoweredAcVolts);
  door.show(c::kSecInv, inv.secondaryVolts < kPoweredAcVolts);
  door.show(c::kAuxInv, inv.auxVolts < kPoweredAcVolts);
  const bool noInverter = inv.primaryVolts < kPoweredAcVolts && inv.secondaryVolts < kPoweredAcVolts &&
                          inv.auxVolts < kPoweredAcVolts;
  door.show(c::kLeft26Ac, noInverter);
  door.show(c::kRight26Ac, noInverter);
  door.show(c::kLeftAcBus, ac.gen1PhaseVolts[0] < kPoweredAcVolts);
  door.show(c::kRightAcBus, ac.gen2PhaseVolts[0] < kPoweredAcVolts);
  door.show(c::kDcBus, at(DcBus::kLeftMain) < kPoweredBusVolts || at(DcBus::kRightMain) < kPoweredBusVolts);
  door.show(c::kLeftTru, a1 < kPoweredBusVolts);
  door.show(c::kRightTru, a2 < kPoweredBusVolts);
  door.show(c::kMainBattery, !on(sw.mainBattery));
  door.show(c::kAuxBattery, !on(sw.auxBattery));
  door.show(c::kDcGen1, !(in.engineRunning[0] && on(sw.generatorControl1)));
  door.show(c::kDcGen2, !(in.engineRunning[1] && on(sw.generatorControl2)));
  door.show(c::kAcGen1, !(in.engineRunning[0] && acGen1));
  door.show(c::kAcGen2, !(in.engineRunning[1] && acGen2));
  door.show(c::kPitotHeat1, at(DcBus::kLeftEssential) > kPoweredBusVolts && !on(sw.pitotHeater1));
  door.show(c::kPitotHeat2, ac.gen2PhaseVolts[0] < kPoweredAcVolts && !on(sw.pitotHeater2));
  door.show(c::kEmergencyLightsDisarmed, sw.emergencyLights == 0);

  // Hydraulics: an engine drives its side's pump; in the air DC power keeps a side working too.
  for (int side = 0; side < 2; ++side) {
    e.hydraulicPower[side] = in.engineRunning[side] || (e.dcPowerAvailable && !in.onGround);
  }
  const bool anyHydraulics = e.hydraulicPower[0] || e.hydraulicPower[1];
  if ((anyHydraulics && in.hostHydraulicAvailable < 0.0001) || (!anyHydraulics && in.hostHydraulicAvailable > 0.9999)) {
    effects.events.trigger(kToggleHydraulicFailure, 1);
  }
  door.show(c::kEngHydPump1, !in.engineRunning[0]);
  door.show(c::kEngHydPump2, !in.engineRunning[1]);
  door.show(c::kRollSpoilerInboardHyd, !e.hydraulicPower[0]);
  door.show(c::kRudderHyd1, !e.hydraulicPower[0]);
  door.show(c::kFlapPower, !e.hydraulicPower[0]);
  door.show(c::kRollSpoilerOutboardHyd, !e.hydraulicPower[1]);
  door.show(c::kRudderHyd2, !e.hydraulicPower[1]);
}

}  // namespace xaq::systems
