#include "gauges/instruments/air_data_callbacks.h"

namespace xaq::gauges::air_data {

namespace {

double movingImageValue(abi::ElementHeader* e) {
  if (auto* m = abi::elementAs<abi::MovingImageElement>(e)) return m->yVariable.value;
  return 0.0;
}

}  // namespace

double XAQ_HOSTCALL speedStrip(abi::ElementHeader* e) {
  if (aircraft() == nullptr) return 0.0;
  return displays::airspeedStripValue(movingImageValue(e));
}

template <int Index>
double XAQ_HOSTCALL altitudeDrum(abi::ElementHeader* e) {
  if (aircraft() == nullptr) return 0.0;
  return displays::drumDigit(movingImageValue(e) / 10.0, Index);
}
template double XAQ_HOSTCALL altitudeDrum<0>(abi::ElementHeader*);
template double XAQ_HOSTCALL altitudeDrum<1>(abi::ElementHeader*);
template double XAQ_HOSTCALL altitudeDrum<2>(abi::ElementHeader*);
template double XAQ_HOSTCALL altitudeDrum<3>(abi::ElementHeader*);

double XAQ_HOSTCALL ballPosition(abi::ElementHeader* e) {
  auto* s = abi::elementAs<abi::SliderElement>(e);
  if (aircraft() == nullptr || s == nullptr || !std::isfinite(s->xVariable.value)) return 0.0;
  return s->xVariable.value;
}

double XAQ_HOSTCALL altitudeAlertLight(abi::ElementHeader* e) {
  const AircraftState* a = aircraft();
  if (a == nullptr || !instruments::instrumentPower(*a)) return 0.0;
  return displays::altitudeAlertLit(hostValue(e), a->altitudePreselector.valueFt()) ? 1.0 : 0.0;
}

double XAQ_HOSTCALL compassCard(abi::ElementHeader* e) {
  const AircraftState* a = aircraft();
  if (a == nullptr) return 0.0;
  auto* m = abi::elementAs<abi::MovingImageElement>(e);
  if (m == nullptr) return 0.0;
  // The heading turns the short way round through its own limiter; the card shows 360 - heading.
  static AngleSlewLimiter heading{400.0};
  const double h = m->xVariable.value;
  if (!(h >= 0.0 && h <= 360.0)) return 0.0;
  return displays::compassCardDeg(instruments::followTarget(heading, *a, h));
}

double XAQ_HOSTCALL millibarsWindow(abi::ElementHeader* e) {
  return instruments::writePoweredText(e, [](const AircraftState&, abi::ElementHeader* element) {
    return displays::millibarReadout(hostValue(element));
  });
}

double XAQ_HOSTCALL inchesWindow(abi::ElementHeader* e) {
  return instruments::writePoweredText(e, [](const AircraftState&, abi::ElementHeader* element) {
    return displays::inchesReadout(hostValue(element));
  });
}

}  // namespace xaq::gauges::air_data
