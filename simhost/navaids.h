#pragma once
// Ground stations the host's receivers hear: VORs (with DME), NDBs and runway ILS (localizer,
// glideslope, markers, DME at the localizer), read from the same text files the module's
// navigation database reads, and the receiver outputs computed from them each frame.

#include <cstdint>
#include <string>
#include <vector>

#include "simhost/world.h"

namespace xaq::sim {

struct Station {
  std::string ident;
  double latDeg = 0, lonDeg = 0;
  std::uint32_t frequency = 0;  // VOR and ILS: MHz × 100; NDB: kHz × 10
};

struct Runway {
  std::string airport, designator;
  double latDeg = 0, lonDeg = 0;  // threshold
  double headingDeg = 0;          // true
  double lengthFt = 0;
  std::uint32_t ilsFrequency = 0;  // MHz × 100, 0 = none
  double elevationFt = 0;          // threshold
};

struct NavData {
  std::vector<Station> vors, ndbs;
  std::vector<Runway> runways;

  // Reads xaqvor.dat, xaqndb.dat and xaqrwy.dat from `folder`; missing files give empty lists.
  static NavData load(const std::string& folder);
  const Runway* findRunway(const std::string& airport, const std::string& designator) const;
};

// Parsers for one line each; false for comments and lines that are not data.
// unitsPerWhole: 100 for VOR lines (MHz × 100), 10 for NDB lines (kHz × 10).
bool parseStationLine(const std::string& line, Station& out, std::uint32_t unitsPerWhole);
bool parseRunwayLine(const std::string& line, Runway& out);

// Frequencies as the host holds them.
std::uint32_t bcdFromNavFrequency(std::uint32_t mhzTimes100);  // 11390 -> 0x1390
std::uint32_t navFrequencyFromBcd(std::uint32_t bcd);          // 0x1390 -> 11390
std::uint32_t adfFrequencyFromBcd(std::uint32_t bcd, std::uint32_t extended);  // kHz × 10

// Recomputes world.nav from the tuned frequencies and the aircraft's position.
void updateReceivers(World& world, const NavData& data);

}  // namespace xaq::sim
