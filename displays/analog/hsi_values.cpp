#include "displays/analog/hsi_values.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "common/format_text.h"
#include "common/rounding.h"

namespace xaq::displays {

namespace {

constexpr double kFmsDeviationPerNm = 128.0;
constexpr double kFmsDeviationLimit = 128.0;
constexpr double kNoDistanceNm = 0.0001;
constexpr double kLargestDistanceNm = 9999.9;  // what fits the readout's box

double finiteOr(double v, double fallback) { return std::isfinite(v) ? v : fallback; }

HsiText blank() { return HsiText{}; }

}  // namespace

HsiPicture hsiPicture(const HsiInputs& in) {
  HsiPicture p;
  const double heading = finiteOr(in.headingDeg, 0.0);
  if (in.fmsSource) {
    p.courseDeg = wrap360(finiteOr(in.fmsDesiredTrackDeg, 0.0) - heading);
    p.deviation = std::clamp(finiteOr(in.fmsCrossTrackNm, 0.0) * kFmsDeviationPerNm, -kFmsDeviationLimit,
                             kFmsDeviationLimit);
    p.arrowShown = in.fmsValid;
    p.arrowDeg = p.courseDeg;
    p.navFlagInView = !in.fmsValid;
    return p;
  }
  p.courseDeg = wrap360(finiteOr(in.selectedCourseDeg, 0.0) - heading);
  p.deviation = std::clamp(finiteOr(in.navDeviation, 0.0), -127.0, 127.0);
  p.arrowShown = in.navToFrom == 1 || in.navToFrom == 2;
  p.arrowDeg = wrap360(p.courseDeg + (in.navToFrom == 2 ? 180.0 : 0.0));
  p.navFlagInView = !in.navSignal;
  return p;
}

HsiText hsiCourseText(const HsiInputs& in) {
  HsiText text = blank();
  if (!in.powered) return text;
  if (in.fmsSource && !in.fmsValid) {
    formatText(text.data(), text.size(), "---");
    return text;
  }
  const double course = in.fmsSource ? in.fmsDesiredTrackDeg : in.selectedCourseDeg;
  formatText(text.data(), text.size(), "%03d", roundHeading(wrap360(finiteOr(course, 0.0))));
  return text;
}

HsiText hsiDistanceText(const HsiInputs& in) {
  HsiText text = blank();
  if (!in.powered) return text;
  const double distance = in.fmsSource ? (in.fmsValid && in.fmsDistanceNm > kNoDistanceNm ? in.fmsDistanceNm : -1.0)
                                       : in.dmeNm;
  if (!std::isfinite(distance) || distance < 0.0) {
    formatText(text.data(), text.size(), "---.-");
    return text;
  }
  formatText(text.data(), text.size(), "%05.1f", std::min(distance, kLargestDistanceNm));
  return text;
}

int toggledRmiSource(int source) { return source == 2 ? 1 : 2; }

double rmiNeedleDeg(int source, double vorBearingDeg, double adfRelativeBearingDeg, double headingDeg) {
  if (source == 1) return wrap360(finiteOr(vorBearingDeg - headingDeg, 0.0));
  return wrap360(finiteOr(adfRelativeBearingDeg, 0.0));
}

}  // namespace xaq::displays
