#pragma once
// The editor's own settings file, stowplan.ini: the aircraft's name and its weight limits.

#include <optional>
#include <string>
#include <string_view>

namespace xaq::payload {

struct PayloadSettings {
  std::string aircraftName;
  double personWeight = 0;  // one passenger with baggage allowance
  double numCoach = 0;      // cabin seats
  double numFirst = 0;      // read, not used
  double maxZfw = 0;
  double maxCargo = 0;      // read, not used
  double maxBaggage = 0;    // baggage at 100 % of its slider
  double maxFuel = 0;       // tank capacity
  double zeroWeight = 0;    // empty operating weight, written back as empty_weight
  double maxWeight = 0;     // maximum take-off weight, a whole number
};

// Settings beyond this magnitude are refused: it keeps passenger counts and weights exact and
// within what aircraft.cfg can be read back with.
inline constexpr double kLargestSetting = 1e9;

// Parses settings text. A missing or empty key counts as 0 (or an empty name); a value that is
// not a number, or out of range, is an error, described in `error` with the key named.
std::optional<PayloadSettings> parseSettings(std::string_view text, std::string& error);

}  // namespace xaq::payload
