// Where the glass displays' inputs come from: the host samples, the flight guidance and its
// advisory record, the airspeed bug, the EFIS display-control panel and the flight management.

#include <cstring>

#include "common/rounding.h"
#include "frame/wiring.h"

namespace xaq::frame {

namespace {

// A zero-terminated text of a fixed record, never read past the record's end.
template <std::size_t N>
std::string_view recordText(const std::array<char, N>& text) {
  std::size_t n = 0;
  while (n < N && text[n] != '\0') ++n;
  return {text.data(), n};
}

}  // namespace

displays::EadiInputs eadiInputs(const EadiSources& from) {
  const HostSamples& s = from.samples;
  const guidance::FlightGuidanceState& g = from.guidance;
  const guidance::AdvisoryState& a = from.advisory;
  displays::EadiInputs in;
  in.powered = from.powered;
  in.brightness = from.efis.brightness().adi;
  in.pitchUpDeg = -wrap180(s.pitchDeg);  // the host's pitch is nose-down positive
  in.bankRightDeg = wrap180(s.bankDeg);
  in.turnRate = s.turnRate;
  // The bars show a command while the director has a mode on either axis; while the guidance
  // tests itself after power-up its commands are not yet meaningful.
  in.fdOn = g.lateralMode != guidance::lateral::kNone || g.verticalMode != guidance::vertical::kNone;
  in.fdValid = from.powered && !g.systemTestRunning;
  in.fdPitchCommandDeg = g.fdPitchCommandDeg;
  in.fdBankCommandDeg = g.fdBankCommandDeg;
  in.modeTexts = {recordText(a.lateralArmedShort), recordText(a.lateralActiveShort), recordText(a.verticalArmedShort),
                  recordText(a.verticalActiveShort)};
  in.lateralModeBox = a.flashLateral;
  in.verticalModeBox = a.flashVertical;
  in.indicatedAirspeedKt = s.indicatedAirspeedKt;
  in.speedTargetKt = from.speedTargetKt;
  in.radioAltitudeFt = s.radioAltitudeFt;
  in.decisionHeightFt = from.efis.settings().decisionHeightFt;
  in.verticalSpeedFpm = s.verticalSpeedFpm;
  in.glideslopeDeviation = s.glideslopeDeviation;
  in.glideslopeValid = s.glideslopeReceived;
  in.localizerDeviation = s.nav1Deviation;
  in.navFlags = s.nav1Flags > 0 ? static_cast<std::uint32_t>(s.nav1Flags) & 0xFFu : 0u;
  in.navSource = g.navSource;
  in.fmsValid = from.fms.guidanceValid;
  in.fmsCrossTrackNm = from.fms.crossTrack;
  in.autopilotEngaged = g.autopilotEngaged;
  return in;
}

}  // namespace xaq::frame
