// The TUNE page's view of the radio panel: what it tunes reaches the host's receivers.

#include "frame/cdu_radio_panel.h"

#include <gtest/gtest.h>

#include "common/testing/recording_effects.h"

namespace xaq::frame {
namespace {

using fms::CduRadio;
using Events = std::vector<std::pair<std::uint32_t, std::uint32_t>>;

struct TuneBed {
  // The host took every event: its receivers read back on the next cycle.
  void cycle() {
    for (const auto& [id, v] : fx.events) {
      if (id == 65707) in.com1Bcd = v;
      if (id == 65708) in.nav1Bcd = v;
      if (id == 65715) in.transponderBcd = v;
      if (id == 66122) in.adfBcd = v >> 4, in.adfExtendedBcd = v & 0xF;
    }
    now.nowS += 0.056;
    radios.update(now, in);
  }
  systems::Radios radios;
  testing::RecordingEffects fx;
  CduRadioPanel panel{radios, fx};
  systems::RadiosInputs in{0x1660, 0x1390, 0x1805, 0x2485, 0x0350, 0, 0x1200};
  CycleContext now;
};

TEST(CduRadioPanel, TuningMakesTheValueActiveAndThePreviousActiveTheRecall) {
  TuneBed bed;
  bed.cycle();
  EXPECT_EQ(bed.panel.setting(CduRadio::kNav1).active, 11660);
  EXPECT_EQ(bed.panel.setting(CduRadio::kNav1).recall, 11390) << "the recall is the head's standby";
  bed.panel.tune(CduRadio::kNav1, 11230);
  EXPECT_EQ(bed.fx.events, (Events{{65708, 0x1230}}));
  bed.cycle();
  EXPECT_EQ(bed.panel.setting(CduRadio::kNav1).active, 11230);
  EXPECT_EQ(bed.panel.setting(CduRadio::kNav1).recall, 11660);
  bed.panel.swapRecall(CduRadio::kNav1);
  bed.cycle();
  EXPECT_EQ(bed.panel.setting(CduRadio::kNav1).active, 11660);
  EXPECT_EQ(bed.panel.setting(CduRadio::kNav1).recall, 11230);

  bed.fx.events.clear();
  bed.panel.tune(CduRadio::kAdf1, 3505);
  EXPECT_EQ(bed.fx.events, (Events{{66122, 0x3505}}));
  bed.cycle();
  EXPECT_EQ(bed.panel.setting(CduRadio::kAdf1).active, 3505);
  EXPECT_EQ(bed.panel.setting(CduRadio::kAdf1).recall, 3500);
}

TEST(CduRadioPanel, ValuesOutsideTheBandChangeNothing) {
  TuneBed bed;
  bed.cycle();
  bed.panel.tune(CduRadio::kCom1, 10800);
  bed.panel.tune(CduRadio::kNav1, 11800);
  bed.panel.tune(CduRadio::kAdf1, 1995);
  bed.panel.tune(CduRadio::kAtc, 1288);
  EXPECT_TRUE(bed.fx.events.empty());
  EXPECT_EQ(bed.panel.setting(CduRadio::kCom1).recall, 12485);
}

TEST(CduRadioPanel, TheTransponderKeepsItsRecallCodeHere) {
  TuneBed bed;
  bed.cycle();
  bed.panel.tune(CduRadio::kAtc, 7700);
  bed.cycle();
  EXPECT_EQ(bed.panel.setting(CduRadio::kAtc).active, 7700);
  EXPECT_EQ(bed.panel.setting(CduRadio::kAtc).recall, 1200);
  bed.panel.swapRecall(CduRadio::kAtc);
  bed.cycle();
  EXPECT_EQ(bed.panel.setting(CduRadio::kAtc).active, 1200);
  EXPECT_EQ(bed.panel.setting(CduRadio::kAtc).recall, 7700);
}

}  // namespace
}  // namespace xaq::frame
