#pragma once
// What every part's update gets first: where the host's simulation clock stands this cycle. No
// part reads the elapsed-time variable itself, and nothing reads the wall clock.

namespace xaq {

struct CycleContext {
  double nowS = 0.0;           // the host's elapsed simulation time
  double dtS = 0.0;            // since the previous cycle (0 on the first; negative after a reload)
  bool paused = false;         // the clock stood still this cycle
  double simRate = 1.0;        // 1 = real time
};

}  // namespace xaq
