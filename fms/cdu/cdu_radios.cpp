#include "fms/cdu/cdu_radios.h"

namespace xaq::fms {

namespace {
std::size_t slot(CduRadio r) {
  const int i = static_cast<int>(r);
  return i >= 0 && i < static_cast<int>(CduRadio::kCount) ? static_cast<std::size_t>(i) : 0;
}
}  // namespace

// The settings a radio panel shows after power-up: the lowest channel of each band.
HeldCduRadios::HeldCduRadios() {
  radios_[slot(CduRadio::kCom1)] = {11800, 11800};
  radios_[slot(CduRadio::kCom2)] = {11800, 11800};
  radios_[slot(CduRadio::kNav1)] = {10800, 10800};
  radios_[slot(CduRadio::kNav2)] = {10800, 10800};
  radios_[slot(CduRadio::kAdf1)] = {2000, 2000};
  radios_[slot(CduRadio::kAtc)] = {1200, 1200};
}

RadioSetting HeldCduRadios::setting(CduRadio r) const { return radios_[slot(r)]; }

void HeldCduRadios::tune(CduRadio r, std::int32_t value) {
  RadioSetting& s = radios_[slot(r)];
  s.recall = s.active;
  s.active = value;
}

void HeldCduRadios::swapRecall(CduRadio r) {
  RadioSetting& s = radios_[slot(r)];
  const std::int32_t was = s.active;
  s.active = s.recall;
  s.recall = was;
}

}  // namespace xaq::fms
