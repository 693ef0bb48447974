#pragma once
// The user's settings file, config.pnl in Xaq/Orvek below the simulator's folder: the CDU typing
// mode, the cockpit's start-up state, the sound volume and the command assignments. Read once,
// at creation, and never written. A missing file, line or value leaves the default.

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "common/effects.h"
#include "common/module_environment.h"
#include "services/commands/command_table.h"

namespace xaq::services {

struct Settings {
  std::int32_t mcduMethod = 1;  // 1: CDU typing by the lock keys, 0: by the modifier keys
  std::int32_t mcduCaps = 0;
  std::int32_t mcduNum = 1;
  std::int32_t mcduScroll = 1;
  std::int32_t mcduShift = 0;
  std::int32_t mcduCtrl = 1;
  std::int32_t mcduAlt = 0;
  std::int32_t mcduWin = 1;
  std::int32_t mcduMenu = 0;
  std::int32_t enginesOff = 0;   // not 0: start with the engines off
  std::int32_t darkCockpit = 0;  // not 0: start cold and dark
  std::int32_t soundVolume = 80;
  bool operator==(const Settings&) const = default;
};

struct CockpitSettings {
  Settings values;
  CommandAssignments commands;
};

inline constexpr std::size_t kSettingsLineChars = 255;

// "<simulator folder>Xaq/Orvek/config.pnl"; empty when the folder is unknown.
std::string settingsFilePath(const ModuleEnvironment& environment);

// Applies one line: a key's value (keys tested in their fixed order, the first that matches
// takes the line), and the line is offered to the command assignments as well.
void applySettingsLine(std::string_view line, CockpitSettings& settings);

// Reads every line of an open file; the assignments start from none.
void readSettings(std::FILE* file, CockpitSettings& settings);

// The settings of the file at `path`, or the defaults (and no assignments) when it cannot be
// opened.
CockpitSettings readSettingsFile(const std::string& path);

// What the dark cockpit does to the panel switches; the panel switch record implements it.
class DarkCockpitSwitches {
 public:
  virtual ~DarkCockpitSwitches() = default;
  // Puts the cockpit switches a cold and dark start leaves off into their off positions.
  virtual void switchOff() = 0;
};

inline constexpr std::uint32_t kEventEngine1FuelOff = 65987;
inline constexpr std::uint32_t kEventEngine2FuelOff = 65992;

// The start-up state: engines off (both condition levers to fuel off) with either setting, and
// with a dark cockpit the switches off as well.
void applyStartupSettings(const Settings& settings, HostEventDoor& events, DarkCockpitSwitches& switches);

}  // namespace xaq::services
