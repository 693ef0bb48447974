// The fuel panel (`FUEL`) and its pieces: the virtual cockpit's tank quantity dials (`Fuel1_V`,
// `Fuel2_V`) and switches (`FuelInd_V`), the tank temperature dial (`FuelTankTemp`, with its twin
// `FuelTankTempV`) and the engines' fuel temperature dial (`FuelTemp_V`). A switch on a piece is
// the switch on the panel: same tooltip, same operation, same images.

#include "frame/gauge_registry.h"
#include "gauges/fuel/fuel_callbacks.h"
#include "gauges/fuel/fuel_layout.h"
#include "gauges/kit/switch_family.h"
#include "systems/fuel/fuel.h"

namespace xaq::gauges {

namespace {

using namespace fuel;
using family::Areas;
using family::Control;
using family::kRepeat;
using layout::ScaleMark;

constexpr const char* kReadingTip = "%1!s!";

constexpr std::uint32_t kHidden = abi::kImageTransparent | abi::kImageHidden;

// The fuel controls' images and lights at `origin` (the panel's controls row or FuelInd_V's own).
struct ControlImages {
  std::array<abi::IconElement, 8> switches;
  std::array<abi::IconElement, 4> lights;
};

constexpr layout::Point at(layout::Point origin, layout::Rect r) { return {origin.x + r.x, origin.y + r.y}; }
constexpr layout::Point at(layout::Point origin, layout::Point p) { return {origin.x + p.x, origin.y + p.y}; }
constexpr layout::Rect moved(layout::Point origin, layout::Rect r) {
  return {origin.x + r.x, origin.y + r.y, r.width, r.height};
}

constexpr ControlImages controlImages(abi::GaugeHeader* gauge, layout::Point row, layout::Point test) {
  using family::dayImage;
  using family::lightImage;
  using family::nightImage;
  const auto pump1 = family::switchPair(gauge, kPumpSwitchArt, at(row, kPump1Switch), &dayImage<&auxPump1>,
                                        &nightImage<&auxPump1>);
  const auto pump2 = family::switchPair(gauge, kPumpSwitchArt, at(row, kPump2Switch), &dayImage<&auxPump2>,
                                        &nightImage<&auxPump2>);
  const auto transfer = family::switchPair(gauge, kTransferSwitchArt, at(row, kTransferSwitch),
                                           &dayImage<&transferSwitch>, &nightImage<&transferSwitch>);
  const auto button = family::switchPair(gauge, kTestButtonArt, test, &dayImage<&testPressed>,
                                         &nightImage<&testPressed>);
  return {{pump1[0], pump1[1], pump2[0], pump2[1], transfer[0], transfer[1], button[0], button[1]},
          {family::light(gauge, kPumpLightArt, at(row, kPump1Light), &lightImage<&pump1Light>),
           family::light(gauge, kPumpLightArt, at(row, kPump2Light), &lightImage<&pump2Light>),
           family::light(gauge, kTransferLightArt, at(row, kTransfer1Light), &lightImage<&transferLight>),
           family::light(gauge, kTransferLightArt, at(row, kTransfer2Light), &lightImage<&transferLight>)}};
}

// The four controls' mouse groups, in the order the host should find them.
constexpr std::array<Control, 4> controlAreas(layout::Point row, layout::Rect test) {
  return {{
      {moved(row, kPump1Switch), systems::kAuxPumpTooltip, Areas::kOne, &family::operate<&toggleAuxPump1>},
      {moved(row, kPump2Switch), systems::kAuxPumpTooltip, Areas::kOne, &family::operate<&toggleAuxPump2>},
      {moved(row, kTransferSwitch), systems::kTransferTooltip, Areas::kLeftRight, &family::operate<&transferLeft>,
       &family::operate<&transferRight>},
      {test, systems::kQuantityTestTooltip, Areas::kOne, &family::operate<&pressQuantityTest>, nullptr, kRepeat},
  }};
}

constexpr abi::IconElement overlayOf(abi::GaugeHeader* gauge, std::uint32_t backgroundId) {
  return icon(gauge, backgroundId + 1, {0, 0}, 1, 0, &family::litOverlay, nullptr, kHidden);
}

template <std::size_t N>
constexpr auto scaleOf(const ScaleMark (&marks)[N]) {
  return scaleTable(marks);
}

// ---- FUEL ----

constinit std::array<abi::IconElement, 1> panelOverlay = {overlayOf(&gauge_FUEL, kPanelBackgroundId)};
constinit ControlImages panelImages = controlImages(&gauge_FUEL, kControlsOnPanel, kTestButton.origin());
constinit auto panelTank1Scale = scaleOf(kTank1Scale.mark);
constinit auto panelTank2Scale = scaleOf(kTank2Scale.mark);
constinit std::array<abi::NeedleElement, 2> panelNeedles = {
    needle(&gauge_FUEL, kTank1Needle, kTank1GallonsVariable, &quantityNeedle, panelTank1Scale.data(),
           panelTank1Scale.size()),
    needle(&gauge_FUEL, kTank2Needle, kTank2GallonsVariable, &quantityNeedle, panelTank2Scale.data(),
           panelTank2Scale.size())};
constinit auto panelChildren =
    family::elementList(panelOverlay, panelImages.switches, panelImages.lights, panelNeedles);
constinit abi::StaticImageElement panelBackground =
    staticImage(&gauge_FUEL, kPanelBackgroundId, {0, 0}, panelChildren.data());
abi::ElementHeader* const panelElements[] = {&panelBackground.header, nullptr};

constinit abi::TooltipArgument panelTank1Tip[] = {tooltipArgument(kTank1GallonsVariable, &quantityText)};
constinit abi::TooltipArgument panelTank2Tip[] = {tooltipArgument(kTank2GallonsVariable, &quantityText)};
constexpr auto kPanelControlsRow = controlAreas(kControlsOnPanel, kTestButton);
constexpr Control kPanelControls[] = {
    family::readingTooltip(kTank1DialRect, kReadingTip, panelTank1Tip, 1),
    family::readingTooltip(kTank2DialRect, kReadingTip, panelTank2Tip, 1),
    kPanelControlsRow[0], kPanelControlsRow[1], kPanelControlsRow[2], kPanelControlsRow[3],
    family::hostEventStrip(kHostEventStrip, kPedestalViewEvent),
};
constinit auto panelMouse = family::mouseTable<family::mouseRecordCount(kPanelControls)>(kPanelControls);

// ---- FuelInd_V: the switches on their own ----

constinit std::array<abi::IconElement, 1> switchesOverlay = {overlayOf(&gauge_FuelInd_V, kControlsBackgroundId)};
constinit ControlImages switchesImages = controlImages(&gauge_FuelInd_V, {0, 0}, kPieceTestButton.origin());
constinit auto switchesChildren = family::elementList(switchesOverlay, switchesImages.switches, switchesImages.lights);
constinit abi::StaticImageElement switchesBackground =
    staticImage(&gauge_FuelInd_V, kControlsBackgroundId, {0, 0}, switchesChildren.data());
abi::ElementHeader* const switchesElements[] = {&switchesBackground.header, nullptr};
constexpr auto kSwitchesControls = controlAreas({0, 0}, kPieceTestButton);
constinit auto switchesMouse =
    family::mouseTable<family::mouseRecordCount(kSwitchesControls)>(kSwitchesControls);

// ---- the single dials ----

constinit auto tank1DialScale = scaleOf(kDialQuantityScale.mark);
constinit auto tank2DialScale = scaleOf(kDialQuantityScale.mark);
constinit auto tankTempScale = scaleOf(kDialTankTempScale.mark);
constinit auto tankTempTwinScale = scaleOf(kDialTankTempScale.mark);
constinit auto leftFuelTempScale = scaleOf(kDialLeftFuelTempScale.mark);
constinit auto rightFuelTempScale = scaleOf(kDialRightFuelTempScale.mark);

// A dial: its background with the lit overlay and its needles.
#define XAQ_FUEL_DIAL(name, backgroundId, needles)                                                      \
  constinit std::array<abi::IconElement, 1> name##Overlay = {overlayOf(&gauge_##name, backgroundId)};   \
  constinit auto name##Children = family::elementList(name##Overlay, needles);                           \
  constinit abi::StaticImageElement name##Background =                                                   \
      staticImage(&gauge_##name, backgroundId, {0, 0}, name##Children.data());                          \
  abi::ElementHeader* const name##Elements[] = {&name##Background.header, nullptr};

constinit std::array<abi::NeedleElement, 1> tank1Needles = {
    needle(&gauge_Fuel1_V, kDialNeedle, kTank1GallonsVariable, &quantityNeedle, tank1DialScale.data(),
           tank1DialScale.size())};
constinit std::array<abi::NeedleElement, 1> tank2Needles = {
    needle(&gauge_Fuel2_V, kDialNeedle, kTank2GallonsVariable, &quantityNeedle, tank2DialScale.data(),
           tank2DialScale.size())};
constinit std::array<abi::NeedleElement, 1> tankTempNeedles = {
    needle(&gauge_FuelTankTemp, kTankTempNeedle, 0, &tankTempNeedle, tankTempScale.data(), tankTempScale.size())};
constinit std::array<abi::NeedleElement, 1> tankTempTwinNeedles = {needle(
    &gauge_FuelTankTempV, kTankTempNeedle, 0, &tankTempNeedle, tankTempTwinScale.data(), tankTempTwinScale.size())};
constinit std::array<abi::NeedleElement, 2> fuelTempNeedles = {
    needle(&gauge_FuelTemp_V, kFuelTempNeedle, 0, &fuelTempNeedle, leftFuelTempScale.data(),
           leftFuelTempScale.size()),
    needle(&gauge_FuelTemp_V, kFuelTempNeedle, 0, &fuelTempNeedle, rightFuelTempScale.data(),
           rightFuelTempScale.size())};

XAQ_FUEL_DIAL(Fuel1_V, kTank1DialId, tank1Needles)
XAQ_FUEL_DIAL(Fuel2_V, kTank2DialId, tank2Needles)
XAQ_FUEL_DIAL(FuelTankTemp, kTankTempBackgroundId, tankTempNeedles)
XAQ_FUEL_DIAL(FuelTankTempV, kTankTempTwinId, tankTempTwinNeedles)
XAQ_FUEL_DIAL(FuelTemp_V, kFuelTempBackgroundId, fuelTempNeedles)
#undef XAQ_FUEL_DIAL

constinit abi::TooltipArgument tank1Tip[] = {tooltipArgument(kTank1GallonsVariable, &quantityText)};
constinit abi::TooltipArgument tank2Tip[] = {tooltipArgument(kTank2GallonsVariable, &quantityText)};
constinit abi::TooltipArgument tankTempTip[] = {tooltipArgument(0, &tankTempText)};
constinit abi::TooltipArgument tankTempTwinTip[] = {tooltipArgument(0, &tankTempText)};
constinit abi::TooltipArgument fuelTempTip[] = {tooltipArgument(0, &leftFuelTempText),
                                                tooltipArgument(0, &rightFuelTempText)};

// The engines' dial: the left half reads the left engine, the right half the right.
inline constexpr layout::Rect kLeftHalf{0, 0, kDialSize.width / 2, kDialSize.height};
inline constexpr layout::Rect kRightHalf{kDialSize.width / 2, 0, kDialSize.width / 2, kDialSize.height};

constexpr Control kTank1Areas[] = {family::readingTooltip(kDialRect, kReadingTip, tank1Tip, 1)};
constexpr Control kTank2Areas[] = {family::readingTooltip(kDialRect, kReadingTip, tank2Tip, 1)};
constexpr Control kTankTempAreas[] = {family::readingTooltip(kDialRect, kReadingTip, tankTempTip, 1)};
constexpr Control kTankTempTwinAreas[] = {family::readingTooltip(kDialRect, kReadingTip, tankTempTwinTip, 1)};
constexpr Control kFuelTempAreas[] = {family::readingTooltip(kLeftHalf, "%1!s!", fuelTempTip, 2),
                                      family::readingTooltip(kRightHalf, "%2!s!", fuelTempTip, 2)};

constinit auto Fuel1_VMouse = family::mouseTable<family::mouseRecordCount(kTank1Areas)>(kTank1Areas);
constinit auto Fuel2_VMouse = family::mouseTable<family::mouseRecordCount(kTank2Areas)>(kTank2Areas);
constinit auto FuelTankTempMouse = family::mouseTable<family::mouseRecordCount(kTankTempAreas)>(kTankTempAreas);
constinit auto FuelTankTempVMouse =
    family::mouseTable<family::mouseRecordCount(kTankTempTwinAreas)>(kTankTempTwinAreas);
constinit auto FuelTemp_VMouse = family::mouseTable<family::mouseRecordCount(kFuelTempAreas)>(kFuelTempAreas);

}  // namespace

abi::GaugeHeader gauge_FUEL = gaugeHeader("FUEL", panelElements, panelMouse.data(), &quietGaugeCallback);
abi::GaugeHeader gauge_FuelInd_V =
    gaugeHeader("FuelInd_V", switchesElements, switchesMouse.data(), &quietGaugeCallback);
abi::GaugeHeader gauge_Fuel1_V = gaugeHeader("Fuel1_V", Fuel1_VElements, Fuel1_VMouse.data(), &quietGaugeCallback);
abi::GaugeHeader gauge_Fuel2_V = gaugeHeader("Fuel2_V", Fuel2_VElements, Fuel2_VMouse.data(), &quietGaugeCallback);
abi::GaugeHeader gauge_FuelTankTemp =
    gaugeHeader("FuelTankTemp", FuelTankTempElements, FuelTankTempMouse.data(), &quietGaugeCallback);
abi::GaugeHeader gauge_FuelTankTempV =
    gaugeHeader("FuelTankTempV", FuelTankTempVElements, FuelTankTempVMouse.data(), &quietGaugeCallback);
abi::GaugeHeader gauge_FuelTemp_V =
    gaugeHeader("FuelTemp_V", FuelTemp_VElements, FuelTemp_VMouse.data(), &quietGaugeCallback);

}  // namespace xaq::gauges
