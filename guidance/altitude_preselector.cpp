#include "guidance/altitude_preselector.h"

#include <algorithm>
#include <cstdio>

#include "common/format_text.h"

namespace xaq::guidance {

void AltitudePreselector::step(int direction, bool large) {
  if (direction == 0) return;
  const std::int32_t size = large ? kLargeStepFt : kSmallStepFt;
  set(valueFt_ + (direction > 0 ? size : -size));
}

void AltitudePreselector::set(std::int32_t feet) { valueFt_ = std::clamp(feet, kLowestFt, kHighestFt); }

std::array<char, 8> altitudePreselectText(std::int32_t feet) {
  std::array<char, 8> text{};
  if (formatText(text.data(), text.size(), "%3d", static_cast<int>(feet / 100)) < 0) text[0] = '\0';
  return text;
}

}  // namespace xaq::guidance
