#pragma once
// The weather radar picture on the pedestal: a picture of the weather ahead that drifts under
// the aircraft as it flies (an x and a y offset, each within -128 ... +128) and whose intensity
// (level 0 ... 6) comes from the cloud layer the aircraft is in. It changes every 3 seconds of
// simulation time while the radar is on.

#include <array>
#include <cstdint>

#include "common/cycle_context.h"

namespace xaq::systems {

inline constexpr double kWeatherRadarPeriodS = 3.0;
inline constexpr int kWeatherLevels = 7;  // 0 ... 6

struct WeatherCloudLayer {
  double baseFt = 0;
  double topFt = 0;
  double density = 0;  // 0 ... 65535
};

struct WeatherRadarInputs {
  double indicatedAirspeedKt = 0;
  double headingDeg = 0;
  double altitudeFt = 0;
  std::array<WeatherCloudLayer, 3> clouds{};
};

struct WeatherRadarState {
  double xOffset = 0.0;  // -128 ... +128
  double yOffset = 0.0;
  bool radarOn = true;
  std::int32_t level = 1;  // 0 ... 6
};

// The level for an altitude: 6 inside the first layer (within 500 ft of it, density above 100);
// inside the second or else the third, that layer's density on 0 ... 5; 0 in clear air.
std::int32_t weatherLevel(double altitudeFt, const std::array<WeatherCloudLayer, 3>& clouds);

class WeatherRadar {
 public:
  // Cycle step (14).
  void update(const CycleContext& now, const WeatherRadarInputs& in);
  const WeatherRadarState& state() const { return state_; }

  // "Weather radar on/off".
  void togglePower() { state_.radarOn = !state_.radarOn; }

 private:
  WeatherRadarState state_;
  double lastActionS_ = 0.0;
};

}  // namespace xaq::systems
