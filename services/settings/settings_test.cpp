// The settings file and the command assignments it carries: defaults, every key with its own
// format, the shipped file, and the joystick-button entries handed to the data link.

#include "services/settings/settings_file.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "common/testing/recording_effects.h"

namespace xaq::services {
namespace {

CockpitSettings fromText(const std::string& text) {
  CockpitSettings s;
  std::FILE* f = fmemopen(const_cast<char*>(text.data()), text.size(), "rb");
  if (f == nullptr) {
    ADD_FAILURE() << "fmemopen";
    return s;
  }
  readSettings(f, s);
  std::fclose(f);
  return s;
}

std::string builtInLines() {
  std::string text;
  for (const Command& c : kCommands) text += std::string(c.line) + "\r\n";
  return text;
}

TEST(SettingsFile, WithoutAFileEveryDefaultHoldsAndNoCommandIsAssigned) {
  const CockpitSettings s = readSettingsFile("/nonexistent/Xaq/Orvek/config.pnl");
  EXPECT_EQ(s.values, Settings{});
  EXPECT_EQ(s.values.mcduMethod, 1);
  EXPECT_EQ(s.values.mcduCtrl, 1);
  EXPECT_EQ(s.values.mcduWin, 1);
  EXPECT_EQ(s.values.mcduNum, 1);
  EXPECT_EQ(s.values.mcduScroll, 1);
  EXPECT_EQ(s.values.soundVolume, 80);
  EXPECT_EQ(s.commands.count(), 0);
  EXPECT_EQ(readSettingsFile("").commands.count(), 0);
}

TEST(SettingsFile, ThePathLiesInXaqOrvekBelowTheSimulatorFolder) {
  EXPECT_EQ(settingsFilePath(ModuleEnvironment{"C:\\FS2002\\"}), "C:\\FS2002\\Xaq/Orvek/config.pnl");
  EXPECT_EQ(settingsFilePath(ModuleEnvironment{}), "");
}

TEST(SettingsFile, EachKeyReadsItsOwnValue) {
  const CockpitSettings s = fromText(
      "MCDUMethod=0\nMCDUCaps=1\nMCDUNum=0\nMCDUScroll=0\nMCDUShift=1\nMCDUCtrl=0\n"
      "MCDUAlt=1\nMCDUWin=0\nMCDUMenu=1\nEnginesOff=2\nDarkCockpit=3\nSoundVolume=50\n");
  const Settings& v = s.values;
  EXPECT_EQ(v.mcduMethod, 0);
  EXPECT_EQ(v.mcduCaps, 1);
  EXPECT_EQ(v.mcduNum, 0);
  EXPECT_EQ(v.mcduScroll, 0);
  EXPECT_EQ(v.mcduShift, 1);
  EXPECT_EQ(v.mcduCtrl, 0);
  EXPECT_EQ(v.mcduAlt, 1);
  EXPECT_EQ(v.mcduWin, 0);
  EXPECT_EQ(v.mcduMenu, 1);
  EXPECT_EQ(v.enginesOff, 2);
  EXPECT_EQ(v.darkCockpit, 3);
  EXPECT_EQ(v.soundVolume, 50);
}

TEST(SettingsFile, ALineThatDoesNotParseKeepsTheDefault) {
  const CockpitSettings s = fromText(
      "SoundVolume = 50\n"          // blank before the equals sign: not the key's format
      "MCDUMethod=zero\n"
      "EnginesOff=\n"
      "DarkCockpit=99999999999\n"   // does not fit: no value
      "soundvolume=10\n"            // keys are case-sensitive
      "  MCDUCtrl=0\n"              // a key must start the line
      "MCDUNum= -7 trailing\r\n");  // "%d" skips blanks and stops at the number's end
  EXPECT_EQ(s.values.soundVolume, 80);
  EXPECT_EQ(s.values.mcduMethod, 1);
  EXPECT_EQ(s.values.enginesOff, 0);
  EXPECT_EQ(s.values.darkCockpit, 0);
  EXPECT_EQ(s.values.mcduCtrl, 1);
  EXPECT_EQ(s.values.mcduNum, -7);
}

TEST(SettingsFile, TheLastLineWithoutALineEndAndALaterRepeatBothCount) {
  EXPECT_EQ(fromText("SoundVolume=50\nSoundVolume=30").values.soundVolume, 30);
  EXPECT_EQ(fromText("EnginesOff=0").values.enginesOff, 0);
}

TEST(SettingsFile, AnOverlongLineKeepsItsFirst255CharactersAndItsTailIsNoLine) {
  // The tail beyond 255 characters would read as a command line if it were taken as a line.
  const std::string text = "SoundVolume=40" + std::string(241, ' ') + "AP_AUTO,x,0,0,0,0,0,90,1,5\nMCDUAlt=1\n";
  const CockpitSettings s = fromText(text);
  EXPECT_EQ(s.values.soundVolume, 40);
  EXPECT_EQ(s.values.mcduAlt, 1);
  EXPECT_EQ(s.commands.count(), 0);
}

TEST(CommandAssignments, TheShippedFileGivesTheDefaultsAndExactlyTheTablesAssignments) {
  const CockpitSettings s = readSettingsFile(XAQ_DEFAULT_SETTINGS_FILE);
  EXPECT_EQ(s.values, Settings{});
  ASSERT_EQ(s.commands.count(), kCommandCount);
  for (int n = 0; n < kCommandCount; ++n) {
    Assignment builtIn;
    ASSERT_TRUE(parseAssignmentLine(kCommands[static_cast<std::size_t>(n)].line, builtIn)) << n;
    EXPECT_EQ(s.commands.of(n), builtIn) << kCommands[static_cast<std::size_t>(n)].name;
  }
  // A few rows checked against the table itself.
  EXPECT_EQ(s.commands.of(0), (Assignment{0, 0, 0, 0, 0, 90, 0, 0}));
  EXPECT_EQ(s.commands.of(1), (Assignment{0, 1, 0, 0, 0, 68, 0, 0}));
  EXPECT_EQ(s.commands.of(11), (Assignment{1, 1, 0, 0, 0, 90, 0, 0}));
  EXPECT_EQ(s.commands.of(13), (Assignment{0, 0, 0, 0, 0, 0, 1, 20}));
  EXPECT_EQ(s.commands.of(15), (Assignment{0, 0, 0, 0, 0, 0, 1, 2}));
  EXPECT_EQ(s.commands.of(16), (Assignment{1, 1, 0, 0, 0, 71, 0, 0}));
  EXPECT_EQ(s.commands.of(76), Assignment{});
}

TEST(CommandAssignments, EveryBuiltInLineBeginsWithItsNameAndDescription) {
  for (const Command& c : kCommands) {
    const std::string prefix = std::string(c.name) + "," + c.description + ",";
    EXPECT_EQ(std::string(c.line).rfind(prefix, 0), 0u) << c.name;
  }
  EXPECT_STREQ(kCommands[15].name, "AP_TCS");
  EXPECT_STREQ(kCommands[73].name, "ENG_AUTOFEATHER_SW");
  EXPECT_STREQ(kCommands[76].name, "FUEL_XFR_OFF");
}

TEST(CommandAssignments, OnlyCommandLinesLeaveEveryKeyDefault) {
  const CockpitSettings s = fromText(builtInLines());
  EXPECT_EQ(s.values, Settings{});
  EXPECT_EQ(s.commands.count(), kCommandCount);
}

TEST(CommandAssignments, TheNthLineGoesToCommandNWhateverNameItBegins) {
  const CockpitSettings s = fromText(
      "FUEL_XFR_OFF,anything,0,0,1,0,0,65,0,0\n"
      "SoundVolume=30\n"
      "AP_AUTO,Autopilot AP Button,1,0,0,0,0,66,2,7\n"
      " AP_YD,not at the start,0,0,0,0,0,67,0,0\n"
      "AP_YDX,a longer name still begins with AP_YD,0,1\n");
  ASSERT_EQ(s.commands.count(), 3);
  EXPECT_EQ(s.commands.of(0), (Assignment{0, 0, 1, 0, 0, 65, 0, 0}));
  EXPECT_EQ(s.commands.of(1), (Assignment{1, 0, 0, 0, 0, 66, 2, 7}));
  EXPECT_EQ(s.commands.of(2), (Assignment{0, 1, 0, 0, 0, 0, 0, 0})) << "numbers stop at the first gap";
  EXPECT_EQ(s.commands.of(3), Assignment{});
  EXPECT_EQ(s.values.soundVolume, 30);
}

TEST(CommandAssignments, LinesBeyondTheLastCommandAreDropped) {
  const CockpitSettings s = fromText(builtInLines() + "AP_AUTO,extra,0,0,0,0,0,1,1,9\n");
  EXPECT_EQ(s.commands.count(), kCommandCount);
  EXPECT_EQ(s.commands.of(0).keyCode, 90);
}

TEST(JoystickEntries, CommandsWithAButtonGetEntriesInCommandOrder) {
  CockpitSettings s = fromText(builtInLines());
  datalink::JoystickButtons entries{};
  entries[0].registered = true;  // left over: numbering writes the entries fresh
  entries[0].pressed = true;
  s.commands.numberJoystickButtons(entries);
  EXPECT_EQ(s.commands.joystickEntryOf(13), 0);
  EXPECT_EQ(s.commands.joystickEntryOf(14), 1);
  EXPECT_EQ(s.commands.joystickEntryOf(15), 2);
  EXPECT_EQ(s.commands.joystickEntryOf(0), -1);
  EXPECT_EQ(entries[0].joystick, 0);
  EXPECT_EQ(entries[0].button, 19);
  EXPECT_FALSE(entries[0].registered);
  EXPECT_FALSE(entries[0].pressed);
  EXPECT_EQ(entries[2].button, 1);
  EXPECT_EQ(entries[3].button, 0) << "unused entries read as button 1, which the watch skips";
}

TEST(JoystickEntries, MoreThan32ButtonsGiveOnlyTheFirst32Entries) {
  std::string text;
  for (int n = 0; n < kCommandCount; ++n) {
    text += std::string(kCommands[static_cast<std::size_t>(n)].name) + ",d,0,0,0,0,0,0," +
            std::to_string(1 + n % 3) + "," + std::to_string(n + 2) + "\n";
  }
  CockpitSettings s = fromText(text);
  datalink::JoystickButtons entries{};
  s.commands.numberJoystickButtons(entries);
  for (int n = 0; n < 32; ++n) {
    EXPECT_EQ(s.commands.joystickEntryOf(n), n);
    EXPECT_EQ(entries[static_cast<std::size_t>(n)].button, n + 1);
    EXPECT_EQ(entries[static_cast<std::size_t>(n)].joystick, n % 3);
  }
  for (int n = 32; n < kCommandCount; ++n) EXPECT_EQ(s.commands.joystickEntryOf(n), -1) << n;
}

TEST(JoystickEntries, NumbersNoJoystickHasDoNotOverflow) {
  CockpitSettings s = fromText("AP_AUTO,d,0,0,0,0,0,0,-2147483648,-2147483648\n");
  datalink::JoystickButtons entries{};
  s.commands.numberJoystickButtons(entries);
  EXPECT_EQ(s.commands.joystickEntryOf(0), 0);
  EXPECT_EQ(entries[0].button, 2147483647);
}

struct CountingSwitches final : DarkCockpitSwitches {
  void switchOff() override { ++calls; }
  int calls = 0;
};

TEST(StartupSettings, EnginesOffOrADarkCockpitShutTheEnginesDownAndOnlyDarkTurnsSwitchesOff) {
  struct Case {
    std::int32_t enginesOff, darkCockpit;
    bool events;
    int switchCalls;
  };
  for (const Case c : {Case{0, 0, false, 0}, Case{2, 0, true, 0}, Case{0, 1, true, 1}, Case{1, 1, true, 1}}) {
    Settings settings;
    settings.enginesOff = c.enginesOff;
    settings.darkCockpit = c.darkCockpit;
    testing::RecordingEffects effects;
    CountingSwitches switches;
    applyStartupSettings(settings, effects, switches);
    using Events = std::vector<std::pair<std::uint32_t, std::uint32_t>>;
    const Events expected = c.events ? Events{{65987, 1}, {65992, 1}} : Events{};
    EXPECT_EQ(effects.events, expected) << c.enginesOff << c.darkCockpit;
    EXPECT_EQ(switches.calls, c.switchCalls);
  }
}

}  // namespace
}  // namespace xaq::services
