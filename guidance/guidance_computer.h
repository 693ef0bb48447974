#pragma once
// The guidance computer: the VS channel that turns a vertical-speed target into a pitch target,
// and the pitch and roll channels that fly pitch and bank targets through the controls while
// the guidance is active. Its outputs for the add-on are collected in `commands()` for the frame
// to write; without the add-on the roll channel uses the host's aileron event instead.

#include <cstdint>

#include "common/effects.h"

namespace xaq::guidance {

// The add-on words of one cycle. The control-disconnect byte goes out every cycle; each control
// word only when its channel flew this cycle.
struct LinkCommands {
  std::uint8_t controlDisconnect = 0;  // bit 0 elevator (vertical), bit 1 aileron (lateral)
  bool writeAileron = false;
  std::int16_t aileronWord = 0;        // positive rolls left, as the host's aileron
  bool writeElevator = false;
  std::int16_t elevatorWord = 0;       // positive nose up
  bool writeTrim = false;
  std::int16_t trimWord = 0;           // positive nose up
};

struct GuidanceComputerState {
  bool active = false;  // autopilot engaged and TCS not held
  double pitchTargetDeg = 0.0;
  double bankTargetDeg = 0.0;
  double altCaptureVsLimitFt = 300.0;  // set at each ALT SEL capture
};

// The aircraft as the channels see it in one cycle.
struct ChannelInputs {
  double pitchUpDeg = 0.0;
  double bankDeg = 0.0;
  double verticalSpeedFpm = 0.0;
  double aileronPosition = 0.0;
  double elevatorPosition = 0.0;
  double elevatorTrimPosition = 0.0;
  double simRate = 1.0;
  bool linkConnected = false;
};

namespace gains {
inline constexpr double kRollGain = 8.0;
inline constexpr double kRollErrorLimitDeg = 10.0;
inline constexpr double kRollStep = 2000.0;
inline constexpr double kRollLowest = 1000.0;
inline constexpr double kRollHighest = 31000.0;
inline constexpr double kPitchGain = 1.5 * 0.5;
inline constexpr double kPitchErrorLimitDeg = 5.0;
inline constexpr double kPitchStep = 1000.0;
inline constexpr double kPitchLowest = 0.0;
inline constexpr double kPitchHighest = 32767.0;
inline constexpr double kVsGain = 1000.0 * 1.3;
inline constexpr double kVsErrorLimitFpm = 1500.0;
inline constexpr double kVsStep = 1.0 * 2.0;
inline constexpr double kVsLowestPitchDeg = -15.0;
inline constexpr double kVsHighestPitchDeg = 30.0;
inline constexpr double kTrimNudge = 2.0;
inline constexpr double kTrimNudgeAbove = 1000.0;
}  // namespace gains

// The roll gain at the host's simulation rate: halved above 1x and below 4x, quartered from 4x.
double rollGain(double simRate);

class GuidanceComputer {
 public:
  const GuidanceComputerState& state() const { return state_; }
  const LinkCommands& commands() const { return commands_; }

  // Starts a cycle: the guidance's activity, the disconnect byte, the aircraft's motion.
  void beginCycle(bool active, std::uint8_t controlDisconnect, const ChannelInputs& in);
  // The pitch target that flies `targetFpm`.
  double vsChannel(double targetFpm) const;
  void pitchChannel(double pitchTargetDeg);
  void rollChannel(double bankTargetDeg, HostEventDoor& events);
  // Ends a cycle: this cycle's bank and vertical speed become the previous ones.
  void endCycle();

  void setAltCaptureVsLimit(double feet) { state_.altCaptureVsLimitFt = feet; }
  // Power-down: nothing flies.
  void reset();

 private:
  GuidanceComputerState state_;
  LinkCommands commands_;
  ChannelInputs in_;
  double previousPitchDeg_ = 0.0;
  double previousBankDeg_ = 0.0;
  double previousVsFpm_ = 0.0;
  bool started_ = false;
};

}  // namespace xaq::guidance
