#pragma once
// Writes a world-sized navigation data set (the size of a full worldwide database) for the
// benchmarks. Deterministic: the same seed gives the same files, byte for byte. Lines end in
// "\r\n", as in the data files users install, so the load pays for its line-end handling.

#include <cstdint>
#include <string>

namespace xaq::fms::perf {

struct WorldSize {
  int vors = 4000;
  int ndbs = 9000;
  int waypoints = 250000;
  int airports = 45000;
  int runwayLines = 60000;
  int airwayLines = 150000;
};

// Writes simFolder/Xaq/NavData/xaq{vor,ndb,wpt,apt,rwy,awy}.dat. False when a file cannot be written.
bool generateWorld(const std::string& simFolder, const WorldSize& size = {}, std::uint64_t seed = 2025);

}  // namespace xaq::fms::perf
