#pragma once
// The glareshield clock: time of day, flight time and elapsed time on three two-digit readouts,
// with four two-way selectors (display mode, chronometer, simulation rate, brightness). The
// chronometer's ZERO and the brightness selector's "1 hr up" are momentary: they spring back
// 0.2 s after they were taken. The simulation-rate selector only asks the host for a rate; it
// shows whatever rate the host reports.

#include <cstdint>

#include "common/cycle_context.h"
#include "common/effects.h"

namespace xaq::displays {

// Times in seconds of simulation time.
struct Stopwatch {
  bool running = false;
  double startS = 0.0;
  double accumulatedS = 0.0;

  double reading(double nowS) const;
  void start(double nowS);
  void stop(double nowS);
  void zero();
};

struct ClockDigits {
  std::int32_t hours = 0;
  std::int32_t minutes = 0;
  std::int32_t seconds = 0;
};

// A stopwatch reading as hours (mod 24), minutes and seconds.
ClockDigits stopwatchDigits(double seconds);

// The selectors' positions, numbered as the selector images are.
enum class ClockMode : std::int32_t { kTime = 0, kFlightTime = 1, kElapsedTime = 2 };
enum class Chronometer : std::int32_t { kZero = 3, kStop = 4, kRun = 5 };
enum class SimRateSelector : std::int32_t { kNormal = 6, kDouble = 7, kQuadruple = 8 };
enum class Brightness : std::int32_t { kBright = 9, kDim = 10, kHourUp = 11 };

inline constexpr std::uint32_t kSimRateSetEvent = 66041;
inline constexpr std::uint32_t kNormalRate = 256, kDoubleRate = 512, kQuadrupleRate = 1024;
inline constexpr double kSpringBackS = 0.2;
inline constexpr std::uint32_t kDigitsBright = 0x246BFF;
inline constexpr std::uint32_t kDigitsDim = 0x1746A6;

// The host's local clock, as sampled.
struct HostClockSample {
  std::int32_t hour = 0;
  std::int32_t minute = 0;
  std::int32_t second = 0;
};

struct CockpitClockInputs {
  bool onGround = true;               // host variable 60
  double hostSimulationRate = 256.0;  // host variable 336: 256 normal, 512 double, 1024 quadruple
  HostClockSample hostClock;
};

// Doublings of the host's rate above normal (0 normal, 1 double, 2 quadruple); rates at or
// below normal, and values the host cannot mean, count as normal.
std::int32_t simRateSample(double hostSimulationRate);

class CockpitClock {
 public:
  // `zeroClearsElapsedTime` chooses which stopwatch the chronometer's ZERO clears: the
  // elapsed-time one (true) or the flight-time one.
  explicit CockpitClock(bool zeroClearsElapsedTime = true) : zeroClearsElapsedTime_(zeroClearsElapsedTime) {}

  // Cycle item (7): flight time, the spring-backs, the rate the host runs at.
  void update(const CycleContext& now, const CockpitClockInputs& in);

  // The selectors' down and up areas (one step each; a change clicks).
  void modeDown(SoundDoor& sounds);
  void modeUp(SoundDoor& sounds);
  void chronometerDown(double nowS, SoundDoor& sounds);
  void chronometerUp(double nowS, SoundDoor& sounds);
  void simRateDown(Effects& fx);
  void simRateUp(Effects& fx);
  void brightnessDown(SoundDoor& sounds);
  void brightnessUp(double nowS, SoundDoor& sounds);

  // The keyboard's clock commands: straight to a position, always with the click.
  void show(ClockMode mode, SoundDoor& sounds);
  void run(double nowS, SoundDoor& sounds);
  void stop(double nowS, SoundDoor& sounds);
  void zero(double nowS, SoundDoor& sounds);
  void requestSimRate(SimRateSelector rate, Effects& fx);

  // What the readouts show at `nowS`, and in which colour.
  ClockDigits digits(double nowS) const;
  std::uint32_t digitColour() const { return dim_ ? kDigitsDim : kDigitsBright; }

  ClockMode mode() const { return mode_; }
  Chronometer chronometer() const { return chronometer_; }
  SimRateSelector simRate() const { return simRate_; }
  Brightness brightness() const { return brightness_; }
  const Stopwatch& elapsedTime() const { return elapsed_; }
  const Stopwatch& flightTime() const { return flight_; }
  bool dim() const { return dim_; }
  std::int32_t hourOffset() const { return hourOffset_; }

 private:
  void zeroStopwatch(double nowS);

  ClockMode mode_ = ClockMode::kTime;
  Chronometer chronometer_ = Chronometer::kStop;
  SimRateSelector simRate_ = SimRateSelector::kNormal;
  Brightness brightness_ = Brightness::kBright;
  Stopwatch elapsed_;
  Stopwatch flight_;
  bool dim_ = false;
  std::int32_t hourOffset_ = 0;
  HostClockSample hostClock_;
  bool zeroClearsElapsedTime_ = true;
  double momentaryAtS_ = 0.0;  // when ZERO or "1 hr up" was last taken
};

// The selectors' tooltips, the current position in brackets.
const char* modeTooltip(ClockMode m);
const char* chronometerTooltip(Chronometer c);
const char* simRateTooltip(SimRateSelector s);
const char* brightnessTooltip(Brightness b);

}  // namespace xaq::displays
