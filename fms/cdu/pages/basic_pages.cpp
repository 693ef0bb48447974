#include "fms/cdu/pages/basic_pages.h"

#include <cmath>

#include "fms/cdu/cdu.h"
#include "fms/cdu/text_format.h"

namespace xaq::fms {

const char* monthName(int month) {
  static const char* const kNames[] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                       "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
  return month >= 1 && month <= 12 ? kNames[month - 1] : "???";
}

std::string angleText(double degrees, bool latitude, bool hundredths) {
  if (!std::isfinite(degrees)) degrees = 0.0;
  const char hemisphere = latitude ? (degrees < 0 ? 'S' : 'N') : (degrees < 0 ? 'W' : 'E');
  const double scale = hundredths ? 100.0 : 10.0;
  // Whole fractions of a minute, so 59.99 never shows as 60.0.
  const long long units = std::llround(std::fabs(degrees) * 60.0 * scale);
  const long long perDegree = static_cast<long long>(60 * scale);
  const int deg = static_cast<int>(units / perDegree);
  const int minutes = static_cast<int>((units % perDegree) / static_cast<long long>(scale));
  const int fraction = static_cast<int>(units % static_cast<long long>(scale));
  return hundredths ? textf("%c%4d %02d.%02d", hemisphere, deg, minutes, fraction)
                    : textf("%c%4d %02d.%d", hemisphere, deg, minutes, fraction);
}

// ---- status ----

namespace {
constexpr double kStepTimesS[] = {0.6, 1.4, 3.0, 3.4, 3.6, 4.8, 6.0};
constexpr double kSelfTestS = 8.0;
constexpr const char* kTestCaptions[] = {"CPU", "RAM", "DATABASE", "CONFIG MODULE", "AUXILIARY", "ARINC", "ANALOG"};
}  // namespace

bool StatusPage::enter() {
  startS_ = simTimeS();
  return true;
}

int StatusPage::testStep() const {
  const double elapsed = simTimeS() - startS_;
  int step = 1;
  for (double t : kStepTimesS) {
    if (elapsed > t) ++step;
  }
  return step;
}

bool StatusPage::selfTestFinished() const { return testStep() == 8 && simTimeS() - startS_ > kSelfTestS; }

void StatusPage::draw() {
  beginScreen();
  drawText("FMS - 1B", 9, 0, kLabelColour);
  drawText("QWD-5-300", 0, 2, kDataColour);
  for (int i = 0; i < 7; ++i) drawText(kTestCaptions[i], 0, 4 + i, kCaptionColour);
  const int step = testStep();
  for (int row = 4; row <= 10 && row <= step + 2; ++row) drawText("PASS", 23, row, kDataColour, kRight);
}

// ---- INIT ----

void InitPage::key(int code) {
  if (code == key::kLeft1 + 4) accepted_ = true;
}

void InitPage::draw() {
  beginScreen();
  const CduInputs& in = cdu_.inputs();
  const int shown = accepted_ ? kDataColour : kPendingColour;
  drawText("INIT 1/1", 8, 0, kDataColour);
  drawText("INITIAL POS", 0, 2, kCaptionColour, kSmall);
  drawText("ID ----", 0, 3, kDataColour);
  drawText(angleText(in.guidance.present.latDeg, true, false), 0, 4, shown);
  drawText(angleText(in.guidance.present.lonDeg, false, false), 0, 5, shown);
  drawText("STANDARD/EXTENDED", 0, 6, kCaptionColour, kSmall);
  drawText("NAV DATABASE EXPIRES", 0, 7, kCaptionColour, kSmall);
  const ExpiryDate& expiry = cdu_.database().expiry();
  drawText(textf("%02d-%s-%02d", expiry.day, monthName(expiry.month), expiry.year % 100), 0, 8, kDataColour);
  drawText(" ACCEPT", 0, 10, kLabelColour);
  drawLineSelectMarker(1, 0, 10);

  drawText("DATE", 23, 1, kCaptionColour, kRight | kSmall);
  drawText(textf("%02d-%s-%02d", in.date.day, monthName(in.date.month), ((in.date.year % 100) + 100) % 100), 23, 2,
           shown, kRight);
  drawText("UTC", 23, 3, kCaptionColour, kRight | kSmall);
  const ClockTime utc = splitClockTime(in.utcSeconds);
  drawText(textf("%02d:%02d", utc.hours, utc.minutes), 23, 4, shown, kRight);
  drawText("XFILL ", 23, 6, kLabelColour, kRight);
  drawLineSelectMarker(2, 23, 6);
  drawText("VERSION 403.0", 23, 10, kCaptionColour, kRight | kSmall);
}

// ---- the pages still to come ----

void NotYetPage::key(int code) {
  if (code == key::kRight1 + 4) returnToCaller();
}

void NotYetPage::draw() {
  beginScreen();
  drawText(title_, 12 - static_cast<int>(std::char_traits<char>::length(title_)) / 2, 0, kDataColour);
  drawText("NOT YET AVAILABLE", 3, 5, kWarningColour);
  drawReturn();
}

}  // namespace xaq::fms
