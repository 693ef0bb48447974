#include "payload/core/load_plan.h"

#include <algorithm>
#include <cmath>

namespace xaq::payload {

namespace {

// std::round rounds halves away from zero and, unlike an int conversion, cannot overflow on
// the large products a hostile settings file can produce.
double wholeRounded(double value) { return std::round(value); }

// x 0.454 written as x 454 / 1000: for whole pounds the product is exact, so 1000 lbs shows as
// 454 kg and not as the 453.99999 a binary 0.454 would truncate to.
double poundsToKilograms(double pounds) { return pounds * 454.0 / 1000.0; }

}  // namespace

int clampPercent(double percent) {
  if (!(percent > 0)) return 0;
  return static_cast<int>(std::min<double>(wholeRounded(percent), kSliderMax));
}

SliderPositions slidersFromLoads(const PayloadSettings& settings, double passengerLoadLbs,
                                 double baggageLoadLbs) {
  SliderPositions sliders;
  if (settings.personWeight != 0 && settings.numCoach != 0)
    sliders.passengerPercent =
        clampPercent(100.0 * (passengerLoadLbs / settings.personWeight) / settings.numCoach);
  if (settings.maxBaggage != 0)
    sliders.baggagePercent = clampPercent(100.0 * baggageLoadLbs / settings.maxBaggage);
  return sliders;
}

std::int64_t passengersAt(const PayloadSettings& settings, int passengerPercent) {
  return static_cast<std::int64_t>(std::trunc(settings.numCoach * passengerPercent / 100.0));
}

double baggageAt(const PayloadSettings& settings, int baggagePercent) {
  return std::trunc(settings.maxBaggage * baggagePercent / 100.0);
}

PoundWeights computeWeights(const PayloadSettings& settings, SliderPositions sliders) {
  PoundWeights w;
  w.passengers = passengersAt(settings, sliders.passengerPercent);
  w.passengerWeight = static_cast<double>(w.passengers) * settings.personWeight;
  w.baggageWeight = baggageAt(settings, sliders.baggagePercent);
  w.zeroFuelWeight = settings.zeroWeight + w.passengerWeight + w.baggageWeight;
  w.maxFuel = std::min(wholeRounded(settings.maxWeight - w.zeroFuelWeight), settings.maxFuel);
  return w;
}

double kilogramsShown(double pounds) { return std::trunc(poundsToKilograms(pounds)); }

ShownWeights showWeights(const PayloadSettings& settings, const PoundWeights& w, WeightUnit unit) {
  if (unit == WeightUnit::Pounds)
    return {w.passengerWeight, w.baggageWeight, w.zeroFuelWeight, w.maxFuel, settings.maxWeight};
  ShownWeights kg;
  kg.passengerWeight = kilogramsShown(w.passengerWeight);
  kg.baggageWeight = kilogramsShown(w.baggageWeight);
  kg.zeroFuelWeight = kilogramsShown(w.zeroFuelWeight);
  double fuelRoom = wholeRounded(poundsToKilograms(settings.maxWeight) - kg.zeroFuelWeight);
  kg.maxFuel = std::trunc(std::min(fuelRoom, poundsToKilograms(settings.maxFuel)));
  kg.maxWeight = wholeRounded(poundsToKilograms(settings.maxWeight));
  return kg;
}

ZfwColour nextZfwColour(ZfwColour current, double zeroFuelWeightLbs, double maxZfwLbs) {
  if (zeroFuelWeightLbs > maxZfwLbs) return ZfwColour::Pink;
  if (zeroFuelWeightLbs < maxZfwLbs) return ZfwColour::White;
  return current;
}

const UnitTexts& unitTexts(WeightUnit unit) {
  static constexpr UnitTexts kPounds{"Bagage (lbs) -", " lbs", "All values shown in pounds (lbs)", " lbs"};
  static constexpr UnitTexts kKilograms{"Bagage (Kg) -", " Kg", "All values shown in Kilos (Kg)", " Kgs"};
  return unit == WeightUnit::Pounds ? kPounds : kKilograms;
}

}  // namespace xaq::payload
