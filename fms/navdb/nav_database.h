#pragma once
// The navigation database: navaids, waypoints, airports, runways and airways read once from the
// text files in Xaq/NavData below the simulator folder, and the lookups the flight plan and the
// CDU pages make on them. Query results live in working storage owned by the database and are
// overwritten by the next query; a caller that keeps a record copies it.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fms/base/spherical.h"
#include "fms/navdb/nav_record.h"
#include "fms/navdb/procedure_index.h"

namespace xaq::fms {

// Folder of the data files, relative to the simulator folder.
inline constexpr std::string_view kNavDataFolder = "Xaq/NavData";

class NavDatabase {
 public:
  // Loads the files of simFolder/Xaq/NavData in the order VOR, NDB, waypoint, airport, runway,
  // airway; a file that cannot be opened ends the chain, leaving it and the later tables empty.
  explicit NavDatabase(std::string simFolder);
  NavDatabase(const NavDatabase&) = delete;
  NavDatabase& operator=(const NavDatabase&) = delete;

  // Every record of the masked tables (NDB, VOR, all waypoints, airports) whose identifier equals
  // ident byte for byte, nearest to presentPosition first. Runways are never found by identifier.
  const std::vector<NavRecord>& findByIdent(std::string_view ident, std::uint32_t typeMask,
                                            const LatLon& presentPosition);
  // All NDBs, all VORs, the named waypoints within the LIST page's radius of the reference and
  // all airports (as masked), nearest to the reference first.
  const std::vector<NavRecord>& listByCategory(const LatLon& reference, std::uint32_t typeMask);
  // The airport's runways, in file order.
  const std::vector<NavRecord>& runwaysOfAirport(std::string_view airportIdent);
  // Airways with a point of that identifier within 5 NM of the fix, in file order, once each.
  const std::vector<const Airway*>& airwaysThrough(std::string_view fixIdent, const LatLon& fix);
  // Indexes one airport's procedures from the departure or arrival file; an unreadable file
  // leaves the index empty.
  const std::vector<ProcedureIndexEntry>& indexProcedures(std::string_view airportIdent, ProcedureKind kind);

  const std::vector<NavRecord>& results() const { return results_; }
  const std::vector<const Airway*>& airwayHits() const { return airwayHits_; }
  const std::vector<ProcedureIndexEntry>& procedureIndex() const { return procedureIndex_; }
  const std::string& procedureFile() const { return procedureFile_; }
  const ExpiryDate& expiry() const { return expiry_; }

  const std::vector<NavRecord>& vors() const { return vors_; }
  const std::vector<NavRecord>& ndbs() const { return ndbs_; }
  const std::vector<NavRecord>& waypoints() const { return waypoints_; }
  // Indices into waypoints() of the waypoints whose names are not coded.
  const std::vector<std::uint32_t>& namedWaypoints() const { return namedWaypoints_; }
  const std::vector<NavRecord>& airports() const { return airports_; }
  const std::vector<NavRecord>& runways() const { return runways_; }
  const std::vector<Airway>& airways() const { return airways_; }

 private:
  void load();
  void appendMatches(const std::vector<NavRecord>& table, std::string_view ident);
  void sortResultsByDistanceFrom(const LatLon& reference);

  std::string navDataFolder_;
  std::vector<NavRecord> vors_, ndbs_, waypoints_, airports_, runways_;
  std::vector<std::uint32_t> namedWaypoints_;
  std::vector<Airway> airways_;
  ExpiryDate expiry_;

  std::vector<NavRecord> results_;
  std::vector<const Airway*> airwayHits_;
  std::vector<ProcedureIndexEntry> procedureIndex_;
  std::string procedureFile_;
};

}  // namespace xaq::fms
