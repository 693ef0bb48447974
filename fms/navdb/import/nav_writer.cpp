#include "fms/navdb/import/nav_writer.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <map>
#include <tuple>
#include <unordered_map>

#include "fms/base/spherical.h"
#include "fms/magvar/tools/wmm_model.h"
#include "fms/navdb/import/airway_chain.h"
#include "fms/navdb/import/source_text.h"

namespace xaq::fms::navimport {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kNameChars = 40;  // free text after a record; lines stay far below 254
constexpr double kFeetPerMetre = 3.280839895;
constexpr double kMetresPerNm = 1852.0;

std::string printable(std::string_view text) {
  std::string s;
  for (const char c : text) {
    if (s.size() == kNameChars) break;
    s += c >= 32 && c < 127 ? c : '?';
  }
  while (!s.empty() && s.back() == ' ') s.pop_back();
  return s;
}

// One record line, "\r\n" ended as the files users install are.
template <typename... Args>
void line(std::string& out, const char* format, Args... args) {
  char buffer[256];
  const int n = std::snprintf(buffer, sizeof buffer, format, args...);
  out.append(buffer, static_cast<std::size_t>(std::clamp(n, 0, static_cast<int>(sizeof buffer) - 1)));
  out += "\r\n";
}

struct Placed {
  std::string ident;
  double latDeg = 0.0, lonDeg = 0.0;
  std::string text;  // the rest of the line after the coordinates
};

// Sorted by identifier in byte order (the loader's lookups bisect), file order among equals.
void sortByIdent(std::vector<Placed>& v) {
  std::stable_sort(v.begin(), v.end(), [](const Placed& a, const Placed& b) { return a.ident < b.ident; });
}

std::string writeTable(const std::vector<Placed>& v, const std::string& firstLines) {
  std::string out = firstLines;
  for (const Placed& p : v) line(out, "%-5s %10.6f %11.6f%s", p.ident.c_str(), p.latDeg, p.lonDeg, p.text.c_str());
  return out;
}

const char* monthName(int month) {
  static constexpr const char* kMonths[] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN", "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
  return kMonths[(month - 1) % 12];
}

std::string key3(std::string_view ident, std::string_view region, int kind) {
  return std::string(ident) + '|' + std::string(region) + '|' + std::to_string(kind);
}

}  // namespace

bool Region::contains(double latDeg, double lonDeg) const {
  if (all) return true;
  if (latDeg < southDeg || latDeg > northDeg) return false;
  return westDeg <= eastDeg ? lonDeg >= westDeg && lonDeg <= eastDeg : lonDeg >= westDeg || lonDeg <= eastDeg;
}

std::string fileIdent(std::string_view name, std::size_t maxChars) {
  std::string s;
  for (const char c : name) {
    if (s.size() == maxChars) break;
    if (c >= 'a' && c <= 'z') s += static_cast<char>(c - 'a' + 'A');
    else if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) s += c;
    else s += '_';
  }
  if (s.empty() || s[0] == '_') return {};
  return s;
}

std::string airacLine(int cycle) {
  if (cycle <= 0) return ";AIRAC CYCLE UNKNOWN, XAQ-NAVIMPORT, NO EXPIRY DATE IN THE SOURCE\r\n";
  // Cycles run 28 days apart; cycle 2001 took effect on 2 January 2020.
  const int year = 2000 + cycle / 100;
  const long base = tools::daysFromCivil({2020, 1, 2});
  const long jan1 = tools::daysFromCivil({year, 1, 1});
  long first = base + ((jan1 - base) / 28) * 28;
  while (first < jan1) first += 28;
  while (first - 28 >= jan1) first -= 28;
  const tools::CalendarDate from = tools::civilFromDays(first + 28L * (cycle % 100 - 1));
  const tools::CalendarDate to = tools::civilFromDays(first + 28L * (cycle % 100));
  char text[128];
  std::snprintf(text, sizeof text, ";AIRAC %04d XAQ-NAVIMPORT, VALID %02d-%s-%04d - %02d-%s-%04d\r\n", cycle, from.day,
                monthName(from.month), from.year, to.day, monthName(to.month), to.year);
  return text;
}

NavDataFiles buildNavData(const ImportSources& sources, const ImportOptions& options) {
  NavDataFiles files;
  ImportCounts& n = files.counts;
  const Region& region = options.region;
  const auto model = tools::WmmModel::parse(tools::builtInWmmCoefficients());
  const double year = tools::decimalYear(options.date);

  std::vector<Placed> vors, ndbs, waypoints, airports;
  // Localizers by airport and runway as the source names them, for the runway records.
  std::map<std::pair<std::string, std::string>, int> localizers;
  // Where the 1100 airway file's fixes are: identifier, region and kind.
  std::unordered_map<std::string, std::pair<double, double>> where;
  for (const Navaid& a : sources.navaids.navaids) {
    if (a.kind == NavaidKind::Localizer) {
      localizers.emplace(std::make_pair(a.airport, a.runway), a.frequency);
      continue;
    }
    where.emplace(key3(a.ident, a.region, a.kind == NavaidKind::Ndb ? 2 : 3), std::make_pair(a.latDeg, a.lonDeg));
    if (!region.contains(a.latDeg, a.lonDeg)) continue;
    const std::string ident = fileIdent(a.ident);
    if (ident.empty()) {
      ++n.unnamed;
      continue;
    }
    char text[80];
    if (a.kind == NavaidKind::Vor) {
      std::snprintf(text, sizeof text, " %d.%02d %s", a.frequency / 100, a.frequency % 100, printable(a.name).c_str());
      vors.push_back({ident, a.latDeg, a.lonDeg, text});
    } else {
      std::snprintf(text, sizeof text, " %d.0 %s", a.frequency, printable(a.name).c_str());
      ndbs.push_back({ident, a.latDeg, a.lonDeg, text});
    }
  }
  for (const Fix& f : sources.fixes.fixes) {
    where.emplace(key3(f.ident, f.region, 11), std::make_pair(f.latDeg, f.lonDeg));
    if (!region.contains(f.latDeg, f.lonDeg)) continue;
    const std::string ident = fileIdent(f.ident);
    if (ident.empty()) {
      ++n.unnamed;
      continue;
    }
    waypoints.push_back({ident, f.latDeg, f.lonDeg, {}});
  }

  std::vector<std::tuple<std::string, std::size_t, std::string>> runwayLines;  // ident, order, line
  for (const Airport& a : sources.airports.airports) {
    if (!a.positioned) {
      ++n.unplacedAirports;
      continue;
    }
    if (!region.contains(a.latDeg, a.lonDeg)) continue;
    const std::string ident = fileIdent(a.ident);
    if (ident.empty()) {
      ++n.unnamed;
      continue;
    }
    airports.push_back({ident, a.latDeg, a.lonDeg, " " + std::to_string(a.elevationFt) + " " + printable(a.name)});
    for (const Runway& r : a.runways) {
      for (int e = 0; e < 2; ++e) {
        const RunwayEnd& end = r.ends[e];
        const RunwayEnd& other = r.ends[1 - e];
        const LatLon p{end.latDeg, end.lonDeg}, q{other.latDeg, other.lonDeg};
        const double lengthM = distanceNm(p, q) * kMetresPerNm;
        // The threshold lies the displaced distance down the runway from its end.
        const double along = lengthM > 0.0 ? std::clamp(end.displacedM / lengthM, 0.0, 0.5) : 0.0;
        const double lat = p.latDeg + (q.latDeg - p.latDeg) * along;
        const double lon = p.lonDeg + (q.lonDeg - p.lonDeg) * along;
        const double variation = model ? model->declinationDeg(lat, lon, 0.0, year) : 0.0;
        long heading = std::lround(normaliseDeg(initialCourseDeg(p, q) - variation));
        if (heading == 0) heading = 360;
        std::string designator = fileIdent(end.designator, 3);
        if (designator.empty()) designator = "RW";
        char text[160];
        const auto ils = localizers.find({a.ident, end.designator});
        const int lengthFt = static_cast<int>(std::lround(lengthM * kFeetPerMetre));
        if (ils != localizers.end()) {
          std::snprintf(text, sizeof text, "%-5s %-3s %10.6f %11.6f %3ld %5d %d.%02d %d", ident.c_str(), designator.c_str(), lat, lon,
                        heading, lengthFt, ils->second / 100, ils->second % 100, a.elevationFt);
          ++n.runwaysWithIls;
        } else {
          std::snprintf(text, sizeof text, "%-5s %-3s %10.6f %11.6f %3ld %5d", ident.c_str(), designator.c_str(), lat, lon,
                        heading, lengthFt);
        }
        runwayLines.emplace_back(ident, runwayLines.size(), text);
      }
    }
  }
  std::sort(runwayLines.begin(), runwayLines.end());

  // Airways: segments with both ends in the region, their ends placed.
  std::vector<AirwaySegment> segments;
  for (AirwaySegment s : sources.airways.segments) {
    bool placed = true;
    for (SegmentEnd* e : {&s.from, &s.to}) {
      if (e->positioned) continue;
      const auto it = where.find(key3(e->ident, e->region, e->fixKind));
      if (it == where.end()) {
        placed = false;
        break;
      }
      e->latDeg = it->second.first;
      e->lonDeg = it->second.second;
      e->positioned = true;
    }
    if (!placed) {
      ++n.unknownSegmentEnds;
      continue;
    }
    if (region.contains(s.from.latDeg, s.from.lonDeg) && region.contains(s.to.latDeg, s.to.lonDeg)) segments.push_back(std::move(s));
  }
  std::vector<std::string> names;
  for (const AirwayPiece& piece : chainAirways(segments)) {
    const std::string name = fileIdent(piece.name, 5);
    if (name.empty()) {
      ++n.unnamed;
      continue;
    }
    // A new group code for every piece, so neighbouring pieces of one airway stay apart.
    static constexpr char kDigits[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    const std::size_t code = n.airwayPieces++ % (36 * 36);
    const char group[4] = {piece.high ? 'H' : 'L', kDigits[code / 36], kDigits[code % 36], '\0'};
    if (names.empty() || names.back() != name) names.push_back(name);
    int sequence = 0;
    for (const PiecePoint& p : piece.points) {
      sequence += 10;
      line(files.airway, "%s %-5s,%04d,%c,%s,%10.6f,%11.6f", group, name.c_str(), sequence, piece.high ? 'H' : 'L',
           fileIdent(p.ident).c_str(), p.latDeg, p.lonDeg);
      ++n.airwayPoints;
    }
  }
  std::sort(names.begin(), names.end());
  n.airways = static_cast<std::size_t>(std::unique(names.begin(), names.end()) - names.begin());

  sortByIdent(vors);
  sortByIdent(ndbs);
  sortByIdent(waypoints);
  sortByIdent(airports);
  const std::string origin = "; Written by xaq-navimport from X-Plane format data (GPL-2+ where the source is). Not for navigation.\r\n";
  files.vor = writeTable(vors, origin + airacLine(sources.navaids.header.airacCycle) + "; IDENT LATITUDE LONGITUDE MHZ NAME\r\n");
  files.ndb = writeTable(ndbs, origin + "; IDENT LATITUDE LONGITUDE KHZ NAME\r\n");
  files.waypoint = writeTable(waypoints, origin + "; IDENT LATITUDE LONGITUDE\r\n");
  files.airport = writeTable(airports, origin + "; IDENT LATITUDE LONGITUDE ELEVATION-FT NAME\r\n");
  files.runway = origin + "; AIRPORT RUNWAY LATITUDE LONGITUDE HEADING-MAG LENGTH-FT [ILS-MHZ ELEVATION-FT]\r\n";
  for (const auto& r : runwayLines) {
    files.runway += std::get<2>(r);
    files.runway += "\r\n";
  }
  files.airway = origin + "; GRP NAME ,SEQ,LEVEL,FIX,LATITUDE,LONGITUDE\r\n" + files.airway;
  n.vors = vors.size();
  n.ndbs = ndbs.size();
  n.waypoints = waypoints.size();
  n.airports = airports.size();
  n.runways = runwayLines.size();
  return files;
}

void writeNavDataFolder(const std::string& simFolder, const NavDataFiles& files) {
  const fs::path folder = fs::path(simFolder) / "Xaq" / "NavData";
  std::error_code ec;
  fs::create_directories(folder, ec);
  if (ec) throw ImportError(folder.string() + ": cannot create the folder (" + ec.message() + ")");
  const std::pair<const char*, const std::string*> outputs[] = {
      {"xaqvor.dat", &files.vor},      {"xaqndb.dat", &files.ndb},        {"xaqwpt.dat", &files.waypoint},
      {"xaqapt.dat", &files.airport}, {"xaqrwy.dat", &files.runway}, {"xaqawy.dat", &files.airway}};
  std::vector<fs::path> written;
  const auto discard = [&] {
    for (const fs::path& p : written) fs::remove(p, ec);
  };
  for (const auto& [name, text] : outputs) {
    const fs::path partial = folder / (std::string(".") + name + ".partial");
    written.push_back(partial);
    std::FILE* f = std::fopen(partial.string().c_str(), "wb");
    bool ok = f != nullptr && std::fwrite(text->data(), 1, text->size(), f) == text->size();
    if (f != nullptr) ok = std::fclose(f) == 0 && ok;
    if (!ok) {
      discard();
      throw ImportError(partial.string() + ": cannot write the file");
    }
  }
  // The old set is moved aside while the new one goes in, and comes back if any file cannot.
  for (const auto& [name, text] : outputs) {
    if (fs::is_directory(folder / name)) {
      discard();
      throw ImportError((folder / name).string() + ": a folder has the data file's name");
    }
  }
  std::vector<bool> moved(written.size(), false), placed(written.size(), false);
  const auto previous = [&](std::size_t i) { return folder / (std::string(".") + outputs[i].first + ".previous"); };
  for (std::size_t i = 0; i < written.size(); ++i) {
    const fs::path target = folder / outputs[i].first;
    if (fs::exists(target)) {
      fs::rename(target, previous(i), ec);
      moved[i] = !ec;
    }
    if (!ec) fs::rename(written[i], target, ec);
    placed[i] = !ec;
    if (ec) {
      const std::string why = ec.message();
      for (std::size_t j = 0; j <= i; ++j) {
        if (placed[j]) fs::remove(folder / outputs[j].first, ec);
        if (moved[j]) fs::rename(previous(j), folder / outputs[j].first, ec);
      }
      discard();
      throw ImportError(target.string() + ": cannot put the file in place (" + why + ")");
    }
  }
  for (std::size_t i = 0; i < written.size(); ++i) {
    if (moved[i]) fs::remove(previous(i), ec);
  }
}

}  // namespace xaq::fms::navimport
