// The glareshield clock through its cycle and its selectors, as the gauge and the keys drive it.

#include "displays/glareshield/cockpit_clock.h"

#include <gtest/gtest.h>

#include "common/testing/recording_effects.h"
#include "common/testing/stepped_bed.h"
#include "displays/analog/gear_lights.h"
#include "displays/glareshield/course_heading_knobs.h"

namespace xaq::displays {
namespace {

constexpr double kSteps[] = {0.0, 0.028, 0.056, 0.3, 6.0};

class ClockBed : public xaq::testing::SteppedBed<ClockBed> {
 public:
  void cycle() { clock.update(now, in); }
  double t() const { return now.nowS; }
  SoundDoor& sounds() { return fx; }
  int clicks() const { return static_cast<int>(fx.sounds.size()); }

  CockpitClock clock;
  CockpitClockInputs in;
  xaq::testing::RecordingEffects fx;
};

// Advances by `seconds`, in steps of dt (a zero step: one cycle at the same time).
void advance(ClockBed& b, double seconds, double dt) {
  if (dt <= 0.0) {
    b.now.nowS += seconds;
    b.runCycles(1, 0.0);
    return;
  }
  b.runFor(seconds, dt);
}

TEST(Stopwatch, KeepsItsTimeAcrossStopsAndStarts) {
  Stopwatch w;
  w.stop(50.0);
  EXPECT_EQ(w.reading(60.0), 0.0) << "a watch that never ran holds nothing";
  w.start(0.05);
  EXPECT_DOUBLE_EQ(w.reading(10.05), 10.0);
  w.stop(10.05);
  EXPECT_DOUBLE_EQ(w.reading(99.0), 10.0) << "started in the first tenth of a second, it still keeps its time";
  w.stop(20.0);
  EXPECT_DOUBLE_EQ(w.accumulatedS, 10.0) << "a second stop loses nothing";
  w.start(100.0);
  w.start(105.0);
  EXPECT_DOUBLE_EQ(w.reading(110.0), 20.0) << "a second start does not restart it";
  EXPECT_EQ(w.reading(50.0), 0.0) << "a clock set back below the start reads zero, not negative";
  w.zero();
  EXPECT_FALSE(w.running);
  EXPECT_EQ(w.reading(200.0), 0.0);
}

TEST(Stopwatch, DigitsAreHoursModuloADayMinutesAndSeconds) {
  const ClockDigits d = stopwatchDigits(25 * 3600.0 + 59 * 60.0 + 59.99);
  EXPECT_EQ(d.hours, 1);
  EXPECT_EQ(d.minutes, 59);
  EXPECT_EQ(d.seconds, 59);
  EXPECT_EQ(stopwatchDigits(59.999).minutes, 0);
  EXPECT_EQ(stopwatchDigits(60.0).minutes, 1);
  EXPECT_EQ(stopwatchDigits(-5.0).seconds, 0);
}

TEST(ClockSelectors, TheModeSelectorStepsOnePositionAndStopsAtItsEnds) {
  ClockBed b;
  b.clock.modeDown(b.sounds());
  EXPECT_EQ(b.clicks(), 0) << "already at TIME";
  b.clock.modeUp(b.sounds());
  EXPECT_EQ(b.clock.mode(), ClockMode::kFlightTime);
  EXPECT_STREQ(modeTooltip(b.clock.mode()), "TIME  -  [F.T.]  -  E.T.");
  b.clock.modeUp(b.sounds());
  b.clock.modeUp(b.sounds());
  EXPECT_EQ(b.clock.mode(), ClockMode::kElapsedTime);
  EXPECT_EQ(b.clicks(), 2);
  b.clock.modeDown(b.sounds());
  b.clock.modeDown(b.sounds());
  EXPECT_EQ(b.clock.mode(), ClockMode::kTime);
  EXPECT_STREQ(modeTooltip(b.clock.mode()), "[TIME]  -  F.T.  -  E.T.");
}

TEST(ClockSelectors, TheChronometerRunsStopsAndZeroesTheElapsedTime) {
  ClockBed b;
  b.runCycles(10);
  b.clock.chronometerUp(b.t(), b.sounds());
  EXPECT_EQ(b.clock.chronometer(), Chronometer::kRun);
  const double started = b.t();
  b.runFor(65.0, 0.056);
  b.clock.chronometerDown(b.t(), b.sounds());
  EXPECT_EQ(b.clock.chronometer(), Chronometer::kStop);
  EXPECT_NEAR(b.clock.elapsedTime().reading(b.t() + 100), b.t() - started, 1e-9);
  b.clock.modeUp(b.sounds());
  b.clock.modeUp(b.sounds());
  EXPECT_EQ(b.clock.digits(b.t()).minutes, 1);
  EXPECT_EQ(b.clock.digits(b.t()).seconds, 5);
  b.clock.chronometerDown(b.t(), b.sounds());
  EXPECT_EQ(b.clock.chronometer(), Chronometer::kZero);
  EXPECT_STREQ(chronometerTooltip(b.clock.chronometer()), "[ZERO]  -  STOP  -  RUN");
  EXPECT_EQ(b.clock.elapsedTime().reading(b.t()), 0.0);
  EXPECT_EQ(b.clicks(), 5);

  b.clock.chronometerDown(b.t(), b.sounds());
  EXPECT_EQ(b.clock.chronometer(), Chronometer::kZero) << "down in ZERO does nothing";
  EXPECT_EQ(b.clicks(), 5);
  b.clock.chronometerUp(b.t(), b.sounds());
  EXPECT_EQ(b.clock.chronometer(), Chronometer::kStop);
  EXPECT_FALSE(b.clock.elapsedTime().running) << "up from ZERO stops at STOP without starting";
}

TEST(ClockSelectors, ZeroAndOneHourUpSpringBackOnceTwoTenthsOfASecondHavePassed) {
  for (double dt : kSteps) {
    ClockBed b;
    b.now.nowS = 1.0;
    b.clock.chronometerDown(b.t(), b.sounds());
    b.clock.brightnessUp(b.t(), b.sounds());
    b.clock.brightnessUp(b.t(), b.sounds());
    EXPECT_EQ(b.clock.brightness(), Brightness::kHourUp);
    advance(b, 0.2, dt);
    EXPECT_EQ(b.clock.chronometer(), Chronometer::kZero) << "still held at exactly 0.2 s, dt " << dt;
    EXPECT_EQ(b.clock.brightness(), Brightness::kHourUp) << dt;
    advance(b, dt > 0.0 ? dt : 0.001, dt);
    EXPECT_EQ(b.clock.chronometer(), Chronometer::kStop) << dt;
    EXPECT_FALSE(b.clock.elapsedTime().running) << dt;
    EXPECT_EQ(b.clock.elapsedTime().reading(b.t()), 0.0) << dt;
    EXPECT_EQ(b.clock.brightness(), Brightness::kDim) << dt;
    EXPECT_TRUE(b.clock.dim()) << dt;
    EXPECT_EQ(b.clock.digitColour(), kDigitsDim) << dt;
  }
}

TEST(ClockSelectors, OneHourUpAdvancesTheClockAndWrapsAfterTwentyThree) {
  ClockBed b;
  b.in.hostClock = {22, 14, 5};
  b.runCycles(1);
  b.clock.brightnessUp(b.t(), b.sounds());
  EXPECT_EQ(b.clock.hourOffset(), 0) << "B to DIM only dims";
  EXPECT_STREQ(brightnessTooltip(b.clock.brightness()), "B  -  [DIM]  -  1 hr up");
  for (int k = 1; k <= 24; ++k) {
    b.clock.brightnessUp(b.t(), b.sounds());
    EXPECT_EQ(b.clock.hourOffset(), k % 24);
    if (k == 1) {
      EXPECT_STREQ(brightnessTooltip(b.clock.brightness()), "B  -  DIM  -  [1 hr up]");
      EXPECT_EQ(b.clock.digits(b.t()).hours, 23);
    }
    if (k == 2) {
      EXPECT_EQ(b.clock.digits(b.t()).hours, 0) << "22 + 2 shows 00";
    }
    b.runFor(0.3, 0.056);
  }
  EXPECT_EQ(b.clock.hourOffset(), 0) << "at offset 23, one more hour gives 0";
  EXPECT_EQ(b.clock.digits(b.t()).minutes, 14);
  b.clock.brightnessDown(b.sounds());
  EXPECT_EQ(b.clock.brightness(), Brightness::kBright);
  EXPECT_FALSE(b.clock.dim());
  EXPECT_EQ(b.clock.digitColour(), kDigitsBright);
}

TEST(ClockCycle, FlightTimeRunsOnlyWhileAirborneWhateverTheFrameTime) {
  for (double dt : kSteps) {
    ClockBed b;
    b.in.onGround = true;
    advance(b, 30.0, dt);
    EXPECT_FALSE(b.clock.flightTime().running) << dt;
    b.in.onGround = false;
    advance(b, 0.0, 0.0);
    const double liftOff = b.t();
    advance(b, 600.0, dt);
    EXPECT_NEAR(b.clock.flightTime().reading(b.t()), b.t() - liftOff, 1e-6) << dt;
    b.in.onGround = true;
    advance(b, 0.0, 0.0);
    const double flown = b.t() - liftOff;
    advance(b, 120.0, dt);
    EXPECT_NEAR(b.clock.flightTime().reading(b.t()), flown, 1e-6) << "held on the ground, dt " << dt;
    b.in.onGround = false;
    advance(b, 0.0, 0.0);
    advance(b, 60.0, dt);
    EXPECT_NEAR(b.clock.flightTime().reading(b.t()), flown + 60.0, 1e-6) << "the next leg adds on, dt " << dt;
  }
}

TEST(ClockCycle, TheSimRateSelectorShowsTheRateTheHostRunsAt) {
  ClockBed b;
  const std::pair<double, SimRateSelector> cases[] = {
      {256, SimRateSelector::kNormal},  {0, SimRateSelector::kNormal},     {128, SimRateSelector::kNormal},
      {512, SimRateSelector::kDouble},  {1024, SimRateSelector::kQuadruple}, {4096, SimRateSelector::kQuadruple}};
  for (const auto& [rate, shown] : cases) {
    b.in.hostSimulationRate = rate;
    b.runCycles(1);
    EXPECT_EQ(b.clock.simRate(), shown) << rate;
  }
  EXPECT_EQ(simRateSample(256), 0);
  EXPECT_EQ(simRateSample(512), 1);
  EXPECT_EQ(simRateSample(1024), 2);
}

TEST(ClockSelectors, TheSimRateSelectorAsksTheHostAndWaitsForIt) {
  ClockBed b;
  Effects fx = b.fx.doors();
  b.runCycles(1);
  EXPECT_STREQ(simRateTooltip(b.clock.simRate()), "2x  -  [NORM]  -  4x");
  b.clock.simRateDown(fx);
  b.clock.simRateUp(fx);
  EXPECT_EQ(b.clock.simRate(), SimRateSelector::kNormal) << "the selector moves with the host, not the click";
  b.in.hostSimulationRate = 512;
  b.runCycles(1);
  EXPECT_STREQ(simRateTooltip(b.clock.simRate()), "[2x]  -  NORM  -  4x");
  b.clock.simRateDown(fx);  // at 2x: nothing further left
  b.clock.simRateUp(fx);
  b.in.hostSimulationRate = 1024;
  b.runCycles(1);
  EXPECT_STREQ(simRateTooltip(b.clock.simRate()), "2x  -  NORM  -  [4x]");
  b.clock.simRateUp(fx);  // at 4x: nothing further right
  b.clock.simRateDown(fx);
  using E = std::pair<std::uint32_t, std::uint32_t>;
  EXPECT_EQ(b.fx.events, (std::vector<E>{{66041, 512}, {66041, 1024}, {66041, 256}, {66041, 256}}));
  EXPECT_EQ(b.clicks(), 4);
}

TEST(ClockKeys, EachCommandSetsItsPositionAndClicks) {
  ClockBed b;
  Effects fx = b.fx.doors();
  b.runCycles(5);
  b.clock.show(ClockMode::kElapsedTime, b.sounds());
  b.clock.run(b.t(), b.sounds());
  b.runFor(10.0, 0.3);
  EXPECT_EQ(b.clock.digits(b.t()).seconds, 10);
  b.clock.zero(b.t(), b.sounds());
  EXPECT_EQ(b.clock.digits(b.t()).seconds, 0) << "zero while running";
  b.runFor(1.0, 0.056);
  EXPECT_EQ(b.clock.chronometer(), Chronometer::kStop);
  EXPECT_EQ(b.clock.digits(b.t()).seconds, 0);
  b.clock.run(b.t(), b.sounds());
  b.runFor(3.0, 0.056);
  b.clock.stop(b.t(), b.sounds());
  b.runFor(3.0, 0.056);
  EXPECT_EQ(b.clock.digits(b.t()).seconds, 3);
  b.clock.requestSimRate(SimRateSelector::kQuadruple, fx);
  b.clock.requestSimRate(SimRateSelector::kNormal, fx);
  using E = std::pair<std::uint32_t, std::uint32_t>;
  EXPECT_EQ(b.fx.events, (std::vector<E>{{66041, 1024}, {66041, 256}}));
  EXPECT_EQ(b.clicks(), 7);
}

TEST(ClockReadout, TimeOfDayIsTheHostClockWithTheOffset) {
  ClockBed b;
  b.in.hostClock = {9, 41, 7};
  b.runCycles(1);
  const ClockDigits d = b.clock.digits(b.t());
  EXPECT_EQ(d.hours, 9);
  EXPECT_EQ(d.minutes, 41);
  EXPECT_EQ(d.seconds, 7);
  EXPECT_EQ(b.clock.digitColour(), 0x246BFFu);
}

TEST(ClockZeroSelector, TheOtherChoiceClearsTheFlightTime) {
  CockpitClock c(false);
  xaq::testing::RecordingEffects fx;
  CycleContext now;
  CockpitClockInputs in;
  in.onGround = false;
  now.nowS = 1.0;
  c.update(now, in);
  c.chronometerUp(1.0, fx);
  now.nowS = 61.0;
  c.update(now, in);
  c.chronometerDown(61.0, fx);
  c.chronometerDown(61.0, fx);
  EXPECT_DOUBLE_EQ(c.elapsedTime().reading(61.0), 60.0);
  EXPECT_EQ(c.flightTime().reading(61.0), 0.0);
}

TEST(CourseHeadingKnobs, SendTheirEventsAndTheTenDegreeBug) {
  xaq::testing::RecordingEffects fx;
  turnCourseKnob(-1, false, fx);
  turnCourseKnob(+1, false, fx);
  turnCourseKnob(-1, true, fx);
  turnCourseKnob(+1, true, fx);
  turnHeadingKnob(-1, false, 100, fx);
  turnHeadingKnob(+1, false, 100, fx);
  turnHeadingKnob(-1, true, 5.4, fx);
  turnHeadingKnob(+1, true, 355.0, fx);
  using E = std::pair<std::uint32_t, std::uint32_t>;
  EXPECT_EQ(fx.events, (std::vector<E>{{65662, 1}, {65663, 1}, {66367, 1}, {66368, 1}, {65880, 1}, {65879, 1},
                                       {66042, 355}, {66042, 5}}));
  EXPECT_EQ(headingBugAfter(349.6, 10.0), 0u) << "359.6 rounds to 360, which is north";
  EXPECT_EQ(headingBugAfter(std::nan(""), 10.0), 10u);
}

TEST(GearLights, FollowTheLegRecordsAndStayDarkOnTheThresholds) {
  EXPECT_EQ(gearLightImage(1.0, 0.0, false, true), 1);
  EXPECT_EQ(gearLightImage(0.5, 0.5, false, true), 2);
  EXPECT_EQ(gearLightImage(1.0, 0.5, false, true), 3);
  EXPECT_EQ(gearLightImage(0.5, 0.5, true, true), 4);
  EXPECT_EQ(gearLightImage(0.0, 0.0, false, true), 0) << "up and locked";
  EXPECT_EQ(gearLightImage(1.0, 0.0, false, false), 0) << "unpowered";
  EXPECT_EQ(gearLightImage(1.0, 0.0, true, true), 0);
  // Boundary pairs: just past a threshold lights, exactly on it does not.
  EXPECT_EQ(gearLightImage(0.991, 0.0, false, true), 1);
  EXPECT_EQ(gearLightImage(0.99, 0.0, false, true), 0);
  EXPECT_EQ(gearLightImage(0.5, 0.011, false, true), 2);
  EXPECT_EQ(gearLightImage(0.5, 0.01, false, true), 0);
  EXPECT_EQ(gearLightImage(0.99, 0.5, false, true), 0);
  EXPECT_EQ(gearLightImage(1.0, 0.01, false, true), 0);
  EXPECT_EQ(gearLightImage(0.99, 0.5, true, true), 0);
  EXPECT_EQ(gearLightImage(std::nan(""), 0.5, false, true), 0);
}

}  // namespace
}  // namespace xaq::displays
