#include "simhost/atmosphere.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace xaq::sim {

AirData airData(const World& world) {
  const Aircraft& a = world.aircraft;
  const Environment& env = world.environment;
  AirData d{};
  const double altitudeFt = std::min(a.altitudeFt, 36000.0);
  d.standardTempC = 15.0 - 0.0019812 * altitudeFt;
  d.outsideTempC = d.standardTempC + env.temperatureDeviationC;
  d.pressureMb = env.seaLevelPressureMb * std::pow(1.0 - 6.8755856e-6 * altitudeFt, 5.2558797);
  const double tempRatio = (d.outsideTempC + 273.15) / 288.15;
  d.densityRatio = d.pressureMb / kStandardPressureMb / tempRatio;
  d.indicatedAirspeedKt = a.trueAirspeedKt * std::sqrt(d.densityRatio);
  const double tasMps = a.trueAirspeedKt * 0.514444;
  d.totalAirTempC = d.outsideTempC + tasMps * tasMps / (2.0 * 1005.0);
  const double soundMps = 20.0468 * std::sqrt(d.outsideTempC + 273.15);
  d.mach = tasMps / soundMps;
  d.pressureAltitudeFt = a.altitudeFt - (env.seaLevelPressureMb - kStandardPressureMb) * kFeetPerMillibar;
  d.indicatedAltitudeFt =
      d.pressureAltitudeFt + (env.altimeterSettingMb - kStandardPressureMb) * kFeetPerMillibar;
  return d;
}

const AirData& AirDataCache::of(const World& world) {
  const double key[5] = {world.aircraft.altitudeFt, world.aircraft.trueAirspeedKt,
                         world.environment.temperatureDeviationC, world.environment.seaLevelPressureMb,
                         world.environment.altimeterSettingMb};
  if (!valid_ || !std::equal(std::begin(key), std::end(key), std::begin(key_))) {
    std::copy(std::begin(key), std::end(key), std::begin(key_));
    air_ = airData(world);
    valid_ = true;
  }
  return air_;
}

}  // namespace xaq::sim
