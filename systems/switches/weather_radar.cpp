#include "systems/switches/weather_radar.h"

#include <cmath>

#include "common/rounding.h"

namespace xaq::systems {

namespace {

constexpr double kOffsetPerKnotSecond = 0.0025;
constexpr double kLayerMarginFt = 500.0;
constexpr double kCloudDensityFloor = 100.0;
constexpr double kDensityToLevel = 7.629510948348211e-5;  // 65535 -> 5
constexpr double kDegToRad = 3.14159265358979323846 / 180.0;

bool inside(double altitudeFt, const WeatherCloudLayer& layer) {
  return altitudeFt >= layer.baseFt - kLayerMarginFt && altitudeFt <= layer.topFt + kLayerMarginFt &&
         layer.density > kCloudDensityFloor;
}

// Into -128 ... +128, however far the picture moved in one step.
double wrapOffset(double v) {
  if (v > 128.0 || v < -128.0) v -= 256.0 * std::floor((v + 128.0) / 256.0);
  return v;
}

}  // namespace

std::int32_t weatherLevel(double altitudeFt, const std::array<WeatherCloudLayer, 3>& clouds) {
  if (inside(altitudeFt, clouds[0])) return 6;
  for (std::size_t k = 1; k < clouds.size(); ++k) {
    if (!inside(altitudeFt, clouds[k])) continue;
    const int level = roundHalfAway(clouds[k].density * kDensityToLevel);
    return level < 0 ? 0 : level > 5 ? 5 : level;
  }
  return 0;
}

void WeatherRadar::update(const CycleContext& now, const WeatherRadarInputs& in) {
  // A clock that went back (a reloaded flight) starts the period again instead of freezing the
  // picture until the old time comes round.
  if (now.nowS < lastActionS_) lastActionS_ = now.nowS;
  if (!state_.radarOn || now.nowS - lastActionS_ <= kWeatherRadarPeriodS) return;
  const double elapsedS = now.nowS - lastActionS_;
  lastActionS_ = now.nowS;

  const double d = elapsedS * in.indicatedAirspeedKt * kOffsetPerKnotSecond;
  const double headingRad = in.headingDeg * kDegToRad;
  if (std::isfinite(d) && std::isfinite(headingRad)) {
    state_.xOffset = wrapOffset(state_.xOffset + std::sin(headingRad) * d);
    state_.yOffset = wrapOffset(state_.yOffset - std::cos(headingRad) * d);
  }
  state_.level = weatherLevel(in.altitudeFt, in.clouds);
}

}  // namespace xaq::systems
