#include "guidance/advisory.h"

#include <cmath>
#include <cstdio>

#include "common/format_text.h"
#include "common/rounding.h"

namespace xaq::guidance {

namespace {

// Writes what fits, always terminated: the display's fields cut longer texts.
template <std::size_t N, typename... Args>
void format(std::array<char, N>& to, const char* pattern, Args... args) {
  if (formatText(to.data(), N, pattern, args...) < 0) to[0] = '\0';
}

template <std::size_t N>
void copyText(std::array<char, N>& to, const char* text) {
  format(to, "%s", text ? text : "");
}

// Readouts of values the host may deliver as anything: kept within what the field can show.
int shownInteger(double value, int lowest, int highest) {
  if (!std::isfinite(value)) return 0;
  if (value < lowest) return lowest;
  if (value > highest) return highest;
  return roundHalfAway(value);
}

}  // namespace

AdvisoryLine advisoryLine1(const char* message, bool tasDisplay, double trueAirspeedKt, double outsideAirTempC) {
  AdvisoryLine line{};
  const char* text = message ? message : "";
  if (tasDisplay) {
    format(line, "%-18s%3d KTAS", text, shownInteger(trueAirspeedKt, -99, 999));
  } else {
    format(line, "%-18s%+3d\xB0 SAT", text, shownInteger(outsideAirTempC, -99, 99));
  }
  return line;
}

void Advisory::setLateralActiveLong(const char* text) {
  copyText(state_.lateralActiveLong, text);
  rebuildActiveLine();
}

void Advisory::setVerticalActiveLong(const char* text) {
  copyText(state_.verticalActiveLong, text);
  rebuildActiveLine();
}

void Advisory::setLateralArmedLong(const char* text) {
  copyText(state_.lateralArmedLong, text);
  rebuildArmedLine();
}

void Advisory::setVerticalArmedLong(const char* text) {
  copyText(state_.verticalArmedLong, text);
  rebuildArmedLine();
}

void Advisory::setLateralActiveShort(const char* text) { copyText(state_.lateralActiveShort, text); }
void Advisory::setVerticalActiveShort(const char* text) { copyText(state_.verticalActiveShort, text); }
void Advisory::setLateralArmedShort(const char* text) { copyText(state_.lateralArmedShort, text); }
void Advisory::setVerticalArmedShort(const char* text) { copyText(state_.verticalArmedShort, text); }

void Advisory::rebuildArmedLine() {
  format(state_.line3, "%-13s%13s", state_.lateralArmedLong.data(),
                state_.verticalArmedLong.data());
}

void Advisory::rebuildActiveLine() {
  format(state_.line4, "%-13s%13s", state_.lateralActiveLong.data(),
                state_.verticalActiveLong.data());
}

void Advisory::showMessage(const char* text, MessageType type) {
  if (type == MessageType::kDisengage) {
    copyText(state_.line2, text);
    state_.disengageTimeS = nowS_;
    return;
  }
  copyText(state_.message, text);
  state_.messageTimeS = nowS_;
  state_.messageType = type;
}

void Advisory::flashVertical() {
  state_.flashVertical = true;
  state_.flashVerticalTimeS = nowS_;
}

void Advisory::flashLateral() {
  state_.flashLateral = true;
  state_.flashLateralTimeS = nowS_;
}

void Advisory::showTas() {
  state_.tasDisplay = true;
  state_.tasDisplayTimeS = nowS_;
}

void Advisory::update(double trueAirspeedKt, double outsideAirTempC) {
  state_.line1 = advisoryLine1(state_.message.data(), state_.tasDisplay, trueAirspeedKt, outsideAirTempC);

  const auto expired = [this](double since, double lifetime) { return nowS_ - since > lifetime; };
  if (state_.flashVertical && expired(state_.flashVerticalTimeS, kTimedSeconds)) state_.flashVertical = false;
  if (state_.flashLateral && expired(state_.flashLateralTimeS, kTimedSeconds)) state_.flashLateral = false;
  if (state_.tasDisplay && expired(state_.tasDisplayTimeS, kTimedSeconds)) state_.tasDisplay = false;
  if ((state_.messageType == MessageType::kTimed && expired(state_.messageTimeS, kTimedSeconds)) ||
      (state_.messageType == MessageType::kWhileCalled && expired(state_.messageTimeS, kWhileCalledSeconds))) {
    state_.message[0] = '\0';
  }
  if (expired(state_.disengageTimeS, kTimedSeconds)) state_.line2[0] = '\0';
}

}  // namespace xaq::guidance
