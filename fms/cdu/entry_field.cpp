#include "fms/cdu/entry_field.h"

#include <cmath>
#include <cstdio>

namespace xaq::fms {

namespace {
bool oddPhase(double x) {
  if (!std::isfinite(x) || x < 0.0 || x > 9.0e15) return false;
  return static_cast<long long>(std::floor(x)) % 2 == 1;
}
}  // namespace

bool slowBlinkOn(double t) { return oddPhase(4.0 * t); }
bool fastBlinkOn(double t) { return oddPhase(6.0 * t); }

void EntryField::begin(std::string_view initialText) {
  length_ = static_cast<int>(initialText.size() < kCapacity ? initialText.size() : kCapacity);
  for (int i = 0; i < length_; ++i) text_[static_cast<std::size_t>(i)] = initialText[static_cast<std::size_t>(i)];
  text_[static_cast<std::size_t>(length_)] = '\0';
  state_ = kInitial;
  cursor_ = 0;
}

void EntryField::setMask(std::string_view mask) {
  maskLength_ = static_cast<int>(mask.size() < kCapacity ? mask.size() : kCapacity);
  for (int i = 0; i < maskLength_; ++i) mask_[static_cast<std::size_t>(i)] = mask[static_cast<std::size_t>(i)];
  mask_[static_cast<std::size_t>(maskLength_)] = '\0';
  if (cursor_ > maskLength_) cursor_ = maskLength_;
}

std::string EntryField::shown(double simTimeS) const {
  std::string out(text());
  if (state_ == kEditing && cursor_ < static_cast<int>(out.size()) && slowBlinkOn(simTimeS)) {
    out[static_cast<std::size_t>(cursor_)] = '-';
  }
  return out;
}

bool EntryField::isSeparator(int p) const {
  const char m = mask_[static_cast<std::size_t>(p)];
  return m != 'A' && m != '#';
}

void EntryField::copySeparators() {
  while (cursor_ < maskLength_ && isSeparator(cursor_)) {
    text_[static_cast<std::size_t>(cursor_)] = mask_[static_cast<std::size_t>(cursor_)];
    ++cursor_;
  }
  if (cursor_ >= maskLength_) state_ = kFull;
}

void EntryField::type(int code) {
  if (code < 32 && code != kBack) return;
  if (code > 126) return;
  if (state_ == kInitial) {
    if (code == kBack) return;  // nothing typed yet: nothing to take back
    length_ = maskLength_;
    for (int i = 0; i < length_; ++i) text_[static_cast<std::size_t>(i)] = ' ';
    text_[static_cast<std::size_t>(length_)] = '\0';
    state_ = kEditing;
    cursor_ = 0;
    copySeparators();
  }
  if (code == kBack) {
    if (cursor_ == 0) return;
    --cursor_;
    text_[static_cast<std::size_t>(cursor_)] = ' ';
    while (cursor_ > 0 && isSeparator(cursor_)) {
      --cursor_;
      text_[static_cast<std::size_t>(cursor_)] = ' ';
    }
    // Back at the start of a mask that opens with separators: they stand again.
    state_ = kEditing;
    if (isSeparator(cursor_)) copySeparators();
    return;
  }
  if (state_ != kEditing || cursor_ >= maskLength_) return;
  const char m = mask_[static_cast<std::size_t>(cursor_)];
  if (m == '#' && (code < '0' || code > '9')) return;
  text_[static_cast<std::size_t>(cursor_)] = static_cast<char>(code);
  ++cursor_;
  copySeparators();
}

bool EntryField::readInteger(int& value) const {
  std::string s(text());
  return std::sscanf(s.c_str(), "%d", &value) == 1;
}

std::string EntryField::trimmed() const {
  std::string s(text());
  while (!s.empty() && s.back() == ' ') s.pop_back();
  return s;
}

}  // namespace xaq::fms
