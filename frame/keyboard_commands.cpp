#include "frame/keyboard_commands.h"

#include "common/sound_slots.h"
#include "displays/analog/air_data.h"
#include "displays/analog/hsi_values.h"
#include "displays/glareshield/course_heading_knobs.h"
#include "frame/module_lifecycle.h"

namespace xaq::frame {

namespace {

using services::command::kPitchWheelDown;
using services::command::kPitchWheelUp;
using services::command::kTouchControlSteering;

// ---- the actions, one small function per kind ----

template <void (guidance::FlightGuidance::*Press)()>
void guidanceButton(AircraftState& a, Effects&) {
  (a.guidance.*Press)();
}

template <int Command>
void radioKnob(AircraftState& a, Effects& e) {
  a.radios.command(Command, a.now().nowS, e);
}

// As a left click on the preselector's knob: the 100-ft step.
template <int Direction>
void altitudePreselect(AircraftState& a, Effects&) {
  a.altitudePreselector.step(Direction, false);
}

// As a left click on an RMI source knob: the source toggles with the switch click.
template <bool Left>
void rmiSource(AircraftState& a, Effects& e) {
  int& source = Left ? a.rmiSources.left : a.rmiSources.right;
  source = displays::toggledRmiSource(source);
  e.sounds.play(sound::kSwitchClick);
}

// As a left click on a half of the airspeed bug knob.
template <int Direction>
void airspeedBug(AircraftState& a, Effects&) {
  Direction < 0 ? a.airspeedBug.stepDown() : a.airspeedBug.stepUp();
}

// As a left click on a half of the altimeter's baro knob.
template <int Direction>
void altimeterBaro(AircraftState&, Effects& e) {
  displays::turnBaroKnob(Direction, e.events);
}

// As a left click on the ADI's DH knob.
template <int Direction>
void adiDecisionHeight(AircraftState& a, Effects&) {
  a.efisControls.stepDecisionHeight(Direction);
}

// As a left click on the glareshield's heading and course knobs.
template <int Direction>
void headingKnob(AircraftState& a, Effects& e) {
  displays::turnHeadingKnob(Direction, false, a.link.samples.headingBugDeg, e.events);
}
template <int Direction>
void courseKnob(AircraftState&, Effects& e) {
  displays::turnCourseKnob(Direction, false, e.events);
}

template <displays::ClockMode M>
void clockMode(AircraftState& a, Effects& e) {
  a.clock.show(M, e.sounds);
}
void clockRun(AircraftState& a, Effects& e) { a.clock.run(a.now().nowS, e.sounds); }
void clockStop(AircraftState& a, Effects& e) { a.clock.stop(a.now().nowS, e.sounds); }
void clockZero(AircraftState& a, Effects& e) { a.clock.zero(a.now().nowS, e.sounds); }
template <displays::SimRateSelector R>
void clockSimRate(AircraftState& a, Effects& e) {
  a.clock.requestSimRate(R, e);
}

void masterWarning(AircraftState& a, Effects&) { a.annunciators.resetMasterWarning(); }
void masterCaution(AircraftState& a, Effects&) { a.annunciators.resetMasterCaution(); }
void ecuRatingUp(AircraftState& a, Effects& e) { a.engines.ecuRatingUp(e); }
void ecuRatingDown(AircraftState& a, Effects& e) { a.engines.ecuRatingDown(e); }
void autofeatherArm(AircraftState& a, Effects& e) { a.engines.autofeatherArm(e); }

template <systems::FuelTransfer To>
void fuelTransfer(AircraftState& a, Effects& e) {
  a.fuel.setTransfer(To, e);
}

template <std::size_t... I>
constexpr std::array<CommandAction, sizeof...(I)> radioActions(std::index_sequence<I...>) {
  return {&radioKnob<systems::kFirstRadioCommand + static_cast<int>(I)>...};
}

constexpr std::array<CommandAction, services::kCommandCount> makeActions() {
  using G = guidance::FlightGuidance;
  std::array<CommandAction, services::kCommandCount> t{};
  t[0] = &guidanceButton<&G::pressAp>;
  t[1] = &guidanceButton<&G::pressYd>;
  t[2] = &guidanceButton<&G::pressHsiSel>;
  t[3] = &guidanceButton<&G::pressNavSel>;
  t[4] = &guidanceButton<&G::pressHdg>;
  t[5] = &guidanceButton<&G::pressNav>;
  t[6] = &guidanceButton<&G::pressApp>;
  t[7] = &guidanceButton<&G::pressIas>;
  t[8] = &guidanceButton<&G::pressVs>;
  t[9] = &guidanceButton<&G::pressBc>;
  t[10] = &guidanceButton<&G::pressAlt>;
  t[11] = &guidanceButton<&G::pressAltSel>;
  t[12] = &guidanceButton<&G::pressStby>;
  t[kPitchWheelDown] = &guidanceButton<&G::pitchWheelDown>;
  t[kPitchWheelUp] = &guidanceButton<&G::pitchWheelUp>;
  // 15, touch control steering, is held rather than run (see dispatchKey and dispatchFrame).
  t[16] = &guidanceButton<&G::pressGa>;
  t[17] = &rmiSource<true>;
  t[18] = &rmiSource<false>;
  t[19] = &airspeedBug<+1>;
  t[20] = &airspeedBug<-1>;
  t[21] = &adiDecisionHeight<+1>;
  t[22] = &adiDecisionHeight<-1>;
  t[23] = &headingKnob<+1>;
  t[24] = &headingKnob<-1>;
  t[25] = &courseKnob<+1>;
  t[26] = &courseKnob<-1>;
  t[27] = &altimeterBaro<+1>;
  t[28] = &altimeterBaro<-1>;
  t[29] = &altitudePreselect<+1>;
  t[30] = &altitudePreselect<-1>;
  using displays::ClockMode;
  using displays::SimRateSelector;
  t[31] = &clockMode<ClockMode::kTime>;
  t[32] = &clockMode<ClockMode::kFlightTime>;
  t[33] = &clockMode<ClockMode::kElapsedTime>;
  t[34] = &clockRun;
  t[35] = &clockStop;
  t[36] = &clockZero;
  t[37] = &clockSimRate<SimRateSelector::kNormal>;
  t[38] = &clockSimRate<SimRateSelector::kDouble>;
  t[39] = &clockSimRate<SimRateSelector::kQuadruple>;
  t[40] = &masterWarning;
  t[41] = &masterCaution;
  constexpr auto radios =
      radioActions(std::make_index_sequence<systems::kLastRadioCommand - systems::kFirstRadioCommand + 1>());
  for (std::size_t i = 0; i < radios.size(); ++i) t[systems::kFirstRadioCommand + i] = radios[i];
  t[71] = &ecuRatingUp;
  t[72] = &ecuRatingDown;
  t[73] = &autofeatherArm;
  t[74] = &fuelTransfer<systems::FuelTransfer::kToTank1>;
  t[75] = &fuelTransfer<systems::FuelTransfer::kToTank2>;
  t[76] = &fuelTransfer<systems::FuelTransfer::kOff>;
  return t;
}

constexpr std::array<CommandAction, services::kCommandCount> kActions = makeActions();

void run(AircraftState& a, int command) {
  const CommandAction action = kActions[static_cast<std::size_t>(command)];
  if (action == nullptr) return;
  Effects e = a.effects();
  action(a, e);
}

// TCS is held while its key or its joystick button is.
void holdTcs(AircraftState& a) { a.guidance.setTcsHeld(a.flags.tcsKeyHeld || a.flags.tcsButtonHeld); }

bool onHookKey(void*, std::uint32_t virtualKey, bool down, bool) {
  AircraftState* a = aircraft();
  platform::Ports& ports = platform::ports();
  if (a == nullptr || ports.keyboard == nullptr) return false;
  if (ports.windows == nullptr || !ports.windows->isForeground(hostMainWindow())) return false;
  return dispatchKey(*a, *ports.keyboard, virtualKey, down);
}

bool gHooked = false;

}  // namespace

const std::array<CommandAction, services::kCommandCount>& commandActions() { return kActions; }

int cduKeyCode(std::uint32_t key) {
  if (key >= 0x70 && key <= 0x74) return static_cast<int>(key - 0x70) + 1;  // F1 ... F5
  if (key >= 0x76 && key <= 0x7A) return static_cast<int>(key - 0x76) + 6;  // F7 ... F11
  switch (key) {
    case 0x22: return 26;  // Page Down
    case 0x08:             // Backspace
    case 0x2E: return 11;  // Delete
    case 0x0D: return 15;  // Enter
    case 0x6E: return '.';
    case 0x6F:             // the numeric pad's divide
    case 0x2F: return '/';
    case 0x6B: return '+';
    case 0x6D: return '-';
    default: break;
  }
  if (key >= 0x60 && key <= 0x69) return static_cast<int>(key - 0x60) + '0';  // the numeric pad
  if (key >= 'A' && key <= 'Z') return static_cast<int>(key);
  if (key >= '0' && key <= '9') return static_cast<int>(key);
  return 0;
}

bool cduTyping(const services::Settings& s, platform::Keyboard& keys) {
  auto is = [](bool state, std::int32_t wanted) { return state == (wanted != 0); };
  if (s.mcduMethod != 0) {
    return is(keys.isToggled(vk::kCapsLock), s.mcduCaps) && is(keys.isToggled(vk::kNumLock), s.mcduNum) &&
           is(keys.isToggled(vk::kScrollLock), s.mcduScroll);
  }
  return is(keys.isDown(vk::kLeftShift), s.mcduShift) && is(keys.isDown(vk::kLeftControl), s.mcduCtrl) &&
         is(keys.isDown(vk::kLeftAlt), s.mcduAlt) && is(keys.isDown(vk::kLeftWindows), s.mcduWin) &&
         is(keys.isDown(vk::kApplications), s.mcduMenu);
}

bool assignmentMatches(const services::Assignment& m, std::uint32_t key, platform::Keyboard& keys) {
  if (m.keyCode == 0 || static_cast<std::uint32_t>(m.keyCode) != key) return false;
  auto is = [&](std::uint32_t modifier, std::int32_t wanted) { return keys.isDown(modifier) == (wanted != 0); };
  return is(vk::kShift, m.shift) && is(vk::kControl, m.ctrl) && is(vk::kAlt, m.alt) && is(vk::kLeftWindows, m.win) &&
         is(vk::kApplications, m.menu);
}

bool dispatchKey(AircraftState& a, platform::Keyboard& keys, std::uint32_t key, bool down) {
  if (a.flags.fmcKeyboardActive && cduTyping(a.settings, keys)) {
    // Typed into the CDU as its own keys would, without their click; the simulator never sees
    // a typed key, not even one that types nothing.
    if (down) {
      if (const int code = cduKeyCode(key); code != 0) a.cdu.pressKey(code);
    }
    return true;
  }
  bool taken = false;
  for (int command = 0; command < services::kCommandCount && !taken; ++command) {
    const bool matches = down && assignmentMatches(a.commands.of(command), key, keys);
    if (command == kTouchControlSteering) {
      // Held while its key matches; let go by any key message that matches nothing before it.
      a.flags.tcsKeyHeld = matches;
      holdTcs(a);
      taken = matches;
      continue;
    }
    if (matches) {
      run(a, command);
      taken = true;
    }
  }
  return taken;
}

void dispatchFrame(AircraftState& a, platform::Keyboard* keys) {
  services::datalink::JoystickButtons& buttons = a.link.buttons;
  for (int command = 0; command < services::kCommandCount; ++command) {
    const int entry = a.commands.joystickEntryOf(command);
    if (command == kTouchControlSteering) {
      a.flags.tcsButtonHeld = entry >= 0 && buttons[static_cast<std::size_t>(entry)].pressed;
      holdTcs(a);
    }
    if (entry < 0 || command == kTouchControlSteering) continue;
    services::datalink::JoystickButton& b = buttons[static_cast<std::size_t>(entry)];
    const bool wheel = command == kPitchWheelDown || command == kPitchWheelUp;
    // The pitch wheel turns for as long as its button is held; the others act once per press.
    if (b.pressed && (wheel || !b.pressedBefore)) run(a, command);
    b.pressedBefore = b.pressed;
  }
  platform::HostWindows* windows = platform::ports().windows;
  a.flags.cduKeyboardEntry = keys != nullptr && a.flags.fmcKeyboardActive && windows != nullptr &&
                             windows->isForeground(hostMainWindow()) && cduTyping(a.settings, *keys);
}

void installKeyboardHook(platform::WindowHandle mainWindow) {
  platform::Ports& ports = platform::ports();
  if (gHooked || mainWindow == 0 || ports.keyboard == nullptr || ports.windows == nullptr) return;
  gHooked = ports.keyboard->installHook(ports.windows->threadOf(mainWindow), &onHookKey, nullptr);
}

void removeKeyboardHook() {
  platform::Ports& ports = platform::ports();
  if (gHooked && ports.keyboard != nullptr) ports.keyboard->removeHook();
  gHooked = false;
}

}  // namespace xaq::frame
