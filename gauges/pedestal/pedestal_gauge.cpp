// The pedestal (`Pedestal`) and its virtual-cockpit pieces (`Pedestal_V_RADIO`, the radio
// heads; `Pedestal_V_WXR`, the weather radar with the EFIS control panel's knobs). The levers
// send the host its lever commands, the radio heads tune the radio panel, the EFIS controls
// step the display-control panel, and the weather radar screen shows the picture while DC power
// is available and the radar is on. The switches, knobs and buttons are the switch family's: day
// and night images, and one group per control built by the family, as on the overhead.

#include <array>
#include <cmath>
#include <utility>

#include "common/slew_limiter.h"
#include "frame/gauge_registry.h"
#include "gauges/kit/gauge_kit.h"
#include "gauges/kit/switch_family.h"
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
void hostControl(frame::AircraftState&, Effects& fx) {
  fx.events.trigger(Event, 1);
  if (Sound >= 0) fx.sounds.play(Sound);
}

void radarPower(frame::AircraftState& a, Effects&) { a.weatherRadar.togglePower(); }

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

template <Radio R>
double XAQ_HOSTCALL transferButton(abi::ElementHeader*) {
  frame::AircraftState* a = aircraft();
  return a != nullptr && pedestal::transferPressed(a->radios.state(), R) ? 1.0 : 0.0;
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

int radarSwitch(const frame::AircraftState& a) { return a.weatherRadar.state().radarOn ? 1 : 0; }

// The sideways lever: left (1) for COM 1, right (2) for COM 2.
int transmitSelect(const frame::AircraftState& a) { return a.link.samples.audioPanel[1] ? 2 : 1; }

// The push-switches show the host's audio panel: both receive switches its one receive-both flag.
template <int K>
int audioSwitch(const frame::AircraftState& a) {
  constexpr int kAudioFlag[pd::kAudioSwitches] = {2, 2, 3, 4, 5, 6, 7};
  return a.link.samples.audioPanel[kAudioFlag[K]] ? 1 : 0;
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
int wxrKnob(const frame::AircraftState& a) {
  return pedestal::efisKnobPosition(a.efisControls.settings(), K);
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

// A switch's day and night images in its rectangle (a knob centred in it).
template <family::Reader Read>
constexpr std::array<abi::IconElement, 2> switchImages(abi::GaugeHeader* g, const layout::SwitchImages& art, Rect r) {
  const abi::PixPoint p = inside(r, art.size);
  return family::switchPair(g, art, {p.x, p.y}, &family::dayImage<Read>, &family::nightImage<Read>);
}

// Several switches' image pairs as one run of elements.
template <std::size_t N>
constexpr std::array<abi::IconElement, 2 * N> flatten(const std::array<abi::IconElement, 2> (&pairs)[N]) {
  std::array<abi::IconElement, 2 * N> out{};
  for (std::size_t i = 0; i < N; ++i) {
    out[2 * i] = pairs[i][0];
    out[2 * i + 1] = pairs[i][1];
  }
  return out;
}

// The headers of every other one of a run of switch images: the day images (from 0) or the
// night images (from 1). The night images go after everything else, so the elements the panel
// had before its night images keep their places in its list.
template <std::size_t From, std::size_t N>
constexpr std::array<abi::ElementHeader*, N / 2> everyOther(std::array<abi::IconElement, N>& images) {
  std::array<abi::ElementHeader*, N / 2> out{};
  for (std::size_t i = 0; i < N / 2; ++i) out[i] = &images[2 * i + From].header;
  return out;
}
template <std::size_t N>
constexpr auto dayHeaders(std::array<abi::IconElement, N>& images) {
  return everyOther<0>(images);
}
template <std::size_t N>
constexpr auto nightHeaders(std::array<abi::IconElement, N>& images) {
  return everyOther<1>(images);
}

// One null-terminated child list from runs of headers, in drawing order.
template <std::size_t... N>
constexpr auto childList(const std::array<abi::ElementHeader*, N>&... runs) {
  std::array<abi::ElementHeader*, (N + ... + 1)> list{};
  std::size_t i = 0;
  auto add = [&](const auto& run) {
    for (abi::ElementHeader* e : run) list[i++] = e;
  };
  (add(runs), ...);
  list[i] = nullptr;
  return list;
}

constexpr TextStyle kDigits{pd::kDigitColour, pd::kDigitBackground, "Quartz", 400,
                            abi::kTextCenter | abi::kTextVerticalCenter | abi::kTextSingleLine};
constexpr std::uint16_t kDigitsLength = 8;

template <Radio R, pd::Window W>
constexpr abi::StringElement window(abi::GaugeHeader* g, Rect r) {
  return text(g, at(r), {r.w, r.h}, kDigitsLength, 0, &pedestal::radioWindow<R, W>, kDigits);
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
constinit abi::IconElement night = icon(&gauge_Pedestal, pd::kNightBackgroundId, {0, 0}, 1, 0, &family::litOverlay,
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
constinit std::array<abi::IconElement, 2> radarSwitchImages =
    switchImages<&radarSwitch>(&gauge_Pedestal, pd::kRadarSwitchArt, pd::kRadarSwitch);
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
constinit std::array<abi::IconElement, 2> transmitSelectImages =
    switchImages<&transmitSelect>(&gauge_Pedestal, pd::kTransmitSelectArt, pd::kTransmitSelect);
template <int... K>
constexpr auto audioSwitchImages(std::integer_sequence<int, K...>) {
  return flatten({switchImages<&audioSwitch<K>>(&gauge_Pedestal, pd::kAudioSwitchArt, pd::audioSwitch(K))...});
}
constinit std::array<abi::IconElement, 2 * pd::kAudioSwitches> audioImages =
    audioSwitchImages(std::make_integer_sequence<int, pd::kAudioSwitches>{});
// The EFIS control panel's knobs: map range, the bearing sources and the two dimmers.
constinit std::array<abi::IconElement, 10> efisKnobImages =
    flatten({switchImages<&wxrKnob<0>>(&gauge_Pedestal, pd::kKnobArt, pd::kMapRangeKnob),
             switchImages<&wxrKnob<3>>(&gauge_Pedestal, pd::kKnobArt, pd::kBearing1Knob),
             switchImages<&wxrKnob<4>>(&gauge_Pedestal, pd::kKnobArt, pd::kBearing2Knob),
             switchImages<&wxrKnob<5>>(&gauge_Pedestal, pd::kKnobArt, pd::kDhAdiDimKnob),
             switchImages<&wxrKnob<6>>(&gauge_Pedestal, pd::kKnobArt, pd::kHsiDimKnob)});
constinit RadioFace pedestalRadios =
    radioFace(&gauge_Pedestal, pd::kCom1Head, pd::kCom2Head, pd::kAdf1Head, pd::kTransponderHead);

constinit auto pedestalFace = childList(
    std::array<abi::ElementHeader*, 8>{&night.header, &weather[0].header, &weather[1].header, &weather[2].header,
                                       &weather[3].header, &weather[4].header, &weather[5].header, &weather[6].header},
    dayHeaders(radarSwitchImages),
    std::array<abi::ElementHeader*, 7>{&powerHandles[0].header, &powerHandles[1].header, &conditionHandles[0].header,
                                       &conditionHandles[1].header, &flapHandle.header, &trimPointer.header,
                                       &parkingBrake.header},
    dayHeaders(transmitSelectImages), dayHeaders(audioImages), dayHeaders(efisKnobImages),
    std::array<abi::ElementHeader*, 10>{XAQ_RADIO_FACE_LIST(pedestalRadios)}, nightHeaders(radarSwitchImages),
    nightHeaders(transmitSelectImages), nightHeaders(audioImages), nightHeaders(efisKnobImages));
constinit abi::StaticImageElement pedestalBackground =
    staticImage(&gauge_Pedestal, pd::kBackgroundId, {0, 0}, pedestalFace.data());
abi::ElementHeader* const pedestalElements[] = {&pedestalBackground.header, nullptr};

// Pedestal_V_RADIO.
constinit abi::IconElement radioNight = icon(&gauge_Pedestal_V_RADIO, pd::kRadioNightBackgroundId, {0, 0}, 1, 0,
                                             &family::litOverlay, nullptr, abi::kImageHidden);
constinit RadioFace vcRadios =
    radioFace(&gauge_Pedestal_V_RADIO, pd::kVcCom1Head, pd::kVcCom2Head, pd::kVcAdf1Head, pd::kVcTransponderHead);
abi::ElementHeader* const radioFaceList[] = {&radioNight.header, XAQ_RADIO_FACE_LIST(vcRadios), nullptr};
constinit abi::StaticImageElement radioBackground =
    staticImage(&gauge_Pedestal_V_RADIO, pd::kRadioBackgroundId, {0, 0}, radioFaceList);
abi::ElementHeader* const radioElements[] = {&radioBackground.header, nullptr};

// Pedestal_V_WXR.
constinit abi::IconElement wxrNight = icon(&gauge_Pedestal_V_WXR, pd::kWxrNightBackgroundId, {0, 0}, 1, 0,
                                           &family::litOverlay, nullptr, abi::kImageHidden);
// Map range, FULL / ARC, GSPD / TTG, bearing 1, bearing 2, ADI dim, HSI dim: the panel's knobs.
template <int... K>
constexpr auto wxrKnobPairs(std::integer_sequence<int, K...>) {
  return flatten({switchImages<&wxrKnob<K>>(&gauge_Pedestal_V_WXR, pd::kKnobArt, pd::wxrKnob(K))...});
}
constinit std::array<abi::IconElement, 2 * pd::kWxrKnobs> wxrKnobImages =
    wxrKnobPairs(std::make_integer_sequence<int, pd::kWxrKnobs>{});
constinit auto wxrFace =
    childList(std::array<abi::ElementHeader*, 1>{&wxrNight.header}, dayHeaders(wxrKnobImages), nightHeaders(wxrKnobImages));
constinit abi::StaticImageElement wxrBackground =
    staticImage(&gauge_Pedestal_V_WXR, pd::kWxrBackgroundId, {0, 0}, wxrFace.data());
abi::ElementHeader* const wxrElements[] = {&wxrBackground.header, nullptr};

// ---- mouse tables ----

constexpr abi::MouseRecord group(Rect r) { return mouseGroup(r.x, r.y, r.w, r.h); }
constexpr abi::MouseRecord area(Rect r, abi::MouseCursor c, std::uint32_t flags, abi::MouseCallback cb) {
  return mouseArea(r.x, r.y, r.w, r.h, c, flags, cb);
}

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

using family::Areas;
using family::operate;
using pedestal::EfisControl;
using systems::ConditionLevers;

constexpr layout::Rect r(Rect rect) { return pd::familyRect(rect); }
template <std::uint32_t Event>
constexpr family::Control audioControl(int k, const char* tooltip) {
  return {r(pd::audioSwitch(k)), tooltip, Areas::kOne, &operate<&hostControl<Event, sound::kSwitchClick>>};
}

// Everything on the pedestal but the radio heads, whose knobs sit inside the heads' own groups.
constexpr family::Control kPedestalControls[] = {
    // The host's own areas first: they sit on the edges, clear of every control.
    family::hostEventStrip(r(pd::kFmsWindowArea), 65911),
    family::hostEventStrip(r(pd::kPanelStrips[0]), 65909),
    family::hostEventStrip(r(pd::kPanelStrips[1]), 65909),
    family::hostEventStrip(r(pd::kPanelStrips[2]), 65909),
    // Throttle quadrant.
    {r(pd::kPowerLeft), "Power lever", Areas::kOne, &powerLever<0>, nullptr, kLever},
    {r(pd::kPowerBoth), "Power lever", Areas::kOne, &powerLever<0>, nullptr, kLever},
    {r(pd::kPowerRight), "Power lever", Areas::kOne, &powerLever<0>, nullptr, kLever},
    {r(pd::kConditionLeft), "Condition lever", Areas::kOne, &conditionLever<ConditionLevers::kLeft>, nullptr, kLever},
    {r(pd::kConditionBoth), "Condition lever", Areas::kOne, &conditionLever<ConditionLevers::kBoth>, nullptr, kLever},
    {r(pd::kConditionRight), "Condition lever", Areas::kOne, &conditionLever<ConditionLevers::kRight>, nullptr, kLever},
    {r(pd::kFuelOffLeft), "Fuel off", Areas::kOne, &fuelOff<ConditionLevers::kLeft>, nullptr, kLever},
    {r(pd::kFuelOffRight), "Fuel off", Areas::kOne, &fuelOff<ConditionLevers::kRight>, nullptr, kLever},
    {r(pd::kFlapSelector), "Flap selector lever", Areas::kLowerUpper, &operate<&hostControl<65758, sound::kSwitchClick>>,
     &operate<&hostControl<65759, sound::kSwitchClick>>},
    {r(pd::kTrimWheel), "Trim wheel", Areas::kLowerUpper, &operate<&hostControl<65615, -1>>,
     &operate<&hostControl<65607, -1>>, family::kRepeat},
    {r(pd::kParkingBrake), "Parking brake", Areas::kOne, &operate<&hostControl<65752, sound::kSwitchClick>>},
    // Weather radar and the EFIS control panel.
    {r(pd::kRadarSwitch), "Weather radar on/off", Areas::kOne, &operate<&radarPower>},
    {r(pd::kMapRangeKnob), "Map range", Areas::kLeftRight, &efisControl<EfisControl::kMapRange, -1>,
     &efisControl<EfisControl::kMapRange, +1>},
    {r(pd::kFullArcButtons), "FULL / ARC", Areas::kLeftRight, &efisControl<EfisControl::kArc, 0>,
     &efisControl<EfisControl::kMap, 0>},
    {r(pd::kGspdTtgButton), "GSPD / TTG", Areas::kOne, &efisControl<EfisControl::kTimeToGo, 0>},
    {r(pd::kBearing1Knob), "Bearing pointer 1 source selector", Areas::kLeftRight,
     &efisControl<EfisControl::kBearing1, -1>, &efisControl<EfisControl::kBearing1, +1>},
    {r(pd::kBearing2Knob), "Bearing pointer 2 source selector", Areas::kLeftRight,
     &efisControl<EfisControl::kBearing2, -1>, &efisControl<EfisControl::kBearing2, +1>},
    {r(pd::kDhAdiDimKnob), "LMB: Set DH.  RMB: ADI dim control", Areas::kLeftRight,
     &efisControl<EfisControl::kDhOrAdiDim, -1>, &efisControl<EfisControl::kDhOrAdiDim, +1>, kLeftOrRight | kRepeat},
    {r(pd::kHsiDimKnob), "HSI dim control", Areas::kLeftRight, &efisControl<EfisControl::kHsiDim, -1>,
     &efisControl<EfisControl::kHsiDim, +1>, family::kRepeat},
    // Audio panel.
    {r(pd::kTransmitSelect), "COM 1 / COM 2 transmit select", Areas::kLeftRight,
     &operate<&hostControl<66463, sound::kSwitchClick>>, &operate<&hostControl<66464, sound::kSwitchClick>>},
    audioControl<66465>(0, "COM 1 receive switch"),
    audioControl<66465>(1, "COM 2 receive switch"),
    audioControl<65842>(2, "VOR 1 sound receive switch"),
    audioControl<65843>(3, "VOR 2 sound receive switch"),
    audioControl<65844>(4, "DME 1 sound receive switch"),
    audioControl<65846>(5, "ADF 1 sound receive switch"),
    audioControl<66477>(6, "Marker beacon sound receive switch"),
};

// A table of the given records inside its outer group, closed by the group's end and the end record.
template <std::size_t N>
using Records = std::array<abi::MouseRecord, N>;
template <std::size_t N>
constexpr Records<N + 3> wholeTable(const Records<N>& records) {
  Records<N + 3> t{};
  t[0] = mouseGroup();
  for (std::size_t i = 0; i < N; ++i) t[i + 1] = records[i];
  t[N + 1] = mouseEndGroup();
  t[N + 2] = mouseEnd();
  return t;
}
// The family's table of the controls with the given records added at its end.
template <std::size_t M, std::size_t N>
constexpr Records<M + N> withRecords(const Records<M>& family, const Records<N>& records) {
  Records<M + N> t{};
  for (std::size_t i = 0; i + 2 < M; ++i) t[i] = family[i];
  for (std::size_t i = 0; i < N; ++i) t[M - 2 + i] = records[i];
  t[M + N - 2] = mouseEndGroup();
  t[M + N - 1] = mouseEnd();
  return t;
}

constexpr auto kPedestalHeads =
    std::to_array<abi::MouseRecord>({XAQ_RADIO_HEADS(pd::kCom1Head, pd::kCom2Head, pd::kAdf1Head, pd::kTransponderHead)});
constexpr auto kVcHeads = std::to_array<abi::MouseRecord>(
    {XAQ_RADIO_HEADS(pd::kVcCom1Head, pd::kVcCom2Head, pd::kVcAdf1Head, pd::kVcTransponderHead)});

constinit auto pedestalMouse =
    withRecords(family::mouseTable<family::mouseRecordCount(kPedestalControls)>(kPedestalControls), kPedestalHeads);
constinit auto radioMouse = wholeTable(kVcHeads);
constinit auto wxrMouse = wholeTable(Records<0>{});

}  // namespace

abi::GaugeHeader gauge_Pedestal = gaugeHeader("Pedestal", pedestalElements, pedestalMouse.data(), &pedestalCallback);
abi::GaugeHeader gauge_Pedestal_V_RADIO =
    gaugeHeader("Pedestal_V_RADIO", radioElements, radioMouse.data(), &quietGaugeCallback);
abi::GaugeHeader gauge_Pedestal_V_WXR = gaugeHeader("Pedestal_V_WXR", wxrElements, wxrMouse.data(), &quietGaugeCallback);

}  // namespace xaq::gauges
