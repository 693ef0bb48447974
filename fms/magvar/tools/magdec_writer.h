#pragma once
// Builds a variation grid file in the simulator's layout from a declination model.

#include <cstdint>
#include <string>

#include "fms/magvar/tools/wmm_model.h"

namespace xaq::fms::tools {

// Where the generated file puts its grid block (the offset stored at byte 110).
inline constexpr std::uint32_t kGeneratedGridBlockOffset = 128;
// Latitudes this close to a pole are evaluated just short of it, where east and north still
// have their usual meaning.
inline constexpr double kPoleLatitudeDeg = 89.99;

// The declination in degrees encoded as a grid value (east positive, a full turn = 65536).
std::uint16_t degToGridValue(double declinationDeg);

// The whole file: header with the grid block offset, block header, 360 x 181 grid values.
std::string buildMagdecFile(const WmmModel& model, double decimalYear);

}  // namespace xaq::fms::tools
