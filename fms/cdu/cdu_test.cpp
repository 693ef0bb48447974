// The control-display unit driven through its keys, drawn on the recording canvas and read back
// as the 24 x 11 grid the pilot sees.

#include "fms/cdu/cdu.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "fms/testing/temp_folder.h"
#include "platform/testing/recording_canvas.h"

namespace xaq::fms {
namespace {

using platform::testing::RecordingCanvas;

struct Cell {
  char c = ' ';
  Colour colour = 0;
};

class CduBed {
 public:
  explicit CduBed(const std::string& simFolder = XAQ_SAMPLE_SIM_FOLDER) : core(simFolder) {
    screen_.surface = {&token_, 233, 140, 233 * 4, 32, nullptr};
  }

  void cycle(double t) {
    CduInputs in;
    in.avionicsPowered = avionics;
    in.guidance.present = {45.5887, -122.5975};
    in.fuelOnBoardLb = fuel;
    in.fuelFlowPph = flow;
    in.groundSpeedKt = 200;
    cdu.update({t, 0.056}, in);
  }
  // Powers up and runs the self-test through to INIT.
  void toInit() {
    cycle(0.0);
    cycle(8.1);
    ASSERT_TRUE(cdu.isCurrent(cdu.initPage()));
  }
  void press(int code) { cdu.pressKey(code); }
  void type(const std::string& text) {
    for (char c : text) press(static_cast<unsigned char>(c));
  }
  // Keys, then a cycle so that page changes take effect.
  void pressAndCycle(int code) {
    press(code);
    cycle(t_ += 0.056);
    cycle(t_ += 0.056);
  }

  void draw() {
    cdu.draw(&screen_);
    for (auto& row : grid_) row.fill(Cell{});
    const double pitch = 140 * 1.678 * 29.0 / 550.0;
    for (const auto& text : canvas.texts) {
      const int col = static_cast<int>(std::lround((text.at.x / 233.0 - 0.02) * 24.0));
      const int row = static_cast<int>(std::lround(text.at.y / pitch)) - 1;
      if (col < 0 || col >= 24 || row < 0 || row >= 11) continue;
      grid_[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)] = {text.text[0], text.colour};
    }
  }
  std::string row(int r) const {
    std::string s;
    for (const Cell& c : grid_[static_cast<std::size_t>(r)]) s += c.c;
    while (!s.empty() && s.back() == ' ') s.pop_back();
    return s;
  }
  Colour colourAt(int column, int r) const { return grid_[static_cast<std::size_t>(r)][static_cast<std::size_t>(column)].colour; }
  Colour palette(int index) const { return displays::glassPalette(0.95)[static_cast<std::size_t>(index)]; }

  void addToPlan(const char* ident, double lat, double lon) {
    NavPoint p;
    p.ident.assign(ident);
    p.latitude = lat;
    p.longitude = lon;
    p.facilityType = 4;
    core.plan().insert(core.plan().count(), p);
  }

  double fuel = 4000, flow = 0;
  bool avionics = true;
  FmsCore core;
  RecordingCanvas canvas;
  HeldCduRadios radios;
  Cdu cdu{core, &canvas, radios};

 private:
  int token_ = 0;
  displays::GlassElement screen_;
  std::array<std::array<Cell, 24>, 11> grid_{};
  double t_ = 100.0;
};

TEST(EntryField, AMaskWithASeparatorTakesDigitsOnlyAndShowsThePointUntyped) {
  EntryField e;
  e.begin("---.--");
  e.setMask("###.##");
  e.type(11);
  EXPECT_EQ(e.state(), EntryField::kInitial) << "BACK before typing does nothing";
  EXPECT_EQ(e.text(), "---.--");
  e.type('1');
  e.type('A');  // not a digit: ignored
  e.type('1');
  e.type('8');
  EXPECT_EQ(e.text(), "118.  ");
  EXPECT_EQ(e.cursor(), 4);
  e.type('6');
  e.type('5');
  EXPECT_EQ(e.text(), "118.65");
  EXPECT_EQ(e.state(), EntryField::kFull);
  e.type('7');
  EXPECT_EQ(e.text(), "118.65");
  e.type(11);
  e.type(11);
  EXPECT_EQ(e.text(), "118.  ");
  e.type(11);
  EXPECT_EQ(e.text(), "11    ") << "BACK steps over the separator and takes the digit before it";
  EXPECT_EQ(e.cursor(), 2);
  e.type(11);
  e.type(11);
  e.type(11);
  EXPECT_EQ(e.cursor(), 0) << "BACK at the start does nothing";
  EXPECT_EQ(e.state(), EntryField::kEditing);
}

TEST(EntryField, BlinksTheCursorAndNeverRunsPastItsCapacity) {
  EntryField e;
  e.begin(std::string(400, 'X'));
  EXPECT_EQ(e.text().size(), 255u);
  e.setMask("AAA");
  e.type('Q');
  EXPECT_EQ(e.shown(0.30), "Q- ") << "integer part of 4t odd: the cursor shows";
  EXPECT_EQ(e.shown(0.55), "Q  ");
  e.type(200);
  e.type(5);
  EXPECT_EQ(e.text(), "Q  ");
  int n = 7;
  EXPECT_FALSE(e.readInteger(n));
}

TEST(CduPower, SelfTestPassesLineByLineThenHandsOverToInit) {
  CduBed bed;
  bed.cycle(0.0);
  ASSERT_TRUE(bed.cdu.isCurrent(bed.cdu.statusPage()));
  bed.draw();
  EXPECT_EQ(bed.row(0), "         FMS - 1B");
  EXPECT_EQ(bed.colourAt(9, 0), bed.palette(8));
  EXPECT_EQ(bed.row(4).find("PASS"), std::string::npos);
  bed.cycle(0.61);
  bed.draw();
  EXPECT_NE(bed.row(4).find("PASS"), std::string::npos);
  EXPECT_EQ(bed.row(5).find("PASS"), std::string::npos);
  bed.cycle(6.01);
  bed.draw();
  for (int r = 4; r <= 10; ++r) EXPECT_EQ(bed.row(r).substr(20), "PASS") << r;
  bed.cycle(8.0);
  EXPECT_TRUE(bed.cdu.isCurrent(bed.cdu.statusPage())) << "finished only after more than 8 s";
  bed.cycle(8.01);
  EXPECT_TRUE(bed.cdu.isCurrent(bed.cdu.initPage()));
}

TEST(CduPower, DarkScreenStillTakesKeysAndPowerAgainRestartsTheSelfTest) {
  CduBed bed;
  bed.toInit();
  bed.avionics = false;
  bed.cycle(20.0);
  bed.pressAndCycle(key::kFuel);
  EXPECT_TRUE(bed.cdu.isCurrent(bed.cdu.fuelPage()));
  bed.draw();
  for (const auto& t : bed.canvas.texts) EXPECT_EQ(t.colour, 0u) << "brightness 0 paints every colour black";
  bed.avionics = true;
  bed.cycle(300.0);
  EXPECT_TRUE(bed.cdu.isCurrent(bed.cdu.statusPage()));
}

TEST(CduInit, PositionAndTimeTurnGreenWhenAccepted) {
  CduBed bed;
  bed.toInit();
  bed.draw();
  EXPECT_EQ(bed.row(0), "        INIT 1/1");
  EXPECT_EQ(bed.row(4).substr(0, 10), "N  45 35.3");
  EXPECT_EQ(bed.row(4).substr(19), "00:00");
  EXPECT_EQ(bed.row(5).substr(0, 10), "W 122 35.9");
  EXPECT_EQ(bed.colourAt(0, 4), bed.palette(10));
  bed.press(5);
  bed.draw();
  EXPECT_EQ(bed.colourAt(0, 4), bed.palette(11));
}

TEST(CduFuel, SumsFormOnlyFromSetValuesAndTheGrossWeightFollowsTheFuel) {
  CduBed bed;
  bed.toInit();
  bed.pressAndCycle(key::kFuel);
  FuelWeights& w = bed.cdu.weights();
  bed.press(2);  // passenger count
  bed.type("20");
  bed.press(key::kEnter);
  EXPECT_EQ(w.passengerWeight, 3500.0);
  EXPECT_EQ(w.zeroFuelWeight, kUnset) << "cargo not set yet";
  EXPECT_EQ(bed.cdu.fuelPage().selected(), FuelField::kCargo);
  bed.type("1200");
  bed.press(key::kEnter);
  EXPECT_EQ(w.zeroFuelWeight, 25650.0 + 3500.0 + 1200.0);
  bed.cycle(200.0);
  EXPECT_EQ(w.grossWeight, 30350.0 + 4000.0);
  bed.draw();
  EXPECT_EQ(bed.row(10).substr(0, 5), "34350");
  EXPECT_EQ(bed.row(10).substr(20), "4000");

  bed.press(9);  // total reserves entered whole
  bed.type("800");
  bed.press(key::kEnter);
  EXPECT_EQ(w.totalReserves, 800.0);
  bed.press(6);
  bed.type("300");
  bed.press(key::kEnter);
  bed.type("200");
  bed.press(key::kEnter);
  EXPECT_EQ(w.totalReserves, 800.0) << "extra still unset: no sum";
  bed.type("100");
  bed.press(key::kEnter);
  EXPECT_EQ(w.totalReserves, 600.0);

  bed.press(5);  // gross weight: the zero-fuel weight follows, the parts become unset
  bed.type("33000");
  bed.press(key::kEnter);
  EXPECT_EQ(w.zeroFuelWeight, 29000.0);
  EXPECT_EQ(w.emptyWeight, kUnset);
  EXPECT_EQ(w.cargo, kUnset);
}

TEST(CduPages, FunctionKeysAndReturnPages) {
  CduBed bed;
  bed.toInit();
  bed.addToPlan("ALDER", 48.4, -122.45);
  EXPECT_FALSE(bed.cdu.navPage().enter()) << "one waypoint: NAV refuses";
  bed.pressAndCycle(key::kNav);
  EXPECT_TRUE(bed.cdu.isCurrent(bed.cdu.initPage()));
  bed.pressAndCycle(key::kFpl);
  ASSERT_TRUE(bed.cdu.isCurrent(bed.cdu.fplPage()));
  bed.pressAndCycle(key::kDto);
  ASSERT_TRUE(bed.cdu.isCurrent(bed.cdu.dtoPage()));
  bed.pressAndCycle(10);
  EXPECT_TRUE(bed.cdu.isCurrent(bed.cdu.fplPage())) << "leaving DTO returns to the page it came from";
}

TEST(CduFpl, PagesOverlapByOneAndDeleteNeedsTwoPressesInARow) {
  CduBed bed;
  bed.toInit();
  for (int i = 0; i < 7; ++i) bed.addToPlan(("WP" + std::to_string(i + 1)).c_str(), 46.0 + i * 0.1, -122.0);
  bed.pressAndCycle(key::kFpl);
  bed.draw();
  EXPECT_EQ(bed.row(0), "      FPL 1/2");
  EXPECT_EQ(bed.row(2), " 1 WP1");
  EXPECT_EQ(bed.row(4), " 2>WP2") << "the active waypoint";
  EXPECT_EQ(bed.colourAt(3, 4), bed.palette(9));
  bed.press(key::kNext);
  bed.draw();
  EXPECT_EQ(bed.row(2), " 5 WP5") << "page 2 starts with the last line of page 1";

  bed.press(1);  // line 5
  bed.press(6);  // DEL arms
  bed.press(7);  // INFO disarms (and opens the waypoint page)
  bed.cycle(300);
  bed.pressAndCycle(10);
  ASSERT_TRUE(bed.cdu.isCurrent(bed.cdu.fplPage()));
  bed.press(6);
  EXPECT_EQ(bed.core.plan().count(), 7) << "the second DEL only arms again";
  bed.press(6);
  EXPECT_EQ(bed.core.plan().count(), 6);
}

TEST(CduFpl, AnEmptyPlanOpensOnLineOneAndTakesIdentifiers) {
  CduBed bed;
  bed.toInit();
  bed.pressAndCycle(key::kFpl);
  bed.draw();
  EXPECT_EQ(bed.row(2), " 1 -----");
  bed.type("BTG");
  bed.pressAndCycle(key::kEnter);
  bed.pressAndCycle(key::kEnter);  // ACCEPT on the waypoint page
  ASSERT_TRUE(bed.cdu.isCurrent(bed.cdu.fplPage()));
  ASSERT_EQ(bed.core.plan().count(), 1);
  EXPECT_EQ(bed.core.plan().leg(0).toPoint.ident.view(), "BTG");
  EXPECT_EQ(bed.cdu.fplPage().selectedLine, 2) << "the selection moves on for the next insertion";
}

TEST(CduPerf, ValuesForAKnownPlanAndFuelFlow) {
  FuelWeights w;
  w.grossWeight = 34000;
  w.totalReserves = 500;
  PerfInputs in;
  in.fuelFlowPph = 1000;
  in.fuelOnBoardLb = 3000;
  in.groundSpeedKt = 240;
  in.indicatedAirspeedKt = 200;
  in.outsideAirTempC = 0;
  in.altitudeFt = 10000;
  in.timeToDestinationSec = 5400;  // 1.5 h: burn 1500
  in.planCount = 3;
  const PerfTexts t = perfTexts(in, w);
  EXPECT_EQ(t.groundNmPerLb, "0.24");
  EXPECT_EQ(t.airNmPerLb, "0.20");
  EXPECT_EQ(t.isaDeviation, "ISA+5");
  EXPECT_EQ(t.weightOverhead, "32500");
  EXPECT_EQ(t.fuelOverhead, "1500");
  EXPECT_EQ(t.enduranceNow, "02+30");
  EXPECT_EQ(t.enduranceOverhead, "01+00");
  EXPECT_EQ(t.rangeNow, "600");
  EXPECT_EQ(t.rangeOverhead, "240");
  in.fuelFlowPph = 10;
  in.planCount = 1;
  const PerfTexts idle = perfTexts(in, w);
  EXPECT_EQ(idle.groundNmPerLb, "-.-");
  EXPECT_EQ(idle.enduranceNow, "--+--");
  EXPECT_EQ(idle.weightOverhead, "");
}

TEST(CduTune, AcceptsOnlyValuesInTheRadiosRanges) {
  EXPECT_EQ(acceptedRadioValue(CduRadio::kCom1, 118.05), 11805);
  EXPECT_EQ(acceptedRadioValue(CduRadio::kCom1, 117.95), -1);
  EXPECT_EQ(acceptedRadioValue(CduRadio::kCom1, 135.97), -1);
  EXPECT_EQ(acceptedRadioValue(CduRadio::kNav1, 117.95), 11795);
  EXPECT_EQ(acceptedRadioValue(CduRadio::kAdf1, 350.5), 3505);
  EXPECT_EQ(acceptedRadioValue(CduRadio::kAdf1, 350.3), -1);
  EXPECT_EQ(acceptedRadioValue(CduRadio::kAtc, 7700), 7700);
  EXPECT_EQ(acceptedRadioValue(CduRadio::kAtc, 1280), -1);

  CduBed bed;
  bed.toInit();
  bed.pressAndCycle(key::kTune);
  bed.press(2);
  bed.type("11660");
  bed.press(key::kEnter);
  EXPECT_EQ(bed.radios.setting(CduRadio::kNav1).active, 11660);
  EXPECT_EQ(bed.radios.setting(CduRadio::kNav1).recall, 10800);
  bed.press(9);
  EXPECT_EQ(bed.radios.setting(CduRadio::kNav1).active, 10800);
}

TEST(CduFrames, LeaveNoCanvasObjectBehind) {
  CduBed bed;
  bed.toInit();
  for (int code : {0, key::kFuel, key::kFpl, key::kPerf, key::kTune}) {
    if (code != 0) bed.pressAndCycle(code);
    bed.draw();
    EXPECT_TRUE(bed.canvas.live.empty()) << code;
    EXPECT_EQ(bed.canvas.badDeletes + bed.canvas.badSelects, 0) << code;
  }
}

TEST(CduWaypoint, TwoVorsOfOneIdentifierAreShownOneOfTwoThenTwoOfTwoNearestFirst) {
  testing::TempFolder folder;
  folder.write("Xaq/NavData/xaqvor.dat",
               "; IDENT LATITUDE LONGITUDE MHZ NAME\n"
               "ABC     40.0000  -100.0000 112.10 FAR\n"
               "ABC     45.7000  -122.6000 113.20 NEAR\n"
               "XYZ     46.0000  -122.0000 114.30 OTHER\n");
  CduBed bed(folder.path());
  bed.toInit();
  bed.pressAndCycle(key::kFpl);
  bed.type("ABC");
  bed.pressAndCycle(key::kEnter);
  bed.draw();
  EXPECT_EQ(bed.row(0), "      ABC     1/2");
  EXPECT_EQ(bed.row(6), "FREQ     113.20    TUNE") << "the one near the present position first";
  bed.press(key::kNext);
  bed.draw();
  EXPECT_EQ(bed.row(0), "      ABC     2/2");
  EXPECT_EQ(bed.row(6), "FREQ     112.10    TUNE");
  bed.press(key::kNext);
  bed.draw();
  EXPECT_EQ(bed.row(0), "      ABC     2/2") << "NEXT stops at the last match";
  bed.pressAndCycle(key::kEnter);  // ACCEPT the far one
  ASSERT_TRUE(bed.cdu.isCurrent(bed.cdu.fplPage()));
  ASSERT_EQ(bed.core.plan().count(), 1);
  EXPECT_DOUBLE_EQ(bed.core.plan().leg(0).toPoint.latitude, 40.0);
}

// FPL with BTG as waypoint 1, line 1 selected and LIST open on it.
void openListOnBtg(CduBed& bed) {
  bed.toInit();
  bed.pressAndCycle(key::kFpl);
  bed.type("BTG");
  bed.pressAndCycle(key::kEnter);
  bed.pressAndCycle(key::kEnter);
  ASSERT_EQ(bed.core.plan().count(), 1);
  bed.press(1);  // select line 1 (BTG)
  bed.pressAndCycle(key::kList);
  bed.draw();
  ASSERT_EQ(bed.row(0), "       LIST   1/1");
  ASSERT_EQ(bed.row(3).substr(0, 14), "      FROM BTG");
}

TEST(CduList, ListsACategoryWhenItsKeyIsPressedAndInsertsTheChosenFacility) {
  CduBed bed;
  openListOnBtg(bed);
  bed.press(6);  // VOR
  // Another query overwrites the database's working storage; drawing must not query again.
  const std::size_t found = bed.core.database().findByIdent("OLM", typeBit(FacilityType::Vor), {45.6, -122.6}).size();
  ASSERT_EQ(found, 1U);
  bed.draw();
  bed.draw();
  EXPECT_EQ(bed.core.database().results().size(), found) << "the list is read when the key is pressed, not per draw";
  EXPECT_EQ(bed.row(0), "       LIST   1/2") << "13 VORs in pages of 7";
  EXPECT_EQ(bed.row(4).substr(6, 5), "1 BTG") << "nearest the reference first";
  const std::string second = bed.row(5).substr(8);
  ASSERT_FALSE(second.empty());
  bed.type("2");
  bed.press(key::kEnter);
  ASSERT_EQ(bed.core.plan().count(), 2);
  EXPECT_EQ(bed.core.plan().leg(1).toPoint.ident.view(), second) << "inserted after the reference";
  bed.press(key::kNext);
  bed.draw();
  EXPECT_EQ(bed.row(0), "       LIST   2/2");
  EXPECT_EQ(bed.row(4).substr(6, 2), "8 ");
  bed.pressAndCycle(10);  // RTN
  EXPECT_TRUE(bed.cdu.isCurrent(bed.cdu.fplPage()));
  EXPECT_EQ(bed.cdu.fplPage().selectedLine, 2) << "the selection moves to the inserted facility";
}

TEST(CduAirways, AnAirwayThroughTheFixInsertsItsPointsUpToTheChosenExit) {
  CduBed bed;
  openListOnBtg(bed);
  bed.press(7);  // AIRWAYS through BTG
  bed.draw();
  EXPECT_EQ(bed.row(4).substr(6, 5), "1 V23");
  EXPECT_EQ(bed.row(5), "      2 V298");
  bed.type("1");
  bed.pressAndCycle(key::kEnter);
  bed.draw();
  EXPECT_EQ(bed.row(0), "     AIRWAYS  1/1");
  EXPECT_EQ(bed.row(1), "FRM BTG");
  EXPECT_EQ(bed.row(2), "VIA V23       TO --");
  EXPECT_EQ(bed.row(4), " 1 BLI       7 HOPSS");
  EXPECT_EQ(bed.row(5), " 2 ALDER     8 BTG");
  EXPECT_EQ(bed.colourAt(15, 5), bed.palette(kActiveColour)) << "the entry fix";
  bed.type("8");
  bed.press(key::kEnter);
  EXPECT_EQ(bed.core.plan().count(), 1) << "the entry itself is no exit";
  bed.press(key::kBack);
  bed.type("3");  // PAE, flown northwards from BTG
  bed.pressAndCycle(key::kEnter);
  EXPECT_TRUE(bed.cdu.isCurrent(bed.cdu.fplPage())) << "LIST closes once the airway is in";
  const FlightPlan& plan = bed.core.plan();
  std::string idents;
  for (int i = 0; i < plan.count(); ++i) idents += std::string(plan.leg(i).toPoint.ident.view()) + " ";
  EXPECT_EQ(idents, "BTG HOPSS OLM FERNY SEA PAE ");
  EXPECT_EQ(plan.leg(5).via.view(), "V23");
}

TEST(CduNav, NavLegMakesTheChosenLegActiveAndRefusesNumbersOutsideThePlan) {
  CduBed bed;
  bed.toInit();
  for (int i = 0; i < 4; ++i) bed.addToPlan(("WP" + std::to_string(i + 1)).c_str(), 46.0 + i * 0.1, -122.0);
  bed.pressAndCycle(key::kNav);
  ASSERT_TRUE(bed.cdu.isCurrent(bed.cdu.navPage()));
  bed.pressAndCycle(2);  // 2L: NAV LEG
  bed.draw();
  EXPECT_EQ(bed.row(0), "       NAV LEG 1/1");
  EXPECT_EQ(bed.row(3), "               2>WP2");
  for (const char* refused : {"0", "9", "00"}) {
    bed.type(refused);
    bed.press(key::kEnter);
    EXPECT_FALSE(bed.cdu.isCurrent(bed.cdu.navPage())) << refused;
    for (int i = 0; i < 2; ++i) bed.press(key::kBack);
  }
  bed.type("3");
  bed.pressAndCycle(key::kEnter);
  ASSERT_TRUE(bed.cdu.isCurrent(bed.cdu.navPage()));
  EXPECT_EQ(bed.core.plan().activeIndex(), 2);
  bed.draw();
  EXPECT_EQ(bed.row(2).substr(0, 6), "FR WP2");
  EXPECT_EQ(bed.row(4).substr(0, 6), "TO WP3");
}

TEST(CduDto, DirectToAnIdentifierOutsideThePlanFliesItFromThePresentPositionAndShowsNav) {
  CduBed bed;
  bed.toInit();
  for (int i = 0; i < 3; ++i) bed.addToPlan(("WP" + std::to_string(i + 1)).c_str(), 46.0 + i * 0.1, -122.0);
  bed.pressAndCycle(key::kDto);
  bed.type("OLM");
  bed.pressAndCycle(key::kEnter);
  bed.draw();
  EXPECT_EQ(bed.row(0), "      OLM     1/1");
  bed.pressAndCycle(key::kEnter);  // ACCEPT
  EXPECT_TRUE(bed.cdu.isCurrent(bed.cdu.navPage())) << "a direct-to hands over to NAV";
  const FlightPlan& plan = bed.core.plan();
  ASSERT_GE(plan.activeIndex(), 0);
  EXPECT_EQ(plan.leg(plan.activeIndex()).toPoint.ident.view(), "OLM");
  bed.cycle(500);
  bed.draw();
  EXPECT_EQ(bed.row(4).substr(0, 6), "TO OLM");
  EXPECT_EQ(bed.colourAt(3, 4), bed.palette(kActiveColour));
}

}  // namespace
}  // namespace xaq::fms
