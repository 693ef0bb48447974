// The keyboard and joystick commands through the module's own hook and per-frame dispatch: which
// key works which command, CDU typing and its translation, TCS held and let go, the buttons.

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "frame/gauge_registry.h"
#include "frame/keyboard_commands.h"
#include "frame/module_lifecycle.h"
#include "frame/test_host.h"

namespace xaq::frame {
namespace {

using systems::FuelTransfer;

// The keys held and the lock keys on, and the hook the module installed.
struct FakeKeyboard final : platform::Keyboard {
  bool installHook(std::uint32_t thread, KeyHandler h, void* c) override {
    threadId = thread;
    handler = h;
    context = c;
    return true;
  }
  void removeHook() override {
    handler = nullptr;
    ++removals;
  }
  bool isDown(std::uint32_t key) override { return held.count(key) != 0; }
  bool isToggled(std::uint32_t key) override { return locks.count(key) != 0; }

  // A key press as the host delivers it: the key-down with the key held, then its release.
  bool press(std::uint32_t key, std::set<std::uint32_t> modifiers = {}) {
    held = modifiers;
    held.insert(key);
    const bool taken = handler != nullptr && handler(context, key, true, false);
    held.erase(key);
    if (handler != nullptr) handler(context, key, false, false);
    held.clear();
    return taken;
  }

  std::set<std::uint32_t> held, locks;
  std::uint32_t threadId = 0;
  KeyHandler handler = nullptr;
  void* context = nullptr;
  int removals = 0;
};

struct FocusWindows final : platform::HostWindows {
  platform::WindowHandle find(const char* name) override { return std::string(name) == "FS98MAIN" ? 0x77 : 0; }
  bool isForeground(platform::WindowHandle w) override { return inFront && w == 0x77; }
  std::uint32_t threadOf(platform::WindowHandle w) override { return w == 0x77 ? 4242 : 0; }
  bool inFront = true;
};

// An assignment line for command n with a key and modifiers (or a joystick button).
std::string line(int n, int key, int shift = 0, int ctrl = 0, int alt = 0, int win = 0, int menu = 0, int joystick = 0,
                 int button = 0) {
  const services::Command& c = services::kCommands[static_cast<std::size_t>(n)];
  return std::string(c.name) + "," + c.description + "," + std::to_string(shift) + "," + std::to_string(ctrl) + "," +
         std::to_string(alt) + "," + std::to_string(win) + "," + std::to_string(menu) + "," + std::to_string(key) +
         "," + std::to_string(joystick) + "," + std::to_string(button);
}

class KeyboardCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::installPorts(platform::Ports{&host.timer, &windows, nullptr, nullptr, nullptr, &keys});
    // No settings file: every command starts unassigned; each test assigns what it presses.
    Linkage.moduleInit();
  }
  void TearDown() override { Linkage.moduleDeinit(); }
  AircraftState& a() { return *aircraft(); }

  // Assignment lines for commands 0 ... n-1: the given ones, every other one unassigned.
  void assign(const std::map<int, std::string>& lines, int through = services::kCommandCount) {
    a().commands.reset();
    for (int n = 0; n < through; ++n) {
      auto found = lines.find(n);
      a().commands.offer(found != lines.end() ? found->second : line(n, 0));
    }
    a().commands.numberJoystickButtons(a().link.buttons);
  }
  void runSeconds(double seconds) {
    for (double t = 0; t < seconds; t += 0.056) {
      host.values[604] += 0.056;
      host.timer.fire();
    }
  }
  FuelTransfer transfer() { return a().fuel.state().transfer; }

  testing::TestHost host;
  FocusWindows windows;
  FakeKeyboard keys;
};

TEST_F(KeyboardCommands, TheHookIsOnTheHostWindowsThreadFromCreateToDestroy) {
  EXPECT_NE(keys.handler, nullptr);
  EXPECT_EQ(keys.threadId, 4242u);
  Linkage.moduleDeinit();
  EXPECT_EQ(keys.handler, nullptr);
  EXPECT_EQ(keys.removals, 1);
  Linkage.moduleInit();
  EXPECT_NE(keys.handler, nullptr);
}

TEST_F(KeyboardCommands, ModifiersMatchExactlyBothWays) {
  assign({{75, line(75, 'F')}, {74, line(74, 'F', 1)}, {76, line(76, 'G', 0, 1, 1, 1, 1)}});
  struct Case {
    std::uint32_t key;
    std::set<std::uint32_t> modifiers;
    bool taken;
    FuelTransfer after;
  };
  const Case cases[] = {
      {'F', {vk::kShift, vk::kControl}, false, FuelTransfer::kOff},  // one modifier too many
      {'F', {}, true, FuelTransfer::kToTank2},
      {'F', {vk::kShift}, true, FuelTransfer::kToTank1},  // Shift+F, not F
      {'G', {vk::kControl, vk::kAlt, vk::kLeftWindows}, false, FuelTransfer::kToTank1},  // Applications missing
      {'G', {vk::kControl, vk::kAlt, vk::kLeftWindows, vk::kApplications}, true, FuelTransfer::kOff},
      {'H', {}, false, FuelTransfer::kOff},  // nothing assigned
  };
  for (const Case& c : cases) {
    EXPECT_EQ(keys.press(c.key, c.modifiers), c.taken) << static_cast<char>(c.key) << c.modifiers.size();
    EXPECT_EQ(transfer(), c.after) << static_cast<char>(c.key) << c.modifiers.size();
  }
}

TEST_F(KeyboardCommands, TheFirstCommandInTableOrderTakesAKeyAndAKeyOfNoneNeverMatches) {
  auto com1 = [this] { return a().radios.state().comNav[static_cast<std::size_t>(systems::Radio::kCom1)]; };
  const int com1Before = com1().standby.mhz;
  // COM1_OUTERUP (52) and FUEL_XFR_2 (75) on the same key: the radio, earlier in the table, wins.
  assign({{52, line(52, 'K')}, {75, line(75, 'K')}});
  EXPECT_TRUE(keys.press('K'));
  EXPECT_EQ(transfer(), FuelTransfer::kOff);
  EXPECT_EQ(com1().standby.mhz, com1Before + 1);
  EXPECT_FALSE(keys.press(0)) << "key code 0 is no key";
}

TEST_F(KeyboardCommands, AKeyWithAnotherWindowInFrontPassesThroughUntouched) {
  assign({{75, line(75, 'F')}});
  windows.inFront = false;
  EXPECT_FALSE(keys.press('F'));
  EXPECT_EQ(transfer(), FuelTransfer::kOff);
  windows.inFront = true;
  EXPECT_TRUE(keys.press('F'));
  EXPECT_EQ(transfer(), FuelTransfer::kToTank2);
}

TEST_F(KeyboardCommands, EachRoomsCommandReachesItsOperation) {
  assign({{29, line(29, 'A')}, {30, line(30, 'B')}, {40, line(40, 'W')}, {41, line(41, 'C')}, {56, line(56, 'X')},
          {76, line(76, 'O')}, {71, line(71, 'E')}});
  const int preselect = a().altitudePreselector.valueFt();
  EXPECT_TRUE(keys.press('A'));
  EXPECT_TRUE(keys.press('A'));
  EXPECT_TRUE(keys.press('B'));
  EXPECT_EQ(a().altitudePreselector.valueFt(), preselect + 100) << "the knob's 100-ft steps";
  Effects e = a().effects();
  a().fuel.setTransfer(FuelTransfer::kToTank1, e);
  EXPECT_TRUE(keys.press('O'));
  EXPECT_EQ(transfer(), FuelTransfer::kOff);
  const systems::EcuRating rating = a().engines.state().ecuRating;
  EXPECT_TRUE(keys.press('E'));
  EXPECT_NE(a().engines.state().ecuRating, rating) << "one step from the top rating";
  host.events.clear();
  EXPECT_TRUE(keys.press('X'));  // COM1_XFR: the standby frequency goes to the host
  ASSERT_FALSE(host.events.empty());
  EXPECT_EQ(host.events.back().first, systems::kCom1SetEvent);
  EXPECT_TRUE(keys.press('W'));
  EXPECT_TRUE(keys.press('C'));
  EXPECT_FALSE(a().annunciators.state().masterWarning);
  EXPECT_FALSE(a().annunciators.state().masterCaution);
}

TEST_F(KeyboardCommands, TheRmiSourceKeysToggleTheirNeedleAndTheAdiDhKeysStepTheDecisionHeight) {
  assign({{17, line(17, 'L')}, {18, line(18, 'R')}, {21, line(21, 'U')}, {22, line(22, 'D')}});
  a().rmiSources.left = 1;
  a().rmiSources.right = 5;  // a stored value the knob does not know
  EXPECT_TRUE(keys.press('L'));
  EXPECT_TRUE(keys.press('R'));
  EXPECT_EQ(a().rmiSources.left, 2);
  EXPECT_EQ(a().rmiSources.right, 2);
  EXPECT_TRUE(keys.press('L'));
  EXPECT_EQ(a().rmiSources.left, 1);
  const int dh = a().efisControls.settings().decisionHeightFt;
  EXPECT_TRUE(keys.press('U'));
  EXPECT_TRUE(keys.press('U'));
  EXPECT_TRUE(keys.press('D'));
  EXPECT_EQ(a().efisControls.settings().decisionHeightFt, dh + 10);
}

TEST_F(KeyboardCommands, TheAsiBugKeysStepTheBugAndTheBaroKeysTurnTheHostsAltimeterSetting) {
  assign({{19, line(19, 'I')}, {20, line(20, 'J')}, {27, line(27, 'K')}, {28, line(28, 'M')}});
  EXPECT_TRUE(keys.press('I'));
  EXPECT_EQ(a().airspeedBug.bugKt(), 185);
  EXPECT_TRUE(keys.press('J'));
  EXPECT_TRUE(keys.press('J'));
  EXPECT_EQ(a().airspeedBug.bugKt(), 175);
  host.events.clear();
  EXPECT_TRUE(keys.press('K'));
  EXPECT_TRUE(keys.press('M'));
  const std::vector<std::pair<std::uint32_t, std::uint32_t>> sent = {{65883, 1}, {65884, 1}};
  EXPECT_EQ(host.events, sent);
}

TEST_F(KeyboardCommands, TheGlareshieldKnobsAndTheClockAnswerTheirKeys) {
  assign({{23, line(23, 'H')}, {24, line(24, 'J')}, {25, line(25, 'K')}, {26, line(26, 'L')}, {33, line(33, '3')},
          {34, line(34, '4')}, {35, line(35, '5')}, {36, line(36, '6')}, {39, line(39, '9')}});
  runSeconds(1.0);
  host.events.clear();
  for (char k : {'H', 'J', 'K', 'L', '9'}) EXPECT_TRUE(keys.press(static_cast<std::uint32_t>(k)));
  using E = std::pair<std::uint32_t, std::uint32_t>;
  EXPECT_EQ(host.events, (std::vector<E>{{65879, 1}, {65880, 1}, {65663, 1}, {65662, 1}, {66041, 1024}}));
  EXPECT_TRUE(keys.press('3'));
  EXPECT_TRUE(keys.press('4'));
  EXPECT_EQ(a().clock.mode(), displays::ClockMode::kElapsedTime);
  EXPECT_EQ(a().clock.chronometer(), displays::Chronometer::kRun);
  runSeconds(5.0);
  EXPECT_TRUE(keys.press('5'));
  EXPECT_NEAR(a().clock.elapsedTime().reading(a().now().nowS), 5.0, 0.06);
  EXPECT_TRUE(keys.press('6'));
  runSeconds(0.5);
  EXPECT_EQ(a().clock.chronometer(), displays::Chronometer::kStop) << "ZERO springs back";
  EXPECT_EQ(a().clock.digits(a().now().nowS).seconds, 0);
}

TEST_F(KeyboardCommands, TouchControlSteeringIsHeldWhileItsKeyIsAndLetGoByAnyOtherKey) {
  assign({{15, line(15, 'T')}, {75, line(75, 'F')}});
  runSeconds(12.0);  // DC power and the guidance's system test over
  platform::Keyboard::KeyHandler hook = keys.handler;
  keys.held = {'T'};
  EXPECT_TRUE(hook(nullptr, 'T', true, false));
  EXPECT_TRUE(a().guidance.state().tcsHeld);
  EXPECT_TRUE(hook(nullptr, 'T', true, true)) << "the key's repeats keep it held";
  EXPECT_TRUE(a().guidance.state().tcsHeld);
  keys.held.clear();
  EXPECT_FALSE(hook(nullptr, 'T', false, false)) << "the release is the simulator's";
  EXPECT_FALSE(a().guidance.state().tcsHeld);
  keys.held = {'T'};
  hook(nullptr, 'T', true, false);
  EXPECT_FALSE(keys.press('Q'));
  EXPECT_FALSE(a().guidance.state().tcsHeld) << "an unassigned key lets go of it";
  hook(nullptr, 'T', true, false);
  EXPECT_TRUE(keys.press('F'));
  EXPECT_FALSE(a().guidance.state().tcsHeld) << "so does a command after it in the table";
}

TEST_F(KeyboardCommands, JoystickButtonsActOncePerPressThePitchWheelEveryFrameTcsWhileHeld) {
  assign({{13, line(13, 0, 0, 0, 0, 0, 0, 1, 20)},
          {15, line(15, 'T', 0, 0, 0, 0, 0, 1, 2)},
          {75, line(75, 0, 0, 0, 0, 0, 0, 1, 5)}});
  runSeconds(12.0);
  auto& buttons = a().link.buttons;
  const int wheel = a().commands.joystickEntryOf(13), tcs = a().commands.joystickEntryOf(15),
            fuel = a().commands.joystickEntryOf(75);
  ASSERT_EQ(wheel, 0);
  ASSERT_EQ(tcs, 1);
  ASSERT_EQ(fuel, 2);
  Effects e = a().effects();

  buttons[2].pressed = true;
  dispatchFrame(a(), &keys);
  EXPECT_EQ(transfer(), FuelTransfer::kToTank2);
  a().fuel.setTransfer(FuelTransfer::kOff, e);
  dispatchFrame(a(), &keys);
  EXPECT_EQ(transfer(), FuelTransfer::kOff) << "held, the button acted once";
  buttons[2].pressed = false;
  dispatchFrame(a(), &keys);
  buttons[2].pressed = true;
  dispatchFrame(a(), &keys);
  EXPECT_EQ(transfer(), FuelTransfer::kToTank2) << "pressed again";

  buttons[1].pressed = true;
  dispatchFrame(a(), &keys);
  EXPECT_TRUE(a().guidance.state().tcsHeld);
  EXPECT_FALSE(keys.press('Q'));
  EXPECT_TRUE(a().guidance.state().tcsHeld) << "a key does not let go of a held button";
  buttons[1].pressed = false;
  dispatchFrame(a(), &keys);
  EXPECT_FALSE(a().guidance.state().tcsHeld);
  keys.held = {'T'};
  keys.handler(nullptr, 'T', true, false);
  dispatchFrame(a(), &keys);
  EXPECT_TRUE(a().guidance.state().tcsHeld) << "a frame does not let go of a held key";

  const int before = a().guidance.state().pitchWheelFrame;
  buttons[0].pressed = true;
  int turns = 0;
  for (int frame = 0; frame < 3; ++frame) {
    const int was = a().guidance.state().pitchWheelFrame;
    dispatchFrame(a(), &keys);
    turns += a().guidance.state().pitchWheelFrame != was ? 1 : 0;
  }
  EXPECT_EQ(turns, 3) << "the wheel turns every frame its button is held (from frame " << before << ")";
}

TEST_F(KeyboardCommands, OnlyTheFirst32CommandsWithButtonsGetAnEntry) {
  std::map<int, std::string> lines;
  for (int n = 40; n < services::kCommandCount; ++n) lines[n] = line(n, 0, 0, 0, 0, 0, 0, 1, n - 30);
  assign(lines);
  EXPECT_EQ(a().commands.joystickEntryOf(40), 0);
  EXPECT_EQ(a().commands.joystickEntryOf(71), 31);
  EXPECT_EQ(a().commands.joystickEntryOf(72), -1);
  EXPECT_EQ(a().commands.joystickEntryOf(75), -1);
  for (auto& b : a().link.buttons) b.pressed = true;
  dispatchFrame(a(), &keys);
  EXPECT_EQ(transfer(), FuelTransfer::kOff) << "FUEL_XFR_2 has no entry to press";
}

TEST_F(KeyboardCommands, TypedKeysTranslateToTheCduCodes) {
  const std::map<std::uint32_t, int> table = {
      {0x70, 1},   {0x74, 5},   {0x75, 0},   {0x76, 6},   {0x7A, 10},  {0x7B, 0},   {0x22, 26},  {0x21, 0},
      {0x08, 11},  {0x2E, 11},  {0x0D, 15},  {0x6E, '.'}, {0x6F, '/'}, {0x2F, '/'}, {0x6B, '+'}, {0x6D, '-'},
      {0x60, '0'}, {0x61, '1'}, {0x69, '9'}, {'A', 'A'},  {'Z', 'Z'},  {'0', '0'},  {'9', '9'},  {0x20, 0},
      {0x10, 0},   {0xBE, 0},
  };
  for (const auto& [key, code] : table) EXPECT_EQ(cduKeyCode(key), code) << std::hex << key;
}

TEST_F(KeyboardCommands, CduTypingFollowsTheLockKeysOrTheModifiersAndSwallowsEveryKey) {
  assign({{75, line(75, 'F')}});
  keys.locks = {vk::kNumLock, vk::kScrollLock};  // the default MCDUCaps=0, MCDUNum=1, MCDUScroll=1
  EXPECT_TRUE(cduTyping(a().settings, keys));
  EXPECT_TRUE(keys.press('F')) << "the FMC gauge has not been shown: a command";
  EXPECT_EQ(transfer(), FuelTransfer::kToTank2);
  a().flags.fmcKeyboardActive = true;
  Effects e = a().effects();
  a().fuel.setTransfer(FuelTransfer::kOff, e);
  EXPECT_TRUE(keys.press('F'));
  EXPECT_EQ(transfer(), FuelTransfer::kOff) << "typed, not a command";
  EXPECT_TRUE(keys.press(0xBE)) << "a key that types nothing is swallowed as well";
  dispatchFrame(a(), &keys);
  EXPECT_TRUE(a().flags.cduKeyboardEntry);
  keys.locks.insert(vk::kCapsLock);
  EXPECT_FALSE(cduTyping(a().settings, keys));
  dispatchFrame(a(), &keys);
  EXPECT_FALSE(a().flags.cduKeyboardEntry);

  a().settings.mcduMethod = 0;  // MCDUShift=0, MCDUCtrl=1, MCDUAlt=0, MCDUWin=1, MCDUMenu=0
  a().settings.mcduCtrl = 1;
  a().settings.mcduWin = 1;
  keys.held = {vk::kLeftControl, vk::kLeftWindows};
  EXPECT_TRUE(cduTyping(a().settings, keys));
  keys.held.insert(vk::kLeftShift);
  EXPECT_FALSE(cduTyping(a().settings, keys));
}

}  // namespace
}  // namespace xaq::frame
