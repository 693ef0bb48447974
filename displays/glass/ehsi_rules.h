#pragma once
// What the heading display shows, as values: the inputs it reads, the course indication, the
// bearing pointers, the distance and time-to-go fields and the range-ring label. The drawn
// display (`EhsiDisplay`) and the bitmap twin (`EHSI_V`) both show these, so they agree.

#include <array>
#include <cstdint>
#include <optional>

#include "displays/glass/flat_earth.h"

namespace xaq::displays {

inline constexpr std::int32_t kBearingOff = 0;
inline constexpr std::int32_t kBearingVor = 1;
inline constexpr std::int32_t kBearingAdf = 2;
inline constexpr std::int32_t kBearingRnav = 3;
inline constexpr std::int32_t kBearingFms = 4;

inline constexpr int kToFromNone = 0;
inline constexpr int kToFromTo = 1;
inline constexpr int kToFromFrom = 2;

inline constexpr double kAdfSignalValid = 2.0;     // the ADF bearing is usable above this strength
inline constexpr double kFmsMinimumDistanceNm = 0.0001;
inline constexpr int kTimeToGoCap = 999;           // minutes; also shown below 1 kt ground speed

// The card's labels every 30 degrees from north: the cardinal letters, otherwise tens of degrees.
inline constexpr const char* kCardLabels[12] = {"N", "3", "6", "E", "12", "15", "S", "21", "24", "W", "30", "33"};

struct EhsiMapSlot {
  int waypointIndex = -1;  // -1: empty slot
  double bearingDeg = 0.0;  // magnetic, from the aircraft
  double distanceNm = 0.0;
};

struct EhsiStation {
  bool known = false;  // a position is known for the tuned station
  GeoPoint position;
};

struct EhsiInputs {
  bool powered = false;      // the instrument bus
  double brightness = 0.0;   // the heading display's effective brightness, 0 ... 1

  // The display-control panel.
  bool arcMode = false;
  bool mapOn = false;
  bool timeToGo = false;
  std::int32_t bearingSource1 = kBearingVor;
  std::int32_t bearingSource2 = kBearingVor;
  double mapRangeNm = 25.0;

  double headingDeg = 0.0;        // magnetic
  double headingBugDeg = 0.0;
  double selectedCourseDeg = 0.0;
  double navDeviation = 0.0;      // -127 ... +127, positive: the course lies to the right
  int toFrom = kToFromNone;
  double glideslopeDeviation = 0.0;  // -127 ... +127, positive: the glidepath lies below
  bool glideslopeValid = false;
  double adfSignal = 0.0;
  double dmeNm = -1.0;            // negative: no DME
  bool nav1Valid = false;
  bool nav2Valid = false;
  double nav1BearingDeg = 0.0;    // magnetic bearing to the station
  double nav2BearingDeg = 0.0;
  double adf1RelativeDeg = 0.0;   // relative to the nose
  double adf2RelativeDeg = 0.0;
  double groundSpeedKt = 0.0;

  bool fmsSource = false;         // the flight management is the navigation source
  bool fmsValid = false;
  double fmsDesiredTrackDeg = 0.0;
  double fmsCrossTrack = 0.0;     // +-1 full scale, positive: the track lies to the right
  double fmsDistanceNm = -1.0;
  std::array<EhsiMapSlot, 3> mapSlots{};
  int activeWaypointIndex = -1;

  EhsiStation vor1, vor2;
  GeoPoint aircraft;
  double magneticVariationDeg = 0.0;  // east positive
};

// The course pointer: its angle from the lubber line, the deviation (+-1 = full scale, the
// outer dot) and the TO/FROM flag; from the flight management while it is the source.
struct CourseIndication {
  double angleDeg = 0.0;
  double deviation = 0.0;
  int toFrom = kToFromNone;
};
CourseIndication courseIndication(const EhsiInputs& in);

// A bearing pointer's angle from the lubber line, when its source gives a usable bearing:
// VOR from the receiver's magnetic bearing, ADF from its relative bearing. Off, RNAV and FMS
// sources have no pointer.
std::optional<double> bearingPointerAngle(const EhsiInputs& in, int pointer);

// "VOR1" ... "FMS2"; empty while the source is off (or unknown).
const char* bearingSourceName(int pointer, std::int32_t source);

// The distance the fields show: the FMS distance to the active waypoint while the FMS is the
// source and valid, else the DME distance while there is one.
std::optional<double> usableDistanceNm(const EhsiInputs& in);

// Whole minutes to go: 999 below 1 kt or beyond 999.
int timeToGoMinutes(double distanceNm, double groundSpeedKt);

// The arc's range ring stands at half the map range.
const char* rangeRingLabel(double mapRangeNm);

// Rounded whole degrees for a readout, 0 ... 359.
int headingReadout(double deg);

// The bitmap twin's readouts: the distance ("%2.1f NM" below 100 NM, "%4d NM" from there,
// empty without a usable distance) and the ground speed ("%3d KTS") or time to go ("%3d MIN",
// empty without a distance).
using EhsiReadout = char[16];
void twinDistanceText(const EhsiInputs& in, EhsiReadout& out);
void twinSpeedText(const EhsiInputs& in, EhsiReadout& out);

}  // namespace xaq::displays
