// The traffic display through the real module: a target converging head-on with the own
// aircraft in cruise shows as proximate traffic, then a traffic advisory, then a resolution
// advisory, seen in the colours the module draws on the TCAS screen; the needle, the power flag
// and the tooltip of the TCAS gauges as the host sees them.

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "tests/sil/host_fixture.h"

namespace xaq::sim {
namespace {

struct Colours {
  int red = 0, amber = 0, cyan = 0;
};

class TrafficDisplay : public testing::ModuleHost {
 protected:
  abi::StaticImageElement* screen() {
    abi::GaugeHeader* g = host->gauge("TCAS");
    return reinterpret_cast<abi::StaticImageElement*>(g->elements[0]->children[0]);
  }
  // Draws the gauge and counts the screen's pixels by threat colour.
  Colours drawn() {
    host->callGauge(host->gauge("TCAS"), abi::kServicePreDraw);
    Colours c;
    const abi::Image* image = screen()->images.finalImage;
    EXPECT_NE(image, nullptr);
    if (image == nullptr) return c;
    for (int y = 0; y < image->dimensions.y; ++y) {
      for (int x = 0; x < image->dimensions.x; ++x) {
        std::uint32_t word;
        std::memcpy(&word, image->bits + y * image->pitch + 4 * x, 4);
        const int r = (word >> 16) & 0xFF, g = (word >> 8) & 0xFF, b = word & 0xFF;
        if (r > 200 && g < 80 && b < 80) ++c.red;
        if (r > 200 && g > 150 && g < 220 && b < 80) ++c.amber;
        if (r < 80 && g > 200 && b > 200) ++c.cyan;
      }
    }
    return c;
  }
  void runUntilSim(double simSeconds) {
    while (host->world.simSeconds < simSeconds) host->runFrame();
  }
  // A target `rangeNm` east of the own aircraft at 5300 ft, flying west at 150 kt.
  void addOncoming(double rangeNm) {
    const Aircraft& a = host->world.aircraft;
    TrafficTarget t;
    t.id = 42;
    t.latDeg = a.latDeg;
    t.lonDeg = a.lonDeg + rangeNm / (60.0 * std::cos(a.latDeg * 3.14159265358979 / 180.0));
    t.altitudeFt = 5300;
    t.headingDeg = 270;
    t.groundSpeedKt = 150;
    t.callsign = "N42TX";
    host->world.traffic.push_back(t);
  }
};

TEST_F(TrafficDisplay, ConvergingTrafficRisesFromProximateToATrafficThenAResolutionAdvisory) {
  testing::putInCruise(*host);
  host->runFor(2.0);
  EXPECT_EQ(drawn().cyan + drawn().amber + drawn().red, 0) << "no traffic yet";
  // 340 kt of closure from 5 NM: tau 53 s, under 40 s after 13 s, under 25 s after 28 s.
  addOncoming(5.0);
  const double start = host->world.simSeconds;
  runUntilSim(start + 3.0);
  Colours c = drawn();
  EXPECT_GT(c.cyan, 20) << "proximate: a filled cyan diamond";
  EXPECT_EQ(c.amber + c.red, 0);
  runUntilSim(start + 20.0);
  c = drawn();
  EXPECT_GT(c.amber, 20) << "a traffic advisory: an amber circle";
  EXPECT_EQ(c.red, 0);
  runUntilSim(start + 33.0);
  c = drawn();
  EXPECT_GT(c.red, 20) << "a resolution advisory: a red square";
  EXPECT_EQ(c.amber, 0);
}

TEST_F(TrafficDisplay, TheNeedleAndPowerFlagFollowInstrumentPowerAndTheTooltipReadsTheVerticalSpeed) {
  testing::putInCruise(*host);
  host->runFor(2.0);
  for (const char* name : {"TCAS", "TCAS_V"}) {
    abi::GaugeHeader* g = host->gauge(name);
    ASSERT_NE(g, nullptr) << name;
    EXPECT_EQ(host->tooltips(name).size(), 1u) << name;
    const std::string tip = host->tooltipAt(name, 105, 101);
    EXPECT_EQ(tip.rfind("Vertical speed indicator: ", 0), 0u) << tip;
    EXPECT_NE(tip.find(" feet/min"), std::string::npos) << tip;
  }
}

}  // namespace
}  // namespace xaq::sim
