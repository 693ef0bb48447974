#pragma once
// The attitude director indicator and the standby attitude indicator: a sphere texture seen
// through a round window, shifted by the pitch and turned by the bank, under a fixed face with
// the bank scale and the aircraft symbol. The director adds the flight-director bars, the
// localizer, glideslope and fast/slow pointers, the inclinometer, the DH and test lights and the
// radio-altitude and DH readouts. The virtual-cockpit twins (`ADI_V`, `StandbyADIV`) repeat the
// instruments at the same places without the lit overlay and without the knobs.

#include <cstdint>

#include "gauges/kit/layout.h"
#include "gauges/kit/switch_layout.h"

namespace xaq::gauges::adi {

using layout::Point;
using layout::Rect;
using layout::Size;

// ---- the attitude director ----
inline constexpr Size kSize{280, 288};
inline constexpr Point kPivot{150, 140};
inline constexpr std::uint32_t kBackgroundId = 19120;
inline constexpr std::uint32_t kFaceId = 19121;       // over the sphere, with its window cut out
inline constexpr std::uint32_t kNightFaceId = 19122;  // the lit face, shown at night
inline constexpr std::uint32_t kTwinBackgroundId = 19123;

inline constexpr std::uint32_t kSphereId = 8414;  // its window is 8415
inline constexpr Size kSphereWindow{180, 180};
inline constexpr Point kSphereAt{kPivot.x - kSphereWindow.width / 2, kPivot.y - kSphereWindow.height / 2};
inline constexpr double kSpherePixelsPerDegree = 3.0;
inline constexpr Size kSphereTexture{260, 540};

inline constexpr std::uint32_t kBankNeedleId = 8413;
inline constexpr Size kBankNeedleSize{20, 220};

inline constexpr std::uint32_t kPitchBarId = 8423;
inline constexpr Point kPitchBarAt{61, 139};
inline constexpr Size kPitchBarSize{178, 5};
inline constexpr std::uint32_t kRollBarId = 8424;
inline constexpr Point kRollBarAt{149, 86};
inline constexpr Size kRollBarSize{5, 108};
inline constexpr double kBarTravelPx = 45.0;  // a bar's full deflection (20 degrees of error)

inline constexpr std::uint32_t kLocalizerId = 8422;
inline constexpr Point kLocalizerAt{144, 223};
inline constexpr Size kLocalizerSize{12, 10};
inline constexpr double kLocalizerTravelPx = 60.0;  // at 127, the second dot
inline constexpr std::uint32_t kGlideslopeId = 8421;
inline constexpr Point kGlideslopeAt{245, 137};
inline constexpr Size kGlideslopeSize{12, 8};
inline constexpr double kGlideslopeTravelPx = 50.0;
inline constexpr std::uint32_t kFastSlowId = 8420;
inline constexpr Point kFastSlowAt{29, 135};
inline constexpr Size kFastSlowSize{12, 10};
inline constexpr double kFastSlowPxPerKt = 5.0;  // fast above the centre, slow below
inline constexpr std::uint32_t kBallId = 8425;
inline constexpr Point kBallAt{137, 240};
inline constexpr Size kBallSize{14, 14};
inline constexpr double kBallTravelPx = 22.0;

inline constexpr std::uint32_t kDhLightId = 8428;    // dark, lit
inline constexpr Point kDhLightAt{231, 25};
inline constexpr std::uint32_t kTestLightId = 8426;  // dark, lit
inline constexpr Point kTestLightAt{13, 25};
inline constexpr Size kLightSize{36, 20};
inline constexpr std::uint32_t kTestFlagId = 8418;   // out of view, in view
inline constexpr Point kTestFlagAt{157, 34};
inline constexpr Size kTestFlagSize{34, 14};

inline constexpr Rect kRadioAltitude{14, 206, 48, 23};
inline constexpr Rect kDecisionHeight{226, 206, 36, 23};

inline constexpr Rect kTestSwitch{28, 241, 43, 42};
inline constexpr Rect kDhDown{211, 237, 24, 28};
inline constexpr Rect kDhUp{235, 237, 27, 28};
inline constexpr Rect kFace{8, 18, 263, 219};

// ---- the standby attitude indicator ----
inline constexpr Size kStandbySize{208, 208};
inline constexpr Point kStandbyPivot{104, 104};
inline constexpr std::uint32_t kStandbyBackgroundId = 19130;
inline constexpr std::uint32_t kStandbyNightFaceId = 19131;
inline constexpr std::uint32_t kStandbyTwinBackgroundId = 19132;
inline constexpr std::uint32_t kStandbySphereId = 8404;  // its window is 8405
inline constexpr Point kStandbySphereAt{33, 33};
inline constexpr Size kStandbySphereWindow{142, 142};
inline constexpr double kStandbyPixelsPerDegree = 2.0;
inline constexpr Size kStandbySphereTexture{210, 570};
inline constexpr std::uint32_t kStandbyFaceId = 8406;  // the mask over the sphere
inline constexpr std::uint32_t kStandbyBankNeedleId = 8403;
inline constexpr Size kStandbyBankNeedleSize{16, 172};

}  // namespace xaq::gauges::adi
