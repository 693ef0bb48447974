// The standby attitude indicator (`StandbyADI`) and its virtual-cockpit twin (`StandbyADIV`):
// the sphere shifted by the pitch and turned by the bank under the fixed face (the mask), and the
// bank pointer. It has its own gyro: no test, no power dependence, pointers at 400 a second.

#include <numbers>

#include "displays/analog/attitude_director.h"
#include "frame/aircraft_state.h"
#include "frame/gauge_registry.h"
#include "gauges/instruments/adi_layout.h"
#include "gauges/instruments/instrument_kit.h"
#include "gauges/kit/gauge_kit.h"
#include "gauges/kit/switch_family.h"

namespace xaq::gauges {

namespace {

using frame::AircraftState;
using instruments::followTarget;
using namespace adi;

constexpr double kRatePerS = 400.0;
constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;

SlewLimiter gPitch{kRatePerS};
SlewLimiter gSphereBank{kRatePerS};
SlewLimiter gBankNeedle{kRatePerS};


double XAQ_HOSTCALL spherePitch(abi::ElementHeader*) {
  const AircraftState* a = aircraft();
  if (a == nullptr) return 0.0;
  return followTarget(gPitch, *a,
                      displays::spherePitchTargetDeg(a->link.samples.pitchDeg, false, displays::kStandbyPitchHoldDeg));
}

double XAQ_HOSTCALL sphereTurn(abi::ElementHeader*) {
  const AircraftState* a = aircraft();
  if (a == nullptr) return 0.0;
  return -followTarget(gSphereBank, *a, displays::sphereBankTargetDeg(a->link.samples.bankDeg, false));
}

double XAQ_HOSTCALL bankNeedle(abi::ElementHeader*) {
  const AircraftState* a = aircraft();
  if (a == nullptr) return 0.0;
  return followTarget(gBankNeedle, *a, displays::sphereBankTargetDeg(a->link.samples.bankDeg, false));
}

template <abi::GaugeHeader* Gauge>
struct StandbyTables {
  static inline constinit std::array<abi::SpriteElement, 1> sphere = {
      sprite(Gauge, kStandbySphereId, pix(kStandbySphereAt),
             {kStandbySphereTexture.width / 2, kStandbySphereTexture.height / 2}, 0.0, nullptr,
             -kStandbyPixelsPerDegree, &spherePitch, kRadiansPerDegree, &sphereTurn)};
  static inline constinit std::array<abi::StaticImageElement, 1> face = {
      staticImage(Gauge, kStandbyFaceId, {0, 0}, nullptr, abi::kImageTransparent)};
  static inline constinit std::array<abi::NeedleElement, 1> bank = {
      needle(Gauge, layout::NeedleLayout{kStandbyBankNeedleId, kStandbyPivot, kStandbyBankNeedleSize,
                                         {kStandbyBankNeedleSize.width / 2, kStandbyBankNeedleSize.height / 2}},
             79, &bankNeedle, nullptr, 0)};
};

using MainTables = StandbyTables<&gauge_StandbyADI>;
using TwinTables = StandbyTables<&gauge_StandbyADIV>;

constinit std::array<abi::IconElement, 1> standbyNight = {icon(&gauge_StandbyADI, kStandbyNightFaceId, {0, 0}, 1, 0,
                                                               &family::litOverlay, nullptr,
                                                               abi::kImageTransparent | abi::kImageHidden)};
constinit auto standbyChildren = family::elementList(MainTables::sphere, MainTables::face, standbyNight, MainTables::bank);
constinit abi::StaticImageElement standbyBackground =
    staticImage(&gauge_StandbyADI, kStandbyBackgroundId, {0, 0}, standbyChildren.data());
abi::ElementHeader* const standbyElements[] = {&standbyBackground.header, nullptr};

constinit auto standbyVChildren = family::elementList(TwinTables::sphere, TwinTables::face, TwinTables::bank);
constinit abi::StaticImageElement standbyVBackground =
    staticImage(&gauge_StandbyADIV, kStandbyTwinBackgroundId, {0, 0}, standbyVChildren.data());
abi::ElementHeader* const standbyVElements[] = {&standbyVBackground.header, nullptr};

abi::MouseRecord standbyMouse[] = {mouseGroup(), mouseTooltip("Standby attitude indicator"), mouseEndGroup(),
                                   mouseEnd()};
abi::MouseRecord standbyVMouse[] = {mouseGroup(), mouseTooltip("Standby attitude indicator"), mouseEndGroup(),
                                    mouseEnd()};

}  // namespace

abi::GaugeHeader gauge_StandbyADI = gaugeHeader("StandbyADI", standbyElements, standbyMouse, &quietGaugeCallback);
abi::GaugeHeader gauge_StandbyADIV = gaugeHeader("StandbyADIV", standbyVElements, standbyVMouse, &quietGaugeCallback);

}  // namespace xaq::gauges
