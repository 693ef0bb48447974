#pragma once
// The cockpit's sound slots that the module plays, by what they sound like, and the attenuation
// that silences a slot.

#include <cstdint>

namespace xaq::sound {

inline constexpr int kSwitchClick = 25;      // STOP: switches, knob detents, selectors
inline constexpr int kPushButtonClick = 26;  // KEY: push buttons and CDU keys
inline constexpr int kSeat = 29;
inline constexpr int kApuStart = 30;
inline constexpr int kApuRunning = 31;
inline constexpr int kApuShutDown = 32;
inline constexpr std::int32_t kSilence = -10000;

}  // namespace xaq::sound
