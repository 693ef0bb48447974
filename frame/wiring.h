#pragma once
// Where each part's inputs come from: the host samples, the add-on's values and the other parts'
// published state. This is the only place that knows; the parts see their own input structs.

#include <string>
#include <vector>

#include "common/cycle_context.h"
#include "displays/analog/airspeed_bug.h"
#include "displays/glareshield/efis_controls.h"
#include "displays/glass/ehsi_rules.h"
#include "displays/glass/eadi_display.h"
#include "displays/glareshield/cockpit_clock.h"
#include "displays/traffic/traffic_data.h"
#include "fms/cdu/cdu.h"
#include "fms/guidance/lateral_guidance.h"
#include "frame/host_samples.h"
#include "guidance/advisory.h"
#include "guidance/altitude_preselector.h"
#include "guidance/flight_guidance.h"
#include "systems/air/cabin_pressure.h"
#include "systems/air/deice.h"
#include "systems/air/lighting.h"
#include "systems/air/lighting_sync.h"
#include "systems/air/wipers.h"
#include "systems/annunciation/annunciators.h"
#include "systems/electrical/apu.h"
#include "systems/electrical/electrical.h"
#include "systems/engines/engines.h"
#include "systems/engines/gear_indication.h"
#include "services/clipboard/clipboard.h"
#include "services/datalink/data_link.h"
#include "services/datalink/link_values.h"
#include "systems/switches/radios.h"
#include "systems/switches/weather_radar.h"

namespace xaq::frame {

CycleContext cycleContext(const HostSamples& samples);

// What the attitude director draws from.
struct EadiSources {
  const HostSamples& samples;
  bool powered;
  const guidance::FlightGuidanceState& guidance;
  const guidance::AdvisoryState& advisory;
  double speedTargetKt;
  const displays::EfisDisplayControls& efis;
  const fms::GuidanceOutput& fms;
};
displays::EadiInputs eadiInputs(const EadiSources& from);

displays::AirspeedBugInputs airspeedBugInputs(const HostSamples& samples);

// The host's receivers and bearings.
systems::RadiosInputs radiosInputs(const HostSamples& samples);

// The cloud layers come from the data link.
systems::WeatherRadarInputs weatherRadarInputs(const HostSamples& samples,
                                               const services::datalink::AddonValues& addon);

// The flight management's lateral guidance updates after the flight guidance: its commanded
// heading is the previous cycle's.
guidance::FlightGuidanceInputs flightGuidanceInputs(const HostSamples& samples,
                                                    const services::datalink::AddonValues& addon,
                                                    bool linkConnected,
                                                    const guidance::AltitudePreselector& preselector,
                                                    const fms::GuidanceOutput& fmsLastCycle);
// The flight guidance's words through the add-on: the control words whenever a channel flew, the
// control-disconnect byte whenever it changes and again after every reconnect (the add-on keeps
// the last one written). Nothing is sent while the link is not usable: the link's own update
// reconnects.
class GuidanceLinkWriter {
 public:
  void write(services::datalink::DataLink& link, const guidance::LinkCommands& commands);
  // When the aircraft is released: the host's controls go back to the pilot.
  void release(services::datalink::DataLink& link);

 private:
  int lastDisconnect_ = -1;  // -1: not written on this connection
};

fms::GuidanceInput fmsGuidanceInputs(const HostSamples& samples);

// The CDU's view of the aircraft, with the guidance's inputs; it runs on the panel's DC power.
fms::CduInputs cduInputs(const HostSamples& samples, const systems::ElectricalState& electrical);

// The APU's outputs are the previous cycle's: the APU updates after the electrical system.
systems::ElectricalInputs electricalInputs(const HostSamples& samples, const systems::PanelSwitchRecord& switches,
                                           const systems::ApuOutputs& apuLastCycle);
// The APU plays its sounds at the module's volume setting (percent).
systems::ApuInputs apuInputs(const HostSamples& samples, const systems::ElectricalState& electrical,
                             std::int32_t soundVolumeSetting);
systems::AnnunciatorInputs annunciatorInputs(const HostSamples& samples);
// The traffic data sees the own aircraft on its true heading and the list read this cycle, if any.
displays::TrafficInputs trafficInputs(const HostSamples& samples, const systems::ElectricalState& electrical,
                                      const displays::TrafficList& list);
systems::EnginesInputs enginesInputs(const HostSamples& samples);
systems::GearInputs gearInputs(const HostSamples& samples);

// The host's local clock, its on-ground flag and its simulation rate.
displays::CockpitClockInputs clockInputs(const HostSamples& samples);

// The host's exterior lights, handed to the lighting synchronisation before the panel switches.
systems::HostExteriorLights hostExteriorLights(const HostSamples& samples);
// The lighting updates before the electrical system: its power is the previous cycle's.
systems::LightingInputs lightingInputs(const HostSamples& samples, const services::datalink::AddonValues& addon,
                                       bool addonConnected, const systems::ElectricalState& electricalLastCycle);
systems::DeiceInputs deiceInputs(const HostSamples& samples, const systems::PanelSwitchRecord& switches);
systems::WiperInputs wiperInputs(const systems::ElectricalState& electrical);
systems::CabinPressureInputs cabinPressureInputs(const HostSamples& samples, const systems::PanelSwitchRecord& switches,
                                                 const systems::ElectricalState& electrical);

// The host's clock in UTC: its local time less its zone offset (host variable 6), in 0 ... 86400 s.
double utcSecondsOfDay(const HostSamples& samples);

// What the heading display shows at the next draw: the display-control panel's settings and the
// heading display's effective brightness, the receivers and bearings, the flight guidance's
// navigation source and the flight management's outputs. The first NAV receiver's station
// position comes from the add-on; the second's is the VOR on its frequency nearest the aircraft
// in the navigation database, looked up only while the map shows it.
struct EhsiSources {
  const HostSamples& samples;
  const services::datalink::AddonValues& addon;
  const systems::RadiosState& radios;
  const displays::EfisSettings& settings;
  double brightness;
  bool powered;
  const guidance::FlightGuidanceState& guidance;
  const fms::GuidanceOutput& fms;
  int activeWaypointIndex;
  const std::vector<fms::NavRecord>& vors;
};
displays::EhsiInputs ehsiInputs(const EhsiSources& from);

// The notes file's path comes from the data link, which finds the aircraft's folder.
services::ClipboardInputs clipboardInputs(const std::string& notesFilePath);

}  // namespace xaq::frame
