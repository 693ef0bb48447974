#pragma once
// The standard atmosphere with a sea-level pressure and a temperature deviation, as far as the
// host variables need it.

#include "simhost/world.h"

namespace xaq::sim {

inline constexpr double kMetresPerFoot = 0.3048;
inline constexpr double kFeetPerMetre = 3.280839895;
inline constexpr double kFpsPerKnot = 1.6878098571;
inline constexpr double kLbPerGallon = 6.699219;
inline constexpr double kStandardPressureMb = 1013.25;
inline constexpr double kFeetPerMillibar = 27.3;  // near the ground, enough for an altimeter

struct AirData {
  double standardTempC;   // standard atmosphere at the altitude
  double outsideTempC;
  double pressureMb;
  double densityRatio;    // to the standard sea-level density
  double indicatedAirspeedKt;
  double totalAirTempC;
  double mach;
  double pressureAltitudeFt;
  double indicatedAltitudeFt;  // on the altimeter with its setting
};

AirData airData(const World& world);

// The air data of a world that changes once a frame but is read by every lookup of the frame:
// computed again only when one of its inputs has changed.
class AirDataCache {
 public:
  const AirData& of(const World& world);

 private:
  double key_[5] = {};
  bool valid_ = false;
  AirData air_{};
};

}  // namespace xaq::sim
