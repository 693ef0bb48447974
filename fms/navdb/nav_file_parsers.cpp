#include "fms/navdb/nav_file_parsers.h"

#include <cstring>
#include <limits>

#include "fms/base/text_scan.h"

namespace xaq::fms {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isLineEnd(char c) { return c == '\n' || c == '\r' || c == '\0'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isCompassLetter(char c) { return c == 'N' || c == 'S' || c == 'E' || c == 'W'; }

std::int32_t combineFrequency(std::int32_t whole, std::int32_t fraction, std::int32_t scale) {
  std::int64_t v = static_cast<std::int64_t>(whole) * scale + fraction;
  if (v > std::numeric_limits<std::int32_t>::max()) v = std::numeric_limits<std::int32_t>::max();
  if (v < std::numeric_limits<std::int32_t>::min()) v = std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(v);
}

// The token at the start of the line, up to a blank (or '-', when stopAtDash) or the line end.
std::string_view leadingToken(std::string_view line, bool stopAtDash) {
  std::size_t n = 0;
  for (; n < line.size(); ++n) {
    // Only a character at or below the blank, or a '-', can end the token.
    const auto c = static_cast<unsigned char>(line[n]);
    if (c > ' ' && c != '-') continue;
    if (isBlank(static_cast<char>(c)) || isLineEnd(static_cast<char>(c)) || (stopAtDash && c == '-')) break;
  }
  return line.substr(0, n);
}

std::string_view skipBlanks(std::string_view s) {
  std::size_t n = 0;
  while (n < s.size() && isBlank(s[n])) ++n;
  return s.substr(n);
}

// The identifier of a data line and the rest of the line after the blanks that follow it.
struct SplitLine {
  std::string_view ident;
  std::string_view rest;
};
SplitLine splitIdent(std::string_view line, bool stopAtDash) {
  const std::string_view ident = leadingToken(line, stopAtDash);
  return {ident, skipBlanks(line.substr(ident.size()))};
}

// Values a line leaves unset keep what the line before gave them.
struct CarriedFields {
  float lat = 0.0f;
  float lon = 0.0f;
  std::int32_t whole = 0;
  std::int32_t fraction = 0;
};

// "%f %f %d.%d". A blank in the format and the white space a conversion skips before its number
// are the same thing, so the blanks need no reading of their own.
void scanNavaid(std::string_view rest, CarriedFields& f) {
  FieldScanner s(rest);
  if (!s.readFloat(f.lat)) return;
  if (!s.readFloat(f.lon)) return;
  if (!s.readInt(f.whole)) return;
  if (!s.literal('.')) return;
  s.readInt(f.fraction);
}

// No more records than the line reader returns pieces: one per line end, one more for each full
// piece of an overlong line and one for a last line without an end. Counting line ends is much
// cheaper than a first pass of the line reader, and the tables are still sized once.
std::size_t recordBound(std::string_view text) {
  return countChar(text, '\n') + text.size() / (kNavLineBufferChars - 1) + 1;
}

void parseNavaidFile(std::string_view text, FacilityType type, std::int32_t scale,
                     std::vector<NavRecord>& out, ExpiryDate* expiry) {
  out.reserve(out.size() + recordBound(text));
  LineReader lines(text, kNavLineBufferChars);
  CarriedFields f;
  std::string_view line;
  while (lines.next(line)) {
    if (expiry != nullptr && !line.empty() && line[0] == ';') readValidityLine(line, *expiry);
    if (!isDataLine(line)) continue;
    const SplitLine split = splitIdent(line, false);
    scanNavaid(split.rest, f);
    NavRecord& r = out.emplace_back();
    r.type = type;
    r.ident.assign(split.ident);
    r.latitude = f.lat;
    r.longitude = f.lon;
    r.frequency = combineFrequency(f.whole, f.fraction, scale);
  }
}

}  // namespace

bool isDataLine(std::string_view line) {
  if (line.empty()) return false;
  const char c = line[0];
  return c >= '0' && c <= 'Z' && c != ';';
}

std::size_t countDataLines(std::string_view text) {
  LineReader lines(text, kNavLineBufferChars);
  std::size_t n = 0;
  std::string_view line;
  while (lines.next(line)) n += isDataLine(line) ? 1 : 0;
  return n;
}

bool isCodedName(std::string_view ident) {
  // Every coded name starts with 'D' or a digit and has at least four characters; most names
  // are ruled out by their first character.
  if (ident.size() < 4) return false;
  const char c0 = ident[0];
  if (c0 == 'D') return isDigit(ident[1]) && isDigit(ident[2]) && isDigit(ident[3]);
  if (!isDigit(c0) || ident.size() < 5 || !isDigit(ident[1])) return false;
  if (isDigit(ident[2])) return isDigit(ident[3]) && isCompassLetter(ident[4]);
  return isCompassLetter(ident[2]) && isDigit(ident[3]) && isDigit(ident[4]);
}

void readValidityLine(std::string_view line, ExpiryDate& expiry) {
  static constexpr char kMonths[12][4] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                          "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
  if (line.substr(0, 6) != ";AIRAC" || line.size() < 44) return;
  const std::size_t dash = line.find("- ");
  if (dash == std::string_view::npos || line.size() - dash < 2 + 9) return;
  const std::string_view from = line.substr(dash);
  std::int32_t day = expiry.day;
  FieldScanner dayScan(from.substr(2));
  if (dayScan.readInt(day)) expiry.day = day;
  std::int32_t year = expiry.year;
  FieldScanner yearScan(from.substr(9));
  if (yearScan.readInt(year)) expiry.year = year > 1000 ? year % 100 : year;
  const std::string_view month = from.substr(5, 3);
  for (int m = 0; m < 12; ++m) {
    if (month == kMonths[m]) expiry.month = m + 1;
  }
}

void parseVorFile(std::string_view text, std::vector<NavRecord>& vors, ExpiryDate& expiry) {
  parseNavaidFile(text, FacilityType::Vor, 100, vors, &expiry);
}

void parseNdbFile(std::string_view text, std::vector<NavRecord>& ndbs) {
  parseNavaidFile(text, FacilityType::Ndb, 10, ndbs, nullptr);
}

void parseWaypointFile(std::string_view text, std::vector<NavRecord>& waypoints,
                       std::vector<std::uint32_t>& named) {
  waypoints.reserve(waypoints.size() + recordBound(text));
  LineReader lines(text, kNavLineBufferChars);
  CarriedFields f;
  std::string_view line;
  while (lines.next(line)) {
    if (!isDataLine(line)) continue;
    // The name ends at a '-' too: a southern or western coordinate may follow it directly.
    const SplitLine split = splitIdent(line, true);
    FieldScanner s(split.rest);
    if (s.readFloat(f.lat)) {
      s.readFloat(f.lon);
    }
    if (waypoints.size() >= std::numeric_limits<std::uint32_t>::max()) return;
    NavRecord& r = waypoints.emplace_back();
    r.type = FacilityType::Intersection;
    r.ident.assign(split.ident);
    r.latitude = f.lat;
    r.longitude = f.lon;
    if (!isCodedName(split.ident)) named.push_back(static_cast<std::uint32_t>(waypoints.size() - 1));
  }
}

void parseAirportFile(std::string_view text, std::vector<NavRecord>& airports) {
  airports.reserve(airports.size() + recordBound(text));
  LineReader lines(text, kNavLineBufferChars);
  CarriedFields f;
  std::int32_t elevation = 0;
  std::string_view line;
  while (lines.next(line)) {
    if (!isDataLine(line)) continue;
    const SplitLine split = splitIdent(line, false);
    FieldScanner s(split.rest);
    if (s.readFloat(f.lat)) {
      if (s.readFloat(f.lon)) {
          s.readInt(elevation);
      }
    }
    NavRecord& r = airports.emplace_back();
    r.type = FacilityType::Airport;
    r.ident.assign(split.ident);
    r.latitude = f.lat;
    r.longitude = f.lon;
    r.elevation = elevation;
  }
}

void parseRunwayFile(std::string_view text, std::vector<NavRecord>& runways) {
  runways.reserve(runways.size() + recordBound(text));
  LineReader lines(text, kNavLineBufferChars);
  CarriedFields f;
  std::int32_t value1 = 0, value2 = 0;
  std::string_view line;
  while (lines.next(line)) {
    if (!isDataLine(line)) continue;
    const SplitLine split = splitIdent(line, false);
    const std::string_view designator = leadingToken(split.rest, false);
    // The ILS frequency and the last value belong to this line alone.
    std::int32_t ilsWhole = 0, ilsFraction = 0, value3 = 0;
    FieldScanner s(skipBlanks(split.rest.substr(designator.size())));
    [&] {
      if (!s.readFloat(f.lat)) return;
      if (!s.readFloat(f.lon)) return;
      if (!s.readInt(value1)) return;
      if (!s.readInt(value2)) return;
      if (!s.readInt(ilsWhole)) return;
      if (!s.literal('.')) return;
      if (!s.readInt(ilsFraction)) return;
      s.readInt(value3);
    }();
    NavRecord& r = runways.emplace_back();
    r.type = FacilityType::Runway;
    r.ident.assign(split.ident);
    r.runwayDesignator.assign(designator);
    r.latitude = f.lat;
    r.longitude = f.lon;
    r.runwayValue1 = value1;
    r.runwayValue2 = value2;
    r.runwayValue3 = value3;
    r.frequency = combineFrequency(ilsWhole, ilsFraction, 100);
  }
}

void parseAirwayFile(std::string_view text, std::vector<Airway>& airways) {
  constexpr std::size_t kMinLineChars = 42;  // the line end included
  LineReader lines(text, kNavLineBufferChars);
  float lat = 0.0f, lon = 0.0f;
  // The open airway's key (group code and name) and its points: each airway's point list is
  // allocated once, at its full size, when the next one starts.
  char group[3] = {};
  std::string_view name;
  bool open = false;
  std::vector<AirwayPoint> points;
  const auto close = [&] {
    if (open) airways.back().points.assign(points.begin(), points.end());
    points.clear();
  };
  std::string_view line;
  while (lines.next(line)) {
    if (line.empty() || line[0] == ';' || line.size() < kMinLineChars) continue;
    // The fix is the fourth comma-separated field; a line without it names no point.
    const char* const begin = line.data();
    const char* const end = begin + line.size();
    // The commas come within the first few dozen characters: one pass finds them sooner than a
    // search call per comma.
    const char* comma[4];
    std::size_t found = 0;
    for (const char* c = begin; c < end; ++c) {
      if (*c != ',') continue;
      comma[found] = c;
      if (++found == 4) break;
    }
    if (found < 4) continue;
    std::string_view lineName = line.substr(4, 5);
    while (!lineName.empty() && (isBlank(lineName.back()) || isLineEnd(lineName.back()))) lineName.remove_suffix(1);
    FieldScanner s(std::string_view(comma[3] + 1, static_cast<std::size_t>(end - comma[3] - 1)));
    if (s.readFloat(lat) && s.literal(',')) s.readFloat(lon);

    if (!open || std::memcmp(group, begin, 3) != 0 || lineName != name) {
      close();
      std::memcpy(group, begin, 3);
      name = lineName;
      airways.emplace_back().name.assign(name);
      open = true;
    }
    AirwayPoint& p = points.emplace_back();
    p.ident.assign(std::string_view(comma[2] + 1, static_cast<std::size_t>(comma[3] - comma[2] - 1)));
    p.latitude = lat;
    p.longitude = lon;
  }
  close();
}

}  // namespace xaq::fms
