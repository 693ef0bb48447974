#include "fms/navdb/import/xplane_readers.h"

#include <charconv>
#include <initializer_list>

#include "fms/navdb/import/source_text.h"

namespace xaq::fms::navimport {
namespace {

std::vector<std::string_view> tokens(std::string_view line) {
  std::vector<std::string_view> out;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
    const std::size_t start = i;
    while (i < line.size() && line[i] != ' ' && line[i] != '\t') ++i;
    if (i > start) out.push_back(line.substr(start, i - start));
  }
  return out;
}

// The tokens from index first on, joined by single blanks: the free-text name at a row's end.
std::string restFrom(const std::vector<std::string_view>& t, std::size_t first) {
  std::string s;
  for (std::size_t i = first; i < t.size(); ++i) {
    if (!s.empty()) s += ' ';
    s += t[i];
  }
  return s;
}

template <typename T>
T number(const SourceLines& lines, std::string_view token, const char* what) {
  T value{};
  const auto r = std::from_chars(token.data(), token.data() + token.size(), value);
  if (r.ec != std::errc() || r.ptr != token.data() + token.size()) {
    lines.fail(std::string("the ") + what + " \"" + std::string(token) + "\" is not a number");
  }
  return value;
}

void position(const SourceLines& lines, std::string_view latText, std::string_view lonText, double& lat, double& lon) {
  lat = number<double>(lines, latText, "latitude");
  lon = number<double>(lines, lonText, "longitude");
  if (lat < -90.0 || lat > 90.0 || lon < -180.0 || lon > 180.0) {
    lines.fail("position " + std::string(latText) + " " + std::string(lonText) + " is off the globe");
  }
}

void need(const SourceLines& lines, const std::vector<std::string_view>& t, std::size_t count, const char* what) {
  if (t.size() < count) {
    lines.fail(std::string(what) + " row has " + std::to_string(t.size()) + " fields, needs at least " + std::to_string(count));
  }
}

// "... data cycle 2013.10, ..." or "... data cycle 1802, ..." as YYCC.
int airacCycle(std::string_view header) {
  const std::size_t at = header.find("data cycle ");
  if (at == std::string_view::npos) return 0;
  std::string_view rest = header.substr(at + 11);
  int first = 0;
  const auto r = std::from_chars(rest.data(), rest.data() + rest.size(), first);
  if (r.ec != std::errc()) return 0;
  if (first >= 1000 && r.ptr < rest.data() + rest.size() && *r.ptr == '.') {
    int cycle = 0;
    const auto c = std::from_chars(r.ptr + 1, rest.data() + rest.size(), cycle);
    if (c.ec != std::errc() || cycle < 1 || cycle > 14) return 0;
    return (first % 100) * 100 + cycle;
  }
  return first >= 100 && first % 100 >= 1 && first % 100 <= 14 ? first : 0;
}

// The "I" or "A" line (FlightGear's navaid file starts without it) and the version line.
SourceHeader readHeader(SourceLines& lines, std::initializer_list<int> versions, bool orLater = false) {
  std::string_view line;
  bool sawOrigin = false;
  while (lines.next(line)) {
    const auto t = tokens(line);
    if (t.empty()) continue;
    if (!sawOrigin && t.size() == 1 && (t[0] == "I" || t[0] == "A")) {
      sawOrigin = true;
      continue;
    }
    SourceHeader h;
    const auto r = std::from_chars(t[0].data(), t[0].data() + t[0].size(), h.version);
    if (r.ec != std::errc() || t.size() < 2 || t[1] != "Version") lines.fail("no version line (\"NNN Version ...\") at the start");
    bool known = false;
    std::string list;
    for (const int v : versions) {
      known = known || v == h.version || (orLater && h.version >= v);
      list += (list.empty() ? "" : ", ") + std::to_string(v);
    }
    if (!known) lines.fail("version " + std::to_string(h.version) + " is not one this importer reads (" + list + (orLater ? " and later" : "") + ")");
    h.airacCycle = airacCycle(line);
    return h;
  }
  lines.fail("the file is empty");
}

// Calls row(tokens) for every data row up to the closing "99"; a file without it was cut short.
template <typename Row>
void readRows(SourceLines& lines, Row&& row) {
  std::string_view line;
  while (lines.next(line)) {
    const auto t = tokens(line);
    if (t.empty()) continue;
    if (t[0] == "99") return;
    row(t);
  }
  lines.fail("the file ends without its closing \"99\" line: it was cut short");
}

}  // namespace

NavaidFile readNavaids(std::string_view text, const std::string& name) {
  SourceLines lines(text, name);
  NavaidFile file;
  file.header = readHeader(lines, {810, 1100, 1150});
  const bool regions = file.header.version >= 1100;
  readRows(lines, [&](const std::vector<std::string_view>& t) {
    ++file.rows;
    const int code = number<int>(lines, t[0], "row code");
    if (code < 2 || code > 5) return;  // glide slopes, markers, DMEs and the rest: not used
    const bool localizer = code >= 4;
    need(lines, t, localizer ? (regions ? 11 : 10) : (regions ? 10 : 8), localizer ? "a localizer" : code == 2 ? "an NDB" : "a VOR");
    Navaid n;
    n.kind = code == 2 ? NavaidKind::Ndb : code == 3 ? NavaidKind::Vor : NavaidKind::Localizer;
    position(lines, t[1], t[2], n.latDeg, n.lonDeg);
    n.frequency = number<int>(lines, t[4], "frequency");
    if (n.frequency <= 0) lines.fail("frequency " + std::string(t[4]) + " is not positive");
    n.ident = t[7];
    if (localizer) {
      n.airport = t[8];
      n.region = regions ? std::string(t[9]) : std::string();
      n.runway = t[regions ? 10 : 9];
      n.name = restFrom(t, regions ? 11 : 10);
    } else {
      n.region = regions ? std::string(t[9]) : std::string();
      n.name = restFrom(t, regions ? 10 : 8);
    }
    file.navaids.push_back(std::move(n));
  });
  return file;
}

FixFile readFixes(std::string_view text, const std::string& name) {
  SourceLines lines(text, name);
  FixFile file;
  file.header = readHeader(lines, {600, 1101, 1200});
  const std::size_t fields = file.header.version == 600 ? 3 : file.header.version == 1101 ? 5 : 6;
  readRows(lines, [&](const std::vector<std::string_view>& t) {
    need(lines, t, fields, "a fix");
    Fix f;
    position(lines, t[0], t[1], f.latDeg, f.lonDeg);
    f.ident = t[2];
    if (fields > 3) f.region = t[4];
    file.fixes.push_back(std::move(f));
  });
  return file;
}

AirwayFile readAirways(std::string_view text, const std::string& name) {
  SourceLines lines(text, name);
  AirwayFile file;
  file.header = readHeader(lines, {640, 1100});
  const bool positions = file.header.version == 640;
  readRows(lines, [&](const std::vector<std::string_view>& t) {
    need(lines, t, positions ? 10 : 11, "an airway segment");
    AirwaySegment s;
    s.line = lines.lineNumber();
    std::size_t level = 0, names = 0;
    if (positions) {
      s.from.ident = t[0];
      position(lines, t[1], t[2], s.from.latDeg, s.from.lonDeg);
      s.to.ident = t[3];
      position(lines, t[4], t[5], s.to.latDeg, s.to.lonDeg);
      s.from.positioned = s.to.positioned = true;
      level = 6;
      names = 9;
    } else {
      s.from.ident = t[0];
      s.from.region = t[1];
      s.from.fixKind = number<int>(lines, t[2], "fix kind");
      s.to.ident = t[3];
      s.to.region = t[4];
      s.to.fixKind = number<int>(lines, t[5], "fix kind");
      if (t[6] != "N" && t[6] != "F" && t[6] != "B") lines.fail("direction \"" + std::string(t[6]) + "\" is not N, F or B");
      level = 7;
      names = 10;
    }
    const int lvl = number<int>(lines, t[level], "level");
    if (lvl != 1 && lvl != 2) lines.fail("level " + std::string(t[level]) + " is neither 1 (low) nor 2 (high)");
    s.high = lvl == 2;
    const std::string_view joined = t[names];
    for (std::size_t from = 0; from <= joined.size();) {
      std::size_t dash = joined.find('-', from);
      if (dash == std::string_view::npos) dash = joined.size();
      if (dash > from) s.names.emplace_back(joined.substr(from, dash - from));
      from = dash + 1;
    }
    if (s.names.empty()) lines.fail("the segment names no airway");
    file.segments.push_back(std::move(s));
  });
  return file;
}

AirportFile readAirports(std::string_view text, const std::string& name) {
  SourceLines lines(text, name);
  AirportFile file;
  file.header = readHeader(lines, {1000}, true);
  Airport* open = nullptr;
  bool datumLat = false, datumLon = false;
  double fallbackLat = 0.0, fallbackLon = 0.0;
  bool fallback = false;
  const auto close = [&] {
    if (open == nullptr) return;
    if (!(datumLat && datumLon)) {
      if (!open->runways.empty()) {
        double lat = 0.0, lon = 0.0;
        for (const Runway& r : open->runways) {
          lat += r.ends[0].latDeg + r.ends[1].latDeg;
          lon += r.ends[0].lonDeg + r.ends[1].lonDeg;
        }
        open->latDeg = lat / (2.0 * static_cast<double>(open->runways.size()));
        open->lonDeg = lon / (2.0 * static_cast<double>(open->runways.size()));
        open->positioned = true;
      } else if (fallback) {
        open->latDeg = fallbackLat;
        open->lonDeg = fallbackLon;
        open->positioned = true;
      }
    }
    open = nullptr;
  };
  bool inHeliport = false;
  readRows(lines, [&](const std::vector<std::string_view>& t) {
    const int code = number<int>(lines, t[0], "row code");
    if (code == 1 || code == 16 || code == 17) {
      close();
      need(lines, t, 5, "an airport header");
      inHeliport = code == 17;
      if (inHeliport) {
        ++file.heliports;
        return;
      }
      Airport& a = file.airports.emplace_back();
      a.elevationFt = number<int>(lines, t[1], "elevation");
      a.ident = t[4];
      a.name = restFrom(t, 5);
      open = &a;
      datumLat = datumLon = fallback = false;
      return;
    }
    if (open == nullptr || inHeliport) return;
    if (code == 100) {
      need(lines, t, 26, "a land runway");
      Runway& r = open->runways.emplace_back();
      for (int e = 0; e < 2; ++e) {
        const std::size_t at = 8 + 9 * static_cast<std::size_t>(e);
        r.ends[e].designator = t[at];
        position(lines, t[at + 1], t[at + 2], r.ends[e].latDeg, r.ends[e].lonDeg);
        r.ends[e].displacedM = number<double>(lines, t[at + 3], "displaced threshold");
      }
    } else if (code == 101) {
      need(lines, t, 9, "a water runway");
      Runway& r = open->runways.emplace_back();
      for (int e = 0; e < 2; ++e) {
        const std::size_t at = 3 + 3 * static_cast<std::size_t>(e);
        r.ends[e].designator = t[at];
        position(lines, t[at + 1], t[at + 2], r.ends[e].latDeg, r.ends[e].lonDeg);
      }
    } else if ((code == 102 || code == 14) && !fallback) {
      need(lines, t, code == 102 ? 4 : 3, code == 102 ? "a helipad" : "a viewpoint");
      const std::size_t at = code == 102 ? 2 : 1;
      position(lines, t[at], t[at + 1], fallbackLat, fallbackLon);
      fallback = true;
    } else if (code == 1302 && t.size() >= 3 && (t[1] == "datum_lat" || t[1] == "datum_lon")) {
      const double v = number<double>(lines, t[2], t[1] == "datum_lat" ? "datum latitude" : "datum longitude");
      if (t[1] == "datum_lat") {
        if (v < -90.0 || v > 90.0) lines.fail("datum latitude is off the globe");
        open->latDeg = v;
        datumLat = true;
      } else {
        if (v < -180.0 || v > 180.0) lines.fail("datum longitude is off the globe");
        open->lonDeg = v;
        datumLon = true;
      }
      open->positioned = datumLat && datumLon;
    }
  });
  close();
  return file;
}

}  // namespace xaq::fms::navimport
