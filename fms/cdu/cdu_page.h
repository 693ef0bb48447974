#pragma once
// One screen of the control-display unit: a glass display on the 24-column, 11-row grid with
// its own keys, the entry field it edits values with, and the page machine's requests (open a
// child page, return to the caller).

#include <string_view>

#include "displays/glass/glass_display.h"
#include "fms/cdu/entry_field.h"

namespace xaq::fms {

using displays::CanvasObject;
using displays::Colour;

class Cdu;

inline constexpr int kCduColumns = 24;
inline constexpr int kCduRows = 11;

// drawText flags.
inline constexpr unsigned kSmall = 1;
inline constexpr unsigned kRight = 2;     // the column is the last character's
inline constexpr unsigned kInverse = 4;

// Colours by role: the dimmed palette entries, so they follow the display brightness.
inline constexpr int kLabelColour = displays::kDimWhite;
inline constexpr int kDataColour = displays::kDimGreen;
inline constexpr int kCaptionColour = displays::kDimBrown;
inline constexpr int kWarningColour = displays::kDimAmber;
inline constexpr int kActiveColour = displays::kDimMagenta;
inline constexpr int kPendingColour = displays::kDimYellow;
inline constexpr int kRecalledColour = displays::kDimCyan;

// Key codes.
namespace key {
inline constexpr int kLeft1 = 1;   // 1..5: 1L..5L
inline constexpr int kRight1 = 6;  // 6..10: 1R..5R
inline constexpr int kBack = 11;
inline constexpr int kEnter = 15;
inline constexpr int kFuel = 17, kNav = 18, kFpl = 19, kPerf = 21, kDto = 22, kTune = 23;
inline constexpr int kList = 24, kMenu = 25, kPrev = 26, kNext = 27;
inline bool isLeft(int code) { return code >= 1 && code <= 5; }
inline bool isRight(int code) { return code >= 6 && code <= 10; }
}  // namespace key

enum class PageAction : int { kNone = 0, kOpenChild = 1, kReturn = 2 };

class CduPage : public displays::GlassDisplay {
 public:
  explicit CduPage(Cdu& cdu);

  // Paints the whole screen (the frame's drawing operation).
  void draw() override {}
  // Prepares the page for being shown; false refuses the change of page.
  virtual bool enter() { return true; }
  virtual void key(int code) { entry.type(code); }
  // A child page returned to this one.
  virtual void resume() {}

  PageAction action = PageAction::kNone;
  CduPage* childPage = nullptr;
  CduPage* returnPage = nullptr;
  EntryField entry;
  int selectedLine = 0;  // 0: none

 protected:
  // Fills the surface black and makes the frame's two fonts; every page's draw() starts here.
  void beginScreen();
  void drawText(std::string_view text, int column, int row, int colourIndex, unsigned flags = 0);
  // A small arrow beside a line-select label: side 1 points left, side 2 right.
  void drawLineSelectMarker(int side, int column, int row);
  // The entry field in inverse video, ending at or starting from a column.
  void drawEntry(int column, int row, int colourIndex, unsigned flags = 0);
  // "RETURN " at 5R.
  void drawReturn(std::string_view label = "RETURN ");

  void openChild(CduPage& child) {
    childPage = &child;
    action = PageAction::kOpenChild;
  }
  void returnToCaller() { action = PageAction::kReturn; }

  double simTimeS() const;

  Cdu& cdu_;

 private:
  double columnX(int column) const;
  double baselineY(int row) const;

  CanvasObject largeFont_ = 0, smallFont_ = 0;
};

}  // namespace xaq::fms
