#include "frame/wiring.h"

#include "common/rounding.h"

namespace xaq::frame {

namespace {
constexpr double kNormalSimulationRate = 256.0;  // the host's rate units
}  // namespace

CycleContext cycleContext(const HostSamples& s) {
  CycleContext now;
  now.nowS = s.elapsedSeconds;
  now.dtS = s.timeStepSeconds;
  now.paused = s.pauseFlags[0];
  now.simRate = s.simulationRate > 0.0 ? s.simulationRate / kNormalSimulationRate : 1.0;
  return now;
}

displays::AirspeedBugInputs airspeedBugInputs(const HostSamples& s) {
  return {s.aircraftWeightLb, s.flapHandle};
}

services::ClipboardInputs clipboardInputs(const std::string& notesFilePath) { return {notesFilePath}; }

fms::GuidanceInput fmsGuidanceInputs(const HostSamples& s) {
  fms::GuidanceInput in;
  in.present = {s.latitudeDeg, s.longitudeDeg};
  in.magVarDeg = wrap180(s.magneticVariationDeg);
  in.headingDeg = s.headingMagDeg;
  // The host reports no ground track among the samples: the heading stands in for it.
  in.trackDeg = s.headingMagDeg;
  in.trueAirspeedKt = s.trueAirspeedKt;
  in.headwindKt = s.headwindKt;
  in.altitudeFt = s.altitudeFt;
  in.timeOfDaySec = s.localHour * 3600.0 + s.localMinute * 60.0 + s.localSecond;
  return in;
}

}  // namespace xaq::frame
