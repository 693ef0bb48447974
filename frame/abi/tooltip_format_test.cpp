#include <gtest/gtest.h>

#include <cstdio>

#include "frame/abi/tooltip_format.h"
#include "gauges/kit/gauge_kit.h"

namespace xaq::abi {
namespace {

const char* XAQ_HOSTCALL knots(double value, std::uint32_t, const char*, HostVarRecord*, GaugeHeader*) {
  static char buffer[64];
  std::snprintf(buffer, sizeof buffer, "Airspeed indicator: %d knots", static_cast<int>(value));
  return buffer;
}

const char* XAQ_HOSTCALL second(double, std::uint32_t id, const char*, HostVarRecord* record, GaugeHeader*) {
  static char buffer[64];
  std::snprintf(buffer, sizeof buffer, "id %u at %p", id, static_cast<void*>(record));
  return buffer;
}

TooltipArgument argument(std::uint32_t id, double value, TooltipTextCallback text) {
  TooltipArgument a{};
  a.variable.id = id;
  a.variable.value = value;
  a.scale = 1.0;
  a.stringCallback = text;
  return a;
}

TEST(TooltipFormat, PlainTextShowsUnchangedEvenWithAnInsertInIt) {
  EXPECT_EQ(formatTooltip(gauges::mouseTooltip("Parking brake"), nullptr), "Parking brake");
  EXPECT_EQ(formatTooltip(gauges::mouseTooltip("%1!s!"), nullptr), "%1!s!");
}

TEST(TooltipFormat, InsertsOnlyTheNamedArgument) {
  TooltipArgument args[2] = {argument(61, 180, &knots), argument(74, 5000, &second)};
  EXPECT_EQ(formatTooltip(gauges::mouseTooltip("%1!s!", args, 2), nullptr), "Airspeed indicator: 180 knots");
  char expected[64];
  std::snprintf(expected, sizeof expected, "id 74 at %p", static_cast<void*>(&args[1].variable));
  EXPECT_EQ(formatTooltip(gauges::mouseTooltip("%2!s!", args, 2), nullptr), expected);
  EXPECT_EQ(formatTooltip(gauges::mouseTooltip("[%1!s!] %3!s! %x 100%", args, 2), nullptr),
            "[Airspeed indicator: 180 knots] %3!s! %x 100%");
}

TEST(TooltipFormat, ArgumentsBeyondNineAndMissingCallbacks) {
  TooltipArgument args[15] = {};
  args[14] = argument(61, 42, &knots);
  EXPECT_EQ(formatTooltip(gauges::mouseTooltip("%15!s!", args, 15), nullptr), "Airspeed indicator: 42 knots");
  EXPECT_EQ(formatTooltip(gauges::mouseTooltip("<%1!s!>", args, 15), nullptr), "<>");
}

}  // namespace
}  // namespace xaq::abi
