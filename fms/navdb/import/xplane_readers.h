#pragma once
// Readers of the widely used X-Plane navigation data text files: navaids (versions 810, 1100,
// 1150), fixes (600, 1101, 1200), airways (640, 1100) and airports with runways (1000 and
// later). Each file starts with "I" or "A", then a version line, and ends with "99". A row of a
// kind the importer uses that does not hold what its kind needs stops the import with the
// file and line; rows of other kinds are passed over.

#include <string>
#include <string_view>
#include <vector>

namespace xaq::fms::navimport {

// What the header says: the format version and the data cycle ("2013.10" or "1802") as YYCC.
struct SourceHeader {
  int version = 0;
  int airacCycle = 0;  // 0 when the header names none
};

enum class NavaidKind { Ndb, Vor, Localizer };

struct Navaid {
  NavaidKind kind = NavaidKind::Vor;
  std::string ident;
  std::string name;
  std::string region;   // ICAO region (1100 and later), empty before
  std::string airport;  // localizers: the airport and runway they serve
  std::string runway;
  double latDeg = 0.0;
  double lonDeg = 0.0;
  int frequency = 0;  // VOR and localizer: MHz x 100; NDB: kHz
};

struct Fix {
  std::string ident;
  std::string region;  // 1101 and later
  double latDeg = 0.0;
  double lonDeg = 0.0;
};

// One end of an airway segment. Version 640 gives positions; 1100 gives the region and the kind
// of the fix (11 fix, 2 NDB, 3 VOR) and leaves the position to be looked up.
struct SegmentEnd {
  std::string ident;
  std::string region;
  int fixKind = 0;
  double latDeg = 0.0;
  double lonDeg = 0.0;
  bool positioned = false;
};

struct AirwaySegment {
  SegmentEnd from, to;
  bool high = false;               // level 2 (high) rather than 1 (low)
  std::vector<std::string> names;  // a segment shared by several airways lists each ("J1-J3")
  std::size_t line = 0;            // for messages
};

struct RunwayEnd {
  std::string designator;
  double latDeg = 0.0;
  double lonDeg = 0.0;
  double displacedM = 0.0;  // displaced threshold
};

struct Runway {
  RunwayEnd ends[2];
};

struct Airport {
  std::string ident;
  std::string name;
  int elevationFt = 0;
  // The reference point: the 1302 datum when given, else the middle of the runways, else a
  // helipad or the tower; none when the airport has nothing with a position.
  double latDeg = 0.0;
  double lonDeg = 0.0;
  bool positioned = false;
  std::vector<Runway> runways;
};

struct NavaidFile {
  SourceHeader header;
  std::vector<Navaid> navaids;
  std::size_t rows = 0;  // data rows read, used or not
};
struct FixFile {
  SourceHeader header;
  std::vector<Fix> fixes;
};
struct AirwayFile {
  SourceHeader header;
  std::vector<AirwaySegment> segments;
};
struct AirportFile {
  SourceHeader header;
  std::vector<Airport> airports;
  std::size_t heliports = 0;  // passed over: no runways for an airliner
};

// Each reads a whole file's text; name is the file as the messages call it. Throw ImportError.
NavaidFile readNavaids(std::string_view text, const std::string& name);
FixFile readFixes(std::string_view text, const std::string& name);
AirwayFile readAirways(std::string_view text, const std::string& name);
AirportFile readAirports(std::string_view text, const std::string& name);

}  // namespace xaq::fms::navimport
