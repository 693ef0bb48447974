#include "simhost/host_variables.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "simhost/geo.h"

namespace xaq::sim {

namespace {

using V = const HostView&;

double b(bool flag) { return flag ? 1.0 : 0.0; }
double localSeconds(V v) { return v.world.clock.localStartSeconds + v.world.simSeconds; }
double headingMag(V v) {
  return wrap360(v.world.aircraft.headingTrueDeg - v.world.environment.magneticVariationDeg);
}
double navFlags(const NavSignals::Receiver& rx) {
  if (!rx.received) return 0;
  return 1 + (rx.localizer ? 0x80 : 0) + (rx.glideslope ? 0x40 : 0) + (rx.backCourse ? 0x20 : 0);
}
const Engine& eng(V v, int i) { return v.world.engines[static_cast<std::size_t>(i)]; }
double percentToHost(double pct) { return pct * 16384.0 / 100.0; }

// Days since the start date, for the calendar variables.
void dateOf(V v, int& year, int& month, int& day) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  year = v.world.clock.year;
  month = v.world.clock.month;
  day = v.world.clock.day;
  int extra = static_cast<int>(std::floor(localSeconds(v) / 86400.0));
  while (extra-- > 0) {
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    const int length = kDays[(month - 1) % 12] + (month == 2 && leap ? 1 : 0);
    if (++day > length) {
      day = 1;
      if (++month > 12) {
        month = 1;
        ++year;
      }
    }
  }
}
double dateField(V v, int which) {
  int date[3];
  dateOf(v, date[0], date[1], date[2]);
  return date[which];
}
double timeField(V v, double divisor, double modulo) {
  return std::fmod(std::floor(std::fmod(localSeconds(v), 86400.0) / divisor), modulo);
}

#define HV(id, meaning, unit, source, expr) HostVariable{id, meaning, unit, source, [](V v) -> double { (void)v; return expr; }}
#define ENGINE_VARS(e, idProp, idMix, idRun, idTorque, idOilT, idOilP, idFail, idNh, idNl, idItt, idFf, idRpm, idFeather) \
  HV(idProp, "propeller lever " #e, "-4096 feather ... 16384", "engine lever", eng(v, e - 1).propLever), \
  HV(idMix, "condition (fuel) lever " #e, "0 ... 16384", "fuel on/off events", eng(v, e - 1).mixture), \
  HV(idRun, "engine " #e " combustion", "boolean", "engine model", b(eng(v, e - 1).combustion)), \
  HV(idTorque, "engine " #e " torque", "16384 = 100 %", "engine model", percentToHost(eng(v, e - 1).torquePct)), \
  HV(idOilT, "engine " #e " oil temperature", "degC / 2.7", "engine model", eng(v, e - 1).oilTempC / 2.7), \
  HV(idOilP, "engine " #e " oil pressure", "lb/ft2 (psi x 144)", "engine model", eng(v, e - 1).oilPressurePsi * 144.0), \
  HV(idFail, "engine " #e " failed", "boolean", "engine-failure toggle event", b(eng(v, e - 1).failed)), \
  HV(idNh, "turbine " #e " gas-generator speed NH", "percent", "engine model", eng(v, e - 1).nhPct), \
  HV(idNl, "turbine " #e " power-turbine speed NL", "percent", "propeller speed / 1200 rpm", eng(v, e - 1).nlPct), \
  HV(idItt, "turbine " #e " inter-turbine temperature", "degC", "engine model", eng(v, e - 1).ittC), \
  HV(idFf, "turbine " #e " fuel flow", "lb/h", "engine model", eng(v, e - 1).fuelFlowPph), \
  HV(idRpm, "propeller " #e " speed", "rpm", "governor model", eng(v, e - 1).propRpm), \
  HV(idFeather, "propeller " #e " autofeather armed", "boolean", "autofeather switch", b(v.world.autofeatherSwitch))
#define ABSENT_ENGINE(e, idProp, idMix, idRun, idTorque, idOilT, idOilP, idFail, idNh, idNl, idItt, idFf, idRpm, idFeather) \
  HV(idProp, "propeller lever " #e " (no engine)", "", "-", 0.0), HV(idMix, "condition lever " #e " (no engine)", "", "-", 0.0), \
  HV(idRun, "engine " #e " combustion (no engine)", "", "-", 0.0), HV(idTorque, "engine " #e " torque (no engine)", "", "-", 0.0), \
  HV(idOilT, "engine " #e " oil temperature (no engine)", "", "-", 0.0), HV(idOilP, "engine " #e " oil pressure (no engine)", "", "-", 0.0), \
  HV(idFail, "engine " #e " failed (no engine)", "", "-", 0.0), HV(idNh, "turbine " #e " NH (no engine)", "", "-", 0.0), \
  HV(idNl, "turbine " #e " NL (no engine)", "", "-", 0.0), HV(idItt, "turbine " #e " ITT (no engine)", "", "-", 0.0), \
  HV(idFf, "turbine " #e " fuel flow (no engine)", "", "-", 0.0), HV(idRpm, "propeller " #e " speed (no engine)", "", "-", 0.0), \
  HV(idFeather, "propeller " #e " autofeather (no engine)", "", "-", 0.0)

const HostVariable kTable[] = {
    HV(1, "tick counter", "count, 18 per second", "sim time", std::floor(v.world.simSeconds * 18.0)),
    HV(3, "local hour", "0-23", "clock", timeField(v, 3600, 24)),
    HV(4, "local minute", "0-59", "clock", timeField(v, 60, 60)),
    HV(5, "local second", "0-59", "clock", timeField(v, 1, 60)),
    HV(6, "zulu hour offset", "hours", "scenario", v.world.clock.zuluOffsetHours),
    HV(10, "panel lights (the module's flood lighting)", "boolean", "event 65750", b(v.world.lights.panel)),
    HV(11, "strobe lights", "boolean", "event 65560", b(v.world.lights.strobe)),
    HV(13, "pitot heat", "boolean", "events 66072/66073", b(v.world.lights.pitotHeat)),
    HV(14, "landing lights", "boolean", "event 65751", b(v.world.lights.landing)),
    HV(16, "ADF frequency", "BCD hundreds/tens/units kHz", "events 66122/66123", v.world.radios.adfBcd),
    HV(18, "ADF extended frequency", "thousands digit x 0x100 + tenths digit", "events 66122/66123", v.world.radios.adfExtendedBcd),
    HV(20, "ADF signal strength", "0, or 10 when an NDB is received", "navaids", v.world.nav.adfSignal),
    HV(23, "COM 1 frequency", "BCD 0xTUth (1TU.th MHz)", "event 65707", v.world.radios.com1Bcd),
    HV(24, "NAV 1 frequency", "BCD 0xTUth (1TU.th MHz)", "event 65708", v.world.radios.nav1Bcd),
    HV(27, "NAV 2 frequency", "BCD", "event 65709", v.world.radios.nav2Bcd),
    HV(31, "DME 1 distance", "NM, -1 without station", "navaids", v.world.nav.nav1.dmeNm),
    HV(35, "DME 2 distance", "NM, -1 without station", "navaids", v.world.nav.nav2.dmeNm),
    HV(38, "transponder code", "BCD of 4 octal digits", "event 65715", v.world.radios.transponderBcd),
    HV(39, "ADF relative bearing", "degrees", "navaids", v.world.nav.adfRelativeDeg),
    HV(40, "NAV 1 course deviation", "-127 ... 127, positive: course to the right", "navaids", v.world.nav.nav1.deviation),
    HV(41, "NAV 1 glideslope deviation", "-127 ... 127, positive: aircraft above", "navaids", v.world.nav.nav1.glideslopeDeviation),
    HV(43, "NAV 1 TO/FROM", "0 none, 1 TO, 2 FROM", "navaids", v.world.nav.nav1.toFrom),
    HV(44, "NAV 1 glideslope received", "boolean", "navaids", b(v.world.nav.nav1.glideslope)),
    HV(45, "NAV 1 OBS", "degrees", "events 65662/65663", v.world.radios.obs1Deg),
    HV(46, "NAV 1 receiver flags", "bit 0 received, 7 localizer, 6 glideslope, 5 back course", "navaids", navFlags(v.world.nav.nav1)),
    HV(52, "NAV 2 TO/FROM", "0, 1, 2", "navaids", v.world.nav.nav2.toFrom),
    HV(55, "NAV 2 receiver flags", "bit field as 46", "navaids", navFlags(v.world.nav.nav2)),
    HV(59, "NAV 2 bearing to station", "degrees magnetic", "navaids", v.world.nav.nav2.bearingMagDeg),
    HV(60, "on the ground", "boolean", "flight model", b(v.world.aircraft.onGround)),
    HV(61, "indicated airspeed", "knots", "flight model (TAS x sqrt density ratio)", v.air.indicatedAirspeedKt),
    HV(64, "Mach number", "65535 = Mach 3.2", "flight model", v.air.mach * 65535.0 / 3.2),
    HV(65, "vertical speed", "ft/min", "flight model", v.world.aircraft.verticalSpeedFpm),
    HV(69, "turn-coordinator ball", "-127 ... 127", "always centred", 0.0),
    HV(70, "turn rate", "deg/s x 180 (540 = standard rate)", "flight model", v.world.aircraft.turnRateDps * 180.0),
    HV(71, "latitude", "units of 8.998425276e-06 deg (rounded)", "flight model", std::round(v.world.aircraft.latDeg / kLatitudeDegPerUnit)),
    HV(72, "longitude", "2^48 units per turn, 0 ... 2^48 (rounded)", "flight model", std::round(wrap360(v.world.aircraft.lonDeg) / 360.0 * kLongitudeUnitsPerTurn)),
    HV(74, "indicated altitude", "feet", "flight model + altimeter setting", v.air.indicatedAltitudeFt),
    HV(75, "altimeter setting", "millibars", "events 65883/65884", v.world.environment.altimeterSettingMb),
    HV(76, "altimeter setting", "inches of mercury", "events 65883/65884", v.world.environment.altimeterSettingMb * 0.02952999),
    HV(77, "pitch attitude", "degrees, nose down positive", "flight model", -v.world.aircraft.pitchDeg),
    HV(78, "attitude-indicator pitch", "degrees, nose down positive", "flight model", -v.world.aircraft.pitchDeg),
    HV(79, "bank attitude", "degrees, right wing down positive", "flight model", v.world.aircraft.bankDeg),
    HV(80, "attitude-indicator bank", "degrees, right wing down positive", "flight model", v.world.aircraft.bankDeg),
    HV(81, "heading", "degrees magnetic", "flight model", headingMag(v)),
    HV(82, "magnetic variation", "degrees, east positive", "Scenery/magdec.bgl at the aircraft, or the scenario's `set magvar`", v.world.environment.magneticVariationDeg),
    HV(83, "compass heading", "degrees magnetic", "flight model", headingMag(v)),
    HV(84, "gyro heading", "degrees magnetic", "flight model", headingMag(v)),
    HV(103, "host autopilot master", "boolean", "event 65580", b(v.world.autopilot.master)),
    HV(105, "host NAV hold", "boolean", "event 65811", b(v.world.autopilot.navHold)),
    HV(107, "heading bug", "degrees", "events 65879/65880/66042", v.world.autopilot.headingBugDeg),
    HV(112, "host approach hold", "boolean", "event 65806", b(v.world.autopilot.approachHold)),
    HV(113, "host back-course hold", "boolean", "event 65810", b(v.world.autopilot.backCourseHold)),
    HV(114, "host yaw damper", "boolean", "events 66069/66070", b(v.world.autopilot.yawDamper)),
    ENGINE_VARS(1, 129, 130, 131, 156, 561, 562, 564, 624, 625, 631, 638, 700, 707),
    ENGINE_VARS(2, 164, 165, 166, 191, 571, 572, 574, 643, 644, 650, 657, 708, 715),
    ABSENT_ENGINE(3, 199, 200, 201, 226, 581, 582, 584, 662, 663, 669, 676, 716, 723),
    ABSENT_ENGINE(4, 234, 235, 236, 261, 591, 592, 594, 681, 682, 688, 695, 724, 731),
    HV(303, "right tank quantity", "gallons", "fuel model", v.world.aircraft.rightTankGal),
    HV(304, "left tank quantity", "gallons", "fuel model", v.world.aircraft.leftTankGal),
    HV(313, "aileron position", "-16383 ... 16383, positive rolls left", "pilot or add-on 0x0BB6", v.world.controls.aileron),
    HV(317, "elevator position", "-16383 ... 16383, positive nose up", "pilot or add-on 0x0BB2", v.world.controls.elevator),
    HV(318, "elevator trim", "-16383 ... 16383, positive nose up", "events 65607/65615, add-on 0x0BC0", v.world.controls.elevatorTrim),
    HV(323, "parking brake", "0 or 32767", "event 65752", v.world.controls.parkingBrake ? 32767.0 : 0.0),
    HV(325, "spoiler handle", "0 ... 16383", "scenario", v.world.controls.spoilerHandle),
    HV(328, "flap handle", "0, 5461, 10922, 16383", "events 65758/65759", v.world.controls.flapHandle),
    HV(329, "flap position", "0 ... 16384", "flap model", v.world.controls.flapPosition),
    HV(331, "gear handle", "0 up, 16384 down", "event 65570", v.world.controls.gearHandle),
    HV(332, "nose gear position", "0 ... 16384", "gear model", v.world.controls.gearPosition[0]),
    HV(333, "left gear position", "0 ... 16384", "gear model", v.world.controls.gearPosition[1]),
    HV(334, "right gear position", "0 ... 16384", "gear model", v.world.controls.gearPosition[2]),
    HV(336, "simulation rate", "256 = normal", "event 66041", v.world.simulationRate),
    HV(341, "outside air temperature", "degC", "atmosphere", v.air.outsideTempC),
    HV(342, "outside pressure", "millibars x 16", "atmosphere", v.air.pressureMb * 16.0),
    HV(343, "wind speed", "knots", "scenario", v.world.environment.windSpeedKt),
    HV(344, "wind direction", "degrees true, from", "scenario", v.world.environment.windFromDeg),
    HV(350, "total air temperature", "degC / 256", "atmosphere", v.air.totalAirTempC / 256.0),
    HV(354, "marker beacon", "0 none, 1 outer, 2 middle, 3 inner", "navaids", v.world.nav.marker),
    HV(364, "battery master", "boolean", "event 66374", b(v.world.batteryMaster)),
    HV(368, "beacon lights", "boolean", "event 66239", b(v.world.lights.beacon)),
    HV(550, "NAV 1 bearing to station", "degrees magnetic", "navaids", v.world.nav.nav1.bearingMagDeg),
    HV(604, "elapsed simulation time", "seconds", "host clock", v.world.simSeconds),
    HV(614, "radio altitude", "metres", "flight model", (v.world.aircraft.altitudeFt - v.world.environment.groundElevationFt) / kFeetPerMetre),
    HV(621, "wing lights (the module's instrument lighting)", "boolean", "event 66378", b(v.world.lights.wing)),
    HV(622, "flare lights", "boolean", "event 66377", b(v.world.lights.flare)),
    HV(740, "avionics master", "boolean", "event 66293", b(v.world.avionicsMaster)),
    HV(741, "panel autofeather switch", "boolean", "event 66297", b(v.world.autofeatherSwitch)),
    HV(745, "day of month", "1-31", "clock", dateField(v, 2)),
    HV(746, "month", "1-12", "clock", dateField(v, 1)),
    HV(747, "year", "four digits", "clock", dateField(v, 0)),
    HV(749, "daylight saving", "boolean", "scenario", b(v.world.clock.daylightSaving)),
    HV(784, "aileron deflection", "radians (20 deg at full travel)", "controls", v.world.controls.aileron / 16383.0 * 20.0 * kDegToRad),
    HV(786, "rudder deflection", "radians (25 deg at full travel)", "controls", v.world.controls.rudder / 16383.0 * 25.0 * kDegToRad),
    HV(791, "total fuel", "pounds", "fuel model", (v.world.aircraft.leftTankGal + v.world.aircraft.rightTankGal) * kLbPerGallon),
    HV(793, "host flight-director pitch", "degrees", "host autopilot", v.world.autopilot.fdPitchDeg),
    HV(794, "host flight-director bank", "degrees, right positive", "host NAV steering", v.world.autopilot.fdBankDeg),
    HV(800, "standard temperature at altitude", "degC", "atmosphere", v.air.standardTempC),
    HV(824, "hydraulic system available", "0 ... 1", "event 66309", v.world.hydraulicAvailable),
    HV(868, "passenger exit open", "boolean", "scenario", b(v.world.passengerDoorOpen)),
    HV(870, "COM 2 frequency", "BCD", "event 66442", v.world.radios.com2Bcd),
    HV(874, "audio: COM 1 transmit", "boolean", "event 66463", b(v.world.radios.audio[0])),
    HV(875, "audio: COM 2 transmit", "boolean", "event 66464", b(v.world.radios.audio[1])),
    HV(876, "audio: COM both receive", "boolean", "event 66465", b(v.world.radios.audio[2])),
    HV(877, "audio: NAV 1", "boolean", "event 65842", b(v.world.radios.audio[3])),
    HV(878, "audio: NAV 2", "boolean", "event 65843", b(v.world.radios.audio[4])),
    HV(879, "audio: DME", "boolean", "event 65844", b(v.world.radios.audio[5])),
    HV(880, "audio: ADF", "boolean", "event 65846", b(v.world.radios.audio[6])),
    HV(881, "audio: marker", "boolean", "event 66477", b(v.world.radios.audio[7])),
    HV(904, "propeller de-ice", "boolean", "event 66338", b(v.world.lights.propDeice)),
    HV(905, "airframe de-ice", "boolean", "event 66337", b(v.world.lights.airframeDeice)),
};

#undef HV
#undef ENGINE_VARS
#undef ABSENT_ENGINE


const std::array<const HostVariable*, kMaxHostVariableId + 1>& index() {
  static const auto table = [] {
    std::array<const HostVariable*, kMaxHostVariableId + 1> byId{};
    for (const HostVariable& h : kTable) byId[h.id] = &h;
    return byId;
  }();
  return table;
}

}  // namespace

std::span<const HostVariable> hostVariables() {
  static const auto sorted = [] {
    std::array<HostVariable, std::size(kTable)> copy{};
    std::copy(std::begin(kTable), std::end(kTable), copy.begin());
    std::sort(copy.begin(), copy.end(), [](const HostVariable& a, const HostVariable& c) { return a.id < c.id; });
    return copy;
  }();
  return sorted;
}

const HostVariable* findHostVariable(std::uint32_t id) { return id <= kMaxHostVariableId ? index()[id] : nullptr; }

}  // namespace xaq::sim
