// The pedestal (`Pedestal`) and its virtual-cockpit pieces (`Pedestal_V_RADIO`, the radio
// heads; `Pedestal_V_WXR`, the weather radar with the EFIS control panel's knobs). The levers
// send the host its lever commands, the radio heads tune the radio panel, the EFIS controls
// step the display-control panel, and the weather radar screen shows the picture while DC power
// is available and the radar is on.

#include <cmath>

#include "common/slew_limiter.h"
#include "frame/gauge_registry.h"
#include "gauges/kit/gauge_kit.h"
#include "gauges/pedestal/pedestal_callbacks.h"
#include "gauges/pedestal/pedestal_layout.h"
#include "systems/switches/pedestal_levers.h"

namespace xaq::gauges {

namespace {

namespace pd = pedestal;
using pd::Rect;
using systems::Radio;

constexpr std::uint32_t kLeft = abi::kMouseLeftSingle;
constexpr std::uint32_t kLeftOrRight = abi::kMouseLeftSingle | abi::kMouseRightSingle;
constexpr std::uint32_t kRepeat = abi::kMouseRepeat;
constexpr std::uint32_t kLever = abi::kMouseLeftSingle | abi::kMousePedestalBit;
constexpr int kSwitchSound = 25;
constexpr int kButtonSound = 26;

// The power levers as last set from the pedestal (the host keeps no lever position the module
// samples); the handles glide to it frame by frame.
std::int32_t gPowerLeverSet = 0;
SlewLimiter gPowerHandle{60000.0, 0.0};

bool powered(frame::AircraftState& a) { return a.electrical.state().dcPowerAvailable; }

// ---- levers ----

template <int Travel>
std::int32_t XAQ_HOSTCALL powerLever(abi::PixPoint* p, std::uint32_t) {
  frame::AircraftState* a = aircraft();
  if (a == nullptr || p == nullptr) return 0;
  gPowerLeverSet = systems::powerLeverValue(p->y - pd::kPowerLeft.y, pd::kBackgroundSize.height);
  Effects fx = a->effects();
  systems::setPowerLevers(gPowerLeverSet, fx.events);
  return 0;
}

template <systems::ConditionLevers Which>
std::int32_t XAQ_HOSTCALL conditionLever(abi::PixPoint* p, std::uint32_t) {
  frame::AircraftState* a = aircraft();
  if (a == nullptr || p == nullptr) return 0;
  Effects fx = a->effects();
  systems::moveConditionLevers(Which, systems::conditionLeverValue(p->y - pd::kConditionLeft.y, pd::kConditionTravel),
                               fx.events);
  return 0;
}

template <systems::ConditionLevers Which>
std::int32_t XAQ_HOSTCALL fuelOff(abi::PixPoint*, std::uint32_t) {
  frame::AircraftState* a = aircraft();
  if (a == nullptr) return 0;
  Effects fx = a->effects();
  systems::fuelOff(Which, fx.events);
  return 0;
}

// A control the host keeps: its event with value 1, and the click (levers and wheels are silent).
template <std::uint32_t Event, int Sound>
std::int32_t XAQ_HOSTCALL hostControl(abi::PixPoint*, std::uint32_t) {
  frame::AircraftState* a = aircraft();
  if (a == nullptr) return 0;
  Effects fx = a->effects();
  fx.events.trigger(Event, 1);
  if (Sound >= 0) fx.sounds.play(Sound);
  return 0;
}

std::int32_t XAQ_HOSTCALL radarPower(abi::PixPoint*, std::uint32_t) {
  if (frame::AircraftState* a = aircraft()) a->weatherRadar.togglePower();
  return 0;
}

// ---- radio heads ----

template <Radio R, int Direction>
std::int32_t XAQ_HOSTCALL radioKnob(abi::PixPoint*, std::uint32_t flags) {
  frame::AircraftState* a = aircraft();
  if (a == nullptr) return 0;
  Effects fx = a->effects();
  pedestal::turnRadioKnob(a->radios, R, Direction, (flags & abi::kMouseRightSingle) != 0, fx);
  return 0;
}

template <Radio R>
std::int32_t XAQ_HOSTCALL radioTransfer(abi::PixPoint*, std::uint32_t) {
  frame::AircraftState* a = aircraft();
  if (a == nullptr) return 0;
  Effects fx = a->effects();
  a->radios.transfer(R, a->simTimeS(), fx);
  return 0;
}

// ---- EFIS control panel ----

template <pedestal::EfisControl C, int Direction>
std::int32_t XAQ_HOSTCALL efisControl(abi::PixPoint*, std::uint32_t flags) {
  frame::AircraftState* a = aircraft();
  if (a == nullptr) return 0;
  Effects fx = a->effects();
  pedestal::operateEfis(a->efisControls, C, Direction, (flags & abi::kMouseRightSingle) != 0, fx.sounds);
  return 0;
}

// ---- element values ----

template <Radio R, pedestal::Window W>
double XAQ_HOSTCALL radioWindow(abi::ElementHeader* element) {
  frame::AircraftState* a = aircraft();
  if (a == nullptr) return 0.0;
  char shown[8];
  pedestal::radioWindowText(a->radios.state(), R, W, powered(*a), shown);
  writeText(abi::elementAs<abi::StringElement>(element), shown);
  return 0.0;
}

template <Radio R>
double XAQ_HOSTCALL transferButton(abi::ElementHeader*) {
  frame::AircraftState* a = aircraft();
  return a != nullptr && pedestal::transferPressed(a->radios.state(), R) ? 1.0 : 0.0;
}

double XAQ_HOSTCALL nightBackground(abi::ElementHeader* element) {
  frame::AircraftState* a = aircraft();
  setHidden(element, a == nullptr || !a->panelLightsOn());
  return 0.0;
}

// The handles move down their slots: full power (16383) at the top, full reverse at the bottom.
double XAQ_HOSTCALL powerHandleY(abi::ElementHeader*) {
  if (aircraft() == nullptr) return 0.0;
  return pedestal::powerHandleOffset(gPowerHandle.current);
}

template <int Engine>
double XAQ_HOSTCALL conditionHandleY(abi::ElementHeader*) {
  frame::AircraftState* a = aircraft();
  if (a == nullptr) return 0.0;
  return pedestal::conditionHandleOffset(a->link.samples.propLever[Engine]);
}

double XAQ_HOSTCALL flapHandleY(abi::ElementHeader*) {
  frame::AircraftState* a = aircraft();
  return a != nullptr ? pedestal::flapHandleOffset(a->link.samples.flapHandle) : 0.0;
}

double XAQ_HOSTCALL trimPointerY(abi::ElementHeader*) {
  frame::AircraftState* a = aircraft();
  return a != nullptr ? pedestal::trimPointerOffset(a->link.samples.elevatorTrimPosition) : 0.0;
}

double XAQ_HOSTCALL parkingBrakeSet(abi::ElementHeader*) {
  frame::AircraftState* a = aircraft();
  return a != nullptr && a->link.samples.parkingBrake > 0.0 ? 1.0 : 0.0;
}

double XAQ_HOSTCALL radarSwitch(abi::ElementHeader*) {
  frame::AircraftState* a = aircraft();
  return a != nullptr && a->weatherRadar.state().radarOn ? 1.0 : 0.0;
}

double XAQ_HOSTCALL transmitSelect(abi::ElementHeader*) {
  frame::AircraftState* a = aircraft();
  return a != nullptr && a->link.samples.audioPanel[1] ? 1.0 : 0.0;
}

// The push-switches show the host's audio panel: both receive switches its one receive-both flag.
template <int K>
double XAQ_HOSTCALL audioSwitch(abi::ElementHeader*) {
  constexpr int kAudioFlag[pd::kAudioSwitches] = {2, 2, 3, 4, 5, 6, 7};
  frame::AircraftState* a = aircraft();
  return a != nullptr && a->link.samples.audioPanel[kAudioFlag[K]] ? 1.0 : 0.0;
}

template <int Level>
double XAQ_HOSTCALL weatherX(abi::ElementHeader* element) {
  frame::AircraftState* a = aircraft();
  const bool shown = a != nullptr && pedestal::weatherShown(a->weatherRadar.state(), powered(*a), Level);
  setHidden(element, !shown);
  return a != nullptr ? a->weatherRadar.state().xOffset : 0.0;
}

double XAQ_HOSTCALL weatherY(abi::ElementHeader*) {
  frame::AircraftState* a = aircraft();
  return a != nullptr ? a->weatherRadar.state().yOffset : 0.0;
}

double XAQ_HOSTCALL weatherTurn(abi::ElementHeader*) {
  frame::AircraftState* a = aircraft();
  return a != nullptr ? a->link.samples.headingMagDeg : 0.0;
}

template <int K>
double XAQ_HOSTCALL wxrKnob(abi::ElementHeader*) {
  frame::AircraftState* a = aircraft();
  return a != nullptr ? pedestal::efisKnobPosition(a->efisControls.settings(), K) : 0.0;
}

std::int32_t XAQ_HOSTCALL pedestalCallback(abi::GaugeHeader*, std::int32_t service, std::uint32_t) {
  frame::AircraftState* a = aircraft();
  if (service == abi::kServicePreUpdate && a != nullptr) {
    gPowerHandle.target = gPowerLeverSet;
    gPowerHandle.step(a->simTimeS());
  }
  return 0;
}

// ---- element trees ----

constexpr abi::PixPoint at(Rect r) { return pix(r.at()); }
constexpr abi::PixPoint inside(Rect r, layout::Size s) { return {r.x + (r.w - s.width) / 2, r.y + (r.h - s.height) / 2}; }

constexpr TextStyle kDigits{pd::kDigitColour, pd::kDigitBackground, "Quartz", 400,
                            abi::kTextCenter | abi::kTextVerticalCenter | abi::kTextSingleLine};
constexpr std::uint16_t kDigitsLength = 8;

template <Radio R, pd::Window W>
constexpr abi::StringElement window(abi::GaugeHeader* g, Rect r) {
  return text(g, at(r), {r.w, r.h}, kDigitsLength, 0, &radioWindow<R, W>, kDigits);
}

// One radio face: the digit windows and the transfer button's two looks.
struct RadioFace {
  abi::StringElement com1Active, com1Standby, com2Active, com2Standby, adfActive, adfStandby, code;
  abi::IconElement com1Transfer, com2Transfer, adfTransfer;
};

constexpr RadioFace radioFace(abi::GaugeHeader* g, const pd::RadioHeadLayout& c1, const pd::RadioHeadLayout& c2,
                              const pd::RadioHeadLayout& adf, const pd::RadioHeadLayout& x) {
  return {window<Radio::kCom1, pd::Window::kActive>(g, c1.active),
          window<Radio::kCom1, pd::Window::kStandby>(g, c1.standby),
          window<Radio::kCom2, pd::Window::kActive>(g, c2.active),
          window<Radio::kCom2, pd::Window::kStandby>(g, c2.standby),
          window<Radio::kAdf1, pd::Window::kActive>(g, adf.active),
          window<Radio::kAdf1, pd::Window::kStandby>(g, adf.standby),
          window<Radio::kTransponder, pd::Window::kActive>(g, x.active),
          icon(g, pd::kTransferButtonId, at(c1.transfer), 2, 0, &transferButton<Radio::kCom1>),
          icon(g, pd::kTransferButtonId, at(c2.transfer), 2, 0, &transferButton<Radio::kCom2>),
          icon(g, pd::kTransferButtonId, at(adf.transfer), 2, 0, &transferButton<Radio::kAdf1>)};
}

#define XAQ_RADIO_FACE_LIST(face)                                                                    \
  &face.com1Active.header, &face.com1Standby.header, &face.com2Active.header, &face.com2Standby.header, \
      &face.adfActive.header, &face.adfStandby.header, &face.code.header, &face.com1Transfer.header,   \
      &face.com2Transfer.header, &face.adfTransfer.header

// Pedestal.
constinit abi::IconElement night = icon(&gauge_Pedestal, pd::kNightBackgroundId, {0, 0}, 1, 0, &nightBackground,
                                        nullptr, abi::kImageHidden);
template <int K>
constexpr abi::SpriteElement weatherPicture() {
  return sprite(&gauge_Pedestal, pd::kWeatherTextureId + 2 * K, at(pd::kRadarScreen),
                {pd::kWeatherTextureSize.width / 2, pd::kWeatherTextureSize.height / 2}, 1.0, &weatherX<K>, 1.0,
                &weatherY, -3.14159265358979323846 / 180.0, &weatherTurn, nullptr,
                abi::kImageTransparent | abi::kImageHidden);
}
constinit abi::SpriteElement weather[pd::kWeatherLevels] = {weatherPicture<0>(), weatherPicture<1>(), weatherPicture<2>(),
                                                            weatherPicture<3>(), weatherPicture<4>(), weatherPicture<5>(),
                                                            weatherPicture<6>()};
constinit abi::IconElement radarSwitchIcon =
    icon(&gauge_Pedestal, pd::kRadarSwitchId, at(pd::kRadarSwitch), 2, 0, &radarSwitch);
constinit abi::SliderElement powerHandles[2] = {
    slider(&gauge_Pedestal, pd::kPowerHandleId, pd::handleTop(pd::kPowerLeft, pd::kPowerHandleSize), 0, nullptr, 1.0,
           &powerHandleY),
    slider(&gauge_Pedestal, pd::kPowerHandleId, pd::handleTop(pd::kPowerRight, pd::kPowerHandleSize), 0, nullptr, 1.0,
           &powerHandleY)};
constinit abi::SliderElement conditionHandles[2] = {
    slider(&gauge_Pedestal, pd::kConditionHandleId, pd::handleTop(pd::kConditionLeft, pd::kConditionHandleSize), 0,
           nullptr, 1.0, &conditionHandleY<0>),
    slider(&gauge_Pedestal, pd::kConditionHandleId, pd::handleTop(pd::kConditionRight, pd::kConditionHandleSize), 0,
           nullptr, 1.0, &conditionHandleY<1>)};
constinit abi::SliderElement flapHandle = slider(&gauge_Pedestal, pd::kFlapHandleId,
                                                 pd::handleTop(pd::kFlapSelector, pd::kFlapHandleSize), 0, nullptr,
                                                 1.0, &flapHandleY);
constinit abi::SliderElement trimPointer = slider(&gauge_Pedestal, pd::kTrimPointerId,
                                                  {pd::kTrimWheel.x + pd::kTrimWheel.w + 2,
                                                   pd::kTrimWheel.y + (pd::kTrimWheel.h - pd::kTrimPointerSize.height) / 2},
                                                  0, nullptr, 1.0, &trimPointerY);
constinit abi::IconElement parkingBrake =
    icon(&gauge_Pedestal, pd::kParkingBrakeId, at(pd::kParkingBrake), 2, 0, &parkingBrakeSet);
constinit abi::IconElement transmitSelectIcon =
    icon(&gauge_Pedestal, pd::kTransmitSelectId, at(pd::kTransmitSelect), 2, 0, &transmitSelect);
constinit abi::IconElement audio[pd::kAudioSwitches] = {
    icon(&gauge_Pedestal, pd::kToggleId, at(pd::audioSwitch(0)), 2, 0, &audioSwitch<0>),
    icon(&gauge_Pedestal, pd::kToggleId, at(pd::audioSwitch(1)), 2, 0, &audioSwitch<1>),
    icon(&gauge_Pedestal, pd::kToggleId, at(pd::audioSwitch(2)), 2, 0, &audioSwitch<2>),
    icon(&gauge_Pedestal, pd::kToggleId, at(pd::audioSwitch(3)), 2, 0, &audioSwitch<3>),
    icon(&gauge_Pedestal, pd::kToggleId, at(pd::audioSwitch(4)), 2, 0, &audioSwitch<4>),
    icon(&gauge_Pedestal, pd::kToggleId, at(pd::audioSwitch(5)), 2, 0, &audioSwitch<5>),
    icon(&gauge_Pedestal, pd::kToggleId, at(pd::audioSwitch(6)), 2, 0, &audioSwitch<6>)};
constinit abi::IconElement efisKnobs[5] = {
    icon(&gauge_Pedestal, pd::kKnobId, pix(pd::knobAt(pd::kMapRangeKnob)), pd::kKnobPositions, 0, &wxrKnob<0>),
    icon(&gauge_Pedestal, pd::kKnobId, pix(pd::knobAt(pd::kBearing1Knob)), pd::kKnobPositions, 0, &wxrKnob<3>),
    icon(&gauge_Pedestal, pd::kKnobId, pix(pd::knobAt(pd::kBearing2Knob)), pd::kKnobPositions, 0, &wxrKnob<4>),
    icon(&gauge_Pedestal, pd::kKnobId, pix(pd::knobAt(pd::kDhAdiDimKnob)), pd::kKnobPositions, 0, &wxrKnob<5>),
    icon(&gauge_Pedestal, pd::kKnobId, pix(pd::knobAt(pd::kHsiDimKnob)), pd::kKnobPositions, 0, &wxrKnob<6>)};
constinit RadioFace pedestalRadios =
    radioFace(&gauge_Pedestal, pd::kCom1Head, pd::kCom2Head, pd::kAdf1Head, pd::kTransponderHead);

abi::ElementHeader* const pedestalFace[] = {
    &night.header,
    &weather[0].header, &weather[1].header, &weather[2].header, &weather[3].header,
    &weather[4].header, &weather[5].header, &weather[6].header,
    &radarSwitchIcon.header,
    &powerHandles[0].header, &powerHandles[1].header,
    &conditionHandles[0].header, &conditionHandles[1].header,
    &flapHandle.header, &trimPointer.header, &parkingBrake.header,
    &transmitSelectIcon.header,
    &audio[0].header, &audio[1].header, &audio[2].header, &audio[3].header,
    &audio[4].header, &audio[5].header, &audio[6].header,
    &efisKnobs[0].header, &efisKnobs[1].header, &efisKnobs[2].header, &efisKnobs[3].header, &efisKnobs[4].header,
    XAQ_RADIO_FACE_LIST(pedestalRadios),
    nullptr};
constinit abi::StaticImageElement pedestalBackground =
    staticImage(&gauge_Pedestal, pd::kBackgroundId, {0, 0}, pedestalFace);
abi::ElementHeader* const pedestalElements[] = {&pedestalBackground.header, nullptr};

// Pedestal_V_RADIO.
constinit abi::IconElement radioNight = icon(&gauge_Pedestal_V_RADIO, pd::kRadioNightBackgroundId, {0, 0}, 1, 0,
                                             &nightBackground, nullptr, abi::kImageHidden);
constinit RadioFace vcRadios =
    radioFace(&gauge_Pedestal_V_RADIO, pd::kVcCom1Head, pd::kVcCom2Head, pd::kVcAdf1Head, pd::kVcTransponderHead);
abi::ElementHeader* const radioFaceList[] = {&radioNight.header, XAQ_RADIO_FACE_LIST(vcRadios), nullptr};
constinit abi::StaticImageElement radioBackground =
    staticImage(&gauge_Pedestal_V_RADIO, pd::kRadioBackgroundId, {0, 0}, radioFaceList);
abi::ElementHeader* const radioElements[] = {&radioBackground.header, nullptr};

// Pedestal_V_WXR.
constinit abi::IconElement wxrNight = icon(&gauge_Pedestal_V_WXR, pd::kWxrNightBackgroundId, {0, 0}, 1, 0,
                                           &nightBackground, nullptr, abi::kImageHidden);
template <int K>
constexpr abi::IconElement wxrKnobIcon() {
  return icon(&gauge_Pedestal_V_WXR, pd::kKnobId, inside(pd::wxrKnob(K), pd::kKnobSize), pd::kKnobPositions, 0,
              &wxrKnob<K>);
}
constinit abi::IconElement wxrKnobs[pd::kWxrKnobs] = {wxrKnobIcon<0>(), wxrKnobIcon<1>(), wxrKnobIcon<2>(),
                                                      wxrKnobIcon<3>(), wxrKnobIcon<4>(), wxrKnobIcon<5>(),
                                                      wxrKnobIcon<6>()};
abi::ElementHeader* const wxrFace[] = {&wxrNight.header,     &wxrKnobs[0].header, &wxrKnobs[1].header,
                                       &wxrKnobs[2].header,  &wxrKnobs[3].header, &wxrKnobs[4].header,
                                       &wxrKnobs[5].header,  &wxrKnobs[6].header, nullptr};
constinit abi::StaticImageElement wxrBackground =
    staticImage(&gauge_Pedestal_V_WXR, pd::kWxrBackgroundId, {0, 0}, wxrFace);
abi::ElementHeader* const wxrElements[] = {&wxrBackground.header, nullptr};

// ---- mouse tables ----

constexpr abi::MouseRecord group(Rect r) { return mouseGroup(r.x, r.y, r.w, r.h); }
constexpr abi::MouseRecord area(Rect r, abi::MouseCursor c, std::uint32_t flags, abi::MouseCallback cb) {
  return mouseArea(r.x, r.y, r.w, r.h, c, flags, cb);
}
constexpr abi::MouseRecord eventArea(Rect r, std::uint32_t event) {
  return mouseEventArea(r.x, r.y, r.w, r.h, abi::kCursorHand, kLeft, event);
}

// One control: its group, tooltip and one area.
#define XAQ_CONTROL(rect, tip, cursor, flags, cb) \
  group(rect), mouseTooltip(tip), area(rect, cursor, flags, cb), mouseEndGroup()
// A stepper: the left half steps down, the right half up.
#define XAQ_STEPPER(rect, tip, flags, down, up)                                                  \
  group(rect), mouseTooltip(tip), area((rect).leftHalf(), abi::kCursorDown, flags, down),       \
      area((rect).rightHalf(), abi::kCursorUp, flags, up), mouseEndGroup()
// A radio head: its tooltip, the transfer button and the knob with its own tooltip.
#define XAQ_RADIO_HEAD(h, tip, radio)                                                                        \
  group(h.head), mouseTooltip(tip), area(h.transfer, abi::kCursorHand, kLeft, &radioTransfer<radio>),      \
      XAQ_STEPPER(h.knob, "Frequency selector knob: use LMB for inner and RMB for outer", kLeftOrRight | kRepeat, \
                  (&radioKnob<radio, -1>), (&radioKnob<radio, +1>)),                                              \
      mouseEndGroup()
#define XAQ_TRANSPONDER_HEAD(h)                                                                         \
  group(h.head), mouseTooltip("Transponder"),                                                           \
      XAQ_STEPPER(h.knob, "Code selector knob: use LMB for inner and RMB for outer", kLeftOrRight | kRepeat, \
                  (&radioKnob<Radio::kTransponder, -1>), (&radioKnob<Radio::kTransponder, +1>)),           \
      mouseEndGroup()
#define XAQ_RADIO_HEADS(c1, c2, adf, x)                                                          \
  XAQ_RADIO_HEAD(c1, "COM 1 radio", Radio::kCom1), XAQ_RADIO_HEAD(c2, "COM 2 radio", Radio::kCom2), \
      XAQ_RADIO_HEAD(adf, "ADF 1 radio", Radio::kAdf1), XAQ_TRANSPONDER_HEAD(x)

using pedestal::EfisControl;
using systems::ConditionLevers;

abi::MouseRecord pedestalMouse[] = {
    mouseGroup(),
    // The host's own areas first: they sit on the edges, clear of every control.
    eventArea(pd::kFmsWindowArea, 65911),
    eventArea(pd::kPanelStrips[0], 65909),
    eventArea(pd::kPanelStrips[1], 65909),
    eventArea(pd::kPanelStrips[2], 65909),
    // Throttle quadrant.
    XAQ_CONTROL(pd::kPowerLeft, "Power lever", abi::kCursorHand, kLever, &powerLever<0>),
    XAQ_CONTROL(pd::kPowerBoth, "Power lever", abi::kCursorHand, kLever, &powerLever<0>),
    XAQ_CONTROL(pd::kPowerRight, "Power lever", abi::kCursorHand, kLever, &powerLever<0>),
    XAQ_CONTROL(pd::kConditionLeft, "Condition lever", abi::kCursorHand, kLever, &conditionLever<ConditionLevers::kLeft>),
    XAQ_CONTROL(pd::kConditionBoth, "Condition lever", abi::kCursorHand, kLever, &conditionLever<ConditionLevers::kBoth>),
    XAQ_CONTROL(pd::kConditionRight, "Condition lever", abi::kCursorHand, kLever, &conditionLever<ConditionLevers::kRight>),
    XAQ_CONTROL(pd::kFuelOffLeft, "Fuel off", abi::kCursorHand, kLever, &fuelOff<ConditionLevers::kLeft>),
    XAQ_CONTROL(pd::kFuelOffRight, "Fuel off", abi::kCursorHand, kLever, &fuelOff<ConditionLevers::kRight>),
    group(pd::kFlapSelector), mouseTooltip("Flap selector lever"),
    area(pd::kFlapSelector.upperHalf(), abi::kCursorUp, kLeft, &hostControl<65759, kSwitchSound>),
    area(pd::kFlapSelector.lowerHalf(), abi::kCursorDown, kLeft, &hostControl<65758, kSwitchSound>),
    mouseEndGroup(),
    group(pd::kTrimWheel), mouseTooltip("Trim wheel"),
    area(pd::kTrimWheel.upperHalf(), abi::kCursorUp, kLeft | kRepeat, &hostControl<65607, -1>),
    area(pd::kTrimWheel.lowerHalf(), abi::kCursorDown, kLeft | kRepeat, &hostControl<65615, -1>),
    mouseEndGroup(),
    XAQ_CONTROL(pd::kParkingBrake, "Parking brake", abi::kCursorHand, kLeft, (&hostControl<65752, kSwitchSound>)),
    // Weather radar and the EFIS control panel.
    XAQ_CONTROL(pd::kRadarSwitch, "Weather radar on/off", abi::kCursorHand, kLeft, &radarPower),
    XAQ_STEPPER(pd::kMapRangeKnob, "Map range", kLeft, (&efisControl<EfisControl::kMapRange, -1>),
                (&efisControl<EfisControl::kMapRange, +1>)),
    group(pd::kFullArcButtons), mouseTooltip("FULL / ARC"),
    area(pd::kFullArcButtons.leftHalf(), abi::kCursorHand, kLeft, (&efisControl<EfisControl::kArc, 0>)),
    area(pd::kFullArcButtons.rightHalf(), abi::kCursorHand, kLeft, (&efisControl<EfisControl::kMap, 0>)),
    mouseEndGroup(),
    XAQ_CONTROL(pd::kGspdTtgButton, "GSPD / TTG", abi::kCursorHand, kLeft, (&efisControl<EfisControl::kTimeToGo, 0>)),
    XAQ_STEPPER(pd::kBearing1Knob, "Bearing pointer 1 source selector", kLeft,
                (&efisControl<EfisControl::kBearing1, -1>), (&efisControl<EfisControl::kBearing1, +1>)),
    XAQ_STEPPER(pd::kBearing2Knob, "Bearing pointer 2 source selector", kLeft,
                (&efisControl<EfisControl::kBearing2, -1>), (&efisControl<EfisControl::kBearing2, +1>)),
    XAQ_STEPPER(pd::kDhAdiDimKnob, "LMB: Set DH.  RMB: ADI dim control", kLeftOrRight | kRepeat,
                (&efisControl<EfisControl::kDhOrAdiDim, -1>), (&efisControl<EfisControl::kDhOrAdiDim, +1>)),
    XAQ_STEPPER(pd::kHsiDimKnob, "HSI dim control", kLeft | kRepeat, (&efisControl<EfisControl::kHsiDim, -1>),
                (&efisControl<EfisControl::kHsiDim, +1>)),
    // Audio panel.
    group(pd::kTransmitSelect), mouseTooltip("COM 1 / COM 2 transmit select"),
    area(pd::kTransmitSelect.leftHalf(), abi::kCursorHand, kLeft, (&hostControl<66463, kSwitchSound>)),
    area(pd::kTransmitSelect.rightHalf(), abi::kCursorHand, kLeft, (&hostControl<66464, kSwitchSound>)),
    mouseEndGroup(),
    XAQ_CONTROL(pd::audioSwitch(0), "COM 1 receive switch", abi::kCursorHand, kLeft, (&hostControl<66465, kSwitchSound>)),
    XAQ_CONTROL(pd::audioSwitch(1), "COM 2 receive switch", abi::kCursorHand, kLeft, (&hostControl<66465, kSwitchSound>)),
    XAQ_CONTROL(pd::audioSwitch(2), "VOR 1 sound receive switch", abi::kCursorHand, kLeft, (&hostControl<65842, kSwitchSound>)),
    XAQ_CONTROL(pd::audioSwitch(3), "VOR 2 sound receive switch", abi::kCursorHand, kLeft, (&hostControl<65843, kSwitchSound>)),
    XAQ_CONTROL(pd::audioSwitch(4), "DME 1 sound receive switch", abi::kCursorHand, kLeft, (&hostControl<65844, kSwitchSound>)),
    XAQ_CONTROL(pd::audioSwitch(5), "ADF 1 sound receive switch", abi::kCursorHand, kLeft, (&hostControl<65846, kSwitchSound>)),
    XAQ_CONTROL(pd::audioSwitch(6), "Marker beacon sound receive switch", abi::kCursorHand, kLeft,
                (&hostControl<66477, kSwitchSound>)),
    // Radio heads.
    XAQ_RADIO_HEADS(pd::kCom1Head, pd::kCom2Head, pd::kAdf1Head, pd::kTransponderHead),
    mouseEndGroup(),
    mouseEnd(),
};

abi::MouseRecord radioMouse[] = {
    mouseGroup(),
    XAQ_RADIO_HEADS(pd::kVcCom1Head, pd::kVcCom2Head, pd::kVcAdf1Head, pd::kVcTransponderHead),
    mouseEndGroup(),
    mouseEnd(),
};

abi::MouseRecord wxrMouse[] = {mouseGroup(), mouseEndGroup(), mouseEnd()};

}  // namespace

abi::GaugeHeader gauge_Pedestal = gaugeHeader("Pedestal", pedestalElements, pedestalMouse, &pedestalCallback);
abi::GaugeHeader gauge_Pedestal_V_RADIO =
    gaugeHeader("Pedestal_V_RADIO", radioElements, radioMouse, &quietGaugeCallback);
abi::GaugeHeader gauge_Pedestal_V_WXR = gaugeHeader("Pedestal_V_WXR", wxrElements, wxrMouse, &quietGaugeCallback);

}  // namespace xaq::gauges
