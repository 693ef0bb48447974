#pragma once
// The radio panel: NAV 1, NAV 2, COM 1, COM 2, two ADF heads and the transponder, in that order.
// Each head keeps a standby frequency that its knobs step; the transfer button swaps standby and
// active and sends the new active frequency to the host, which keeps it. The active frequencies
// are read back from the host every cycle, so what the heads show is what the receivers are on.
// Both ADF heads tune and read the one ADF receiver of the host.

#include <array>
#include <cstdint>
#include <string_view>

#include "common/cycle_context.h"
#include "common/effects.h"
#include "common/sound_slots.h"
#include "common/slew_limiter.h"

namespace xaq::systems {

enum class Radio : int { kNav1 = 0, kNav2, kCom1, kCom2, kAdf1, kAdf2, kTransponder };
inline constexpr int kComNavHeads = 4;  // kNav1 ... kCom2
inline constexpr int kAdfHeads = 2;

// VHF frequencies as the heads show them: 118.97 = {118, 97}.
struct ComNavFrequency {
  std::int32_t mhz = 0;
  std::int32_t hundredths = 0;
  bool operator==(const ComNavFrequency&) const = default;
};

// ADF frequencies: 350.5 kHz = {350, 5}; the tenths are 0 or 5.
struct AdfFrequency {
  std::int32_t khz = 0;
  std::int32_t tenths = 0;
  bool operator==(const AdfFrequency&) const = default;
};

inline constexpr ComNavFrequency kNavStandbyAtStart{113, 90};
inline constexpr ComNavFrequency kComStandbyAtStart{124, 85};
inline constexpr AdfFrequency kAdfStandbyAtStart{320, 0};
inline constexpr double kTransferPressedS = 0.3;
inline constexpr double kBearingRateDegPerS = 80.0;
inline constexpr double kBearingAtStartDeg = 90.0;

// The host's frequency-setting commands.
inline constexpr std::uint32_t kCom1SetEvent = 65707;
inline constexpr std::uint32_t kCom2SetEvent = 66442;
inline constexpr std::uint32_t kNav1SetEvent = 65708;
inline constexpr std::uint32_t kNav2SetEvent = 65709;
inline constexpr std::uint32_t kAdfSetEvent = 66122;      // below 1000 kHz
inline constexpr std::uint32_t kAdfSetHighEvent = 66123;  // from 1000 kHz
inline constexpr std::uint32_t kTransponderSetEvent = 65715;


// ---- the tuning rules, on their own ----

enum class Band { kCom, kNav };
// 25-kHz channels on two digits: .00 .02 .05 .07 .10 ...; past .97 the MHz steps too.
ComNavFrequency stepHundredths(ComNavFrequency f, Band band, int direction);
// COM wraps within 118 ... 135 MHz, NAV within 108 ... 117.
ComNavFrequency stepMhz(ComNavFrequency f, Band band, int direction);
// +-0.5 kHz, carrying into the whole kHz.
AdfFrequency stepAdfHalfKhz(AdfFrequency f, int direction);
// +-10 kHz; past 1700 to 200 and below 200 to 1700.
AdfFrequency stepAdfTenKhz(AdfFrequency f, int direction);
// The code's upper (outer knob) or lower (inner knob) pair of octal digits, 00 ... 77, wrapping.
std::int32_t stepTransponder(std::int32_t code, bool upperPair, int direction);

// The values the set events carry: four BCD digits each.
std::uint32_t comNavBcd(ComNavFrequency f);  // tens of MHz mod 10, MHz mod 10, tenths, hundredths
std::uint32_t adfBcd(AdfFrequency f);        // hundreds, tens, units of kHz, tenths
std::uint32_t transponderBcd(std::int32_t code);

// The host's frequency variables read back. Out-of-range or non-numeric values read as 0.
ComNavFrequency decodeComNav(double bcd);
AdfFrequency decodeAdf(double bcd, double extendedBcd);
std::int32_t decodeTransponder(double bcd);

// Readout texts ("118.97", "320.5", "1200"), at most 7 characters.
void comNavText(ComNavFrequency f, char (&out)[8]);
void adfText(AdfFrequency f, char (&out)[8]);
void transponderText(std::int32_t code, char (&out)[8]);

// ---- the panel ----

struct RadiosInputs {
  double nav1Bcd = 0, nav2Bcd = 0, com1Bcd = 0, com2Bcd = 0;  // the host's active frequencies
  double adfBcd = 0, adfExtendedBcd = 0;
  double transponderBcd = 0;
  double nav1BearingDeg = 0, nav2BearingDeg = 0, adfBearingDeg = 0;  // the bearing pointers' targets
};

struct ComNavHead {
  ComNavFrequency active;
  ComNavFrequency standby;
  bool transferPressed = false;
  double transferPressedAtS = 0.0;
};

struct AdfHead {
  AdfFrequency active;
  AdfFrequency standby = kAdfStandbyAtStart;
  bool transferPressed = false;
  double transferPressedAtS = 0.0;
};

struct RadiosState {
  std::array<ComNavHead, kComNavHeads> comNav{};  // by Radio, kNav1 ... kCom2
  std::array<AdfHead, kAdfHeads> adf{};
  std::int32_t transponderCode = 0;  // four octal digits as a decimal number, 7700 = "7700"
  // Smoothed bearings for the bearing pointers, degrees 0 ... 360.
  double nav1BearingDeg = kBearingAtStartDeg;
  double nav2BearingDeg = kBearingAtStartDeg;
  std::array<double, kAdfHeads> adfBearingDeg{kBearingAtStartDeg, kBearingAtStartDeg};
};

// The keyboard commands of the radio panel, in the command table's order from NAV1_OUTERUP
// (command 42) to XPDR_INNERDN (command 70).
inline constexpr int kFirstRadioCommand = 42;
inline constexpr int kLastRadioCommand = 70;
std::string_view radioCommandName(int command);  // empty outside 42 ... 70

class Radios {
 public:
  Radios();

  // Cycle step (1): the active frequencies from the host, the transfer buttons' 0.3 s, the
  // bearings.
  void update(const CycleContext& now, const RadiosInputs& in);
  const RadiosState& state() const { return state_; }

  // The knobs and the transfer button (transfer takes the simulation time it is pressed at).
  // The transponder has no transfer; its knobs send the code at once.
  void outerUp(Radio r, Effects& fx) { turn(r, true, +1, fx); }
  void outerDown(Radio r, Effects& fx) { turn(r, true, -1, fx); }
  void innerUp(Radio r, Effects& fx) { turn(r, false, +1, fx); }
  void innerDown(Radio r, Effects& fx) { turn(r, false, -1, fx); }
  void transfer(Radio r, double nowS, Effects& fx);

  // A keyboard command 42 ... 70 (outer up, outer down, inner up, inner down, transfer per
  // radio); false for any other number.
  bool command(int command, double nowS, Effects& fx);

  // Tuning from the flight management's TUNE page: a new standby, the swap without the button,
  // and a code set at once. Out-of-band values are refused (false).
  bool setStandby(Radio r, ComNavFrequency f);
  bool setStandby(Radio r, AdfFrequency f);
  void exchange(Radio r, HostEventDoor& events);
  bool setTransponderCode(std::int32_t code, HostEventDoor& events);

 private:
  void turn(Radio r, bool outerKnob, int direction, Effects& fx);

  RadiosState state_;
  AngleSlewLimiter nav1Bearing_{kBearingRateDegPerS, kBearingAtStartDeg};
  AngleSlewLimiter nav2Bearing_{kBearingRateDegPerS, kBearingAtStartDeg};
  std::array<AngleSlewLimiter, kAdfHeads> adfBearing_{
      AngleSlewLimiter{kBearingRateDegPerS, kBearingAtStartDeg},
      AngleSlewLimiter{kBearingRateDegPerS, kBearingAtStartDeg}};
};

}  // namespace xaq::systems
