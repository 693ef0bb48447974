// What the advisory display and the switchlights show for a given state, without the gauges.

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "gauges/glareshield/glareshield_texts.h"
#include "gauges/glareshield/switchlights_layout.h"

namespace xaq::gauges::glareshield {
namespace {

template <std::size_t N>
void put(std::array<char, N>& field, const char* text) {
  field.fill('\0');
  std::strncpy(field.data(), text, N - 1);
}

std::string shown(const guidance::AdvisoryState& s, bool powered, AdvisoryElement e) {
  return advisoryElementText(s, powered, e).data();
}

guidance::AdvisoryState approachState() {
  guidance::AdvisoryState s;
  put(s.line1, "SYSTEM TEST        +15\xB0 SAT");
  put(s.line2, "AP DISENGAGED");
  put(s.line3, " LOC               GS    ");
  put(s.line4, "HDG SEL            ALT    ");
  put(s.lateralActiveLong, "HDG SEL");
  put(s.verticalActiveLong, "ALT    ");
  return s;
}

TEST(AdvisoryTexts, PoweredLinesAreDrawnExactlyAsStored) {
  const guidance::AdvisoryState s = approachState();
  EXPECT_EQ(shown(s, true, AdvisoryElement::kLine1), "SYSTEM TEST        +15\xB0 SAT");
  EXPECT_EQ(shown(s, true, AdvisoryElement::kLine2), "AP DISENGAGED");
  EXPECT_EQ(shown(s, true, AdvisoryElement::kLine3), " LOC               GS    ");
  EXPECT_EQ(shown(s, true, AdvisoryElement::kLine4), "HDG SEL            ALT    ");
}

TEST(AdvisoryTexts, WithoutPowerEveryElementIsBlankEvenWhileFlashing) {
  guidance::AdvisoryState s = approachState();
  s.flashLateral = s.flashVertical = true;
  for (AdvisoryElement e : {AdvisoryElement::kLine1, AdvisoryElement::kLine2, AdvisoryElement::kLine3,
                            AdvisoryElement::kLine4, AdvisoryElement::kLateralFlash, AdvisoryElement::kVerticalFlash}) {
    EXPECT_EQ(shown(s, false, e), "") << static_cast<int>(e);
  }
  EXPECT_FALSE(advisoryElementShown(s, false, AdvisoryElement::kLateralFlash));
  EXPECT_FALSE(advisoryElementShown(s, false, AdvisoryElement::kVerticalFlash));
}

TEST(AdvisoryTexts, EachOverlayIsDrawnOnlyWhileItsOwnAxisFlashes) {
  guidance::AdvisoryState s = approachState();
  EXPECT_FALSE(advisoryElementShown(s, true, AdvisoryElement::kLateralFlash));
  EXPECT_EQ(shown(s, true, AdvisoryElement::kLateralFlash), "");
  s.flashLateral = true;
  EXPECT_TRUE(advisoryElementShown(s, true, AdvisoryElement::kLateralFlash));
  EXPECT_FALSE(advisoryElementShown(s, true, AdvisoryElement::kVerticalFlash));
  EXPECT_EQ(shown(s, true, AdvisoryElement::kLateralFlash), "HDG SEL   ") << "%-10s";
  EXPECT_EQ(shown(s, true, AdvisoryElement::kVerticalFlash), "");
  s.flashVertical = true;
  EXPECT_EQ(shown(s, true, AdvisoryElement::kVerticalFlash), "   ALT    ") << "%10s";
  EXPECT_TRUE(advisoryElementShown(s, true, AdvisoryElement::kLine4)) << "the lines stay";
}

TEST(AdvisoryTexts, ARecordFilledToItsLastCharacterIsReadNoFurther) {
  guidance::AdvisoryState s;
  s.line1.fill('A');
  s.lateralActiveLong.fill('B');
  s.flashLateral = true;
  EXPECT_EQ(shown(s, true, AdvisoryElement::kLine1), std::string(30, 'A'));
  EXPECT_EQ(shown(s, true, AdvisoryElement::kLateralFlash), std::string(20, 'B'));
}

SwitchlightInputs powered(bool efis) {
  SwitchlightInputs in;
  in.powered = true;
  in.efisPanel = efis;
  return in;
}

TEST(SwitchlightImages, WithoutPowerAllFiveAreDark) {
  SwitchlightInputs in = powered(true);
  in.powered = false;
  in.markerBeacon = 2;
  in.tasDisplay = true;
  for (int p = 0; p < kSwitchlightCount; ++p) EXPECT_EQ(switchlightImage(p, in), kDark) << p;
  in.efisPanel = false;
  for (int p = 0; p < kSwitchlightCount; ++p) EXPECT_EQ(switchlightImage(p, in), kDark) << p;
}

TEST(SwitchlightImages, DmeIsLitWithPowerAndTheMarkerShowsOnlyItsThreeBeacons) {
  for (bool efis : {true, false}) {
    SwitchlightInputs in = powered(efis);
    EXPECT_EQ(switchlightImage(0, in), 1);
    const int expected[] = {kDark, 1, 2, 3, kDark, kDark};
    const int markers[] = {0, 1, 2, 3, 4, -1};
    for (int i = 0; i < 6; ++i) {
      in.markerBeacon = markers[i];
      EXPECT_EQ(switchlightImage(1, in), expected[i]) << "marker " << markers[i];
    }
  }
}

TEST(SwitchlightImages, OnTheGlassPanelTheThirdIsTasAndTheLastTwoAreDark) {
  SwitchlightInputs in = powered(true);
  for (int source : {0, 1, 2, 3}) {
    in.navSource = source;
    in.tasDisplay = false;
    EXPECT_EQ(switchlightImage(2, in), kTasLegend);
    in.tasDisplay = true;
    EXPECT_EQ(switchlightImage(2, in), kTasWithBar);
    EXPECT_EQ(switchlightImage(3, in), kDark);
    EXPECT_EQ(switchlightImage(4, in), kDark);
  }
}

TEST(SwitchlightImages, OnTheOtherPanelTheNavSourceTakesTheMiddleTwoAndTasTheLast) {
  SwitchlightInputs in = powered(false);
  const int third[] = {kDark, kDark, kThirdRNav, kThirdAux, kDark};
  const int fourth[] = {1, 2, kDark, kDark, kDark};
  for (int source = 0; source <= 4; ++source) {
    in.navSource = source;
    EXPECT_EQ(switchlightImage(2, in), third[source]) << "source " << source;
    EXPECT_EQ(switchlightImage(3, in), fourth[source]) << "source " << source;
  }
  EXPECT_EQ(switchlightImage(4, in), kTasLegend);
  in.tasDisplay = true;
  EXPECT_EQ(switchlightImage(4, in), kTasWithBar);
  // Every index stays inside its position's images.
  for (int p = 0; p < kSwitchlightCount; ++p) {
    for (bool efis : {true, false}) {
      for (int source = -1; source <= 4; ++source) {
        in.efisPanel = efis;
        in.navSource = source;
        const int image = switchlightImage(p, in);
        EXPECT_GE(image, 0);
        EXPECT_LE(image, kSwitchlights[p].litCount);
      }
    }
  }
}

TEST(SwitchlightTooltips, NameWhatEachPositionIsOnThisPanelAndOnlyTasTurnsTasOn) {
  const char* efis[] = {"DME HOLD", "Marker beacons", "Display TAS", "A/P Disengaged light", "REVN"};
  const char* other[] = {"DME HOLD", "Marker beacons", "Nav data source", "Nav data source", "Display TAS"};
  for (int p = 0; p < kSwitchlightCount; ++p) {
    EXPECT_STREQ(switchlightTooltip(p, true), efis[p]);
    EXPECT_STREQ(switchlightTooltip(p, false), other[p]);
    EXPECT_EQ(switchlightShowsTas(p, true), p == 2);
    EXPECT_EQ(switchlightShowsTas(p, false), p == 4);
  }
}

}  // namespace
}  // namespace xaq::gauges::glareshield
