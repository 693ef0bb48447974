#include "fms/navdb/nav_database.h"

#include <algorithm>
#include <cstring>

#include "fms/base/file_io.h"
#include "fms/navdb/nav_file_parsers.h"

namespace xaq::fms {
namespace {

// Named waypoints within this squared coordinate difference (degrees squared) are listed.
constexpr double kListRadiusSqDeg = 1000.0;
constexpr double kAirwayFixToleranceNm = 5.0;

// Byte order of identifiers, the order the data files are sorted in.
int compareIdent(const FixedText<11>& stored, std::string_view query) {
  const std::string_view s = stored.view();
  const std::size_t n = std::min(s.size(), query.size());
  const int c = n == 0 ? 0 : std::memcmp(s.data(), query.data(), n);
  if (c != 0) return c;
  return s.size() < query.size() ? -1 : (s.size() > query.size() ? 1 : 0);
}

}  // namespace

NavDatabase::NavDatabase(std::string simFolder)
    : navDataFolder_(joinPath(simFolder, kNavDataFolder)) {
  load();
}

void NavDatabase::load() {
  // Each file is read only when every file before it could be opened. One buffer serves all
  // six files.
  FileBuffer file;
  if (!file.read(joinPath(navDataFolder_, "xaqvor.dat"))) return;
  parseVorFile(file.text(), vors_, expiry_);
  if (!file.read(joinPath(navDataFolder_, "xaqndb.dat"))) return;
  parseNdbFile(file.text(), ndbs_);
  if (!file.read(joinPath(navDataFolder_, "xaqwpt.dat"))) return;
  parseWaypointFile(file.text(), waypoints_, namedWaypoints_);
  if (!file.read(joinPath(navDataFolder_, "xaqapt.dat"))) return;
  parseAirportFile(file.text(), airports_);
  if (!file.read(joinPath(navDataFolder_, "xaqrwy.dat"))) return;
  parseRunwayFile(file.text(), runways_);
  if (!file.read(joinPath(navDataFolder_, "xaqawy.dat"))) return;
  parseAirwayFile(file.text(), airways_);
}

void NavDatabase::appendMatches(const std::vector<NavRecord>& table, std::string_view ident) {
  // Bisection for the equal range. The files must be sorted; when one is not, some identifiers
  // are simply not found, and the search stays inside the table either way.
  std::size_t lo = 0, hi = table.size();
  while (lo < hi) {
    const std::size_t mid = lo + (hi - lo) / 2;
    if (compareIdent(table[mid].ident, ident) < 0) lo = mid + 1; else hi = mid;
  }
  for (std::size_t i = lo; i < table.size() && compareIdent(table[i].ident, ident) == 0; ++i) {
    results_.push_back(table[i]);
  }
}

void NavDatabase::sortResultsByDistanceFrom(const LatLon& reference) {
  for (NavRecord& r : results_) r.distance = distanceNm(reference, {r.latitude, r.longitude});
  // Stable, so equal distances keep table order and every run gives the same list. Lookups by
  // identifier find a handful of records: an insertion sort spares the merge buffer.
  const auto nearer = [](const NavRecord& a, const NavRecord& b) { return a.distance < b.distance; };
  if (results_.size() > 16) {
    std::stable_sort(results_.begin(), results_.end(), nearer);
    return;
  }
  for (std::size_t i = 1; i < results_.size(); ++i) {
    for (std::size_t j = i; j > 0 && nearer(results_[j], results_[j - 1]); --j) std::swap(results_[j], results_[j - 1]);
  }
}

const std::vector<NavRecord>& NavDatabase::findByIdent(std::string_view ident, std::uint32_t typeMask,
                                                       const LatLon& presentPosition) {
  results_.clear();
  if (typeMask & typeBit(FacilityType::Ndb)) appendMatches(ndbs_, ident);
  if (typeMask & typeBit(FacilityType::Vor)) appendMatches(vors_, ident);
  if (typeMask & typeBit(FacilityType::Intersection)) appendMatches(waypoints_, ident);
  if (typeMask & typeBit(FacilityType::Airport)) appendMatches(airports_, ident);
  sortResultsByDistanceFrom(presentPosition);
  return results_;
}

const std::vector<NavRecord>& NavDatabase::listByCategory(const LatLon& reference, std::uint32_t typeMask) {
  results_.clear();
  if (typeMask & typeBit(FacilityType::Ndb)) results_.insert(results_.end(), ndbs_.begin(), ndbs_.end());
  if (typeMask & typeBit(FacilityType::Vor)) results_.insert(results_.end(), vors_.begin(), vors_.end());
  if (typeMask & typeBit(FacilityType::Intersection)) {
    for (const std::uint32_t i : namedWaypoints_) {
      const NavRecord& w = waypoints_[i];
      const double dLat = w.latitude - reference.latDeg, dLon = w.longitude - reference.lonDeg;
      if (dLat * dLat + dLon * dLon < kListRadiusSqDeg) results_.push_back(w);
    }
  }
  if (typeMask & typeBit(FacilityType::Airport)) {
    results_.insert(results_.end(), airports_.begin(), airports_.end());
  }
  sortResultsByDistanceFrom(reference);
  return results_;
}

const std::vector<NavRecord>& NavDatabase::runwaysOfAirport(std::string_view airportIdent) {
  results_.clear();
  for (const NavRecord& r : runways_) {
    if (r.ident == airportIdent) results_.push_back(r);
  }
  return results_;
}

const std::vector<const Airway*>& NavDatabase::airwaysThrough(std::string_view fixIdent, const LatLon& fix) {
  airwayHits_.clear();
  for (const Airway& a : airways_) {
    for (const AirwayPoint& p : a.points) {
      if (p.ident == fixIdent && distanceNm(fix, {p.latitude, p.longitude}) < kAirwayFixToleranceNm) {
        airwayHits_.push_back(&a);
        break;
      }
    }
  }
  return airwayHits_;
}

const std::vector<ProcedureIndexEntry>& NavDatabase::indexProcedures(std::string_view airportIdent,
                                                                     ProcedureKind kind) {
  procedureIndex_.clear();
  procedureFile_ = joinPath(navDataFolder_, kind == ProcedureKind::Departure ? "xaqSid.dat" : "xaqStar.dat");
  FileBuffer file;
  if (file.read(procedureFile_)) indexProcedureText(file.text(), airportIdent, procedureIndex_);
  return procedureIndex_;
}

}  // namespace xaq::fms
