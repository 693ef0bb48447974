#pragma once
// What the air-data and standby instruments show, as plain values: the dial value each needle
// aims at (held at its scale's ends), the drums and the speed strip, the altitude alert light.
// The gauges only hand these the host's values and pass the result on.

#include <cstdint>

#include "common/effects.h"

namespace xaq::displays {

// ---- airspeed indicator ----

inline constexpr double kAirspeedScaleTopKt = 400.0;

// The airspeed needle: the indicated airspeed on the 0 .. 400 kt dial.
double airspeedNeedleKt(double indicatedKt);

// The maximum operating speed at an altitude: 243 kt up to 14,000 ft, falling linearly to 214 kt
// at 25,000 ft and held there above.
double vmoKt(double altitudeFt);

// The speed strip's window: the airspeed held within 18 .. 500 kt, then its last two digits
// (0 .. 100, for a strip that maps 0 .. 99.99999999).
double airspeedStripValue(double indicatedKt);

// The bug knob's pointer turns once every 60 kt of bug setting: degrees 0 .. 354.
double bugKnobAngleDeg(int bugKt);

// ---- altimeters ----

// The 100-foot needle's place within one turn, 0 .. 1000, of a needle that follows the altitude
// in whole feet (toward zero) through its limiter. Below sea level it keeps turning the same way
// round (-300 ft reads as 700 on the dial).
double withinOneTurnFt(double feet);

// A drum's reading (0 .. 10) for `value` (the altitude / 10) and the digit index (0 = units of
// the value). The higher digits roll over with the last unit of the lower ones: 49.5 shows the
// tens drum half way between 4 and 5.
double drumDigit(double value, int index);

// The altitude alert light: lit while the altitude is more than 250 ft and less than 1000 ft from
// the preselected altitude (both ends dark).
bool altitudeAlertLit(double altitudeFt, int preselectFt);

// ---- vertical speed, turn, flight controls, compass ----

double vsiNeedleFpm(double verticalSpeedFpm);  // held within +-4000 ft/min
double turnNeedle(double turnRate);            // held within +-1200 (+-540 = standard rate)

// The rudder needle: -(rudder / 0.524 rad) held within +-1.
double rudderNeedle(double rudderRad);

enum class SpoilerPanel { kLeftOutboard, kLeftInboard, kRightInboard, kRightOutboard };

// A spoiler needle, 0 (stowed) .. 1: the aileron / 0.3141592 rad, the left pair raised by left
// aileron (negative), the right pair by right. The outboard pair is locked out (0) above 140 kt.
double spoilerNeedle(SpoilerPanel panel, double aileronRad, double indicatedKt);

// The standby compass card: 360 - heading, 0 for a heading outside 0 .. 360.
double compassCardDeg(double headingDeg);

}  // namespace xaq::displays


namespace xaq::displays {

// The altimeters' baro knob, one detent: the host steps its altimeter setting (down on the left
// half, up on the right).
inline constexpr std::uint32_t kBaroDecreaseEvent = 65884;
inline constexpr std::uint32_t kBaroIncreaseEvent = 65883;
inline void turnBaroKnob(int direction, HostEventDoor& events) {
  events.trigger(direction < 0 ? kBaroDecreaseEvent : kBaroIncreaseEvent, 1);
}

}  // namespace xaq::displays
