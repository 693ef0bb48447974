#include "frame/aircraft_state.h"

#include "frame/host_services.h"
#include "frame/wiring.h"

namespace xaq::frame {

void HostLink::sample() {
  sample([](abi::HostVarRecord* record, void*) { lookupVariable(record); }, nullptr);
}

void HostLink::sample(LookupFunction lookup, void* context) {
  sampleHostVariables(variables, samples, history, addon.payloadWeightLb, lookup, context);
}

AircraftState::AircraftState(const ModuleEnvironment& environment) : environment_(environment) {
  flags.storeLocation = savedState_.locationRecord();
  effects_.connectLights(&annunciators);
  switches.connectLighting(&lightingSync);
  switches.connectControls(&panelControls);
}

// The link goes last; before it, the host's controls go back to the pilot.
AircraftState::~AircraftState() {
  guidanceWriter_.release(link.dataLink);
  switches.connectLighting(nullptr);
  switches.connectControls(nullptr);
}

void AircraftState::runCycle() {
  // Host variables, then the add-on data link: this cycle's values, the aircraft's paths and the
  // joystick buttons.
  link.sample();
  link.exchange();
  now_ = cycleContext(link.samples);

  // The radios read the host's receivers back first.
  radios.update(now_, radiosInputs(link.samples));

  Effects doors = effects();
  // Each part once, in order; later parts read what earlier ones wrote this cycle: the radios
  // first, then:
  lightingSync.hostLights(hostExteriorLights(link.samples));
  switches.update(now_, doors);
  // The lighting runs before the electrical system: it sees the previous cycle's power.
  lighting.update(now_, lightingInputs(link.samples, link.addon, link.dataLink.connected(), electrical.state()));
  electrical.update(now_, electricalInputs(link.samples, switches.state(), apu.state().outputs), doors);
  deice.update(now_, deiceInputs(link.samples, switches.state()), doors);
  apu.update(now_, apuInputs(link.samples, electrical.state(), flags.soundVolume), doors);
  clock.update(now_, clockInputs(link.samples));
  // the gear indication, then:
  clipboard.update(now_, clipboardInputs(link.notesFilePath));
  attitudeTest.update(now_);
  gearIndication.update(now_, gearInputs(link.samples));
  // the flight guidance, which ends with the advisory display, then:
  guidance.update(now_, flightGuidanceInputs(link.samples, link.addon, link.dataLink.connected(),
                                             altitudePreselector, fms.guidance()),
                  doors);
  guidanceWriter_.write(link.dataLink, guidance.linkCommands());
  wipers.update(now_, wiperInputs(electrical.state()));
  if (wipers.state().writeToLink) {
    const double position = wipers.state().linkPosition;
    link.dataLink.singleWrite(services::datalink::offsets::kWiperPosition, sizeof position, &position);
  }
  cabinPressure.update(now_, cabinPressureInputs(link.samples, switches.state(), electrical.state()), doors);
  engines.update(now_, enginesInputs(link.samples), doors);
  // then:
  weatherRadar.update(now_, weatherRadarInputs(link.samples, link.addon));
  fuel.update(now_);
  airspeedBug.update(now_, airspeedBugInputs(link.samples));
  efisControls.update(now_);
  annunciators.update(now_, annunciatorInputs(link.samples));
  // the traffic data, which takes the add-on's list once a second, and last:
  displays::TrafficList list;
  if (traffic.listDue(now_)) {
    const bool read = link.dataLink.singleRead(services::datalink::offsets::kTrafficTable,
                                               static_cast<std::uint32_t>(trafficList_.size()), trafficList_.data());
    list = {true, trafficList_.data(), read ? trafficList_.size() : 0};
  }
  traffic.update(now_, trafficInputs(link.samples, electrical.state(), list));
  cdu.update(now_, cduInputs(link.samples, electrical.state()));

  // The DC power edges: the flight guidance's power-up and power-down, then the EFIS panel's.
  powerEdge_.update(
      electrical.state().dcPowerAvailable,
      [this] {
        guidance.powerUp();
        efisControls.powerUp(now_);
        flags.dcPowerCopy = true;
      },
      [this] {
        guidance.powerDown();
        efisControls.powerDown();
        flags.dcPowerCopy = false;
      });
}

displays::EhsiInputs AircraftState::ehsiInputs() const {
  const bool powered = electrical.state().dcPowerAvailable;
  return frame::ehsiInputs({link.samples, link.addon, radios.state(), efisControls.settings(),
                            efisControls.brightness().hsi, powered, guidance.state(), fms.guidance(),
                            fms.plan().activeIndex(), fms.database().vors()});
}

displays::EadiInputs AircraftState::eadiInputs() const {
  return frame::eadiInputs({link.samples, electrical.state().dcPowerAvailable, guidance.state(), advisory.state(),
                            airspeedBug.speedTargetKt(), efisControls, fms.guidance()});
}

void AircraftState::saveState() {
  if (stateSaved_) return;
  stateSaved_ = true;
  rmiSources.save(savedState_);
  airspeedBug.save(savedState_);
}

}  // namespace xaq::frame
