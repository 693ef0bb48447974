#include "simhost/key_events.h"

#include <algorithm>
#include <cmath>

#include "simhost/engines.h"
#include "simhost/geo.h"

namespace xaq::sim {

namespace {

constexpr double kFlapDetent = 16383.0 / 3.0;
constexpr double kTrimStep = 128.0;
constexpr double kAltimeterStepMb = 0.01 / 0.02952999;  // one hundredth of an inch

void flapsStep(World& w, int direction) {
  const double detent = std::round(w.controls.flapHandle / kFlapDetent) + direction;
  w.controls.flapHandle = std::round(std::clamp(detent, 0.0, 3.0) * kFlapDetent);
}

// Four BCD digits: hundreds, tens, units of kHz, tenths.
void setAdf(World& w, std::uint32_t digits, std::uint32_t thousands) {
  w.radios.adfBcd = (digits >> 4) & 0xFFF;
  w.radios.adfExtendedBcd = thousands << 8 | (digits & 15);
}

#define EV(id, name, effect, body) KeyEvent{id, name, effect, [](World& w, std::int32_t value) { (void)w; (void)value; body; }}

const KeyEvent kTable[] = {
    EV(65560, "STROBES_TOGGLE", "strobe lights (11) toggle", w.lights.strobe = !w.lights.strobe),
    EV(65570, "GEAR_TOGGLE", "gear handle (331) toggles up/down", w.controls.gearHandle = w.controls.gearHandle > 8192 ? 0 : 16384),
    EV(65580, "AP_MASTER", "host autopilot master (103) toggle", w.autopilot.master = !w.autopilot.master),
    EV(65607, "ELEV_TRIM_DN", "elevator trim (318) 128 units nose down", w.controls.elevatorTrim = std::max(-16383.0, w.controls.elevatorTrim - kTrimStep)),
    EV(65615, "ELEV_TRIM_UP", "elevator trim (318) 128 units nose up", w.controls.elevatorTrim = std::min(16383.0, w.controls.elevatorTrim + kTrimStep)),
    EV(65662, "VOR1_OBI_DEC", "NAV 1 OBS (45) -1 deg", w.radios.obs1Deg = wrap360(w.radios.obs1Deg - 1)),
    EV(65663, "VOR1_OBI_INC", "NAV 1 OBS (45) +1 deg", w.radios.obs1Deg = wrap360(w.radios.obs1Deg + 1)),
    EV(65674, "PANEL_WINDOW_A", "host panel window toggle (recorded only)", {}),
    EV(65682, "PANEL_WINDOW_B", "host panel window toggle (recorded only)", {}),
    EV(65695, "AILERON_SET", "aileron position (313) = -value (positive value rolls right)", w.controls.aileron = std::clamp(-static_cast<double>(value), -16383.0, 16383.0)),
    EV(65707, "COM_RADIO_SET", "COM 1 frequency (23) = value (BCD)", w.radios.com1Bcd = static_cast<std::uint32_t>(value) & 0xFFFF),
    EV(65708, "NAV1_RADIO_SET", "NAV 1 frequency (24) = value (BCD)", w.radios.nav1Bcd = static_cast<std::uint32_t>(value) & 0xFFFF),
    EV(65709, "NAV2_RADIO_SET", "NAV 2 frequency (27) = value (BCD)", w.radios.nav2Bcd = static_cast<std::uint32_t>(value) & 0xFFFF),
    EV(65715, "XPNDR_SET", "transponder code (38) = value (BCD)", w.radios.transponderBcd = static_cast<std::uint32_t>(value) & 0xFFFF),
    EV(65750, "PANEL_LIGHTS_TOGGLE", "panel lights (10) toggle", w.lights.panel = !w.lights.panel),
    EV(65751, "LANDING_LIGHTS_TOGGLE", "landing lights (14) toggle", w.lights.landing = !w.lights.landing),
    EV(65752, "PARKING_BRAKES", "parking brake (323) toggle", w.controls.parkingBrake = !w.controls.parkingBrake),
    EV(65758, "FLAPS_INCR", "flap handle (328) one detent down", flapsStep(w, +1)),
    EV(65759, "FLAPS_DECR", "flap handle (328) one detent up", flapsStep(w, -1)),
    EV(65806, "AP_APR_HOLD", "host approach hold (112) toggle", w.autopilot.approachHold = !w.autopilot.approachHold),
    EV(65810, "AP_BC_HOLD", "host back-course hold (113) toggle", w.autopilot.backCourseHold = !w.autopilot.backCourseHold),
    EV(65811, "AP_NAV1_HOLD", "host NAV hold (105) toggle", w.autopilot.navHold = !w.autopilot.navHold),
    EV(65820, "THROTTLE_SET", "both power levers = value (-8191 ... 16383)", w.controls.throttle = std::clamp(static_cast<double>(value), -8191.0, 16383.0)),
    EV(65842, "RADIO_VOR1_IDENT_TOGGLE", "audio NAV 1 (877) toggle", w.radios.audio[3] = !w.radios.audio[3]),
    EV(65843, "RADIO_VOR2_IDENT_TOGGLE", "audio NAV 2 (878) toggle", w.radios.audio[4] = !w.radios.audio[4]),
    EV(65844, "RADIO_DME1_IDENT_TOGGLE", "audio DME (879) toggle", w.radios.audio[5] = !w.radios.audio[5]),
    EV(65846, "RADIO_ADF_IDENT_TOGGLE", "audio ADF (880) toggle", w.radios.audio[6] = !w.radios.audio[6]),
    EV(65879, "HEADING_BUG_INC", "heading bug (107) +1 deg", w.autopilot.headingBugDeg = wrap360(w.autopilot.headingBugDeg + 1)),
    EV(65880, "HEADING_BUG_DEC", "heading bug (107) -1 deg", w.autopilot.headingBugDeg = wrap360(w.autopilot.headingBugDeg - 1)),
    EV(65883, "KOHLSMAN_INC", "altimeter setting (75/76) +0.01 inHg", w.environment.altimeterSettingMb += kAltimeterStepMb),
    EV(65884, "KOHLSMAN_DEC", "altimeter setting (75/76) -0.01 inHg", w.environment.altimeterSettingMb -= kAltimeterStepMb),
    EV(65907, "PANEL_WINDOW_INSTRUMENTS", "host panel window toggle (recorded only)", {}),
    EV(65908, "PANEL_WINDOW_ENGINES", "host panel window toggle (recorded only)", {}),
    EV(65909, "PANEL_WINDOW_PEDESTAL", "host panel window toggle (recorded only)", {}),
    EV(65910, "HOST_COMMAND_65910", "host command (recorded only)", {}),
    EV(65911, "PANEL_WINDOW_FMS", "host panel window toggle (recorded only)", {}),
    EV(65923, "PROP_PITCH1_SET", "propeller lever 1 (129) = value (-4096 feather ... 16384)", w.engines[0].propLever = std::clamp(static_cast<double>(value), -4096.0, 16384.0)),
    EV(65924, "PROP_PITCH2_SET", "propeller lever 2 (164) = value", w.engines[1].propLever = std::clamp(static_cast<double>(value), -4096.0, 16384.0)),
    EV(65932, "TOGGLE_STARTER1", "starter 1 turns for 1 s after each event (needs battery master)", commandStarter(w, 0)),
    EV(65938, "TOGGLE_STARTER2", "starter 2 turns for 1 s after each event", commandStarter(w, 1)),
    EV(65983, "MIXTURE1_RICH", "condition lever 1 (130) to fuel on (16384)", w.engines[0].mixture = 16384),
    EV(65987, "MIXTURE1_LEAN", "condition lever 1 (130) to fuel off (0)", w.engines[0].mixture = 0),
    EV(65988, "MIXTURE2_RICH", "condition lever 2 (165) to fuel on", w.engines[1].mixture = 16384),
    EV(65992, "MIXTURE2_LEAN", "condition lever 2 (165) to fuel off", w.engines[1].mixture = 0),
    EV(66041, "SIM_RATE_SET", "simulation rate (336) = value (256 normal)", w.simulationRate = std::clamp(value, 64, 4096)),
    EV(66042, "HEADING_BUG_SET", "heading bug (107) = value degrees", w.autopilot.headingBugDeg = wrap360(value)),
    EV(66069, "YAW_DAMPER_ON", "host yaw damper (114) on", w.autopilot.yawDamper = true),
    EV(66070, "YAW_DAMPER_OFF", "host yaw damper (114) off", w.autopilot.yawDamper = false),
    EV(66072, "PITOT_HEAT_ON", "pitot heat (13) on", w.lights.pitotHeat = true),
    EV(66073, "PITOT_HEAT_OFF", "pitot heat (13) off", w.lights.pitotHeat = false),
    EV(66122, "ADF_SET", "ADF (16/18) = value: BCD hundreds, tens, units, tenths (below 1000 kHz)", setAdf(w, static_cast<std::uint32_t>(value), 0)),
    EV(66123, "ADF_SET_HIGH", "ADF (16/18) = 1000 kHz + value digits", setAdf(w, static_cast<std::uint32_t>(value), 1)),
    EV(66239, "BEACON_TOGGLE", "beacon lights (368) toggle", w.lights.beacon = !w.lights.beacon),
    EV(66240, "TAXI_LIGHTS_TOGGLE", "taxi lights toggle (not sampled)", w.lights.taxi = !w.lights.taxi),
    EV(66293, "AVIONICS_MASTER_TOGGLE", "avionics master (740) toggle", w.avionicsMaster = !w.avionicsMaster),
    EV(66297, "AUTOFEATHER_ARM_TOGGLE", "autofeather switch (741, 707, 715) toggle", w.autofeatherSwitch = !w.autofeatherSwitch),
    EV(66309, "HYDRAULIC_TOGGLE", "hydraulic available (824) toggles 0/1", w.hydraulicAvailable = w.hydraulicAvailable > 0.5 ? 0.0 : 1.0),
    EV(66313, "TOGGLE_ENGINE1_FAILURE", "engine 1 failure (564) toggle: failed, it does not light off and stops", w.engines[0].failed = !w.engines[0].failed),
    EV(66314, "TOGGLE_ENGINE2_FAILURE", "engine 2 failure (574) toggle", w.engines[1].failed = !w.engines[1].failed),
    EV(66337, "STRUCTURAL_DEICE_TOGGLE", "airframe de-ice (905) toggle", w.lights.airframeDeice = !w.lights.airframeDeice),
    EV(66338, "PROP_DEICE_TOGGLE", "propeller de-ice (904) toggle", w.lights.propDeice = !w.lights.propDeice),
    EV(66367, "VOR1_OBI_FAST_DEC", "NAV 1 OBS (45) -10 deg", w.radios.obs1Deg = wrap360(w.radios.obs1Deg - 10)),
    EV(66368, "VOR1_OBI_FAST_INC", "NAV 1 OBS (45) +10 deg", w.radios.obs1Deg = wrap360(w.radios.obs1Deg + 10)),
    EV(66374, "MASTER_BATTERY_TOGGLE", "battery master (364) toggle", w.batteryMaster = !w.batteryMaster),
    EV(66376, "LOGO_LIGHTS_TOGGLE", "logo lights toggle (not sampled)", w.lights.logo = !w.lights.logo),
    EV(66377, "FLARE_LIGHTS_TOGGLE", "flare lights (622) toggle", w.lights.flare = !w.lights.flare),
    EV(66378, "WING_LIGHTS_TOGGLE", "wing lights (621) toggle", w.lights.wing = !w.lights.wing),
    EV(66379, "NAV_LIGHTS_TOGGLE", "position lights toggle (not sampled)", w.lights.position = !w.lights.position),
    EV(66442, "COM2_RADIO_SET", "COM 2 frequency (870) = value (BCD)", w.radios.com2Bcd = static_cast<std::uint32_t>(value) & 0xFFFF),
    EV(66463, "COM1_TRANSMIT_SELECT", "audio COM 1 transmit (874) on, COM 2 (875) off", (w.radios.audio[0] = true, w.radios.audio[1] = false)),
    EV(66464, "COM2_TRANSMIT_SELECT", "audio COM 2 transmit (875) on, COM 1 (874) off", (w.radios.audio[0] = false, w.radios.audio[1] = true)),
    EV(66465, "COM_RECEIVE_ALL_TOGGLE", "audio both receive (876) toggle", w.radios.audio[2] = !w.radios.audio[2]),
    EV(66477, "MARKER_SOUND_TOGGLE", "audio marker (881) toggle", w.radios.audio[7] = !w.radios.audio[7]),
    EV(66508, "PANEL_SETUP", "host panel set-up command (recorded only)", {}),
};

#undef EV

}  // namespace

std::span<const KeyEvent> keyEvents() { return kTable; }

const KeyEvent* findKeyEvent(std::uint32_t id) {
  for (const KeyEvent& e : kTable) {
    if (e.id == id) return &e;
  }
  return nullptr;
}

bool applyKeyEvent(World& world, std::uint32_t id, std::uint32_t value) {
  const KeyEvent* e = findKeyEvent(id);
  if (e == nullptr) return false;
  e->apply(world, static_cast<std::int32_t>(value));
  return true;
}

}  // namespace xaq::sim
