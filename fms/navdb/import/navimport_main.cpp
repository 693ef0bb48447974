// xaq-navimport: fills a simulator folder's Xaq/NavData from X-Plane format navigation data
// (the files FlightGear ships; Debian's flightgear-data-base package by default).
//
//   xaq-navimport [--from DIR] [--nav FILE] [--fix FILE] [--awy FILE] [--apt FILE]
//                 [--region SOUTH,WEST,NORTH,EAST] [--date YYYY-MM-DD] <simulator folder>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "fms/navdb/import/nav_writer.h"
#include "fms/navdb/import/source_text.h"

namespace {

using namespace xaq::fms::navimport;
namespace fs = std::filesystem;

constexpr const char* kDefaultData = "/usr/share/games/flightgear";

int usage() {
  std::fprintf(stderr,
               "usage: xaq-navimport [--from DIR] [--nav FILE] [--fix FILE] [--awy FILE] [--apt FILE]\n"
               "                     [--region SOUTH,WEST,NORTH,EAST] [--date YYYY-MM-DD] <simulator folder>\n"
               "  reads DIR/Navaids/{nav,fix,awy}.dat[.gz] and DIR/Airports/apt.dat[.gz] (DIR defaults to %s,\n"
               "  where Debian's flightgear-data-base puts them) and writes <simulator folder>/Xaq/NavData/xaq*.dat\n",
               kDefaultData);
  return 2;
}

// The named file, or the default one, compressed or not.
std::string sourcePath(const std::string& given, const std::string& folder, const char* relative) {
  if (!given.empty()) return given;
  const fs::path base = fs::path(folder) / relative;
  if (fs::exists(base.string() + ".gz")) return base.string() + ".gz";
  return base.string();
}

bool parseRegion(const std::string& text, Region& region) {
  double v[4];
  char tail = 0;
  if (std::sscanf(text.c_str(), "%lf,%lf,%lf,%lf%c", &v[0], &v[1], &v[2], &v[3], &tail) != 4) return false;
  if (v[0] < -90 || v[2] > 90 || v[0] > v[2] || v[1] < -180 || v[1] > 180 || v[3] < -180 || v[3] > 180) return false;
  region = {false, v[0], v[1], v[2], v[3]};
  return true;
}

template <typename Read>
auto timed(const std::string& path, Read&& read) {
  const auto start = std::chrono::steady_clock::now();
  const std::string text = readSourceText(path);
  auto result = read(text, fs::path(path).filename().string());
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("%-12s version %4d, %zu lines, %.1f s: ", fs::path(path).filename().string().c_str(), result.header.version,
              static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')), seconds);
  return result;
}

}  // namespace

int main(int argc, char** argv) {
  std::string from = kDefaultData, nav, fix, awy, apt, target;
  ImportOptions options;
  options.date = xaq::fms::tools::today();
  const std::vector<std::string> args(argv + 1, argv + argc);
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    const bool hasValue = i + 1 < args.size();
    if (a == "--from" && hasValue) from = args[++i];
    else if (a == "--nav" && hasValue) nav = args[++i];
    else if (a == "--fix" && hasValue) fix = args[++i];
    else if (a == "--awy" && hasValue) awy = args[++i];
    else if (a == "--apt" && hasValue) apt = args[++i];
    else if (a == "--region" && hasValue) {
      if (!parseRegion(args[++i], options.region)) {
        std::fprintf(stderr, "xaq-navimport: --region wants SOUTH,WEST,NORTH,EAST in degrees (south below north), not \"%s\"\n", args[i].c_str());
        return 1;
      }
    } else if (a == "--date" && hasValue) {
      const auto date = xaq::fms::tools::parseIsoDate(args[++i]);
      if (!date) {
        std::fprintf(stderr, "xaq-navimport: --date wants a date as YYYY-MM-DD, not \"%s\"\n", args[i].c_str());
        return 1;
      }
      options.date = *date;
    } else if (a.rfind("--", 0) == 0 || !target.empty()) {
      return usage();
    } else {
      target = a;
    }
  }
  if (target.empty()) return usage();

  try {
    ImportSources s;
    s.navaids = timed(sourcePath(nav, from, "Navaids/nav.dat"), readNavaids);
    std::printf("%zu navaid rows\n", s.navaids.rows);
    s.fixes = timed(sourcePath(fix, from, "Navaids/fix.dat"), readFixes);
    std::printf("%zu fixes\n", s.fixes.fixes.size());
    s.airways = timed(sourcePath(awy, from, "Navaids/awy.dat"), readAirways);
    std::printf("%zu airway segments\n", s.airways.segments.size());
    s.airports = timed(sourcePath(apt, from, "Airports/apt.dat"), readAirports);
    std::printf("%zu airports (%zu heliports passed over)\n", s.airports.airports.size(), s.airports.heliports);

    const NavDataFiles files = buildNavData(s, options);
    writeNavDataFolder(target, files);
    const ImportCounts& n = files.counts;
    std::printf("wrote %s: %zu VORs, %zu NDBs, %zu waypoints, %zu airports, %zu runways (%zu with ILS), "
                "%zu airways in %zu pieces (%zu points)\n",
                (fs::path(target) / "Xaq" / "NavData").string().c_str(), n.vors, n.ndbs, n.waypoints, n.airports, n.runways,
                n.runwaysWithIls, n.airways, n.airwayPieces, n.airwayPoints);
    if (n.unnamed + n.unplacedAirports + n.unknownSegmentEnds > 0) {
      std::printf("passed over: %zu records without a usable name, %zu airports without a position, "
                  "%zu airway segments naming an unknown fix\n",
                  n.unnamed, n.unplacedAirports, n.unknownSegmentEnds);
    }
  } catch (const ImportError& e) {
    std::fprintf(stderr, "xaq-navimport: %s\n", e.what());
    return 1;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "xaq-navimport: %s\n", e.what());
    return 1;
  }
  return 0;
}
