#pragma once
// Turns what the readers found into the six files of the navigation data folder, in the grammar
// the module's loader reads, and puts them in place without leaving anything half-written.
//
// Identifiers: letters are taken in capitals; anything other than a letter or a digit (a blank
// or '-' would end the name when the file is read, a ',' would split an airway line) becomes
// '_'; names longer than the record holds (11 characters, 5 for an airway, 3 for a runway) are
// cut to fit, the same way in every file, so an airway point still names its fix. Records whose
// name would not start with a letter or digit are passed over and counted.

#include <cstddef>
#include <string>
#include <string_view>

#include "fms/magvar/tools/decimal_date.h"
#include "fms/navdb/import/xplane_readers.h"

namespace xaq::fms::navimport {

struct Region {
  bool all = true;
  double southDeg = -90.0, westDeg = -180.0, northDeg = 90.0, eastDeg = 180.0;  // west > east crosses 180
  bool contains(double latDeg, double lonDeg) const;
};

struct ImportOptions {
  Region region;
  tools::CalendarDate date;  // of the magnetic model for runway headings
};

struct ImportSources {
  NavaidFile navaids;
  FixFile fixes;
  AirwayFile airways;
  AirportFile airports;
};

struct ImportCounts {
  std::size_t vors = 0, ndbs = 0, waypoints = 0, airports = 0, runways = 0, runwaysWithIls = 0;
  std::size_t airways = 0, airwayPieces = 0, airwayPoints = 0;
  std::size_t unnamed = 0;             // records passed over: no letter or digit to start a name
  std::size_t unplacedAirports = 0;    // airports with nothing that gives a position
  std::size_t unknownSegmentEnds = 0;  // airway segments (1100) naming a fix no file holds
};

struct NavDataFiles {
  std::string vor, ndb, waypoint, airport, runway, airway;
  ImportCounts counts;
};

// The identifier as the files write it; empty when it cannot start a record.
std::string fileIdent(std::string_view name, std::size_t maxChars = 11);

// ";AIRAC" validity line for a cycle given as YYCC (0: the line says the cycle is unknown and
// gives no date).
std::string airacLine(int cycle);

NavDataFiles buildNavData(const ImportSources& sources, const ImportOptions& options);

// Writes simFolder/Xaq/NavData/xaq{vor,ndb,wpt,apt,rwy,awy}.dat: each beside its final name
// first, then all six renamed into place. Throws ImportError, leaving the folder as it was.
void writeNavDataFolder(const std::string& simFolder, const NavDataFiles& files);

}  // namespace xaq::fms::navimport
