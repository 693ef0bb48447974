#pragma once
// The control-display unit: the page machine that decides which page is shown and receives the
// keys, the power-up sequence, the FUEL page's weights, and the frame the FMC gauge draws. It
// runs once per cycle after the aircraft's systems and runs the lateral guidance last.

#include "common/cycle_context.h"
#include "displays/glass/glass_display.h"
#include "fms/cdu/cdu_radios.h"
#include "fms/cdu/fuel_weights.h"
#include "fms/cdu/pages/basic_pages.h"
#include "fms/cdu/pages/dto_page.h"
#include "fms/cdu/pages/fpl_pages.h"
#include "fms/cdu/pages/fuel_page.h"
#include "fms/cdu/pages/nav_pages.h"
#include "fms/cdu/pages/perf_page.h"
#include "fms/cdu/pages/tune_page.h"
#include "fms/fms_core.h"

namespace xaq::fms {

struct CduDate {
  int day = 1, month = 1, year = 0;  // year: four digits as the host gives it
};

// What the CDU reads of the aircraft each cycle.
struct CduInputs {
  bool avionicsPowered = false;
  GuidanceInput guidance;
  double fuelOnBoardLb = 0;
  double fuelFlowPph = 0;  // both engines
  double indicatedAirspeedKt = 0;
  double groundSpeedKt = 0;
  double outsideAirTempC = 0;
  double utcSeconds = 0;   // of the day
  CduDate date;
};

class Cdu {
 public:
  Cdu(FmsCore& core, platform::CanvasFactory* canvases, CduRadios& radios);
  Cdu(const Cdu&) = delete;
  Cdu& operator=(const Cdu&) = delete;

  void update(const CycleContext& now, const CduInputs& in);
  // A key code from the bezel or the keyboard; acts at once on the current page.
  void pressKey(int code);
  // The gauge's draw: the screen element, lit at 0.95 while the unit is on, black otherwise.
  void draw(const displays::GlassElement* screen);

  CduPage& currentPage() { return *current_; }
  bool isCurrent(const CduPage& page) const { return current_ == &page; }

  bool powered = true;
  bool switchedOn = false;
  bool running = false;

  FmsCore& core() { return core_; }
  FlightPlan& plan() { return core_.plan(); }
  NavDatabase& database() { return core_.database(); }
  const GuidanceOutput& guidance() const { return core_.guidance(); }
  const CduInputs& inputs() const { return in_; }
  // The clock of the last cycle (blinking fields and the self-test follow it).
  const CycleContext& now() const { return now_; }
  FuelWeights& weights() { return weights_; }
  CduRadios& radios() { return radios_; }
  platform::CanvasFactory* canvases() { return canvases_; }

  StatusPage& statusPage() { return status_; }
  InitPage& initPage() { return init_; }
  FuelPage& fuelPage() { return fuel_; }
  FplPage& fplPage() { return fpl_; }
  NavPage& navPage() { return nav_; }
  DtoPage& dtoPage() { return dto_; }
  PerfPage& perfPage() { return perf_; }
  TunePage& tunePage() { return tune_; }

 private:
  void show(CduPage& page) { current_ = &page; }
  void runPageAction();

  FmsCore& core_;
  platform::CanvasFactory* canvases_;
  CduRadios& radios_;
  CduInputs in_;
  CycleContext now_;
  FuelWeights weights_;

  StatusPage status_{*this};
  InitPage init_{*this};
  FuelPage fuel_{*this};
  FplPage fpl_{*this};
  NavPage nav_{*this};
  DtoPage dto_{*this};
  PerfPage perf_{*this};
  TunePage tune_{*this};
  CduPage* current_ = &status_;
};

}  // namespace xaq::fms
