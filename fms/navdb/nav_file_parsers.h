#pragma once
// Parsers for the navigation data files, working on a file's text in memory. The loader reads a
// file and hands its text here; the fuzz targets call the same functions directly.

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "fms/navdb/nav_record.h"

namespace xaq::fms {

// The navigation files are read through a line buffer of this many characters.
inline constexpr std::size_t kNavLineBufferChars = 255;

// A data line starts with a character from '0' to 'Z' other than ';'; anything else (comments,
// blank lines, lower case, punctuation) yields no record.
bool isDataLine(std::string_view line);
std::size_t countDataLines(std::string_view text);

// Coded waypoint names (judged on the first five characters): D and three digits; four digits
// and N, S, E or W; two digits, N, S, E or W, two digits. They are found by identifier but never
// listed.
bool isCodedName(std::string_view ident);

// A ";AIRAC ... - DD-MON-YYYY ..." comment of the VOR file sets the expiry date.
void readValidityLine(std::string_view line, ExpiryDate& expiry);

// Each appends one record per data line, in file order.
void parseVorFile(std::string_view text, std::vector<NavRecord>& vors, ExpiryDate& expiry);
void parseNdbFile(std::string_view text, std::vector<NavRecord>& ndbs);
// Also appends, for every waypoint whose name is not coded, its index in waypoints to named.
void parseWaypointFile(std::string_view text, std::vector<NavRecord>& waypoints,
                       std::vector<std::uint32_t>& named);
void parseAirportFile(std::string_view text, std::vector<NavRecord>& airports);
void parseRunwayFile(std::string_view text, std::vector<NavRecord>& runways);
// Fixed-column airway lines; consecutive lines with the same group code and name form one airway.
void parseAirwayFile(std::string_view text, std::vector<Airway>& airways);

}  // namespace xaq::fms
