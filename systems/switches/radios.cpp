#include "systems/switches/radios.h"

#include <cmath>
#include <cstdio>

#include "common/format_text.h"

namespace xaq::systems {

namespace {

struct MhzRange {
  std::int32_t lowest;
  std::int32_t highest;
};

constexpr MhzRange range(Band band) { return band == Band::kCom ? MhzRange{118, 135} : MhzRange{108, 117}; }

constexpr bool isComNav(Radio r) { return static_cast<int>(r) >= 0 && static_cast<int>(r) < kComNavHeads; }
constexpr bool isAdf(Radio r) { return r == Radio::kAdf1 || r == Radio::kAdf2; }
constexpr Band bandOf(Radio r) { return r == Radio::kCom1 || r == Radio::kCom2 ? Band::kCom : Band::kNav; }
constexpr std::size_t comNavIndex(Radio r) { return static_cast<std::size_t>(r); }
constexpr std::size_t adfIndex(Radio r) { return r == Radio::kAdf2 ? 1 : 0; }

std::uint32_t setEvent(Radio r) {
  switch (r) {
    case Radio::kCom1: return kCom1SetEvent;
    case Radio::kCom2: return kCom2SetEvent;
    case Radio::kNav1: return kNav1SetEvent;
    default: return kNav2SetEvent;
  }
}

// A host variable holding a 16-bit BCD word; anything else reads as 0.
std::uint32_t bcdWord(double value) {
  if (!std::isfinite(value) || value < 0.0 || value > 65535.0) return 0;
  return static_cast<std::uint32_t>(value);
}

std::uint32_t digit(std::uint32_t word, int position) { return (word >> (4 * position)) & 0xF; }

constexpr bool onFrequencyGrid(ComNavFrequency f, Band band) {
  return f.mhz >= range(band).lowest && f.mhz <= range(band).highest && f.hundredths >= 0 && f.hundredths <= 99;
}

constexpr bool onAdfGrid(AdfFrequency f) {
  return f.khz >= 200 && f.khz <= 1700 && (f.tenths == 0 || f.tenths == 5);
}

bool octalCode(std::int32_t code) {
  if (code < 0 || code > 7777) return false;
  for (std::int32_t c = code; c > 0; c /= 10) {
    if (c % 10 > 7) return false;
  }
  return true;
}

AdfFrequency wrapAdf(AdfFrequency f) {
  if (f.khz > 1700) f.khz = 200;
  if (f.khz < 200) f.khz = 1700;
  return f;
}

// The pressed look of a transfer button lasts 0.3 s of simulation time; a clock that went back
// (a reloaded flight) releases it at once.
void release(bool& pressed, double pressedAtS, double nowS) {
  if (pressed && (nowS - pressedAtS >= kTransferPressedS || nowS < pressedAtS)) pressed = false;
}

double bearingStep(AngleSlewLimiter& limiter, double targetDeg, double nowS) {
  if (std::isfinite(targetDeg)) limiter.target = targetDeg;
  return limiter.step(nowS);
}

constexpr std::string_view kCommandNames[] = {
    "NAV1_OUTERUP", "NAV1_OUTERDN", "NAV1_INNERUP", "NAV1_INNERDN", "NAV1_XFR",
    "NAV2_OUTERUP", "NAV2_OUTERDN", "NAV2_INNERUP", "NAV2_INNERDN", "NAV2_XFR",
    "COM1_OUTERUP", "COM1_OUTERDN", "COM1_INNERUP", "COM1_INNERDN", "COM1_XFR",
    "COM2_OUTERUP", "COM2_OUTERDN", "COM2_INNERUP", "COM2_INNERDN", "COM2_XFR",
    "ADF_OUTERUP",  "ADF_OUTERDN",  "ADF_INNERUP",  "ADF_INNERDN",  "ADF_XFR",
    "XPDR_OUTERUP", "XPDR_OUTERDN", "XPDR_INNERUP", "XPDR_INNERDN",
};
static_assert(std::size(kCommandNames) == kLastRadioCommand - kFirstRadioCommand + 1);

int held(std::int32_t v, int highest) { return v < 0 ? 0 : v > highest ? highest : static_cast<int>(v); }

}  // namespace

ComNavFrequency stepHundredths(ComNavFrequency f, Band band, int direction) {
  const bool onQuarter = f.hundredths % 10 == 2 || f.hundredths % 10 == 7;
  if (direction > 0) {
    f.hundredths += onQuarter ? 3 : 2;
    if (f.hundredths >= 98) {
      f.hundredths = 0;
      f = stepMhz(f, band, +1);
    }
  } else {
    f.hundredths -= onQuarter ? 2 : 3;
    if (f.hundredths < 0) {
      f.hundredths = 97;
      f = stepMhz(f, band, -1);
    }
  }
  return f;
}

ComNavFrequency stepMhz(ComNavFrequency f, Band band, int direction) {
  const MhzRange r = range(band);
  f.mhz += direction > 0 ? 1 : -1;
  if (f.mhz > r.highest) f.mhz = r.lowest;
  if (f.mhz < r.lowest) f.mhz = r.highest;
  return f;
}

AdfFrequency stepAdfHalfKhz(AdfFrequency f, int direction) {
  if (direction > 0) {
    if (f.tenths >= 5) {
      f.tenths = 0;
      ++f.khz;
    } else {
      f.tenths = 5;
    }
  } else {
    if (f.tenths <= 0) {
      f.tenths = 5;
      --f.khz;
    } else {
      f.tenths = 0;
    }
  }
  return wrapAdf(f);
}

AdfFrequency stepAdfTenKhz(AdfFrequency f, int direction) {
  f.khz += direction > 0 ? 10 : -10;
  return wrapAdf(f);
}

std::int32_t stepTransponder(std::int32_t code, bool upperPair, int direction) {
  std::int32_t pair = upperPair ? code / 100 : code % 100;
  if (direction > 0) {
    ++pair;
    if (pair % 10 >= 8) pair += 2;  // octal carry
    if (pair > 77) pair = 0;
  } else {
    --pair;
    if (pair < 0) {
      pair = 77;
    } else if (pair % 10 >= 8) {
      pair -= 2;
    }
  }
  return upperPair ? pair * 100 + code % 100 : code / 100 * 100 + pair;
}

std::uint32_t comNavBcd(ComNavFrequency f) {
  const auto d = [](std::int32_t v) { return static_cast<std::uint32_t>(((v % 10) + 10) % 10); };
  return d(f.mhz / 10) << 12 | d(f.mhz) << 8 | d(f.hundredths / 10) << 4 | d(f.hundredths);
}

std::uint32_t adfBcd(AdfFrequency f) {
  const auto d = [](std::int32_t v) { return static_cast<std::uint32_t>(((v % 10) + 10) % 10); };
  return d(f.khz / 100) << 12 | d(f.khz / 10) << 8 | d(f.khz) << 4 | d(f.tenths);
}

std::uint32_t transponderBcd(std::int32_t code) {
  const auto d = [](std::int32_t v) { return static_cast<std::uint32_t>(((v % 10) + 10) % 10); };
  return d(code / 1000) << 12 | d(code / 100) << 8 | d(code / 10) << 4 | d(code);
}

ComNavFrequency decodeComNav(double bcd) {
  const std::uint32_t w = bcdWord(bcd);
  return {static_cast<std::int32_t>((digit(w, 3) + 10) * 10 + digit(w, 2)),
          static_cast<std::int32_t>(digit(w, 1) * 10 + digit(w, 0))};
}

AdfFrequency decodeAdf(double bcd, double extendedBcd) {
  const std::uint32_t w = bcdWord(bcd);
  const std::uint32_t x = bcdWord(extendedBcd);
  return {static_cast<std::int32_t>(digit(x, 2) * 1000 + digit(w, 2) * 100 + digit(w, 1) * 10 + digit(w, 0)),
          static_cast<std::int32_t>(digit(x, 0))};
}

std::int32_t decodeTransponder(double bcd) {
  const std::uint32_t w = bcdWord(bcd);
  std::int32_t code = 0;
  for (int p = 3; p >= 0; --p) {
    const std::uint32_t d = digit(w, p);
    code = code * 10 + static_cast<std::int32_t>(d > 7 ? 7 : d);
  }
  return code;
}

// The texts are bounded whatever the numbers: each field is held to its digits.
void comNavText(ComNavFrequency f, char (&out)[8]) {
  formatText(out, sizeof out, "%d.%02d", held(f.mhz, 999), held(f.hundredths, 99));
}

void adfText(AdfFrequency f, char (&out)[8]) {
  formatText(out, sizeof out, "%d.%d", held(f.khz, 9999), held(f.tenths, 9));
}

void transponderText(std::int32_t code, char (&out)[8]) {
  formatText(out, sizeof out, "%04d", held(code, 9999));
}

std::string_view radioCommandName(int command) {
  if (command < kFirstRadioCommand || command > kLastRadioCommand) return {};
  return kCommandNames[command - kFirstRadioCommand];
}

Radios::Radios() {
  for (Radio r : {Radio::kNav1, Radio::kNav2}) state_.comNav[comNavIndex(r)].standby = kNavStandbyAtStart;
  for (Radio r : {Radio::kCom1, Radio::kCom2}) state_.comNav[comNavIndex(r)].standby = kComStandbyAtStart;
}

void Radios::update(const CycleContext& now, const RadiosInputs& in) {
  state_.comNav[comNavIndex(Radio::kNav1)].active = decodeComNav(in.nav1Bcd);
  state_.comNav[comNavIndex(Radio::kNav2)].active = decodeComNav(in.nav2Bcd);
  state_.comNav[comNavIndex(Radio::kCom1)].active = decodeComNav(in.com1Bcd);
  state_.comNav[comNavIndex(Radio::kCom2)].active = decodeComNav(in.com2Bcd);
  for (AdfHead& h : state_.adf) h.active = decodeAdf(in.adfBcd, in.adfExtendedBcd);
  state_.transponderCode = decodeTransponder(in.transponderBcd);

  for (ComNavHead& h : state_.comNav) release(h.transferPressed, h.transferPressedAtS, now.nowS);
  for (AdfHead& h : state_.adf) release(h.transferPressed, h.transferPressedAtS, now.nowS);

  state_.nav1BearingDeg = bearingStep(nav1Bearing_, in.nav1BearingDeg, now.nowS);
  state_.nav2BearingDeg = bearingStep(nav2Bearing_, in.nav2BearingDeg, now.nowS);
  for (std::size_t k = 0; k < adfBearing_.size(); ++k) {
    state_.adfBearingDeg[k] = bearingStep(adfBearing_[k], in.adfBearingDeg, now.nowS);
  }
}

void Radios::turn(Radio r, bool outerKnob, int direction, Effects& fx) {
  if (isComNav(r)) {
    ComNavHead& h = state_.comNav[comNavIndex(r)];
    h.standby = outerKnob ? stepMhz(h.standby, bandOf(r), direction) : stepHundredths(h.standby, bandOf(r), direction);
  } else if (isAdf(r)) {
    AdfHead& h = state_.adf[adfIndex(r)];
    h.standby = outerKnob ? stepAdfTenKhz(h.standby, direction) : stepAdfHalfKhz(h.standby, direction);
  } else if (r == Radio::kTransponder) {
    state_.transponderCode = stepTransponder(state_.transponderCode, outerKnob, direction);
    fx.events.trigger(kTransponderSetEvent, transponderBcd(state_.transponderCode));
  } else {
    return;
  }
  fx.sounds.play(sound::kSwitchClick);
}

void Radios::transfer(Radio r, double nowS, Effects& fx) {
  if (isComNav(r)) {
    ComNavHead& h = state_.comNav[comNavIndex(r)];
    h.transferPressed = true;
    h.transferPressedAtS = nowS;
  } else if (isAdf(r)) {
    AdfHead& h = state_.adf[adfIndex(r)];
    h.transferPressed = true;
    h.transferPressedAtS = nowS;
  } else {
    return;
  }
  exchange(r, fx.events);
  fx.sounds.play(sound::kPushButtonClick);
}

void Radios::exchange(Radio r, HostEventDoor& events) {
  if (isComNav(r)) {
    ComNavHead& h = state_.comNav[comNavIndex(r)];
    std::swap(h.active, h.standby);
    events.trigger(setEvent(r), comNavBcd(h.active));
  } else if (isAdf(r)) {
    // Both heads tune the one receiver: the other head shows the new frequency at once too.
    AdfHead& h = state_.adf[adfIndex(r)];
    std::swap(h.active, h.standby);
    for (AdfHead& other : state_.adf) other.active = h.active;
    events.trigger(h.active.khz >= 1000 ? kAdfSetHighEvent : kAdfSetEvent, adfBcd(h.active));
  }
}

bool Radios::setStandby(Radio r, ComNavFrequency f) {
  if (!isComNav(r) || !onFrequencyGrid(f, bandOf(r))) return false;
  state_.comNav[comNavIndex(r)].standby = f;
  return true;
}

bool Radios::setStandby(Radio r, AdfFrequency f) {
  if (!isAdf(r) || !onAdfGrid(f)) return false;
  state_.adf[adfIndex(r)].standby = f;
  return true;
}

bool Radios::setTransponderCode(std::int32_t code, HostEventDoor& events) {
  if (!octalCode(code)) return false;
  state_.transponderCode = code;
  events.trigger(kTransponderSetEvent, transponderBcd(code));
  return true;
}

bool Radios::command(int command, double nowS, Effects& fx) {
  if (command < kFirstRadioCommand || command > kLastRadioCommand) return false;
  const int k = command - kFirstRadioCommand;
  constexpr Radio kByGroup[] = {Radio::kNav1, Radio::kNav2, Radio::kCom1, Radio::kCom2, Radio::kAdf1,
                                Radio::kTransponder};
  const Radio r = kByGroup[k / 5];
  switch (k % 5) {
    case 0: outerUp(r, fx); break;
    case 1: outerDown(r, fx); break;
    case 2: innerUp(r, fx); break;
    case 3: innerDown(r, fx); break;
    default: transfer(r, nowS, fx); break;
  }
  return true;
}

}  // namespace xaq::systems
