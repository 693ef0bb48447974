#pragma once
// PERF: ground and air miles per pound, the weights and fuel now and over the destination,
// endurance and range.

#include <string>

#include "fms/cdu/cdu_page.h"

namespace xaq::fms {

struct FuelWeights;

struct PerfInputs {
  double fuelFlowPph = 0;       // both engines
  double fuelOnBoardLb = 0;
  double groundSpeedKt = 0;
  double indicatedAirspeedKt = 0;
  double outsideAirTempC = 0;
  double altitudeFt = 0;
  double timeToDestinationSec = 0;
  int planCount = 0;
};

// The texts of the page's values, formed on every draw.
struct PerfTexts {
  std::string groundNmPerLb, airNmPerLb, isaDeviation;
  std::string weightNow, weightOverhead, fuelNow, fuelOverhead;
  std::string enduranceNow, enduranceOverhead, rangeNow, rangeOverhead;
};
PerfTexts perfTexts(const PerfInputs& in, const FuelWeights& weights);

class PerfPage final : public CduPage {
 public:
  using CduPage::CduPage;
  void draw() override;
  void key(int) override {}
};

}  // namespace xaq::fms
