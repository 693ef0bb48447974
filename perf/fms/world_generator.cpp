#include "perf/fms/world_generator.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace xaq::fms::perf {
namespace {

// splitmix64: small, fast and the same on every platform.
class Random {
 public:
  explicit Random(std::uint64_t seed) : state_(seed) {}
  std::uint64_t next() {
    std::uint64_t z = (state_ += 0x9e3779b97f4a7c15ull);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
    return z ^ (z >> 31);
  }
  int below(int n) { return static_cast<int>(next() % static_cast<std::uint64_t>(n)); }
  double uniform(double lo, double hi) { return lo + (hi - lo) * static_cast<double>(next() >> 11) / 9007199254740992.0; }

 private:
  std::uint64_t state_;
};

struct Fix {
  std::string ident;
  double lat = 0.0, lon = 0.0;
};

std::string letters(Random& r, int n) {
  std::string s;
  for (int i = 0; i < n; ++i) s += static_cast<char>('A' + r.below(26));
  return s;
}
std::string digits(Random& r, int n) {
  std::string s;
  for (int i = 0; i < n; ++i) s += static_cast<char>('0' + r.below(10));
  return s;
}

std::vector<Fix> makeFixes(Random& r, int count, auto&& makeIdent) {
  std::vector<Fix> fixes(static_cast<std::size_t>(count));
  for (Fix& f : fixes) {
    f.ident = makeIdent();
    f.lat = r.uniform(-60.0, 72.0);
    f.lon = r.uniform(-180.0, 180.0);
  }
  std::stable_sort(fixes.begin(), fixes.end(), [](const Fix& a, const Fix& b) { return a.ident < b.ident; });
  return fixes;
}

class Writer {
 public:
  explicit Writer(const std::string& path) : f_(std::fopen(path.c_str(), "wb")) {}
  ~Writer() {
    if (f_ != nullptr) std::fclose(f_);
  }
  Writer(const Writer&) = delete;
  Writer& operator=(const Writer&) = delete;
  bool ok() const { return f_ != nullptr; }
  // One line from a printf format without its line end; the line ends DOS style, as the data
  // files users install have them.
  template <typename... Args>
  void line(const char* format, Args... args) {
    std::fprintf(f_, format, args...);
    std::fputs("\r\n", f_);
  }

 private:
  std::FILE* f_;
};

}  // namespace

bool generateWorld(const std::string& simFolder, const WorldSize& size, std::uint64_t seed) {
  const std::filesystem::path dir = std::filesystem::path(simFolder) / "Xaq" / "NavData";
  std::error_code ec;
  std::filesystem::create_directories(dir, ec);
  Random r(seed);

  const auto vors = makeFixes(r, size.vors, [&] { return letters(r, 3); });
  const auto ndbs = makeFixes(r, size.ndbs, [&] { return letters(r, 2 + r.below(2)); });
  const auto waypoints = makeFixes(r, size.waypoints, [&] {
    switch (r.below(10)) {  // about one in five names is coded
      case 0: return "D" + digits(r, 3) + letters(r, 1);
      case 1: return digits(r, 4) + "NSEW"[r.below(4)];
      default: return letters(r, 5);
    }
  });
  std::vector<Fix> airports;
  {
    // Unique four-letter identifiers: distinct draws from the 26^4 space.
    std::vector<int> codes;
    while (static_cast<int>(codes.size()) < size.airports) {
      codes.push_back(r.below(26 * 26 * 26 * 26));
      if (codes.size() % 4096 == 0 || static_cast<int>(codes.size()) == size.airports) {
        std::sort(codes.begin(), codes.end());
        codes.erase(std::unique(codes.begin(), codes.end()), codes.end());
      }
    }
    for (int code : codes) {
      Fix a;
      for (int i = 0; i < 4; ++i, code /= 26) a.ident.insert(a.ident.begin(), static_cast<char>('A' + code % 26));
      a.lat = r.uniform(-60.0, 72.0);
      a.lon = r.uniform(-180.0, 180.0);
      airports.push_back(a);
    }
  }

  Writer vor((dir / "xaqvor.dat").string());
  Writer ndb((dir / "xaqndb.dat").string());
  Writer wpt((dir / "xaqwpt.dat").string());
  Writer apt((dir / "xaqapt.dat").string());
  Writer rwy((dir / "xaqrwy.dat").string());
  Writer awy((dir / "xaqawy.dat").string());
  if (!vor.ok() || !ndb.ok() || !wpt.ok() || !apt.ok() || !rwy.ok() || !awy.ok()) return false;

  vor.line(";AIRAC 2601 GENERATED WORLD DATA SET 22-JAN-2026 - 19-FEB-2026 BENCHMARK");
  for (const Fix& f : vors) vor.line("%-5s %10.6f %11.6f %d.%02d VOR %s", f.ident.c_str(), f.lat, f.lon, 108 + r.below(10), r.below(20) * 5, f.ident.c_str());
  for (const Fix& f : ndbs) ndb.line("%-5s %10.6f %11.6f %d.%d NDB %s", f.ident.c_str(), f.lat, f.lon, 190 + r.below(1500), r.below(2) * 5, f.ident.c_str());
  for (const Fix& f : waypoints) wpt.line("%-5s %10.6f %11.6f", f.ident.c_str(), f.lat, f.lon);
  for (const Fix& f : airports) apt.line("%-5s %10.6f %11.6f %d AIRPORT %s", f.ident.c_str(), f.lat, f.lon, r.below(9000), f.ident.c_str());
  for (int i = 0; i < size.runwayLines; ++i) {
    const Fix& a = airports[static_cast<std::size_t>(r.below(static_cast<int>(airports.size())))];
    const int heading = 1 + r.below(36);
    if (r.below(3) == 0) {
      rwy.line("%-5s %02d %10.6f %11.6f %3d %5d", a.ident.c_str(), heading, a.lat, a.lon, heading * 10, 3000 + r.below(9000));
    } else {
      rwy.line("%-5s %02d%c %10.6f %11.6f %3d %5d %d.%02d %d", a.ident.c_str(), heading, "LCR"[r.below(3)], a.lat, a.lon,
               heading * 10, 3000 + r.below(9000), 108 + r.below(4), r.below(20) * 5, r.below(9000));
    }
  }
  for (int written = 0, airway = 0; written < size.airwayLines; ++airway) {
    const int points = std::min(5 + r.below(21), size.airwayLines - written);
    const char kind = "JVQ"[r.below(3)];
    for (int k = 0; k < points; ++k, ++written) {
      const Fix& f = waypoints[static_cast<std::size_t>(r.below(static_cast<int>(waypoints.size())))];
      awy.line("K%dH %c%-4d,%04d,H,%s,%10.6f,%11.6f", airway % 10, kind, airway % 10000, (k + 1) * 10, f.ident.c_str(), f.lat, f.lon);
    }
  }
  return true;
}

}  // namespace xaq::fms::perf
