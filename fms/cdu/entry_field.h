#pragma once
// The value a CDU page is editing: typed into a template of fixed separators, digit positions
// ('#') and free positions ('A'). Every write stays inside the fixed-size text.

#include <array>
#include <string>
#include <string_view>

namespace xaq::fms {

class EntryField {
 public:
  static constexpr int kCapacity = 255;
  enum State : int { kInitial = 1, kEditing = 2, kFull = 3 };
  static constexpr int kBack = 11;

  void begin(std::string_view initialText);
  void setMask(std::string_view mask);
  // The text as drawn at simulation time t: in editing, the cursor position blinks as '-'.
  std::string shown(double simTimeS) const;
  void type(int code);
  // The text read as a whole number ("%d"); false when it does not start with one.
  bool readInteger(int& value) const;
  std::string trimmed() const;

  std::string_view text() const { return std::string_view(text_.data(), length_); }
  int state() const { return state_; }
  int cursor() const { return cursor_; }
  int maskLength() const { return maskLength_; }

 private:
  bool isSeparator(int position) const;
  void copySeparators();

  std::array<char, kCapacity + 1> text_{};
  std::array<char, kCapacity + 1> mask_{};
  int length_ = 0;
  int maskLength_ = 0;
  int state_ = kInitial;
  int cursor_ = 0;
};

// Visible phases of the blinking texts on the simulation clock.
bool slowBlinkOn(double simTimeS);  // integer part of 4 t odd
bool fastBlinkOn(double simTimeS);  // integer part of 6 t odd

}  // namespace xaq::fms
