#pragma once
// The altitude preselector: the altitude, in whole feet, that ALT SEL captures. The AltSel
// knob steps it by 100 ft (left button) or 1000 ft (right button) within 0 ... 40000 ft.

#include <array>
#include <cstdint>

namespace xaq::guidance {

class AltitudePreselector {
 public:
  static constexpr std::int32_t kInitialFt = 10000;
  static constexpr std::int32_t kLowestFt = 0;
  static constexpr std::int32_t kHighestFt = 40000;
  static constexpr std::int32_t kSmallStepFt = 100;
  static constexpr std::int32_t kLargeStepFt = 1000;

  std::int32_t valueFt() const { return valueFt_; }

  // One knob step: +1 up, -1 down; `large` for the 1000-ft step. Held at the ends.
  void step(int direction, bool large);
  // Sets the value, held within the range.
  void set(std::int32_t feet);

 private:
  std::int32_t valueFt_ = kInitialFt;
};

// The readout beside the fixed "00": the hundreds of feet, truncated, as "%3d".
std::array<char, 8> altitudePreselectText(std::int32_t feet);

}  // namespace xaq::guidance
