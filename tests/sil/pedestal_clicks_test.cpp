// Every mouse area of the pedestal gauges clicked once through the sim host with the real module:
// the host event it sends (or the host's own event for its areas) and the sound slot it plays.

#include <algorithm>
#include <string>
#include <vector>

#include "frame/abi/mouse_table.h"
#include "gauges/pedestal/pedestal_layout.h"
#include "tests/sil/host_fixture.h"

namespace xaq::sim::testing {
namespace {

namespace pd = gauges::pedestal;
using pd::Rect;

constexpr std::uint32_t kNoEvent = 0;
constexpr int kSilent = -1;

struct Click {
  const char* what;
  const char* gauge;
  int x, y;
  MouseButton button;
  std::uint32_t event;  // the first event the click sends
  int sound;
};

constexpr int cx(Rect r) { return r.x + r.w / 2; }
constexpr int cy(Rect r) { return r.y + r.h / 2; }
constexpr MouseButton L = MouseButton::kLeft;
constexpr MouseButton R = MouseButton::kRight;

std::vector<Click> headClicks(const char* gauge, const pd::RadioHeadLayout& h, std::uint32_t transferEvent,
                              std::uint32_t knobEvent) {
  std::vector<Click> c;
  if (transferEvent != kNoEvent) c.push_back({"transfer", gauge, cx(h.transfer), cy(h.transfer), L, transferEvent, 26});
  for (Rect half : {h.knob.leftHalf(), h.knob.rightHalf()}) {
    c.push_back({"knob inner", gauge, cx(half), cy(half), L, knobEvent, 25});
    c.push_back({"knob outer", gauge, cx(half), cy(half), R, knobEvent, 25});
  }
  return c;
}

std::vector<Click> allClicks() {
  std::vector<Click> c = {
      {"FMS window", "Pedestal", cx(pd::kFmsWindowArea), cy(pd::kFmsWindowArea), L, 65911, kSilent},
      {"strip 1", "Pedestal", cx(pd::kPanelStrips[0]), cy(pd::kPanelStrips[0]), L, 65909, kSilent},
      {"strip 2", "Pedestal", cx(pd::kPanelStrips[1]), cy(pd::kPanelStrips[1]), L, 65909, kSilent},
      {"strip 3", "Pedestal", cx(pd::kPanelStrips[2]), cy(pd::kPanelStrips[2]), L, 65909, kSilent},
      {"power left", "Pedestal", cx(pd::kPowerLeft), 0, L, 65820, kSilent},
      {"power both", "Pedestal", cx(pd::kPowerBoth), cy(pd::kPowerBoth), L, 65820, kSilent},
      {"power right", "Pedestal", cx(pd::kPowerRight), pd::kPowerTravel - 1, L, 65820, kSilent},
      {"condition left", "Pedestal", cx(pd::kConditionLeft), cy(pd::kConditionLeft), L, 65923, kSilent},
      {"condition both", "Pedestal", cx(pd::kConditionBoth), cy(pd::kConditionBoth), L, 65923, kSilent},
      {"condition right", "Pedestal", cx(pd::kConditionRight), cy(pd::kConditionRight), L, 65924, kSilent},
      {"fuel off left", "Pedestal", cx(pd::kFuelOffLeft), cy(pd::kFuelOffLeft), L, 65923, kSilent},
      {"fuel off right", "Pedestal", cx(pd::kFuelOffRight), cy(pd::kFuelOffRight), L, 65924, kSilent},
      {"flaps up", "Pedestal", cx(pd::kFlapSelector.upperHalf()), cy(pd::kFlapSelector.upperHalf()), L, 65759, 25},
      {"flaps down", "Pedestal", cx(pd::kFlapSelector.lowerHalf()), cy(pd::kFlapSelector.lowerHalf()), L, 65758, 25},
      {"trim nose down", "Pedestal", cx(pd::kTrimWheel.upperHalf()), cy(pd::kTrimWheel.upperHalf()), L, 65607, kSilent},
      {"trim nose up", "Pedestal", cx(pd::kTrimWheel.lowerHalf()), cy(pd::kTrimWheel.lowerHalf()), L, 65615, kSilent},
      {"parking brake", "Pedestal", cx(pd::kParkingBrake), cy(pd::kParkingBrake), L, 65752, 25},
      {"radar on/off", "Pedestal", cx(pd::kRadarSwitch), cy(pd::kRadarSwitch), L, kNoEvent, kSilent},
      {"map range down", "Pedestal", cx(pd::kMapRangeKnob.leftHalf()), cy(pd::kMapRangeKnob), L, kNoEvent, 26},
      {"map range up", "Pedestal", cx(pd::kMapRangeKnob.rightHalf()), cy(pd::kMapRangeKnob), L, kNoEvent, 26},
      {"ARC", "Pedestal", cx(pd::kFullArcButtons.leftHalf()), cy(pd::kFullArcButtons), L, kNoEvent, 26},
      {"MAP", "Pedestal", cx(pd::kFullArcButtons.rightHalf()), cy(pd::kFullArcButtons), L, kNoEvent, 26},
      {"GSPD / TTG", "Pedestal", cx(pd::kGspdTtgButton), cy(pd::kGspdTtgButton), L, kNoEvent, 26},
      {"bearing 1 down", "Pedestal", cx(pd::kBearing1Knob.leftHalf()), cy(pd::kBearing1Knob), L, kNoEvent, 25},
      {"bearing 1 up", "Pedestal", cx(pd::kBearing1Knob.rightHalf()), cy(pd::kBearing1Knob), L, kNoEvent, 25},
      {"bearing 2 down", "Pedestal", cx(pd::kBearing2Knob.leftHalf()), cy(pd::kBearing2Knob), L, kNoEvent, 25},
      {"bearing 2 up", "Pedestal", cx(pd::kBearing2Knob.rightHalf()), cy(pd::kBearing2Knob), L, kNoEvent, 25},
      {"DH down", "Pedestal", cx(pd::kDhAdiDimKnob.leftHalf()), cy(pd::kDhAdiDimKnob), L, kNoEvent, 25},
      {"ADI dim down", "Pedestal", cx(pd::kDhAdiDimKnob.leftHalf()), cy(pd::kDhAdiDimKnob), R, kNoEvent, 25},
      {"DH up", "Pedestal", cx(pd::kDhAdiDimKnob.rightHalf()), cy(pd::kDhAdiDimKnob), L, kNoEvent, 25},
      {"ADI dim up", "Pedestal", cx(pd::kDhAdiDimKnob.rightHalf()), cy(pd::kDhAdiDimKnob), R, kNoEvent, 25},
      {"HSI dim down", "Pedestal", cx(pd::kHsiDimKnob.leftHalf()), cy(pd::kHsiDimKnob), L, kNoEvent, 25},
      {"HSI dim up", "Pedestal", cx(pd::kHsiDimKnob.rightHalf()), cy(pd::kHsiDimKnob), L, kNoEvent, 25},
      {"COM 1 transmit", "Pedestal", cx(pd::kTransmitSelect.leftHalf()), cy(pd::kTransmitSelect), L, 66463, 25},
      {"COM 2 transmit", "Pedestal", cx(pd::kTransmitSelect.rightHalf()), cy(pd::kTransmitSelect), L, 66464, 25},
  };
  const std::uint32_t audio[pd::kAudioSwitches] = {66465, 66465, 65842, 65843, 65844, 65846, 66477};
  for (int k = 0; k < pd::kAudioSwitches; ++k) {
    c.push_back({"audio switch", "Pedestal", cx(pd::audioSwitch(k)), cy(pd::audioSwitch(k)), L, audio[k], 25});
  }
  for (const auto& [gauge, com1, com2, adf, xpdr] :
       {std::tuple{"Pedestal", pd::kCom1Head, pd::kCom2Head, pd::kAdf1Head, pd::kTransponderHead},
        std::tuple{"Pedestal_V_RADIO", pd::kVcCom1Head, pd::kVcCom2Head, pd::kVcAdf1Head, pd::kVcTransponderHead}}) {
    for (const auto& list : {headClicks(gauge, com1, 65707, kNoEvent), headClicks(gauge, com2, 66442, kNoEvent),
                             headClicks(gauge, adf, 66122, kNoEvent), headClicks(gauge, xpdr, kNoEvent, 65715)}) {
      c.insert(c.end(), list.begin(), list.end());
    }
  }
  return c;
}

class PedestalClicks : public ModuleHost {};

TEST_F(PedestalClicks, EveryAreaSendsItsEventAndPlaysItsSound) {
  host->runFor(1.0);
  for (const Click& c : allClicks()) {
    const std::size_t events = host->events().size();
    const std::size_t sounds = host->sound.calls().size();
    ASSERT_TRUE(host->click(c.gauge, c.x, c.y, c.button)) << c.what << " at " << c.x << "," << c.y;
    const auto& sent = host->events();
    if (c.event == kNoEvent) {
      EXPECT_EQ(sent.size(), events) << c.what;
    } else {
      ASSERT_GT(sent.size(), events) << c.what;
      EXPECT_EQ(sent[events].id, c.event) << c.what;
    }
    std::vector<int> played;
    for (std::size_t k = sounds; k < host->sound.calls().size(); ++k) {
      if (host->sound.calls()[k].operation == "play") played.push_back(host->sound.calls()[k].slot);
    }
    EXPECT_EQ(played, c.sound == kSilent ? std::vector<int>{} : std::vector<int>{c.sound}) << c.what;
    host->runFor(0.1);
  }
}

// The table above reaches every area of both gauges with each button the area takes.
TEST_F(PedestalClicks, TheTableCoversEveryArea) {
  const std::vector<Click> clicks = allClicks();
  for (const char* name : {"Pedestal", "Pedestal_V_RADIO", "Pedestal_V_WXR"}) {
    abi::GaugeHeader* g = host->gauge(name);
    ASSERT_NE(g, nullptr);
    for (abi::MouseRecord* r = g->mouseTable; r->kind != abi::kMouseEnd; ++r) {
      if (r->kind != abi::kMouseArea) continue;
      for (auto [bit, button] : {std::pair{abi::kMouseLeftSingle, L}, std::pair{abi::kMouseRightSingle, R}}) {
        if ((r->flags & bit) == 0) continue;
        const bool covered = std::any_of(clicks.begin(), clicks.end(), [&](const Click& c) {
          return std::string(c.gauge) == name && c.button == button &&
                 abi::mouseAreaAt(g->mouseTable, {c.x, c.y}, bit) == r;
        });
        EXPECT_TRUE(covered) << name << " area at " << r->x << "," << r->y;
      }
    }
  }
}

}  // namespace
}  // namespace xaq::sim::testing
