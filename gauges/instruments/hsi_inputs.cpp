#include "gauges/instruments/hsi_inputs.h"

#include "guidance/guidance_modes.h"

namespace xaq::gauges::instruments {

bool fmsIsNavigationSource(const frame::AircraftState& a) {
  return a.guidance.state().navSource == guidance::kNavSourceFms;
}

displays::HsiInputs hsiInputs(const frame::AircraftState& a, double headingDeg) {
  const frame::HostSamples& s = a.link.samples;
  const fms::GuidanceOutput& f = a.fms.guidance();
  displays::HsiInputs in;
  in.powered = instrumentPower(a);
  in.headingDeg = headingDeg;
  in.selectedCourseDeg = s.nav1CourseDeg;
  in.navDeviation = s.nav1Deviation;
  in.navToFrom = s.nav1ToFrom == 1.0 ? 1 : (s.nav1ToFrom == 2.0 ? 2 : 0);
  in.navSignal = s.nav1Flags != 0.0;
  in.dmeNm = s.dme1Nm;
  in.fmsSource = fmsIsNavigationSource(a);
  in.fmsValid = f.guidanceValid;
  in.fmsDesiredTrackDeg = f.desiredTrack;
  in.fmsCrossTrackNm = f.crossTrack;
  in.fmsDistanceNm = f.distanceToWaypoint;
  return in;
}

displays::LateralDeviationInputs lateralDeviationInputs(const frame::AircraftState& a) {
  const fms::GuidanceOutput& f = a.fms.guidance();
  displays::LateralDeviationInputs in;
  in.fmsSource = fmsIsNavigationSource(a);
  in.fmsValid = f.guidanceValid;
  in.fmsCrossTrackNm = f.crossTrack;
  in.navSignalValid = a.link.samples.nav1SignalValid;
  in.navDeviation = a.link.samples.nav1Deviation;
  return in;
}

displays::FlightDirectorInputs flightDirectorInputs(const frame::AircraftState& a) {
  const guidance::FlightGuidanceState& g = a.guidance.state();
  displays::FlightDirectorInputs in;
  in.powered = instrumentPower(a);
  in.engaged = g.lateralMode != guidance::lateral::kNone || g.verticalMode != guidance::vertical::kNone;
  in.pitchCommandUpDeg = g.fdPitchCommandDeg;
  in.bankCommandDeg = g.fdBankCommandDeg;
  in.hostPitchDeg = a.link.samples.pitchDeg;
  in.hostBankDeg = a.link.samples.bankDeg;
  return in;
}

}  // namespace xaq::gauges::instruments
