#include "fms/cdu/pages/perf_page.h"

#include <cmath>

#include "fms/cdu/cdu.h"
#include "fms/cdu/text_format.h"

namespace xaq::fms {

namespace {
constexpr double kMinimumFlowPph = 10.0;

std::string hoursText(double hours) {
  if (!std::isfinite(hours) || hours < 0.0) return "--+--";
  const long long minutes = static_cast<long long>(std::fmin(hours, 99.0) * 60.0);
  return textf("%02d+%02d", static_cast<int>(minutes / 60), static_cast<int>(minutes % 60));
}

std::string wholeText(double v) { return textf("%d", static_cast<int>(std::lround(std::fmax(-1e8, std::fmin(v, 1e8))))); }

// Cut toward zero to a multiple of ten.
std::string tensText(double v) {
  const double t = std::trunc(std::fmax(-1e8, std::fmin(v, 1e8)) / 10.0) * 10.0;
  return textf("%d", static_cast<int>(t));
}

double isaTemperatureC(double altitudeFt) { return altitudeFt < 36090.0 ? 15.0 - 0.0019812 * altitudeFt : -56.5; }
}  // namespace

PerfTexts perfTexts(const PerfInputs& in, const FuelWeights& w) {
  PerfTexts t;
  const double f = in.fuelFlowPph;
  const double q = in.fuelOnBoardLb;
  const bool flowing = f > kMinimumFlowPph;
  const bool planned = in.planCount >= 2;
  t.groundNmPerLb = flowing ? textf("%0.2f", in.groundSpeedKt / f) : "-.-";
  t.airNmPerLb = flowing ? textf("%0.2f", in.indicatedAirspeedKt / f) : "-.-";
  t.isaDeviation = textf("ISA%+02d", static_cast<int>(std::lround(in.outsideAirTempC - isaTemperatureC(in.altitudeFt))));

  const double burn = std::fmin(std::fmax(0.0, in.timeToDestinationSec / 3600.0 * f), std::fmax(q, 0.0));
  t.weightNow = isSet(w.grossWeight) ? wholeText(w.grossWeight) : "-----";
  t.weightOverhead = planned && isSet(w.grossWeight) ? tensText(w.grossWeight - burn) : "";
  t.fuelNow = wholeText(q);
  t.fuelOverhead = planned ? wholeText(q - burn) : "";

  // Reserves not entered hold nothing back.
  const double reserves = isSet(w.totalReserves) ? w.totalReserves : 0.0;
  const double hoursNow = std::fmax(0.0, q - reserves) / f;
  const double hoursOverhead = std::fmax(0.0, q - burn - reserves) / f;
  t.enduranceNow = flowing ? hoursText(hoursNow) : "--+--";
  t.enduranceOverhead = flowing && planned ? hoursText(hoursOverhead) : "--+--";
  t.rangeNow = flowing ? tensText(hoursNow * in.groundSpeedKt) : "--+--";
  t.rangeOverhead = flowing && planned ? tensText(hoursOverhead * in.groundSpeedKt) : "--+--";
  return t;
}

void PerfPage::draw() {
  beginScreen();
  const CduInputs& in = cdu_.inputs();
  const GuidanceOutput& g = cdu_.guidance();
  PerfInputs p;
  p.fuelFlowPph = in.fuelFlowPph;
  p.fuelOnBoardLb = in.fuelOnBoardLb;
  p.groundSpeedKt = in.groundSpeedKt;
  p.indicatedAirspeedKt = in.indicatedAirspeedKt;
  p.outsideAirTempC = in.outsideAirTempC;
  p.altitudeFt = in.guidance.altitudeFt;
  p.timeToDestinationSec = g.timeToDestinationSec;
  p.planCount = cdu_.plan().count();
  const PerfTexts t = perfTexts(p, cdu_.weights());

  drawText("PERF 1/1", 9, 0, kDataColour);
  drawText("GS", 0, 1, kCaptionColour, kSmall);
  drawText(wholeText(in.groundSpeedKt), 8, 1, kDataColour, kRight);
  drawText("ESAD", 0, 2, kCaptionColour, kSmall);
  drawText(wholeText(g.stillAirDistance), 8, 2, kDataColour, kRight);
  drawText("DIST", 0, 3, kCaptionColour, kSmall);
  drawText(wholeText(g.distanceToDestination), 8, 3, kDataColour, kRight);
  drawText("ETE", 0, 4, kCaptionColour, kSmall);
  const ClockTime ete = splitClockTime(g.timeToDestinationSec);
  drawText(textf("%02d+%02d", ete.hours % 100, ete.minutes), 8, 4, kDataColour, kRight);
  drawText("ETA", 5, 5, kCaptionColour, kSmall);
  const ClockTime eta = splitClockTime(g.arrivalTimeSec);
  drawText(textf("%02d+%02d", eta.hours % 24, eta.minutes), 13, 5, kDataColour, kRight);
  drawText("GMT", 15, 5, kCaptionColour, kSmall);

  drawText(in.guidance.headwindKt >= 0 ? "HEADWIND" : "TAILWIND", 11, 1, kCaptionColour, kSmall);
  drawText(wholeText(std::fabs(in.guidance.headwindKt)), 23, 1, kDataColour, kRight);
  drawText("TEMP", 11, 2, kCaptionColour, kSmall);
  drawText(t.isaDeviation, 23, 2, kDataColour, kRight);
  drawText("GND NM/LB", 11, 3, kCaptionColour, kSmall);
  drawText(t.groundNmPerLb, 23, 3, kDataColour, kRight);
  drawText("AIR NM/LB", 11, 4, kCaptionColour, kSmall);
  drawText(t.airNmPerLb, 23, 4, kDataColour, kRight);

  drawText("NOW", 3, 6, kCaptionColour, kSmall);
  drawText("OVHD", 14, 6, kCaptionColour, kSmall);
  struct Row {
    const char* caption;
    const std::string& now;
    const std::string& overhead;
  };
  const Row rows[] = {{"WT LBS", t.weightNow, t.weightOverhead},
                      {"FUEL ONBRD", t.fuelNow, t.fuelOverhead},
                      {"ENDURANCE", t.enduranceNow, t.enduranceOverhead},
                      {"RANGE", t.rangeNow, t.rangeOverhead}};
  for (int i = 0; i < 4; ++i) {
    drawText(rows[i].caption, 7, 7 + i, kCaptionColour, kSmall);
    drawText(rows[i].now, 5, 7 + i, kDataColour, kRight);
    drawText(rows[i].overhead, 23, 7 + i, kDataColour, kRight);
  }
}

}  // namespace xaq::fms
