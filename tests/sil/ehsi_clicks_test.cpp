// The heading indicator through the sim host with the real module: its one mouse area (the face,
// which the host itself answers with its event), its tooltip, and the virtual-cockpit twin's
// needles and readouts as the host applies them (unpowered, the golden scenario of the
// cold and dark cockpit checks them empty).

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "frame/abi/element_axes.h"
#include "tests/sil/panel_clicks.h"

namespace xaq::sim {
namespace {

class EhsiGauges : public testing::PanelClicks {
 protected:
  abi::ElementHeader* twinChild(int index) { return host->gauge("EHSI_V")->elements[0]->children[index]; }
  double twinValue(int index) {
    abi::ElementHeader* e = twinChild(index);
    const abi::ElementAxes axes = abi::elementAxes(e);
    return axes.count > 0 ? host->applyValue(axes.axis[axes.count - 1], e) : 0.0;
  }
  std::string twinText(int index) {
    twinValue(index);
    auto* s = abi::elementAs<abi::StringElement>(twinChild(index));
    return s->text != nullptr ? std::string(s->text, strnlen(s->text, s->maxLength)) : std::string();
  }
  bool twinHidden(int index) {
    twinValue(index);
    return (twinChild(index)->imageFlags & abi::kImageHidden) != 0;
  }
  // The twin's children in drawing order.
  enum Child { kCard = 0, kBug, kBearing2, kBearing1, kDeviation, kCourse, kToFrom, kCourseText, kBugText,
               kDistanceText, kSource1Text, kSource2Text, kSpeedText };
};

TEST_F(EhsiGauges, TheFaceIsTheHostsOwnAreaAndCarriesTheTooltip) {
  host->runFor(1.0);
  abi::GaugeHeader* g = host->gauge("EHSI");
  ASSERT_NE(g, nullptr);
  const std::vector<Area> areas = areasOf(g);
  ASSERT_EQ(areas.size(), 1u);
  const abi::MouseRecord* face = areas[0].record;
  EXPECT_EQ(areas[0].tooltip, "Electronic horizontal situation indicator (EHSI)");
  EXPECT_EQ(face->cursor, abi::kCursorHand);
  const std::size_t events = host->events().size();
  const std::size_t sounds = host->sound.calls().size();
  ASSERT_TRUE(host->click(g, face->x + face->width / 2, face->y + face->height / 2, MouseButton::kLeft));
  host->runFrame();
  ASSERT_GT(host->events().size(), events);
  EXPECT_EQ(host->events()[events].id, 65907u);
  EXPECT_TRUE(host->events()[events].fromArea);
  EXPECT_TRUE(playsSince(sounds).empty());
  EXPECT_TRUE(areasOf(host->gauge("EHSI_V")).empty()) << "the twin has no mouse areas";
}

TEST_F(EhsiGauges, TheTwinTurnsItsNeedlesWithTheHeadingAndShowsItsReadouts) {
  testing::putInCruise(*host);
  host->world.autopilot.headingBugDeg = 120;
  host->runFor(2.0);
  const double heading = host->hostValue(81);
  EXPECT_NEAR(twinValue(kCard), 360.0 - heading, 0.01);
  EXPECT_NEAR(twinValue(kBug), 120.0 - heading, 0.01);
  EXPECT_EQ(twinText(kBugText), "120");
  EXPECT_EQ(twinText(kSource1Text), "VOR1");
  EXPECT_TRUE(twinHidden(kBearing1)) << "no station in range";
  EXPECT_EQ(twinText(kDistanceText), "") << "no DME";
  EXPECT_EQ(twinText(kSpeedText).substr(3), " KTS");

}

}  // namespace
}  // namespace xaq::sim
