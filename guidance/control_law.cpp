#include "guidance/control_law.h"

#include <algorithm>
#include <cmath>

namespace xaq::guidance {

double controlLaw(const ControlLawStep& in) {
  const double e = std::clamp(in.current - in.target, -in.errorLimit, in.errorLimit);
  const double rate = in.current - in.previous;
  if (!in.strict && std::fabs(e) < 0.01 * in.errorLimit) return in.output;

  const double wanted = -e * in.gain / in.errorLimit;
  const double r75 = 0.75 * wanted;
  const double r50 = 0.5 * wanted;
  const double rD = r75 > 0.0 ? wanted + kControlLawDeadBand : wanted - kControlLawDeadBand;
  const double perUnit = in.step / in.gain;

  double out = in.output;
  if (rate != r75) {
    const bool tooSlow = rate < r75;
    // The far side of the band is the full wanted rate (with the dead band) on the side the
    // rate must grow toward, and half of it on the other side.
    const bool beyond = r75 > 0.0 ? (tooSlow ? rate < r50 : rate > rD) : (tooSlow ? rate < rD : rate > r50);
    if (beyond) out = tooSlow ? in.output + perUnit * std::fabs(r75 - rate) : in.output - perUnit * std::fabs(rate - r75);
  }
  return std::clamp(out, in.lowest, in.highest);
}

}  // namespace xaq::guidance
