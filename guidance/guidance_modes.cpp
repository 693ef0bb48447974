#include "guidance/guidance_modes.h"

#include <cstdio>

#include "common/format_text.h"

namespace xaq::guidance {

const char* lateralLongText(int mode) {
  switch (mode) {
    case lateral::kHeadingHold:
    case lateral::kHeadingHoldPending: return "HDG HOLD";
    case lateral::kRollHold: return "ROLL HOLD";
    case lateral::kHeadingSelect: return "HDG SEL";
    case lateral::kVor: return " VOR";
    case lateral::kVorCapturing: return " VOR*";
    case lateral::kLocalizer: return " LOC";
    case lateral::kLocalizerCapturing: return " LOC*";
    case lateral::kBackCourseCapturing: return "  BC*";
    case lateral::kBackCourse: return "  BC";
    case lateral::kWingsLevel: return "WINGS LEVEL";
    case lateral::kLnav: return "LNAV";
    default: return "";
  }
}

const char* lateralShortText(int mode) {
  switch (mode) {
    case lateral::kHeadingHold:
    case lateral::kHeadingHoldPending:
    case lateral::kHeadingSelect: return "HDG";
    case lateral::kRollHold: return "ROLL";
    case lateral::kVor: return "VOR";
    case lateral::kVorCapturing: return "VOR*";
    case lateral::kLocalizer: return "LOC";
    case lateral::kLocalizerCapturing: return "LOC*";
    case lateral::kBackCourseCapturing: return "BC*";
    case lateral::kBackCourse: return "BC";
    case lateral::kWingsLevel: return "LVL";
    case lateral::kLnav: return "LNAV";
    default: return "";
  }
}

const char* verticalShortText(int mode) {
  switch (mode) {
    case vertical::kPitchHold: return "PTCH";
    case vertical::kVerticalSpeed: return "VS";
    case vertical::kIas: return "IAS";
    case vertical::kAltHold:
    case vertical::kAltCaptured: return "ALT";
    case vertical::kAltCapturing: return "ALT*";
    case vertical::kGlideslopeCapturing: return "GS*";
    case vertical::kGlideslope: return "GS";
    case vertical::kGoAround: return "GA";
    default: return "";
  }
}

const char* lateralArmedLongText(int mode) {
  switch (mode) {
    case lateral::kVorArmed: return " VOR";
    case lateral::kLocalizerArmed: return " LOC";
    case lateral::kBackCourseArmed: return "  BC";
    default: return "";
  }
}

const char* lateralArmedShortText(int mode) {
  switch (mode) {
    case lateral::kVorArmed: return "VOR";
    case lateral::kLocalizerArmed: return "LOC";
    case lateral::kBackCourseArmed: return "BC";
    default: return "";
  }
}

const char* verticalArmedLongText(int mode) {
  switch (mode) {
    case vertical::kAltSelArmed: return "ALT SEL";
    case vertical::kGlideslopeArmed: return "GS    ";
    default: return "";
  }
}

const char* verticalArmedShortText(int mode) {
  switch (mode) {
    case vertical::kAltSelArmed: return "ALT";
    case vertical::kGlideslopeArmed: return "GS";
    default: return "";
  }
}

void verticalLongText(int mode, int vsTargetFpm, int iasTargetKt, char* out, int size) {
  if (size <= 0) return;
  switch (mode) {
    case vertical::kPitchHold: formatText(out, size, "PITCH HOLD"); break;
    case vertical::kVerticalSpeed: formatText(out, size, "VS %+5d FPM", vsTargetFpm); break;
    case vertical::kIas: formatText(out, size, "IAS %3d KTS", iasTargetKt); break;
    case vertical::kAltHold:
    case vertical::kAltCaptured: formatText(out, size, "ALT    "); break;
    case vertical::kAltCapturing: formatText(out, size, "ALT*   "); break;
    case vertical::kGlideslopeCapturing: formatText(out, size, " GS*   "); break;
    case vertical::kGlideslope: formatText(out, size, " GS    "); break;
    case vertical::kGoAround: formatText(out, size, " GA    "); break;
    default: out[0] = '\0'; break;
  }
}

}  // namespace xaq::guidance
