#pragma once
// The electronic attitude director's screen: the attitude sphere with its pitch ladder and roll
// scale, the aircraft symbol, the flight-director bars, the four mode annunciations, the fast/slow
// scale, decision height and radio altitude, the glideslope, localizer and turn scales, the
// rising runway and "AP ENG". It draws what it is handed each frame and changes nothing.

#include <array>
#include <initializer_list>
#include <cstdint>
#include <string_view>

#include "displays/glass/glass_display.h"

namespace xaq::displays {

struct EadiInputs {
  bool powered = false;     // the instrument bus
  double brightness = 0.0;  // 0 ... 1, the ADI's effective brightness
  double pitchUpDeg = 0.0;
  double bankRightDeg = 0.0;  // -180 ... 180
  double turnRate = 0.0;      // the host's turn-needle units, +-540 a standard-rate turn
  bool fdOn = false;
  bool fdValid = false;
  double fdPitchCommandDeg = 0.0;  // nose up positive
  double fdBankCommandDeg = 0.0;   // right positive
  // Left to right: lateral armed, lateral active, vertical armed, vertical active.
  std::array<std::string_view, 4> modeTexts{};
  bool lateralModeBox = false;   // the box round mode text 2
  bool verticalModeBox = false;  // the box round mode text 4
  double indicatedAirspeedKt = 0.0;
  double speedTargetKt = 0.0;
  double radioAltitudeFt = 0.0;
  std::int32_t decisionHeightFt = 0;
  double verticalSpeedFpm = 0.0;
  double glideslopeDeviation = 0.0;  // -127 ... 127, positive: aircraft above the beam
  bool glideslopeValid = false;
  double localizerDeviation = 0.0;  // -127 ... 127, positive: course to the right
  std::uint32_t navFlags = 0;       // the NAV receiver's flags; 0x80 a localizer
  std::int32_t navSource = 0;       // 0 the NAV receiver, 3 the FMS
  bool fmsValid = false;
  double fmsCrossTrackNm = 0.0;  // positive: turn right to regain the leg
  bool autopilotEngaged = false;
};

inline constexpr std::uint32_t kNavLocalizerBit = 0x80;
inline constexpr double kRisingRunwayBelowFt = 200.0;
inline constexpr double kRadioAltitudeShownBelowFt = 2500.0;

// A decision height of 0 means none is set: the attitude displays then show neither the DH
// field nor the DH alert.
constexpr bool decisionHeightSet(std::int32_t decisionHeightFt) { return decisionHeightFt > 0; }

// The radio altitude as the screen shows it: to 5 ft up to and including 200 ft, to 10 ft above.
std::int32_t eadiRadioAltitudeReadout(double radioAltitudeFt);
// The localizer pointer: whether it is drawn and its deviation in the receiver's units.
bool eadiLocalizerShown(const EadiInputs& in);
double eadiLocalizerDeviation(const EadiInputs& in);

class EadiDisplay final : public GlassDisplay {
 public:
  using GlassDisplay::GlassDisplay;

  // What the next frame draws.
  // The brightness comes with the inputs, before the frame makes its palette from it: set in the
  // drawing, the palette's colours (the texts) would show the previous frame's brightness.
  void setInputs(const EadiInputs& inputs);

 protected:
  void draw() override;

 private:
  struct Pens {
    CanvasObject white = 0, yellow = 0, green = 0, magenta = 0, amber = 0;
    CanvasObject whiteBrush = 0;
    CanvasObject smallFont = 0, largeFont = 0;
  };

  // Fractions of the width across, of 1.295 times the height down; both come out in the width.
  std::int32_t x(double f) const { return toPixel(f * width); }
  std::int32_t y(double f) const { return toPixel(f * height * kHeightUnit); }
  double radius() const { return 0.295 * width; }

  void drawSphere(const Pens& p);
  void drawLadder(const Pens& p, double hx, double hy);
  void drawAircraftSymbol(const Pens& p);
  void drawDirectorBars();
  void drawRollScale(const Pens& p);
  void drawModeTexts(const Pens& p);
  void drawSpeedScale(const Pens& p);
  void drawHeights(const Pens& p);
  void drawDeviationScales(const Pens& p);
  void text(std::int32_t px, std::int32_t py, std::string_view s, int paletteIndex, platform::TextAlign align,
            CanvasObject font);
  void line(double x0, double y0, double x1, double y1);
  void polygon(const std::initializer_list<platform::Point>& points);

  static constexpr double kHeightUnit = 1.295;
  EadiInputs in_;
};

}  // namespace xaq::displays
