// Every knob of the air-data and standby instruments clicked through the sim host with the real
// module: the airspeed bug knob's halves on all three airspeed indicators move the bug the
// needle shows, and the altimeters' baro knob halves send the host its altimeter events.

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "frame/abi/element_axes.h"
#include "tests/sil/panel_clicks.h"

namespace xaq::sim {
namespace {

class InstrumentClicks : public testing::PanelClicks {
 protected:
  void SetUp() override {
    PanelClicks::SetUp();
    host->runFor(1);
  }
  // The bug needle's value as the host applies it, after its limiter has caught up.
  double bugShown(const char* gauge) {
    host->runFor(1);
    for (abi::ElementHeader* const* c = host->gauge(gauge)->elements[0]->children; *c != nullptr; ++c) {
      if ((*c)->resourceId == 8027) return host->applyValue(abi::elementAxes(*c).axis[0], *c);
    }
    ADD_FAILURE() << gauge << " has no bug";
    return -1;
  }
};

TEST_F(InstrumentClicks, EveryKnobHalfActsAsItsCursorSays) {
  struct Knob {
    const char* gauge;
    bool bug;  // the airspeed bug, else the baro knob
  } knobs[] = {{"Airspeed", true},   {"Airspeed_V", true},   {"Airspeed_G", true}, {"Altimeter", false},
               {"Altimeter_V", false}, {"StandbyAlt", false}, {"StandbyAlt_V", false}};
  int clicked = 0;
  for (const Knob& k : knobs) {
    abi::GaugeHeader* g = host->gauge(k.gauge);
    ASSERT_NE(g, nullptr) << k.gauge;
    for (const Area& area : areasOf(g)) {
      const abi::MouseRecord& r = *area.record;
      const bool up = r.cursor == abi::kCursorUp;
      EXPECT_EQ(r.flags, 0x20200000u) << k.gauge << ": repeating left clicks";
      const double before = k.bug ? bugShown(k.gauge) : 0.0;
      const std::size_t sent = host->events().size();
      ASSERT_TRUE(host->click(g, r.x + r.width / 2, r.y + r.height / 2, MouseButton::kLeft)) << k.gauge;
      host->runFrame();
      ++clicked;
      if (k.bug) {
        EXPECT_DOUBLE_EQ(bugShown(k.gauge), before + (up ? 5.0 : -5.0)) << k.gauge;
      } else {
        ASSERT_EQ(host->events().size(), sent + 1) << k.gauge;
        EXPECT_EQ(host->events().back().id, up ? 65883u : 65884u) << k.gauge;
        EXPECT_EQ(host->events().back().value, 1u);
      }
    }
  }
  EXPECT_EQ(clicked, 14);
}

TEST_F(InstrumentClicks, HeldBaroKnobRepeatsAndTheHostsSettingFollows) {
  const std::string before = host->tooltipAt(host->gauge("Altimeter"), 30, 180);
  ASSERT_EQ(before.rfind("Baro setting: 1013 MB", 0), 0u) << before;
  ASSERT_TRUE(host->click(host->gauge("Altimeter"), 40, 185, MouseButton::kLeft, 1.0));
  host->runFor(0.5);
  const std::string after = host->tooltipAt(host->gauge("Altimeter"), 30, 180);
  EXPECT_NE(after, before) << "several detents while held";
  EXPECT_GT(after, before);
}

}  // namespace
}  // namespace xaq::sim
