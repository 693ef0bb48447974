#include "displays/traffic/traffic_data.h"

namespace xaq::displays {

bool TrafficData::listDue(const CycleContext& now) const {
  if (!listTaken_) return true;
  // A reload can take the clock back: ask again rather than wait for the old time.
  return now.nowS >= nextListS_ || now.nowS < nextListS_ - kListIntervalS;
}

void TrafficData::update(const CycleContext& now, const TrafficInputs& inputs) {
  state_.instrumentPower = inputs.instrumentPower;
  state_.displayEnabled = inputs.instrumentPower;
  if (!inputs.list.asked) return;
  // Due on a one-second grid, so long frames do not stretch the interval; a frame longer than
  // the interval (or a clock set back) starts the grid again from now.
  const bool onGrid = listTaken_ && now.nowS >= nextListS_ && now.nowS < nextListS_ + kListIntervalS;
  nextListS_ = (onGrid ? nextListS_ : now.nowS) + kListIntervalS;
  listTaken_ = true;

  readTrafficList(inputs.list.bytes, inputs.list.size, state_.table);
  state_.ownAtList = inputs.own;
  for (std::size_t i = 0; i < screen_.size(); ++i) {
    TrafficScreenRecord& s = screen_[i];
    const bool listed = i < state_.table.count;
    const TrafficAssessment a = listed ? assessTarget(state_.table.records[i], inputs.own) : TrafficAssessment{};
    s.inUse = a.inUse ? 1 : 0;
    s.threatLevel = a.threatLevel;
    s.relativeAltitudeFt = a.relativeAltitudeFt;
  }
  newTrafficData_ = 1;
}

bool TrafficData::takeNewTrafficData() {
  const bool taken = newTrafficData_ != 0;
  newTrafficData_ = 0;
  return taken;
}

}  // namespace xaq::displays
