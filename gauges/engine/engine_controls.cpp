#include "gauges/engine/engine_controls.h"

namespace xaq::gauges::engine {

int ecuRating(const AircraftState& a) { return static_cast<int>(a.engines.state().ecuRating); }
int autofeatherLight(const AircraftState& a) { return a.engines.lights().autofeather; }

void ecuRatingDown(AircraftState& a, Effects& e) { a.engines.ecuRatingDown(e); }
void ecuRatingUp(AircraftState& a, Effects& e) { a.engines.ecuRatingUp(e); }
void autofeatherArm(AircraftState& a, Effects& e) { a.engines.autofeatherArm(e); }

}  // namespace xaq::gauges::engine
