#include "displays/glass/ehsi_rules.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "common/format_text.h"
#include "common/rounding.h"

namespace xaq::displays {

namespace {
constexpr double kNavFullScale = 128.0;  // the receiver's needle units at full deflection
}

CourseIndication courseIndication(const EhsiInputs& in) {
  CourseIndication c;
  if (in.fmsSource) {
    c.angleDeg = wrap360(in.fmsDesiredTrackDeg - in.headingDeg);
    c.deviation = std::clamp(std::isfinite(in.fmsCrossTrack) ? in.fmsCrossTrack : 0.0, -1.0, 1.0);
    c.toFrom = in.fmsValid ? kToFromTo : kToFromNone;
    return c;
  }
  c.angleDeg = wrap360(in.selectedCourseDeg - in.headingDeg);
  const double dev = std::isfinite(in.navDeviation) ? in.navDeviation / kNavFullScale : 0.0;
  c.deviation = std::clamp(dev, -1.0, 1.0);
  c.toFrom = in.toFrom == kToFromTo || in.toFrom == kToFromFrom ? in.toFrom : kToFromNone;
  return c;
}

std::optional<double> bearingPointerAngle(const EhsiInputs& in, int pointer) {
  const bool second = pointer == 2;
  const std::int32_t source = second ? in.bearingSource2 : in.bearingSource1;
  if (source == kBearingVor) {
    if (!(second ? in.nav2Valid : in.nav1Valid)) return std::nullopt;
    return wrap360((second ? in.nav2BearingDeg : in.nav1BearingDeg) - in.headingDeg);
  }
  if (source == kBearingAdf) {
    if (!(in.adfSignal > kAdfSignalValid)) return std::nullopt;
    return wrap360(second ? in.adf2RelativeDeg : in.adf1RelativeDeg);
  }
  return std::nullopt;
}

const char* bearingSourceName(int pointer, std::int32_t source) {
  static constexpr const char* kFirst[] = {"", "VOR1", "ADF1", "RNV1", "FMS1"};
  static constexpr const char* kSecond[] = {"", "VOR2", "ADF2", "RNV2", "FMS2"};
  if (source < 0 || source > kBearingFms) return "";
  return pointer == 2 ? kSecond[source] : kFirst[source];
}

std::optional<double> usableDistanceNm(const EhsiInputs& in) {
  if (in.fmsSource) {
    if (in.fmsValid && in.fmsDistanceNm > kFmsMinimumDistanceNm && std::isfinite(in.fmsDistanceNm)) {
      return in.fmsDistanceNm;
    }
    return std::nullopt;
  }
  if (in.dmeNm >= 0.0 && std::isfinite(in.dmeNm)) return in.dmeNm;
  return std::nullopt;
}

int timeToGoMinutes(double distanceNm, double groundSpeedKt) {
  if (!(groundSpeedKt >= 1.0)) return kTimeToGoCap;
  const double minutes = distanceNm / groundSpeedKt * 60.0;
  if (!(minutes <= kTimeToGoCap)) return kTimeToGoCap;
  return roundHalfAway(minutes);
}

const char* rangeRingLabel(double r) {
  if (r > 290) return "150";
  if (r > 190) return "100";
  if (r > 90) return "50";
  if (r > 40) return "25";
  if (r > 24) return "12.5";
  if (r > 19) return "10";
  if (r > 9) return "5";
  return "2.5";
}

int headingReadout(double deg) { return roundHeading(wrap360(deg)); }

void twinDistanceText(const EhsiInputs& in, EhsiReadout& out) {
  out[0] = '\0';
  const std::optional<double> d = usableDistanceNm(in);
  if (!d) return;
  if (*d < 99.95) {  // 99.95 would print as "100.0"
    formatText(out, sizeof out, "%2.1f NM", *d);
  } else {
    formatText(out, sizeof out, "%4d NM", roundHalfAway(*d < 99999.0 ? *d : 99999.0));
  }
}

void twinSpeedText(const EhsiInputs& in, EhsiReadout& out) {
  out[0] = '\0';
  if (!in.timeToGo) {
    const double gs = std::isfinite(in.groundSpeedKt) && in.groundSpeedKt > 0.0 ? in.groundSpeedKt : 0.0;
    formatText(out, sizeof out, "%3d KTS", roundHalfAway(gs < 9999.0 ? gs : 9999.0));
    return;
  }
  if (const std::optional<double> d = usableDistanceNm(in)) {
    formatText(out, sizeof out, "%3d MIN", timeToGoMinutes(*d, in.groundSpeedKt));
  }
}

}  // namespace xaq::displays
