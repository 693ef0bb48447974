#pragma once
// The advisory display's record: the four text lines of the flight guidance's display, the
// mode texts it and the attitude director show, the last guidance message and the flash and TAS
// flags with their timers. The flight guidance writes it; the gauges only read `state()` (and
// call `showTas()` from the TAS switchlight).

#include <array>

namespace xaq::guidance {

using AdvisoryLine = std::array<char, 30>;
using AdvisoryText = std::array<char, 20>;

// How long a message stays.
enum class MessageType {
  kTimed = 0,       // 5 s
  kDisengage = 1,   // on line 2, 5 s; the message line is left alone
  kSticky = 2,      // until another message replaces it
  kWhileCalled = 3  // 0.3 s after the last call: a condition shown while it lasts
};

struct AdvisoryState {
  AdvisoryLine line1{};  // message and temperature / true airspeed
  AdvisoryLine line2{};  // disengage line
  AdvisoryLine line3{};  // armed modes
  AdvisoryLine line4{};  // active modes
  bool flashVertical = false;
  bool flashLateral = false;
  bool tasDisplay = false;
  AdvisoryText lateralActiveLong{};
  AdvisoryText verticalActiveLong{};
  AdvisoryText lateralArmedLong{};
  AdvisoryText verticalArmedLong{};
  AdvisoryText message{};
  AdvisoryText lateralActiveShort{};
  AdvisoryText verticalActiveShort{};
  AdvisoryText lateralArmedShort{};
  AdvisoryText verticalArmedShort{};
  double flashVerticalTimeS = 0.0;
  double flashLateralTimeS = 0.0;
  double tasDisplayTimeS = 0.0;
  double messageTimeS = 0.0;
  double disengageTimeS = 0.0;
  MessageType messageType = MessageType::kTimed;
};

class Advisory {
 public:
  static constexpr double kTimedSeconds = 5.0;
  static constexpr double kWhileCalledSeconds = 0.3;

  const AdvisoryState& state() const { return state_; }

  // The simulation time the operations stamp (the flight guidance sets it each cycle).
  void setTime(double nowS) { nowS_ = nowS; }

  void setLateralActiveLong(const char* text);
  void setVerticalActiveLong(const char* text);
  void setLateralArmedLong(const char* text);
  void setVerticalArmedLong(const char* text);
  void setLateralActiveShort(const char* text);
  void setVerticalActiveShort(const char* text);
  void setLateralArmedShort(const char* text);
  void setVerticalArmedShort(const char* text);

  void showMessage(const char* text, MessageType type);
  void flashVertical();
  void flashLateral();
  // The TAS switchlight: line 1 shows the true airspeed for 5 s.
  void showTas();

  // End of each guidance cycle: line 1 from the message and the temperature or true airspeed,
  // then the timers.
  void update(double trueAirspeedKt, double outsideAirTempC);

  // Power-down: every text and flag back to empty.
  void clear() { state_ = AdvisoryState{}; }

 private:
  void rebuildArmedLine();
  void rebuildActiveLine();

  AdvisoryState state_;
  double nowS_ = 0.0;
};

// Line 1 as the display shows it: the message left in 18 columns, then "%3d KTAS" or
// "%+3d\xB0 SAT" (the degree sign is the single character 0xB0).
AdvisoryLine advisoryLine1(const char* message, bool tasDisplay, double trueAirspeedKt, double outsideAirTempC);

}  // namespace xaq::guidance
