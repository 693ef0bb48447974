// Gauge images and mouse handling on a gauge built here from the host ABI, with every element
// kind the host draws: a needle on a scale table, a string, a hidden icon, a glass surface.

#include <gtest/gtest.h>
#include <cairo.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "simhost/geo.h"
#include "simhost/renderer.h"
#include "tests/sil/host_fixture.h"

namespace xaq::sim {
namespace {

using namespace xaq::abi;

double gNeedleValue = 0;
std::vector<std::pair<PixPoint, std::uint32_t>> gClicks;
double XAQ_HOSTCALL needleValue(ElementHeader*) { return gNeedleValue; }
double XAQ_HOSTCALL stringValue(ElementHeader* e) {
  auto* text = reinterpret_cast<StringElement*>(e);
  std::snprintf(text->text, text->maxLength, "%d", 42);
  return 42;
}
std::int32_t XAQ_HOSTCALL onClick(PixPoint* p, std::uint32_t flags) {
  gClicks.emplace_back(*p, flags);
  return 0;
}
const char* XAQ_HOSTCALL airspeedText(double value, std::uint32_t, const char*, HostVarRecord*, GaugeHeader*) {
  static char text[64];
  std::snprintf(text, sizeof text, "Airspeed indicator: %d knots", static_cast<int>(std::lround(value)));
  return text;
}
std::uint32_t gGlassPixel = 0x0000FF00;  // what the test's glass display paints everywhere (BGRX)
std::int32_t XAQ_HOSTCALL drawGlass(GaugeHeader* g, std::int32_t service, std::uint32_t) {
  if (service != kServicePreDraw) return 0;
  // Where a glass display finds its surface: the DIB's image behind the element's image set.
  auto* glass = reinterpret_cast<StaticImageElement*>(g->elements[0]->children[3]);
  const Image* image = glass->images.finalImage;
  if (image == nullptr || glass->deviceContext == nullptr) return 0;
  for (int row = 0; row < image->dimensions.y; ++row) {
    for (int column = 0; column < image->dimensions.x; ++column) {
      std::memcpy(image->bits + row * image->pitch + 4 * column, &gGlassPixel, 4);
    }
  }
  return 0;
}

ScalePoint gScale[] = {{{100, 20}, 0, 0}, {{180, 100}, 100, 0}};

struct TestGauge {
  TestGauge() {
    needle.header.kind = kNeedle;
    needle.header.position = {100, 100};
    needle.callback = &needleValue;
    needle.scale = gScale;
    needle.scaleCount = 2;
    text.header.kind = kString;
    text.header.position = {10, 150};
    text.callback = &stringValue;
    text.maxLength = 16;
    text.boxSize = {60, 20};
    text.background = 0x000000FF;  // COLORREF red
    text.foreground = 0x00FFFFFF;
    std::strcpy(text.fontName, "monospace");
    icon.header.kind = kIcon;
    icon.header.position = {150, 10};
    icon.header.resourceId = 900;
    icon.header.imageFlags = kImageHidden;
    icon.iconCount = 2;
    icon.scale = 1.0;
    glass.header.kind = kStaticImage;
    glass.header.position = {140, 150};
    glass.header.imageFlags = kImageCreateSurface;
    background.kind = kStaticImage;
    background.children = children;
    argument.variable.id = 61;
    argument.scale = 1.0;
    argument.stringCallback = &airspeedText;
    mouse[0].kind = kMouseGroup;
    mouse[1] = MouseRecord{kMouseGroup, 20, 20, 40, 40, -1, 0, 0, 0, {}, {}};
    mouse[2] = MouseRecord{kMouseTooltip, 0, 0, 0, 0, -1, 0, 0, 1, {}, {}};
    mouse[2].target.tooltipText = "%1!s!";
    mouse[2].data.arguments = &argument;
    mouse[3] = MouseRecord{kMouseArea, 20, 20, 20, 40, 2, 0, kMouseLeftSingle | kMouseRepeat, 0, {}, {}};
    mouse[3].target.callback = &onClick;
    mouse[4] = MouseRecord{kMouseArea, 40, 20, 20, 40, 1, 0, kMouseLeftSingle | kMouseRightSingle, 0, {}, {}};
    mouse[4].target.callback = &onClick;
    mouse[5].kind = kMouseEndGroup;
    mouse[6] = MouseRecord{kMouseArea, 0, 100, 30, 30, 5, 0, kMouseLeftSingle, 65752, {}, {}};
    mouse[7].kind = kMouseEndGroup;
    mouse[8].kind = kMouseEnd;
    header.version = kGaugeHeaderVersion;
    header.name = "Test";
    header.elements = elements;
    header.mouseTable = mouse;
    header.callback = &drawGlass;
  }
  NeedleElement needle{};
  StringElement text{};
  IconElement icon{};
  StaticImageElement glass{};
  ElementHeader* children[5] = {&needle.header, &text.header, &icon.header, &glass.header, nullptr};
  ElementHeader background{};
  ElementHeader* elements[2] = {&background, nullptr};
  TooltipArgument argument{};
  MouseRecord mouse[9]{};
  GaugeHeader header{};
};

struct Pixel {
  int r, g, b;
};

Pixel pixelAt(const std::string& png, int x, int y) {
  cairo_surface_t* s = cairo_image_surface_create_from_png(png.c_str());
  EXPECT_EQ(cairo_surface_status(s), CAIRO_STATUS_SUCCESS);
  const unsigned char* data = cairo_image_surface_get_data(s);
  std::uint32_t word;
  std::memcpy(&word, data + y * cairo_image_surface_get_stride(s) + 4 * x, 4);
  cairo_surface_destroy(s);
  return Pixel{static_cast<int>(word >> 16 & 255), static_cast<int>(word >> 8 & 255), static_cast<int>(word & 255)};
}

bool orange(Pixel p) { return p.r > 200 && p.g > 100 && p.g < 180 && p.b < 80; }

class GaugeImages : public testing::ModuleHost {
 protected:
  void SetUp() override {
    ModuleHost::SetUp();
    host->prepareElements(&gauge.background);
    gClicks.clear();
  }
  std::string png(const char* name) {
    return (std::filesystem::temp_directory_path() / (std::string("simhost_") + name + ".png")).string();
  }
  TestGauge gauge;
};

TEST(NeedleAngle, InterpolatesAlongTheTableTheShortWayRound) {
  NeedleElement n{};
  n.header.position = {50, 50};
  ScalePoint scale[] = {{{40, 0}, 0, 0}, {{60, 0}, 10, 0}};  // about -11 and +11 degrees, across 12 o'clock
  n.scale = scale;
  n.scaleCount = 2;
  EXPECT_NEAR(wrap180(needleAngle(n, 5)), 0, 1e-9);
  EXPECT_NEAR(wrap180(needleAngle(n, -5)), wrap180(needleAngle(n, 0)), 1e-9);  // held at the ends
  n.scaleCount = 0;
  EXPECT_EQ(needleAngle(n, 123), 123);
}

TEST_F(GaugeImages, ElementsLandWhereTheirValuesPutThem) {
  gNeedleValue = 50;  // half way: 45 degrees
  const std::string file = png("needle45");
  ASSERT_TRUE(renderGauge(*host, &gauge.header, file, RenderOptions{}));
  EXPECT_TRUE(orange(pixelAt(file, 100 + 28, 100 - 28)));
  EXPECT_FALSE(orange(pixelAt(file, 100, 100 - 40)));
  const Pixel box = pixelAt(file, 12, 168);
  EXPECT_EQ(box.r, 255);  // the string's COLORREF background
  EXPECT_EQ(box.b, 0);
  EXPECT_EQ(evaluateElement(*host, &gauge.text.header).text, "42");
  const Pixel glass = pixelAt(file, 200, 250);
  EXPECT_EQ(glass.g, 255);  // the module drew its surface on the draw service
  EXPECT_EQ(glass.r, 0);
  const Pixel hiddenIcon = pixelAt(file, 160, 14);
  EXPECT_LT(hiddenIcon.b, 100) << "a hidden icon draws nothing";

  gNeedleValue = 100;
  ASSERT_TRUE(renderGauge(*host, &gauge.header, file, RenderOptions{}));
  EXPECT_TRUE(orange(pixelAt(file, 140, 100)));
  std::filesystem::remove(file);
}

TEST_F(GaugeImages, AGlassSurfaceWithTheTransparencyFlagLetsPureBlackThroughOnly) {
  const std::string file = png("glass_transparency");
  struct Case {
    std::uint32_t flags, pixel;
    bool seeThrough;
  };
  for (const Case c : {Case{kImageCreateSurface, 0x00000000, false},
                       Case{kImageCreateSurface | kImageTransparent, 0x00000000, true},
                       Case{kImageCreateSurface | kImageTransparent, 0x00010101, false},
                       Case{kImageCreateSurface | kImageTransparent, 0x0000FF00, false}}) {
    gauge.glass.header.imageFlags = c.flags;
    gGlassPixel = c.pixel;
    ASSERT_TRUE(renderGauge(*host, &gauge.header, file, RenderOptions{}));
    const Pixel p = pixelAt(file, 200, 250);
    if (c.seeThrough) {
      EXPECT_GT(p.r, 10) << "the gauge's background under the surface";
      EXPECT_NEAR(p.g, p.r, 4) << "grey, not the surface";
    } else {
      EXPECT_EQ(p.r, static_cast<int>(c.pixel >> 16 & 255)) << std::hex << c.pixel << " flags " << c.flags;
      EXPECT_EQ(p.g, static_cast<int>(c.pixel >> 8 & 255));
    }
  }
  gGlassPixel = 0x0000FF00;
  std::filesystem::remove(file);
}

TEST_F(GaugeImages, ClicksReachTheRightAreaWithTheButtonFlags) {
  EXPECT_TRUE(host->click(&gauge.header, 45, 30, MouseButton::kRight));
  ASSERT_EQ(gClicks.size(), 1u);
  EXPECT_EQ(gClicks[0].first.x, 45);
  EXPECT_EQ(gClicks[0].second, kMouseRightSingle);
  EXPECT_FALSE(host->click(&gauge.header, 25, 30, MouseButton::kRight)) << "left-only area";
  EXPECT_FALSE(host->click(&gauge.header, 150, 150, MouseButton::kLeft)) << "nothing there";

  gClicks.clear();
  EXPECT_TRUE(host->click(&gauge.header, 25, 30, MouseButton::kLeft, 1.0));  // held: repeats
  ASSERT_GE(gClicks.size(), 6u);
  EXPECT_EQ(gClicks[0].second, kMouseLeftSingle);
  EXPECT_EQ(gClicks[1].second, kMouseLeftSingle | kMouseRepeat);

  const bool brakeBefore = host->world.controls.parkingBrake;
  EXPECT_TRUE(host->click(&gauge.header, 5, 110, MouseButton::kLeft));  // event-only area
  EXPECT_NE(host->world.controls.parkingBrake, brakeBefore);
  EXPECT_TRUE(host->events().back().fromArea);
  EXPECT_EQ(host->events().back().id, 65752u);
}

TEST_F(GaugeImages, TooltipArgumentsCarryTheHostValue) {
  host->overrides[61] = 142.5;
  EXPECT_EQ(host->tooltipAt(&gauge.header, 30, 30), "Airspeed indicator: 143 knots");
  EXPECT_EQ(host->tooltipAt(&gauge.header, 5, 110), "");
}

TEST_F(GaugeImages, EveryModuleGaugeRenders) {
  const std::string file = png("module");
  for (GaugeHeader* g : host->gauges()) {
    ASSERT_TRUE(renderGauge(*host, g, file, RenderOptions{})) << g->name;
  }
  EXPECT_EQ(host->gauges().size(), 103u);
  std::filesystem::remove(file);
}

}  // namespace
}  // namespace xaq::sim
