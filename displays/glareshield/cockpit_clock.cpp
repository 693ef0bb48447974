#include "displays/glareshield/cockpit_clock.h"

#include <algorithm>
#include <cmath>

#include "common/sound_slots.h"

namespace xaq::displays {

// ---- stopwatch ----

double Stopwatch::reading(double nowS) const { return running ? std::max(0.0, nowS - startS) : accumulatedS; }

// Starting a running watch, or stopping a stopped one, leaves it as it is: the time it holds is
// never lost to a second press or to a watch that never ran.
void Stopwatch::start(double nowS) {
  if (running) return;
  running = true;
  startS = nowS - accumulatedS;
}

void Stopwatch::stop(double nowS) {
  if (!running) return;
  running = false;
  accumulatedS = std::max(0.0, nowS - startS);
}

void Stopwatch::zero() {
  running = false;
  accumulatedS = 0.0;
}

ClockDigits stopwatchDigits(double seconds) {
  const double t = std::isfinite(seconds) && seconds > 0.0 ? seconds : 0.0;
  return {static_cast<std::int32_t>(std::fmod(std::floor(t / 3600.0), 24.0)),
          static_cast<std::int32_t>(std::fmod(std::floor(t / 60.0), 60.0)),
          static_cast<std::int32_t>(std::fmod(std::floor(t), 60.0))};
}

std::int32_t simRateSample(double hostSimulationRate) {
  if (!std::isfinite(hostSimulationRate) || hostSimulationRate <= static_cast<double>(kNormalRate)) return 0;
  return static_cast<std::int32_t>(std::lround(std::log2(hostSimulationRate / kNormalRate)));
}

// ---- cycle ----

void CockpitClock::update(const CycleContext& now, const CockpitClockInputs& in) {
  hostClock_ = in.hostClock;

  if (in.onGround && flight_.running) flight_.stop(now.nowS);
  if (!in.onGround && !flight_.running) flight_.start(now.nowS);

  // A clock set back (a reloaded situation) springs the selectors back too.
  const bool sprung = now.nowS - momentaryAtS_ > kSpringBackS || now.nowS < momentaryAtS_;
  if (sprung && chronometer_ == Chronometer::kZero) {
    chronometer_ = Chronometer::kStop;
    elapsed_.stop(now.nowS);
  }
  if (sprung && brightness_ == Brightness::kHourUp) {
    brightness_ = Brightness::kDim;
    dim_ = true;
  }

  switch (simRateSample(in.hostSimulationRate)) {
    case 0: simRate_ = SimRateSelector::kNormal; break;
    case 1: simRate_ = SimRateSelector::kDouble; break;
    default: simRate_ = SimRateSelector::kQuadruple; break;
  }
}

// ---- selectors ----

void CockpitClock::modeDown(SoundDoor& sounds) {
  if (mode_ == ClockMode::kTime) return;
  mode_ = mode_ == ClockMode::kElapsedTime ? ClockMode::kFlightTime : ClockMode::kTime;
  sounds.play(sound::kSwitchClick);
}

void CockpitClock::modeUp(SoundDoor& sounds) {
  if (mode_ == ClockMode::kElapsedTime) return;
  mode_ = mode_ == ClockMode::kTime ? ClockMode::kFlightTime : ClockMode::kElapsedTime;
  sounds.play(sound::kSwitchClick);
}

void CockpitClock::zeroStopwatch(double nowS) {
  (zeroClearsElapsedTime_ ? elapsed_ : flight_).zero();
  momentaryAtS_ = nowS;
}

void CockpitClock::chronometerDown(double nowS, SoundDoor& sounds) {
  if (chronometer_ == Chronometer::kZero) return;
  if (chronometer_ == Chronometer::kRun) {
    chronometer_ = Chronometer::kStop;
    elapsed_.stop(nowS);
  } else {
    chronometer_ = Chronometer::kZero;
    zeroStopwatch(nowS);
  }
  sounds.play(sound::kSwitchClick);
}

void CockpitClock::chronometerUp(double nowS, SoundDoor& sounds) {
  if (chronometer_ == Chronometer::kRun) return;
  if (chronometer_ == Chronometer::kZero) {
    chronometer_ = Chronometer::kStop;
  } else {
    chronometer_ = Chronometer::kRun;
    elapsed_.start(nowS);
  }
  sounds.play(sound::kSwitchClick);
}

void CockpitClock::simRateDown(Effects& fx) {
  if (simRate_ == SimRateSelector::kDouble) return;
  fx.events.trigger(kSimRateSetEvent, simRate_ == SimRateSelector::kQuadruple ? kNormalRate : kDoubleRate);
  fx.sounds.play(sound::kSwitchClick);
}

void CockpitClock::simRateUp(Effects& fx) {
  if (simRate_ == SimRateSelector::kQuadruple) return;
  fx.events.trigger(kSimRateSetEvent, simRate_ == SimRateSelector::kDouble ? kNormalRate : kQuadrupleRate);
  fx.sounds.play(sound::kSwitchClick);
}

void CockpitClock::brightnessDown(SoundDoor& sounds) {
  if (brightness_ == Brightness::kBright) return;
  if (brightness_ == Brightness::kHourUp) {
    brightness_ = Brightness::kDim;
    dim_ = true;
  } else {
    brightness_ = Brightness::kBright;
    dim_ = false;
  }
  sounds.play(sound::kSwitchClick);
}

void CockpitClock::brightnessUp(double nowS, SoundDoor& sounds) {
  if (brightness_ == Brightness::kHourUp) return;
  if (brightness_ == Brightness::kBright) {
    brightness_ = Brightness::kDim;
    dim_ = true;
  } else {
    brightness_ = Brightness::kHourUp;
    hourOffset_ = (hourOffset_ + 1) % 24;
    momentaryAtS_ = nowS;
  }
  sounds.play(sound::kSwitchClick);
}

// ---- keyboard ----

void CockpitClock::show(ClockMode mode, SoundDoor& sounds) {
  mode_ = mode;
  sounds.play(sound::kSwitchClick);
}

void CockpitClock::run(double nowS, SoundDoor& sounds) {
  chronometer_ = Chronometer::kRun;
  elapsed_.start(nowS);
  sounds.play(sound::kSwitchClick);
}

void CockpitClock::stop(double nowS, SoundDoor& sounds) {
  chronometer_ = Chronometer::kStop;
  elapsed_.stop(nowS);
  sounds.play(sound::kSwitchClick);
}

void CockpitClock::zero(double nowS, SoundDoor& sounds) {
  // A running watch stops first, so the spring-back finds it at zero.
  elapsed_.stop(nowS);
  chronometer_ = Chronometer::kZero;
  zeroStopwatch(nowS);
  sounds.play(sound::kSwitchClick);
}

void CockpitClock::requestSimRate(SimRateSelector rate, Effects& fx) {
  const std::uint32_t value = rate == SimRateSelector::kDouble      ? kDoubleRate
                              : rate == SimRateSelector::kQuadruple ? kQuadrupleRate
                                                                    : kNormalRate;
  fx.events.trigger(kSimRateSetEvent, value);
  fx.sounds.play(sound::kSwitchClick);
}

// ---- readouts ----

ClockDigits CockpitClock::digits(double nowS) const {
  switch (mode_) {
    case ClockMode::kFlightTime: return stopwatchDigits(flight_.reading(nowS));
    case ClockMode::kElapsedTime: return stopwatchDigits(elapsed_.reading(nowS));
    case ClockMode::kTime: break;
  }
  const std::int32_t hour = ((hostClock_.hour + hourOffset_) % 24 + 24) % 24;
  return {hour, hostClock_.minute, hostClock_.second};
}

namespace {
template <typename E>
const char* pick(E value, E first, const char* const (&texts)[3]) {
  const auto i = static_cast<std::int32_t>(value) - static_cast<std::int32_t>(first);
  return i >= 0 && i < 3 ? texts[i] : texts[0];
}
}  // namespace

const char* modeTooltip(ClockMode m) {
  static constexpr const char* kTexts[] = {"[TIME]  -  F.T.  -  E.T.", "TIME  -  [F.T.]  -  E.T.",
                                           "TIME  -  F.T.  -  [E.T.]"};
  return pick(m, ClockMode::kTime, kTexts);
}

const char* chronometerTooltip(Chronometer c) {
  static constexpr const char* kTexts[] = {"[ZERO]  -  STOP  -  RUN", "ZERO  -  [STOP]  -  RUN",
                                           "ZERO  -  STOP  -  [RUN]"};
  return pick(c, Chronometer::kZero, kTexts);
}

const char* simRateTooltip(SimRateSelector s) {
  // Ordered as the selector stands: 2x on the left, NORM in the middle, 4x on the right.
  static constexpr const char* kTexts[] = {"2x  -  [NORM]  -  4x", "[2x]  -  NORM  -  4x", "2x  -  NORM  -  [4x]"};
  return pick(s, SimRateSelector::kNormal, kTexts);
}

const char* brightnessTooltip(Brightness b) {
  static constexpr const char* kTexts[] = {"[B]  -  DIM  -  1 hr up", "B  -  [DIM]  -  1 hr up",
                                           "B  -  DIM  -  [1 hr up]"};
  return pick(b, Brightness::kBright, kTexts);
}

}  // namespace xaq::displays
