// The flight guidance flying the sim host's aircraft through the real module: the modes are
// engaged on the guidance controller as a pilot would, and every figure is the flight model's
// truth. Each flight runs in calm air at normal speed, at four times the simulation rate, and
// with a 20-knot wind across its path.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>

#include "simhost/flight_model.h"
#include "simhost/geo.h"
#include "simhost/renderer.h"
#include "tests/sil/host_fixture.h"

namespace xaq::sim {
namespace {

struct Condition {
  const char* name;
  int simulationRate;  // 256 = normal
  double crossWindKt;  // from the right of the path
};

const Condition kConditions[] = {
    {"calm", 256, 0.0},
    {"fourTimes", 1024, 0.0},
    {"crossWind", 256, 20.0},
};

std::string conditionName(const ::testing::TestParamInfo<Condition>& info) { return info.param.name; }

// The largest and smallest of a value over a stretch of flight.
struct Range {
  double lowest = 1e300, highest = -1e300;
  void add(double v) {
    lowest = std::min(lowest, v);
    highest = std::max(highest, v);
  }
  double worst() const { return std::max(std::fabs(lowest), std::fabs(highest)); }
};

class GuidanceLoop : public ::testing::TestWithParam<Condition> {
 protected:
  void SetUp() override {
    HostOptions options = testing::testHostOptions();
    options.simulatorFolder = XAQ_RESOURCES_SIM_FOLDER;  // the sample data with its ILS runways
    host = std::make_unique<SimHost>(options);
    ASSERT_TRUE(host->loaded()) << host->error();
  }

  // In the air, trimmed by the pilot at `altitudeFt` and `speedKt` on `headingDeg` (magnetic and
  // true alike), engines running, the cockpit powered; the wind blows across `pathDeg`.
  void airborne(double latDeg, double lonDeg, double headingDeg, double altitudeFt, double speedKt, double pathDeg) {
    World& w = host->world;
    placeOnGround(w, latDeg, lonDeg, headingDeg, 20);
    w.environment.magneticVariationDeg = 0;
    w.environment.variationFromGrid = false;
    w.aircraft.onGround = false;
    w.aircraft.altitudeFt = altitudeFt;
    w.aircraft.trueAirspeedKt = speedKt;
    w.aircraft.pitchDeg = 2.5;
    w.controls.gearHandle = 0;
    w.controls.gearPosition = {0, 0, 0};
    w.controls.parkingBrake = false;
    for (Engine& e : w.engines) {
      e.combustion = true;
      e.mixture = 16384;
      e.nhPct = 85;
      e.propRpm = 1200;
    }
    w.autopilot.headingBugDeg = headingDeg;
    w.environment.windSpeedKt = GetParam().crossWindKt;
    w.environment.windFromDeg = wrap360(pathDeg + 90);
    host->pilot.targets = PilotTargets{true, headingDeg, altitudeFt, speedKt};
    host->runFor(20);  // the pilot settles it; the guidance powers up in the air
    w.simulationRate = GetParam().simulationRate;
  }

  void press(const std::string& control) {
    ASSERT_TRUE(host->clickTooltip("autopilot", control, MouseButton::kLeft)) << control;
  }

  // The altitude preselector, from its 10,000 ft at start, by the knob's 1000-ft steps.
  void preselect(int thousandsFromTenThousand) {
    const int x = thousandsFromTenThousand > 0 ? 217 : 184;
    for (int k = 0; k < std::abs(thousandsFromTenThousand); ++k) {
      ASSERT_TRUE(host->click("AltSel", x, 69, MouseButton::kRight));
    }
  }

  // The advisory display's active-mode line (its fourth text, under the background).
  bool activeModesShow(const char* text) {
    abi::ElementHeader* line = elementAt(host->gauge("Advisory"), "0.3");
    return line != nullptr && evaluateElement(*host, line).text.find(text) != std::string::npos;
  }

  double simSeconds() const { return host->world.simSeconds; }
  double headingDeg() const { return host->world.aircraft.headingTrueDeg; }
  double altitudeFt() const { return host->world.aircraft.altitudeFt; }

  // Flies `seconds` of simulation time, calling `watch` every half second of it.
  void fly(double seconds, const std::function<void()>& watch = [] {}) {
    const double end = simSeconds() + seconds;
    const double step = 0.5 * 256.0 / host->world.simulationRate;
    while (simSeconds() < end) {
      host->runFor(step);
      watch();
    }
  }

  std::unique_ptr<SimHost> host;
};

TEST_P(GuidanceLoop, HeadingSelectTurnsNinetyDegreesOntoTheBugWithoutOvershoot) {
  airborne(45.0, -122.0, 0, 5000, 200, 45);
  press("Autopilot");
  press("Heading select");
  fly(5);
  host->world.autopilot.headingBugDeg = 90;
  const double start = simSeconds();
  Range heading;
  double settledAt = -1;
  fly(120, [&] {
    const double error = wrap180(headingDeg() - 90);
    heading.add(error);
    if (std::fabs(error) > 2.0) settledAt = -1;
    else if (settledAt < 0) settledAt = simSeconds() - start;
  });
  RecordProperty("overshootDeg", std::to_string(heading.highest));
  RecordProperty("withinTwoDegreesAfterS", std::to_string(settledAt));
  EXPECT_LE(heading.highest, 3.0);
  EXPECT_GE(settledAt, 0.0);
  EXPECT_LE(settledAt, 60.0);
}

TEST_P(GuidanceLoop, VerticalSpeedAndAltitudeSelectClimbOntoThePreselectedAltitude) {
  airborne(45.0, -122.0, 0, 5000, 190, 0);
  host->pilot.targets.altitudeFt = 20000;  // the pilot starts the climb at 1500 fpm
  fly(20);
  press("Autopilot");
  press("Vertical speed hold");  // holds the climb as it is, to the nearest 100 fpm
  preselect(-2);
  press("Altitude preselect");
  fly(30);
  Range vs;
  fly(30, [&] { vs.add(host->world.aircraft.verticalSpeedFpm - 1500); });
  RecordProperty("verticalSpeedErrorFpm", std::to_string(vs.worst()));
  EXPECT_LE(vs.worst(), 100.0);

  Range altitude;
  bool captured = false, capturing = false, holding = false;
  fly(300, [&] {
    if (altitudeFt() > 7900) captured = true;
    if (captured) altitude.add(altitudeFt() - 8000);
    if (activeModesShow("ALT*")) capturing = true;
    else if (capturing && activeModesShow("ALT    ")) holding = true;
  });
  ASSERT_TRUE(captured);
  EXPECT_TRUE(capturing);
  EXPECT_TRUE(holding);
  RecordProperty("altitudeOvershootFt", std::to_string(altitude.highest));
  EXPECT_LE(altitude.highest, 100.0);
  Range held;
  fly(120, [&] { held.add(altitudeFt() - 8000); });
  RecordProperty("altitudeHeldWithinFt", std::to_string(held.worst()));
  EXPECT_LE(held.worst(), 30.0);
}

TEST_P(GuidanceLoop, IndicatedAirspeedHoldTradesAddedPowerForClimb) {
  airborne(45.0, -122.0, 0, 5000, 180, 0);
  press("Autopilot");
  press("Indicated airspeed hold");
  const double target = std::round(host->hostValue(61));
  host->pilot.targets.airspeedKt = 0;  // the power levers stay where the pilot put them
  host->world.controls.throttle = std::min(16383.0, host->world.controls.throttle + 3000);
  fly(30);
  Range ias;
  fly(60, [&] { ias.add(host->hostValue(61) - target); });
  RecordProperty("airspeedErrorKt", std::to_string(ias.worst()));
  EXPECT_LE(ias.worst(), 5.0);
  EXPECT_GT(host->world.aircraft.verticalSpeedFpm, 200.0);  // the extra power went into climb
}

// KPDX 10R: the localizer on 111.90 MHz along 100 degrees to the threshold at 24 ft.
constexpr double kThresholdLat = 45.5881, kThresholdLon = -122.6030, kRunwayCourse = 100, kThresholdFt = 24;

TEST_P(GuidanceLoop, TheIlsApproachCapturesTheLocalizerThenTheGlideslopeAndTracksBothDown) {
  // Fourteen miles out and a mile and a half to the left of the course, intercepting at 30
  // degrees well below the glideslope.
  double lat = 0, lon = 0;
  destination(kThresholdLat, kThresholdLon, wrap360(kRunwayCourse + 180), 14.0, lat, lon);
  destination(lat, lon, wrap360(kRunwayCourse - 90), 1.5, lat, lon);
  airborne(lat, lon, kRunwayCourse + 30, 2000, 150, kRunwayCourse);
  host->world.radios.nav1Bcd = 0x1190;
  fly(2);
  press("Autopilot");
  press("Altitude hold");
  press("ILS approach");  // heading select on the bug: the intercept heading
  const auto deviation = [this] { return host->hostValue(40); };
  const auto glideslope = [this] { return host->hostValue(41); };
  const auto heightFt = [this] { return altitudeFt() - kThresholdFt; };

  Range localizer, path;
  std::string modes;  // each mode the advisory display showed, in the order it first did
  bool onLocalizer = false, onGlideslope = false;
  double localizerAt = -1, glideslopeAt = -1;
  const double start = simSeconds();
  fly(600, [&] {
    if (heightFt() < 200 || host->world.aircraft.onGround) return;
    if (!onLocalizer && std::fabs(deviation()) < 32) {
      onLocalizer = true;
      localizerAt = simSeconds() - start;
    }
    if (onLocalizer && !onGlideslope && std::fabs(glideslope()) < 32) {
      onGlideslope = true;
      glideslopeAt = simSeconds() - start;
    }
    for (const char* mode : {" LOC*", " LOC ", " GS*", " GS "}) {
      if (activeModesShow(mode) && modes.find(mode) == std::string::npos) modes += mode;
    }
    if (onLocalizer) localizer.add(deviation());
    if (onGlideslope) path.add(glideslope());
  });
  RecordProperty("localizerAtS", std::to_string(localizerAt));
  RecordProperty("glideslopeAtS", std::to_string(glideslopeAt));
  RecordProperty("localizerDeviationWorst", std::to_string(localizer.worst()));
  RecordProperty("glideslopeDeviationWorst", std::to_string(path.worst()));
  ASSERT_TRUE(onLocalizer);
  ASSERT_TRUE(onGlideslope);
  EXPECT_EQ(modes, " LOC* LOC  GS* GS ");
  EXPECT_LT(localizerAt, glideslopeAt);
  EXPECT_LE(localizer.worst(), 64.0);
  EXPECT_LE(path.worst(), 64.0);
  // The host's holds came on in the order of the captures: NAV for the localizer, then approach.
  double navHoldAt = -1, approachHoldAt = -1;
  for (const SentEvent& e : host->events()) {
    if (e.id == 65811 && navHoldAt < 0) navHoldAt = e.simSeconds;
    if (e.id == 65806 && approachHoldAt < 0) approachHoldAt = e.simSeconds;
  }
  EXPECT_GT(navHoldAt, start);
  EXPECT_GT(approachHoldAt, navHoldAt);
  EXPECT_LT(heightFt(), 200.0);  // it came down the glideslope
}

// The Battle Ground and Olympia VORs of the sample data.
constexpr double kBtgLat = 45.7478, kBtgLon = -122.5921, kOlmLat = 46.9714, kOlmLon = -122.9024;

// Miles right (+) or left of the great circle from (lat1, lon1) toward (lat2, lon2).
double crossTrackNm(double lat1, double lon1, double lat2, double lon2, double lat, double lon) {
  const double d = distanceNm(lat1, lon1, lat, lon) / kEarthRadiusNm;
  const double angle = (bearingDeg(lat1, lon1, lat, lon) - bearingDeg(lat1, lon1, lat2, lon2)) * kDegToRad;
  return std::asin(std::sin(d) * std::sin(angle)) * kEarthRadiusNm;
}

TEST_P(GuidanceLoop, LnavFliesDirectToAWaypointAndOnAlongTheNextLeg) {
  airborne(45.62, -122.78, 90, 4000, 200, 0);
  // On the CDU: INIT accepted; the plan BTG, OLM; then direct to BTG.
  const std::pair<int, int> keys[] = {
      {20, 172},                                                          // INIT: ACCEPT
      {69, 238}, {63, 269}, {204, 324}, {204, 268}, {258, 352}, {258, 352},  // FPL B T G ENTER ENTER
      {63, 324}, {147, 297}, {176, 297}, {258, 352}, {258, 352},             // O L M ENTER ENTER
      {136, 209}, {63, 269}, {204, 324}, {204, 268}, {258, 352}, {258, 352}};  // DTO B T G ENTER ENTER
  for (const auto& [x, y] : keys) {
    ASSERT_TRUE(host->click("FMC", x, y, MouseButton::kLeft));
    fly(0.5);
  }
  press("Autopilot");
  press("NAV source: FMS");
  press("NAV");
  const Aircraft& a = host->world.aircraft;
  const auto toBtg = [&] { return distanceNm(a.latDeg, a.lonDeg, kBtgLat, kBtgLon); };

  // Direct to BTG: turned toward it within a minute, then the nose points at it (a crosswind
  // drifts the track off that by its drift angle; the bearing flown follows).
  Range trackError;
  double closest = toBtg();
  const double start = simSeconds();
  fly(600, [&] {
    if (toBtg() > closest) return;  // past it
    closest = toBtg();
    if (simSeconds() - start > 60 && closest > 2.0) {
      trackError.add(wrap180(a.headingTrueDeg - bearingDeg(a.latDeg, a.lonDeg, kBtgLat, kBtgLon)));
    }
  });
  RecordProperty("directHeadingErrorDeg", std::to_string(trackError.worst()));
  RecordProperty("closestToBtgNm", std::to_string(closest));
  EXPECT_LE(trackError.worst(), 5.0);
  EXPECT_LT(closest, 1.5);  // the turn onto the next leg starts before the fix

  // On along BTG - OLM: close to the leg once the turn has settled.
  Range crossTrack;
  fly(300, [&] { crossTrack.add(crossTrackNm(kBtgLat, kBtgLon, kOlmLat, kOlmLon, a.latDeg, a.lonDeg)); });
  RecordProperty("legCrossTrackNm", std::to_string(crossTrack.worst()));
  EXPECT_LE(crossTrack.worst(), 0.3);
  EXPECT_GT(distanceNm(a.latDeg, a.lonDeg, kBtgLat, kBtgLon), 10.0);  // on its way to OLM
}

INSTANTIATE_TEST_SUITE_P(Conditions, GuidanceLoop, ::testing::ValuesIn(kConditions), conditionName);

TEST(GuidanceWithoutAddon, TheRollChannelMovesTheHostsAileronByItsEventAndKeepsTheHostsAutopilotOff) {
  HostOptions options = testing::testHostOptions();
  options.addonPresent = false;
  SimHost host(options);
  ASSERT_TRUE(host.loaded()) << host.error();
  World& w = host.world;
  placeOnGround(w, 45.0, -122.0, 0, 20);
  w.aircraft.onGround = false;
  w.aircraft.altitudeFt = 5000;
  w.aircraft.trueAirspeedKt = 200;
  w.autopilot.master = true;  // someone switched the host's own autopilot on
  host.runFor(5);
  ASSERT_TRUE(host.clickTooltip("autopilot", "Autopilot", MouseButton::kLeft));
  ASSERT_TRUE(host.clickTooltip("autopilot", "Heading select", MouseButton::kLeft));
  w.autopilot.headingBugDeg = 60;
  host.runFor(2);
  const auto sent = [&](std::uint32_t id, auto&& test) {
    return std::any_of(host.events().begin(), host.events().end(),
                       [&](const SentEvent& e) { return e.id == id && test(static_cast<std::int32_t>(e.value)); });
  };
  EXPECT_TRUE(sent(65695, [](std::int32_t v) { return v > 0; }));  // rolling right toward the bug
  EXPECT_TRUE(sent(65580, [](std::int32_t v) { return v == 0; }));
  EXPECT_FALSE(w.autopilot.master);
  EXPECT_TRUE(w.autopilot.yawDamper);  // ours engaged with the autopilot, the host's follows
}

}  // namespace
}  // namespace xaq::sim
