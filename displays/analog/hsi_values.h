#pragma once
// What the horizontal situation indicator and the radio magnetic indicator show, as plain
// values: the course and deviation from NAV1 or from the flight management, the TO/FROM arrow,
// the NAV flag, the two readouts, and the RMI needles' bearings by source.

#include <array>

namespace xaq::displays {

struct HsiInputs {
  bool powered = false;
  double headingDeg = 0;
  double selectedCourseDeg = 0;  // NAV1 OBS
  double navDeviation = 0;       // -127 ... 127
  int navToFrom = 0;             // 0 none, 1 TO, 2 FROM
  bool navSignal = false;        // the NAV1 receiver reports a station (its flags are not 0)
  double dmeNm = -1;             // negative: no DME
  bool fmsSource = false;
  bool fmsValid = false;
  double fmsDesiredTrackDeg = 0;
  double fmsCrossTrackNm = 0;
  double fmsDistanceNm = -1;
};

struct HsiPicture {
  double courseDeg = 0;    // the course pointer and deviation bar, relative to the heading
  double deviation = 0;    // -128 ... 128
  bool arrowShown = false;
  double arrowDeg = 0;     // relative to the heading, +180 when FROM
  bool navFlagInView = true;
};

HsiPicture hsiPicture(const HsiInputs& in);

using HsiText = std::array<char, 8>;
// "%03d" of the selected course or of the flight management's desired track ("---" while the
// flight management is not valid); blank without power.
HsiText hsiCourseText(const HsiInputs& in);
// "%05.1f" of the DME, or of the flight management's distance to the waypoint; "---.-" when there
// is none; blank without power.
HsiText hsiDistanceText(const HsiInputs& in);

// The RMI source selectors: 1 and 2 toggle; any other value becomes 2.
int toggledRmiSource(int source);
// Where an RMI needle points on the instrument, clockwise from the lubber line: source 1 the VOR
// receiver's bearing to the station (magnetic) less the heading, any other the ADF's relative
// bearing as it comes. On the card, which turns with the heading, it reads the station's bearing.
double rmiNeedleDeg(int source, double vorBearingDeg, double adfRelativeBearingDeg, double headingDeg);

}  // namespace xaq::displays
