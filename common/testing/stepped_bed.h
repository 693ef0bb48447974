#pragma once
// The clock of a part's test bed: runs the bed's cycle (`void cycle()`, reachable from here) with
// the simulation time advancing before each one, the way the frame's cycle sees the host's clock.

#include <cmath>

#include "common/cycle_context.h"

namespace xaq::testing {

template <typename Bed>
class SteppedBed {
 public:
  // n cycles of dtS each, the clock advancing before every cycle.
  void runCycles(int n, double dtS = 0.056) {
    for (int i = 0; i < n; ++i) {
      now.dtS = dtS;
      now.nowS += dtS;
      static_cast<Bed*>(this)->cycle();
    }
  }
  // Runs until `seconds` of simulation time have passed (the last step cut short to land on it).
  void runFor(double seconds, double dtS) {
    const double end = now.nowS + seconds;
    while (now.nowS < end - 1e-9) runCycles(1, std::fmin(dtS, end - now.nowS));
  }

  CycleContext now;
};

}  // namespace xaq::testing
