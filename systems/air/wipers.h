#pragma once
// The windshield wipers: slow and fast sweeps between 0 and 1, and parking, which finishes the
// stroke back to 0 and stops there. The position goes to the add-on (which moves the blades the
// pilot sees) every cycle while they run, and in each of the first cycles after start so the
// add-on's blades begin where ours are.

#include <cstdint>

#include "common/cycle_context.h"

namespace xaq::systems {

inline constexpr std::int32_t kWiperStopped = 0;
inline constexpr std::int32_t kWiperSlow = 1;
inline constexpr std::int32_t kWiperFast = 2;
inline constexpr std::int32_t kWiperParking = 10;

struct WiperInputs {
  bool dcPowerAvailable = false;
};

struct WiperState {
  std::int32_t mode = kWiperStopped;
  bool running = false;
  bool reversing = false;
  bool slow = false;
  bool parking = false;
  double position = 0;      // 0 parked ... 1 the far end of the stroke
  // This cycle's position for the add-on, and whether to write it.
  bool writeToLink = false;
  double linkPosition = 0;  // in whole 1/16383 steps of 0 ... 1
};

class Wipers {
 public:
  static constexpr std::int32_t kStartupWrites = 36;
  static constexpr double kSlowStrokesPerS = 2.0;
  static constexpr double kFastStrokesPerS = 4.0;

  void update(const CycleContext& now, const WiperInputs& in);
  const WiperState& state() const { return state_; }

  // The selector's mode: 0 stop, 1 slow, 2 fast, 10 park. Anything else stops.
  void selectMode(std::int32_t mode);

 private:
  void sweep(double elapsedS);

  WiperState state_;
  double lastStepS_ = -1.0;
  std::int32_t startupWrites_ = kStartupWrites;
};

}  // namespace xaq::systems
