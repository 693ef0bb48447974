#include "common/format_text.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

namespace xaq {
namespace {

// The C library is the reference: every case formats through both and must agree byte for byte,
// in the text and in the returned length.
template <typename... Args>
void agrees(const char* format, Args... args) {
  char ours[128], theirs[128];
  std::memset(ours, 'x', sizeof ours);
  const int n = formatText(ours, sizeof ours, format, args...);
  const int m = std::snprintf(theirs, sizeof theirs, format, args...);
  EXPECT_EQ(n, m) << format;
  EXPECT_STREQ(ours, theirs) << format;
}

TEST(FormatText, IntegersAgreeWithTheCLibrary) {
  const int values[] = {0, 1, -1, 6, 9, 10, -10, 99, 100, 916, 1299, -2700, 40000, INT_MAX, INT_MIN};
  const char* formats[] = {"%d",   "%5d",  "%-5d|", "%05d", "%+d",   "%+03d", "% d", "%04d",
                           "%.3d", "%.0d", "%8.3d", "%-+6d|", "%03d", "%i",   "%+5d FPM", "%2d:%%"};
  for (const char* f : formats) {
    for (int v : values) agrees(f, v);
  }
  agrees("%d.%02d", 118, 5);
  agrees("%03ld\xB0", 7L);
  agrees("%lld", -123456789012LL);
  agrees("%u %5u %-3u|", 0u, 4000000000u, 7u);
  agrees("%*d|%-*d|%*d", 6, 42, 4, 7, -5, 3);
}

TEST(FormatText, FixedPointAgreesWithTheCLibraryIncludingItsRounding) {
  // Ties at the shown precision (85.25, 0.125), values just either side of them, negative zero and
  // small negatives that print as "-0.0", and the readouts' usual formats.
  const double values[] = {0.0, -0.0, 0.04, -0.04, 0.05, -0.05, 0.125, 0.375, 2.5, 85.25, 85.35,
                           85.249999999, 85.2500001, 99.95, 99.949999, 130.0, 29.92, 1013.25,
                           -1.5, 123.456789, 99999.9, 1e15, 1e29, -273.15, 0.000001, 5e-7};
  const char* formats[] = {"%f", "%5.1f", "%3.1f%%", "%05.1f", "%2.1f NM", "%4.2f", "%.0f", "%+.2f",
                           "% .1f", "%-8.3f|", "%010.4f", "%.12f", "%1.0f"};
  for (const char* f : formats) {
    for (double v : values) agrees(f, v);
  }
  // A sweep over the range the engine readouts cover, in steps that are not exact in binary.
  for (int i = 0; i <= 13000; ++i) {
    const double v = i * 0.01 - 0.005;
    char ours[16], theirs[16];
    formatText(ours, sizeof ours, "%5.1f", v);
    std::snprintf(theirs, sizeof theirs, "%5.1f", v);
    ASSERT_STREQ(ours, theirs) << v;
  }
  // Values on and next to the halves of each precision it works out itself, and a spread of
  // magnitudes across the million where it hands over to the exact conversion.
  std::uint64_t state = 12345;
  for (int i = 0; i < 20000; ++i) {
    state = state * 6364136223846793005ULL + 1442695040888963407ULL;
    const double spread = static_cast<double>(state >> 11) / 9007199254740992.0 * 2.5e6 - 0.5e6;
    const double half = (i % 4000) * 0.0005;
    for (double v : {spread, half, std::nextafter(half, 0.0), std::nextafter(half, 1.0), -half}) {
      for (const char* f : {"%.0f", "%.1f", "%.2f", "%.3f", "%09.2f"}) {
        char ours[48], theirs[48];
        formatText(ours, sizeof ours, f, v);
        std::snprintf(theirs, sizeof theirs, f, v);
        ASSERT_STREQ(ours, theirs) << f << " " << v;
      }
    }
  }
}

TEST(FormatText, StringsCharactersAndWhatItLeavesToTheLibrary) {
  agrees("%s", "ALT*   ");
  agrees("[%8s][%-8s][%.3s][%.*s]", "GS", "GS", "FMS1", 2, "NAV1");
  agrees("%s engine oil pressure: %d PSI", "Left", 60);
  agrees("%c%c%3c", 'A', 'B', 'C');
  agrees("100%%");
  agrees("no conversions at all");
  // Not its own conversions: the library prints them, with the same arguments.
  agrees("%x %e %g", 255u, 1.5, 0.25);
  agrees("%5.1f %f %F", std::nan(""), INFINITY, -INFINITY);
  agrees("%#x", 16u);
  agrees("%s|%05s", "x", "ab");
}

TEST(FormatText, TruncatesAsTheLibraryDoesAndNeverWritesPastTheBuffer) {
  for (std::size_t size : {0, 1, 2, 5, 6, 7}) {
    char ours[8], theirs[8];
    std::memset(ours, '#', sizeof ours);
    std::memset(theirs, '#', sizeof theirs);
    const int n = formatText(ours, size, "%5.1f|%d", 85.25, 12345);
    const int m = std::snprintf(theirs, size, "%5.1f|%d", 85.25, 12345);
    EXPECT_EQ(n, m) << size;
    EXPECT_EQ(std::string(ours, sizeof ours), std::string(theirs, sizeof theirs)) << size;
  }
  char tiny[4] = "abc";
  EXPECT_EQ(formatText(tiny, sizeof tiny, nullptr), 0);
  EXPECT_STREQ(tiny, "");
}

}  // namespace
}  // namespace xaq
