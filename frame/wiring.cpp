#include "frame/wiring.h"

#include <cmath>

#include "common/rounding.h"
#include "services/sound/sound.h"

namespace xaq::frame {

namespace {
constexpr double kNormalSimulationRate = 256.0;  // the host's rate units
constexpr std::uint32_t kNoBackCourseBit = 0x20;  // of the NAV 1 receiver flags (46)

// Ground speed along the track: the true airspeed less the wind on the nose.
double groundSpeedKt(const HostSamples& s) {
  const double speed = s.trueAirspeedKt - s.headwindKt;
  return speed > 0.0 ? speed : 0.0;
}

constexpr double kPsiPerMillibar = 0.0145037738;

double localSecondsOfDay(const HostSamples& s) { return s.localHour * 3600.0 + s.localMinute * 60.0 + s.localSecond; }

int whole(double v) { return std::isfinite(v) && std::fabs(v) < 1e6 ? static_cast<int>(v) : 0; }
}  // namespace

double utcSecondsOfDay(const HostSamples& s) {
  const double utc = localSecondsOfDay(s) - s.zuluOffsetHours * 3600.0;
  return std::isfinite(utc) ? std::fmod(std::fmod(utc, 86400.0) + 86400.0, 86400.0) : 0.0;
}

CycleContext cycleContext(const HostSamples& s) {
  CycleContext now;
  now.nowS = s.elapsedSeconds;
  now.dtS = s.timeStepSeconds;
  now.paused = s.pauseFlags[0];
  now.simRate = s.simulationRate > 0.0 ? s.simulationRate / kNormalSimulationRate : 1.0;
  return now;
}

displays::AirspeedBugInputs airspeedBugInputs(const HostSamples& s) {
  return {s.aircraftWeightLb, s.flapHandle};
}

systems::RadiosInputs radiosInputs(const HostSamples& s) {
  systems::RadiosInputs in;
  in.nav1Bcd = s.nav1Bcd;
  in.nav2Bcd = s.nav2Bcd;
  in.com1Bcd = s.com1Bcd;
  in.com2Bcd = s.com2Bcd;
  in.adfBcd = s.adfBcd;
  in.adfExtendedBcd = s.adfExtendedBcd;
  in.transponderBcd = s.transponderBcd;
  in.nav1BearingDeg = s.nav1BearingDeg;
  in.nav2BearingDeg = s.nav2BearingDeg;
  in.adfBearingDeg = s.adfBearingDeg;
  return in;
}

systems::WeatherRadarInputs weatherRadarInputs(const HostSamples& s, const services::datalink::AddonValues& addon) {
  systems::WeatherRadarInputs in;
  in.indicatedAirspeedKt = s.indicatedAirspeedKt;
  in.headingDeg = s.headingMagDeg;
  in.altitudeFt = s.altitudeFt;
  for (std::size_t k = 0; k < in.clouds.size(); ++k) {
    in.clouds[k] = {static_cast<double>(addon.clouds[k].baseFt), static_cast<double>(addon.clouds[k].topFt),
                    static_cast<double>(addon.clouds[k].density)};
  }
  return in;
}

services::ClipboardInputs clipboardInputs(const std::string& notesFilePath) { return {notesFilePath}; }

fms::GuidanceInput fmsGuidanceInputs(const HostSamples& s) {
  fms::GuidanceInput in;
  in.present = {s.latitudeDeg, s.longitudeDeg};
  in.magVarDeg = wrap180(s.magneticVariationDeg);
  in.headingDeg = s.headingMagDeg;
  // The host reports no ground track among the samples: the heading stands in for it.
  in.trackDeg = s.headingMagDeg;
  in.trueAirspeedKt = s.trueAirspeedKt;
  in.headwindKt = s.headwindKt;
  in.altitudeFt = s.altitudeFt;
  in.timeOfDaySec = localSecondsOfDay(s);
  return in;
}

guidance::FlightGuidanceInputs flightGuidanceInputs(const HostSamples& s, const services::datalink::AddonValues& addon,
                                                    bool linkConnected,
                                                    const guidance::AltitudePreselector& preselector,
                                                    const fms::GuidanceOutput& fmsLastCycle) {
  guidance::FlightGuidanceInputs in;
  in.onGround = s.onGround;
  in.indicatedAirspeedKt = s.indicatedAirspeedKt;
  in.trueAirspeedKt = s.trueAirspeedKt;
  in.accelerationKtPerSec = s.accelerationKtPerSec;
  in.groundSpeedKt = groundSpeedKt(s);
  in.verticalSpeedFpm = s.verticalSpeedFpm;
  in.altitudeFt = s.altitudeFt;
  in.radioAltitudeFt = s.radioAltitudeFt;
  in.pitchUpDeg = -s.attitudePitchDeg;  // the host's pitch is nose-down positive
  in.bankDeg = s.attitudeBankDeg;
  in.headingDeg = s.headingMagDeg;
  in.headingBugDeg = s.headingBugDeg;
  in.outsideAirTempC = s.outsideAirTempC;
  in.courseDeviation = s.nav1Deviation;
  in.glideslopeDeviation = s.glideslopeDeviation;
  in.navSignalValid = s.nav1SignalValid;
  in.localizerTuned = s.nav1LocalizerTuned;
  in.noBackCourse = (static_cast<std::uint32_t>(s.nav1Flags > 0 ? s.nav1Flags : 0) & kNoBackCourseBit) != 0;
  in.hostAutopilot = s.hostAutopilot;
  in.hostYawDamper = s.hostYawDamper;
  in.hostNavHold = s.hostNavHold;
  in.hostApproachHold = s.hostApproachHold;
  in.hostBackCourseHold = s.hostBackCourseHold;
  in.hostNavSteeringBankDeg = s.hostFdBankDeg;
  in.aileronPosition = s.aileronPosition;
  in.elevatorPosition = s.elevatorPosition;
  in.elevatorTrimPosition = s.elevatorTrimPosition;
  in.paused = s.pauseFlags[0] || s.pauseFlags[1];
  in.linkConnected = linkConnected;
  in.linkGlideslopeAngleDeg = addon.glideslopeAngleDeg;
  in.preselectedAltitudeFt = preselector.valueFt();
  in.fmsCommandedHeadingLastCycleDeg = fmsLastCycle.steeringCourse;
  return in;
}

void GuidanceLinkWriter::write(services::datalink::DataLink& link, const guidance::LinkCommands& c) {
  namespace offsets = services::datalink::offsets;
  if (!link.connected() || !link.versionOk()) {
    lastDisconnect_ = -1;
    return;
  }
  if (c.controlDisconnect != lastDisconnect_) {
    lastDisconnect_ = link.singleWrite(offsets::kControlDisconnect, 1, &c.controlDisconnect) ? c.controlDisconnect : -1;
  }
  if (c.writeAileron) link.singleWrite(offsets::kAileronCommand, 2, &c.aileronWord);
  if (c.writeElevator) link.singleWrite(offsets::kElevatorCommand, 2, &c.elevatorWord);
  if (c.writeTrim) link.singleWrite(offsets::kElevatorTrim, 2, &c.trimWord);
}

void GuidanceLinkWriter::release(services::datalink::DataLink& link) {
  if (lastDisconnect_ <= 0 || !link.connected() || !link.versionOk()) return;
  const std::uint8_t none = 0;
  link.singleWrite(services::datalink::offsets::kControlDisconnect, 1, &none);
  lastDisconnect_ = 0;
}

namespace {
displays::EhsiStation nearestVorOn(double bcd, const std::vector<fms::NavRecord>& vors, displays::GeoPoint at) {
  const systems::ComNavFrequency f = systems::decodeComNav(bcd);
  const std::int32_t frequency = f.mhz * 100 + f.hundredths;
  displays::EhsiStation found;
  double best = 0.0;
  for (const fms::NavRecord& v : vors) {
    if (v.frequency != frequency || frequency == 0) continue;
    const double east = (v.longitude - at.lonDeg) * std::cos(at.latDeg * 0.017453292519943295);
    const double north = v.latitude - at.latDeg;
    const double d = east * east + north * north;
    if (!found.known || d < best) found = {true, {v.latitude, v.longitude}}, best = d;
  }
  return found;
}
}  // namespace

displays::EhsiInputs ehsiInputs(const EhsiSources& from) {
  const HostSamples& s = from.samples;
  displays::EhsiInputs in;
  in.powered = from.powered;
  in.brightness = from.powered ? from.brightness : 0.0;
  in.arcMode = from.settings.arcMode;
  in.mapOn = from.settings.mapOn;
  in.timeToGo = from.settings.timeToGo;
  in.bearingSource1 = from.settings.bearingSource1;
  in.bearingSource2 = from.settings.bearingSource2;
  in.mapRangeNm = from.settings.mapRangeNm;
  in.headingDeg = s.headingMagDeg;
  in.headingBugDeg = s.headingBugDeg;
  in.selectedCourseDeg = s.nav1CourseDeg;
  in.navDeviation = s.nav1Deviation;
  in.toFrom = whole(s.nav1ToFrom);
  in.glideslopeDeviation = s.glideslopeDeviation;
  in.glideslopeValid = s.glideslopeReceived;
  in.adfSignal = s.adfSignal;
  in.dmeNm = s.dme1Nm;
  in.nav1Valid = s.nav1SignalValid;
  in.nav2Valid = s.nav2Flags > 0.0;
  in.nav1BearingDeg = from.radios.nav1BearingDeg;
  in.nav2BearingDeg = from.radios.nav2BearingDeg;
  in.adf1RelativeDeg = from.radios.adfBearingDeg[0];
  in.adf2RelativeDeg = from.radios.adfBearingDeg[1];
  in.groundSpeedKt = groundSpeedKt(s);
  in.fmsSource = from.guidance.navSource == guidance::kNavSourceFms;
  in.fmsValid = from.fms.guidanceValid;
  in.fmsDesiredTrackDeg = from.fms.desiredTrack;
  in.fmsCrossTrack = from.fms.crossTrack;
  in.fmsDistanceNm = from.fms.distanceToWaypoint;
  for (std::size_t i = 0; i < in.mapSlots.size(); ++i) {
    const fms::MapSlot& slot = from.fms.mapSlots[i];
    in.mapSlots[i] = {slot.legIndex, slot.bearingDeg, slot.distanceNm};
  }
  in.activeWaypointIndex = from.activeWaypointIndex;
  const bool stationKnown = from.addon.nav1StationLatDeg != 0.0 || from.addon.nav1StationLonDeg != 0.0;
  in.vor1 = {stationKnown, {from.addon.nav1StationLatDeg, from.addon.nav1StationLonDeg}};
  in.aircraft = {s.latitudeDeg, s.longitudeDeg};
  in.magneticVariationDeg = wrap180(s.magneticVariationDeg);
  if (in.mapOn && in.bearingSource2 == displays::kBearingVor && in.nav2Valid) {
    in.vor2 = nearestVorOn(s.nav2Bcd, from.vors, in.aircraft);
  }
  return in;
}

fms::CduInputs cduInputs(const HostSamples& s, const systems::ElectricalState& electrical) {
  fms::CduInputs in;
  in.avionicsPowered = electrical.dcPowerAvailable;
  in.guidance = fmsGuidanceInputs(s);
  in.fuelOnBoardLb = s.totalFuelLb;
  in.fuelFlowPph = s.fuelFlowPph[0] + s.fuelFlowPph[1];
  in.indicatedAirspeedKt = s.indicatedAirspeedKt;
  in.groundSpeedKt = groundSpeedKt(s);
  in.outsideAirTempC = s.outsideAirTempC;
  in.utcSeconds = utcSecondsOfDay(s);
  in.date = {static_cast<int>(s.dayOfMonth), static_cast<int>(s.month), static_cast<int>(s.year)};
  return in;
}

systems::ElectricalInputs electricalInputs(const HostSamples& s, const systems::PanelSwitchRecord& switches,
                                           const systems::ApuOutputs& apuLastCycle) {
  systems::ElectricalInputs in;
  in.switches = &switches;
  in.gasGeneratorPct = {s.nhPct[0], s.nhPct[1]};
  in.engineRunning = {s.engineRunning[0], s.engineRunning[1]};
  in.indicatedAirspeedKt = s.indicatedAirspeedKt;
  in.parkingBrake = s.parkingBrake;
  in.onGround = s.onGround;
  in.outsideAirTempC = s.totalAirTempC;
  in.hostBatteryMaster = s.batteryMaster;
  in.hostAvionicsMaster = s.avionicsMaster;
  in.hostHydraulicAvailable = s.hydraulicAvailable;
  in.apuLastCycle = apuLastCycle;
  return in;
}

systems::ApuInputs apuInputs(const HostSamples& s, const systems::ElectricalState& electrical,
                             std::int32_t soundVolumeSetting) {
  return {electrical.dcPowerAvailable, s.onGround, services::attenuationFor(soundVolumeSetting)};
}

displays::TrafficInputs trafficInputs(const HostSamples& s, const systems::ElectricalState& electrical,
                                      const displays::TrafficList& list) {
  displays::TrafficInputs in;
  in.instrumentPower = electrical.dcPowerAvailable;
  in.own = {s.latitudeDeg, s.longitudeDeg, s.altitudeFt, wrap360(s.headingMagDeg + s.magneticVariationDeg),
            groundSpeedKt(s)};
  in.list = list;
  return in;
}

systems::AnnunciatorInputs annunciatorInputs(const HostSamples& s) {
  systems::AnnunciatorInputs in;
  in.onGround = s.onGround;
  in.pitchUpDeg = -s.pitchDeg;
  in.passengerDoorOpen = s.passengerDoorOpen;
  in.tank1FuelLb = s.leftTankLb;
  in.tank2FuelLb = s.rightTankLb;
  in.parkingBrake = s.parkingBrake;
  return in;
}

systems::EnginesInputs enginesInputs(const HostSamples& s) {
  systems::EnginesInputs in;
  for (int e = 0; e < 2; ++e) {
    in.conditionLever[e] = s.conditionLever[e];
    in.oilTemperature[e] = s.oilTemperature[e];
    in.oilPressurePsi[e] = s.oilPressurePsi[e];
    in.running[e] = s.engineRunning[e];
    in.hostEngineFailed[e] = s.engineFailed[e];
    in.propLever[e] = s.propLever[e];
    in.propAutofeatherArmed[e] = s.autofeatherArmed[e];
  }
  in.autofeatherSwitch = s.autofeatherSwitch;
  in.onGround = s.onGround;
  in.air = {s.altitudeFt, s.outsideAirTempC, s.standardTempC};
  return in;
}

// The legs in the indication's order: left, right, nose.
systems::GearInputs gearInputs(const HostSamples& s) { return {{s.gearLeft, s.gearRight, s.gearNose}, s.gearHandle}; }

displays::CockpitClockInputs clockInputs(const HostSamples& s) {
  auto whole = [](double v, int modulus) {
    if (!std::isfinite(v)) return 0;
    const long n = std::lround(std::floor(v));
    return static_cast<std::int32_t>(((n % modulus) + modulus) % modulus);
  };
  return {s.onGround, s.simulationRate, {whole(s.localHour, 24), whole(s.localMinute, 60), whole(s.localSecond, 60)}};
}

systems::HostExteriorLights hostExteriorLights(const HostSamples& s) {
  return {s.strobeLights, s.beaconLights, s.landingLights, s.flareLights};
}

systems::LightingInputs lightingInputs(const HostSamples& s, const services::datalink::AddonValues& addon,
                                       bool addonConnected, const systems::ElectricalState& electricalLastCycle) {
  systems::LightingInputs in;
  in.instrumentLights = s.instrumentLights;
  in.floodLights = s.panelLights;
  in.dcPowerLastCycle = electricalLastCycle.dcPowerAvailable;
  in.addonConnected = addonConnected;
  in.addonTimeOfDay = addon.timeOfDay;
  in.localHour = whole(s.localHour);
  in.localMinute = whole(s.localMinute);
  in.localSecond = whole(s.localSecond);
  in.utcOffsetHours = s.zuluOffsetHours;
  in.date = {whole(s.dayOfMonth), whole(s.month), whole(s.year)};
  in.latitudeDeg = s.latitudeDeg;
  in.longitudeDeg = s.longitudeDeg;
  return in;
}

systems::DeiceInputs deiceInputs(const HostSamples& s, const systems::PanelSwitchRecord& switches) {
  systems::DeiceInputs in;
  in.switches = &switches;
  in.onGround = s.onGround;
  in.engine1Running = s.engineRunning[0];
  in.engine2Running = s.engineRunning[1];
  in.hostPropDeice = s.propDeice;
  in.hostAirframeDeice = s.airframeDeice;
  in.hostPitotHeat = s.pitotHeat;
  return in;
}

systems::WiperInputs wiperInputs(const systems::ElectricalState& electrical) { return {electrical.dcPowerAvailable}; }

systems::CabinPressureInputs cabinPressureInputs(const HostSamples& s, const systems::PanelSwitchRecord& switches,
                                                 const systems::ElectricalState& electrical) {
  systems::CabinPressureInputs in;
  in.dcPowerAvailable = electrical.dcPowerAvailable;
  in.modeSelector = switches.cabinAltitudeMode;
  in.onGround = s.onGround;
  in.altitudeFt = s.altitudeFt;
  in.indicatedAirspeedKt = s.indicatedAirspeedKt;
  in.verticalSpeedFpm = s.verticalSpeedFpm;
  in.outsidePressurePsi = s.outsidePressureMb * kPsiPerMillibar;
  return in;
}

}  // namespace xaq::frame
