#include "services/settings/settings_file.h"

#include <cstring>

#include "services/text_lines.h"

namespace xaq::services {

namespace {

struct Key {
  const char* name;
  std::int32_t Settings::*field;
};

// The order the keys are tried in.
constexpr Key kKeys[] = {
    {"MCDUMethod", &Settings::mcduMethod}, {"MCDUShift", &Settings::mcduShift},
    {"MCDUCtrl", &Settings::mcduCtrl},     {"MCDUAlt", &Settings::mcduAlt},
    {"MCDUWin", &Settings::mcduWin},       {"MCDUMenu", &Settings::mcduMenu},
    {"MCDUCaps", &Settings::mcduCaps},     {"MCDUNum", &Settings::mcduNum},
    {"MCDUScroll", &Settings::mcduScroll}, {"EnginesOff", &Settings::enginesOff},
    {"DarkCockpit", &Settings::darkCockpit}, {"SoundVolume", &Settings::soundVolume},
};

}  // namespace

std::string settingsFilePath(const ModuleEnvironment& environment) {
  if (environment.simulatorFolder.empty()) return {};
  return environment.simulatorFolder + "Xaq/Orvek/config.pnl";
}

void applySettingsLine(std::string_view line, CockpitSettings& settings) {
  for (const Key& key : kKeys) {
    const std::size_t length = std::strlen(key.name);
    if (line.size() < length || line.compare(0, length, key.name) != 0) continue;
    // "KEY=%d": the equals sign right after the key, then the number.
    std::size_t at = length;
    std::int32_t value = 0;
    if (at < line.size() && line[at] == '=' && scanDecimal(line, ++at, value)) settings.values.*key.field = value;
    break;
  }
  settings.commands.offer(line);
}

void readSettings(std::FILE* file, CockpitSettings& settings) {
  settings.commands.reset();
  std::string line;
  while (readTextLine(file, line, kSettingsLineChars)) applySettingsLine(line, settings);
}

CockpitSettings readSettingsFile(const std::string& path) {
  CockpitSettings settings;
  if (path.empty()) return settings;
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return settings;
  readSettings(file, settings);
  std::fclose(file);
  return settings;
}

void applyStartupSettings(const Settings& settings, HostEventDoor& events, DarkCockpitSwitches& switches) {
  if (settings.enginesOff != 0 || settings.darkCockpit != 0) {
    events.trigger(kEventEngine1FuelOff, 1);
    events.trigger(kEventEngine2FuelOff, 1);
  }
  if (settings.darkCockpit != 0) switches.switchOff();
}

}  // namespace xaq::services
