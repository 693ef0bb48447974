#pragma once
// The flight guidance's mode codes and the texts the advisory display and the attitude director
// show for them. The codes are the system's own numbers: they are published as they are.

namespace xaq::guidance {

namespace vertical {
inline constexpr int kNone = 0;
inline constexpr int kPitchHold = 13;
inline constexpr int kVerticalSpeed = 14;
inline constexpr int kIas = 15;
inline constexpr int kAltHold = 16;
inline constexpr int kAltCaptured = 17;  // held at the preselected altitude; also "ALT SEL armed"
inline constexpr int kAltCapturing = 18;  // ALT*
inline constexpr int kGlideslopeCapturing = 19;  // GS*
inline constexpr int kGlideslope = 20;  // also "GS armed"
inline constexpr int kGoAround = 21;
inline constexpr int kAltSelArmed = kAltCaptured;
inline constexpr int kGlideslopeArmed = kGlideslope;
}  // namespace vertical

namespace lateral {
inline constexpr int kNone = 0;
inline constexpr int kHeadingHold = 1;
inline constexpr int kHeadingHoldPending = 2;  // rolling the wings level first
inline constexpr int kRollHold = 3;
inline constexpr int kHeadingSelect = 4;
inline constexpr int kVor = 5;
inline constexpr int kVorCapturing = 6;
inline constexpr int kLocalizer = 7;
inline constexpr int kLocalizerCapturing = 8;
inline constexpr int kBackCourseCapturing = 9;
inline constexpr int kBackCourse = 10;
inline constexpr int kWingsLevel = 11;
inline constexpr int kLnav = 12;
// Armed lateral modes use the codes of the modes they become.
inline constexpr int kVorArmed = kVor;
inline constexpr int kLocalizerArmed = kLocalizer;
inline constexpr int kBackCourseArmed = kBackCourse;
}  // namespace lateral

// NAV source selection.
inline constexpr int kNavSourceVorLoc = 0;
inline constexpr int kNavSourceFms = 3;

// Texts for the active modes ("" for none or an unknown code). The VS and IAS texts carry their
// targets.
const char* lateralLongText(int mode);
const char* lateralShortText(int mode);
const char* verticalShortText(int mode);
const char* lateralArmedLongText(int mode);
const char* lateralArmedShortText(int mode);
const char* verticalArmedLongText(int mode);
const char* verticalArmedShortText(int mode);

// The vertical long text into `out` (at least 20 characters): "VS %+5d FPM", "IAS %3d KTS", ...
void verticalLongText(int mode, int vsTargetFpm, int iasTargetKt, char* out, int size);

}  // namespace xaq::guidance
