#include "guidance/advisory.h"

#include <gtest/gtest.h>

#include <string>

#include "guidance/altitude_preselector.h"
#include "guidance/testing/guidance_bed.h"

namespace xaq::guidance {
namespace {

using testing::kTimeSteps;

class AdvisoryClock {
 public:
  void run(double seconds, double dtS) {
    const double end = t + seconds;
    while (t < end - 1e-9) {
      t += std::min(dtS, end - t);
      advisory.setTime(t);
      advisory.update(200.4, 15.0);
    }
  }
  std::string message() const { return advisory.state().message.data(); }
  Advisory advisory;
  double t = 10.0;
};

TEST(AdvisoryDisplay, LinesThreeAndFourPadTheLateralTextLeftAndTheVerticalTextRight) {
  Advisory a;
  a.setLateralActiveLong("HDG SEL");
  a.setVerticalActiveLong("ALT    ");
  EXPECT_EQ(std::string(a.state().line4.data()), "HDG SEL            ALT    ");
  a.setLateralArmedLong(" LOC");
  a.setVerticalArmedLong("GS    ");
  EXPECT_EQ(std::string(a.state().line3.data()), " LOC                GS    ");
  a.setVerticalActiveShort("ALT");
  EXPECT_EQ(std::string(a.state().line4.data()), "HDG SEL            ALT    ");  // short texts leave the lines
}

TEST(AdvisoryDisplay, LineOneWithoutAMessageIsEighteenSpacesThenTheTemperatureWithTheDegreeSign) {
  EXPECT_EQ(std::string(advisoryLine1("", false, 200, 15.4).data()), std::string(18, ' ') + "+15\xB0 SAT");
  EXPECT_EQ(std::string(advisoryLine1("", false, 200, -4.5).data()), std::string(18, ' ') + " -5\xB0 SAT");
  EXPECT_EQ(std::string(advisoryLine1("ALT OFF", true, 199.5, 0).data()), "ALT OFF           200 KTAS");
  // Whatever the host delivers, the line keeps its length.
  EXPECT_EQ(advisoryLine1("", true, 1e9, 0).data(), std::string(18, ' ') + "999 KTAS");
  EXPECT_EQ(advisoryLine1("", false, 0, -1e300).data(), std::string(18, ' ') + "-99\xB0 SAT");
}

TEST(AdvisoryDisplay, TextsLongerThanTheirFieldsAreCutNotOverrun) {
  Advisory a;
  a.showMessage("A MESSAGE FAR TOO LONG FOR ITS FIELD", MessageType::kSticky);
  EXPECT_EQ(std::string(a.state().message.data()), "A MESSAGE FAR TOO L");
  a.setLateralActiveLong("A LATERAL MODE NAME FAR TOO LONG");
  a.setVerticalActiveLong("A VERTICAL MODE NAME FAR TOO LONG");
  EXPECT_EQ(std::string(a.state().line4.data()).size(), 29u);
  a.update(200, 15);
  EXPECT_EQ(std::string(a.state().line1.data()), "A MESSAGE FAR TOO L+15\xB0 SAT");
}

TEST(AdvisoryDisplay, ATimedMessageStaysFiveSecondsAtEveryTimeStep) {
  for (double dt : kTimeSteps) {
    AdvisoryClock c;
    c.advisory.setTime(c.t);
    c.advisory.showMessage("ALT OFF", MessageType::kTimed);
    c.run(5.0, dt);
    EXPECT_EQ(c.message(), "ALT OFF") << dt;
    c.run(dt, dt);
    EXPECT_EQ(c.message(), "") << dt;
  }
}

TEST(AdvisoryDisplay, AWhileCalledMessageGoesThreeTenthsOfASecondAfterTheLastCall) {
  AdvisoryClock c;
  for (int k = 0; k < 20; ++k) {
    c.advisory.showMessage("TCS ENGAGE", MessageType::kWhileCalled);
    c.run(0.056, 0.056);
  }
  EXPECT_EQ(c.message(), "TCS ENGAGE");
  c.advisory.showMessage("TCS ENGAGE", MessageType::kWhileCalled);
  c.run(0.28, 0.028);
  EXPECT_EQ(c.message(), "TCS ENGAGE");
  c.run(0.056, 0.028);
  EXPECT_EQ(c.message(), "");
}

TEST(AdvisoryDisplay, AStickyMessageStaysUntilReplacedAndADisengageMessageUsesLineTwo) {
  AdvisoryClock c;
  c.advisory.showMessage("SYSTEM TEST", MessageType::kSticky);
  c.run(60, 6.0);
  EXPECT_EQ(c.message(), "SYSTEM TEST");
  EXPECT_EQ(std::string(c.advisory.state().line1.data()).substr(0, 11), "SYSTEM TEST");

  c.advisory.showMessage("AP DISENGAGED", MessageType::kDisengage);
  c.run(0.056, 0.056);
  EXPECT_EQ(std::string(c.advisory.state().line2.data()), "AP DISENGAGED");
  EXPECT_EQ(c.message(), "SYSTEM TEST");  // the message and its type are untouched
  c.run(5.0, 0.056);
  EXPECT_EQ(std::string(c.advisory.state().line2.data()), "");
  EXPECT_EQ(c.message(), "SYSTEM TEST");

  c.advisory.showMessage("L AFCS MASTER", MessageType::kTimed);
  c.run(5.1, 0.056);
  EXPECT_EQ(c.message(), "");
}

TEST(AdvisoryDisplay, TheTasSwitchlightShowsTheTrueAirspeedForFiveSecondsThenTheTemperature) {
  for (double dt : kTimeSteps) {
    if (dt >= 5.0) continue;  // one step would pass the whole lifetime
    AdvisoryClock c;
    c.advisory.setTime(c.t);
    c.advisory.showTas();
    c.run(dt, dt);
    EXPECT_EQ(std::string(c.advisory.state().line1.data()), std::string(18, ' ') + "200 KTAS") << dt;
    c.run(5.0 - dt, dt);
    EXPECT_TRUE(c.advisory.state().tasDisplay) << dt;
    c.run(dt, dt);
    c.run(dt, dt);
    EXPECT_FALSE(c.advisory.state().tasDisplay) << dt;
    EXPECT_EQ(std::string(c.advisory.state().line1.data()), std::string(18, ' ') + "+15\xB0 SAT") << dt;
  }
}

TEST(AltitudePreselector, StepsByHundredsOrThousandsHoldsAtItsEndsAndReadsInHundreds) {
  AltitudePreselector p;
  EXPECT_EQ(p.valueFt(), 10000);
  p.step(+1, false);
  p.step(-1, true);
  EXPECT_EQ(p.valueFt(), 9100);
  EXPECT_STREQ(altitudePreselectText(p.valueFt()).data(), " 91");
  p.set(39500);
  p.step(+1, true);
  EXPECT_EQ(p.valueFt(), 40000);
  EXPECT_STREQ(altitudePreselectText(p.valueFt()).data(), "400");
  p.set(50);
  EXPECT_STREQ(altitudePreselectText(p.valueFt()).data(), "  0");
  p.step(-1, false);
  EXPECT_EQ(p.valueFt(), 0);
}

}  // namespace
}  // namespace xaq::guidance
