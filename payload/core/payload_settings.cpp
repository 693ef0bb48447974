#include "payload/core/payload_settings.h"

#include <cmath>

#include "payload/core/key_values.h"

namespace xaq::payload {

std::optional<PayloadSettings> parseSettings(std::string_view text, std::string& error) {
  PayloadSettings settings;
  settings.aircraftName = settingsValue(text, "aircraft_name").value_or("");
  struct NumberKey {
    const char* key;
    double PayloadSettings::*field;
  };
  static constexpr NumberKey kNumberKeys[] = {
      {"person_weight", &PayloadSettings::personWeight}, {"num_coach", &PayloadSettings::numCoach},
      {"num_first", &PayloadSettings::numFirst},         {"max_zfw", &PayloadSettings::maxZfw},
      {"max_cargo", &PayloadSettings::maxCargo},         {"max_baggage", &PayloadSettings::maxBaggage},
      {"max_fuel", &PayloadSettings::maxFuel},           {"zero_weight", &PayloadSettings::zeroWeight},
      {"max_weight", &PayloadSettings::maxWeight},
  };
  for (const NumberKey& entry : kNumberKeys) {
    std::string value = settingsValue(text, entry.key).value_or("");
    auto number = parseNumber(value);
    if (!number) {
      error = std::string(entry.key) + " is not a number: \"" + value + "\"";
      return std::nullopt;
    }
    if (std::fabs(*number) > kLargestSetting) {
      error = std::string(entry.key) + " is out of range: \"" + value + "\"";
      return std::nullopt;
    }
    settings.*entry.field = *number;
  }
  settings.maxWeight = std::round(settings.maxWeight);
  return settings;
}

}  // namespace xaq::payload
