#pragma once
// The aircraft state object: every part of the simulated aircraft, built in a fixed order, run
// once per 56 ms cycle, released in reverse order. Parts are members so that the language's
// construction and destruction order is the aircraft's: keep the declaration order as it is.

#include <array>
#include <cstdint>

#include "common/cycle_context.h"
#include "common/module_environment.h"
#include "displays/analog/airspeed_bug.h"
#include "displays/analog/attitude_test.h"
#include "fms/cdu/cdu.h"
#include "fms/fms_core.h"
#include "frame/addon_tanks.h"
#include "frame/frame_effects.h"
#include "frame/host_link.h"
#include "frame/wiring.h"
#include "guidance/advisory.h"
#include "guidance/altitude_preselector.h"
#include "guidance/flight_guidance.h"
#include "services/clipboard/clipboard.h"
#include "services/saved_state.h"
#include "services/settings/settings_file.h"
#include "displays/glareshield/cockpit_clock.h"
#include "displays/glareshield/efis_controls.h"
#include "displays/glass/ehsi_display.h"
#include "displays/traffic/tcas_display.h"
#include "displays/traffic/traffic_data.h"
#include "frame/cdu_radio_panel.h"
#include "frame/panel_controls.h"
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
#include "systems/fuel/fuel.h"
#include "systems/switches/panel_switches.h"
#include "systems/switches/radios.h"
#include "systems/switches/weather_radar.h"

namespace xaq::frame {

// Turns the rising and falling edges of DC power into one power-up or power-down each.
class PowerEdge {
 public:
  template <typename Up, typename Down>
  void update(bool powered, Up&& powerUp, Down&& powerDown) {
    if (powered && !previous_) powerUp();
    if (!powered && previous_) powerDown();
    previous_ = powered;
  }
  bool previous() const { return previous_; }

 private:
  bool previous_ = false;
};

// Flags the whole module shares.
struct ModuleFlags {
  bool fmcKeyboardActive = false;
  bool cduKeyboardEntry = false;  // typed keys go to the CDU (the indicator blinks)
  bool tcsKeyHeld = false;        // the AP_TCS key, and its joystick button, are held
  bool tcsButtonHeld = false;
  bool enginesOffAtStart = false;
  bool darkCockpit = false;
  bool dcPowerCopy = false;
  // The cockpit has the glass panel: set once the 2D attitude director has been drawn.
  bool efisPanel = false;
  std::int32_t soundVolume = 80;
  services::StoreLocation* storeLocation = nullptr;
};

class AircraftState {
 public:
  explicit AircraftState(const ModuleEnvironment& environment);
  ~AircraftState();
  AircraftState(const AircraftState&) = delete;
  AircraftState& operator=(const AircraftState&) = delete;

  // One cycle: sample, exchange with the add-on, update the parts in order, power edges.
  void runCycle();

  // Saves the selections that survive a destroy (once per module lifetime).
  void saveState();

  // This cycle's clock, as every part gets it.
  const CycleContext& now() const { return now_; }
  // The limiters' clock for the gauges: the host's elapsed simulation time.
  double simTimeS() const { return link.samples.elapsedSeconds; }
  // Whether the gauges with day and night artwork show their night images.
  bool nightImages() const { return lighting.state().nightImages; }
  // The doors the parts and the gauges act through.
  Effects effects() { return effects_.doors(); }
  const ModuleEnvironment& environment() const { return environment_; }
  // What the heading display shows now.
  displays::EhsiInputs ehsiInputs() const;
  // What the attitude director draws this frame.
  displays::EadiInputs eadiInputs() const;
  // Sounds the parts and the gauges ask for go to the module's sound service.
  void connectSound(services::Sound* sound) { effects_.connectSound(sound); }

 private:
  const ModuleEnvironment environment_;
  // The store is built before every part because parts fetch their saved values while they are
  // constructed; the module-wide flags point at its location record.
  services::SavedState savedState_;
  FrameEffects effects_;

 public:
  HostLink link;
  // Every light the parts set goes through the annunciators, the effects' light door.
  systems::Annunciators annunciators;
  displays::AirspeedBug airspeedBug{savedState_};
  std::uint32_t smallRecord[4] = {};
  systems::Radios radios;
  displays::RmiSources rmiSources{savedState_};
  systems::PanelSwitches switches;
  // The one owner of the panel's DC power: electrical.state().dcPowerAvailable.
  systems::Electrical electrical;
  systems::PanelLighting lighting;
  // The AltSel knob's value, which ALT SEL captures.
  guidance::AltitudePreselector altitudePreselector;
  // The glareshield clock; its ZERO clears the elapsed time.
  displays::CockpitClock clock{true};
  systems::GearIndication gearIndication;
  services::Clipboard clipboard;  // with the attitude director's settings
  // The attitude director's test switch and the attitude it was pressed at.
  displays::AttitudeTest attitudeTest;
  guidance::Advisory advisory;
  // Flies the flight management's commanded heading in LNAV: it gets it as an input each cycle.
  guidance::FlightGuidance guidance{advisory};
  systems::Deice deice;
  systems::Apu apu;
  systems::Wipers wipers;
  systems::CabinPressure cabinPressure;
  systems::Engines engines{switches, electrical.state()};
  // The overhead's engine start, cabin pressure knobs and wiper selector reach their systems
  // through the switches.
  PanelControlRouting panelControls{engines, cabinPressure, wipers};
  systems::WeatherRadar weatherRadar;
  // The fuel panel; its transfer rewrites the add-on's tank levels.
  AddonTanks addonTanks{link.dataLink};
  systems::Fuel fuel{addonTanks};
  // The EFIS display-control panel: the pedestal's controls step its settings; the glass
  // displays draw with its effective brightness.
  displays::EfisDisplayControls efisControls;
  // The heading display drawn on the EHSI's screen.
  displays::EhsiDisplay ehsi{platform::ports().canvases};
  // The attitude director's screen, drawn at the EADI gauge's draw service.
  displays::EadiDisplay eadiDisplay{platform::ports().canvases};
  // The traffic table, its assessment and the picture the TCAS gauge draws from it.
  displays::TrafficData traffic;
  displays::TcasDisplay tcasDisplay{platform::ports().canvases, traffic};
  fms::FmsCore fms{environment_.simulatorFolder};
  // The TUNE page tunes the radio panel.
  CduRadioPanel cduRadios{radios, effects_};
  fms::Cdu cdu{fms, platform::ports().canvases, cduRadios};
  ModuleFlags flags;
  // The panel switches hand the exterior lights to the lighting synchronisation.
  systems::LightingSync lightingSync;
  // From the settings file at creation: the CDU typing mode and the command assignments.
  services::Settings settings;
  services::CommandAssignments commands;

 private:
  CycleContext now_;
  PowerEdge powerEdge_;
  GuidanceLinkWriter guidanceWriter_;
  std::array<std::uint8_t, displays::kTrafficListBytes> trafficList_{};
  bool stateSaved_ = false;
};

}  // namespace xaq::frame
