#pragma once
// A test bed for the fuel panel: the add-on's two tank words (present or not), the switches
// worked through the part's own operations, and the cycle's clock.

#include <cmath>

#include "common/testing/recording_effects.h"
#include "systems/fuel/fuel.h"

namespace xaq::systems::testing {

// The add-on's tank words; while `present` is false every read and write fails.
class FakeTanks final : public TankLevels {
 public:
  bool read(int tank, std::uint32_t& raw) override {
    ++reads;
    if (!present || (tank != 1 && tank != 2)) return false;
    raw = words[tank - 1];
    return true;
  }
  bool write(int tank, std::uint32_t raw) override {
    ++writes;
    if (!present || (tank != 1 && tank != 2)) return false;
    words[tank - 1] = raw;
    return true;
  }

  bool present = true;
  std::uint32_t words[2] = {0, 0};
  int reads = 0;
  int writes = 0;
};

class FuelBed {
 public:
  static constexpr std::uint32_t kAddonFull = 8388608;  // the add-on's own 100 %

  // Levels as the transfer reads them (1.0 is a hair below the add-on's full word).
  FuelBed& givenTanks(double fraction1, double fraction2) {
    tanks.words[0] = tankWord(fraction1);
    tanks.words[1] = tankWord(fraction2);
    return *this;
  }
  FuelBed& givenFullTank(int tank) { return tanks.words[tank - 1] = kAddonFull, *this; }
  FuelBed& givenNoAddon() { return tanks.present = false, *this; }
  FuelBed& givenTransfer(FuelTransfer to) { return fuel.setTransfer(to, doors), *this; }

  // n cycles of dtS each, the clock advancing before every cycle.
  void runCycles(int n, double dtS = 0.056) {
    for (int i = 0; i < n; ++i) {
      now.dtS = dtS;
      now.nowS += dtS;
      fuel.update(now);
    }
  }
  // Runs until `seconds` of simulation time have passed (the last step cut short to land on it).
  // A zero step runs one cycle at the same time.
  void runFor(double seconds, double dtS) {
    if (dtS <= 0.0) return runCycles(1, 0.0);
    const double end = now.nowS + seconds;
    while (now.nowS < end - 1e-9) runCycles(1, std::fmin(dtS, end - now.nowS));
  }

  double level(int tank) const { return tankFraction(tanks.words[tank - 1]); }
  int plays(int slot) const {
    int n = 0;
    for (const auto& s : fx.sounds) n += s.slot == slot ? 1 : 0;
    return n;
  }

  FakeTanks tanks;
  Fuel fuel{tanks};
  xaq::testing::RecordingEffects fx;
  Effects doors = fx.doors();
  CycleContext now;
};

}  // namespace xaq::systems::testing
