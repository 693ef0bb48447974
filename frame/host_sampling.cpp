#include "frame/host_sampling.h"

#include <cmath>
#include <type_traits>

#include "common/rounding.h"

namespace xaq::frame {

double TrendRate::push(double value, double timeStepSeconds) {
  if (!started_) {
    // The first sample has no interval before it: it stands for the whole history.
    values_.fill(value);
    steps_.fill(0.0);
    timeStepSeconds = 0.0;
    started_ = true;
  }
  for (int i = 0; i + 1 < kHistory; ++i) {
    values_[i] = values_[i + 1];
    steps_[i] = steps_[i + 1];
  }
  values_[kHistory - 1] = value;
  steps_[kHistory - 1] = timeStepSeconds;
  double span = 0.0;
  for (int i = 1; i < kHistory; ++i) span += steps_[i];
  rate_ = span > kMinimumSpanSeconds ? (values_[kHistory - 1] - values_[0]) / span : 0.0;
  return rate_;
}

HostVariableTable::HostVariableTable() {
  for (std::uint32_t id = 1; id <= kHostVariableCount; ++id) records_[id - 1].id = id;
}

namespace {

enum class Convert : std::uint8_t { kCopy, kScale, kRound, kFlag, kWrap360, kLongitude };

struct SampleRule {
  std::uint16_t id;
  Convert convert;
  double factor;
  void (*store)(HostSamples&, double);
};

template <typename Field>
Field as(double value) {
  if constexpr (std::is_same_v<Field, bool>) {
    return value != 0.0;
  } else {
    return static_cast<Field>(value);
  }
}

template <auto Member>
void put(HostSamples& s, double value) {
  auto& field = s.*Member;
  field = as<std::remove_reference_t<decltype(field)>>(value);
}

template <auto Member, int Index>
void putAt(HostSamples& s, double value) {
  auto& field = (s.*Member)[Index];
  field = as<std::remove_reference_t<decltype(field)>>(value);
}

constexpr double kFeetPerMetre = 3.280839895;
constexpr double kLatitudeUnit = 8.998425276e-06;
constexpr double kLongitudeUnit = 3.552713385e-15 * 360.0;  // a turn is 2^48 units
constexpr double kPercentOf16384 = 0.006103515625;          // 100 / 16384
constexpr double kPsiPerPsf = 0.006944444444;               // 1 / 144
constexpr double kFuelLbPerGallon = 6.699219;

#define SAMPLE(id, convert, factor, field) \
  SampleRule { id, Convert::convert, factor, &put<&HostSamples::field> }
#define SAMPLE_AT(id, convert, factor, field, index) \
  SampleRule { id, Convert::convert, factor, &putAt<&HostSamples::field, index> }

// The lookup order is the host's contract with this module: keep it exactly as it stands.
constexpr SampleRule kRules[] = {
    SAMPLE(61, kCopy, 1, indicatedAirspeedKt),
    SAMPLE(64, kScale, 4.8828870069e-05, mach),
    SAMPLE(81, kCopy, 1, headingMagDeg),
    SAMPLE(74, kCopy, 1, altitudeFt),
    SAMPLE(614, kScale, kFeetPerMetre, radioAltitudeFt),
    SAMPLE(65, kCopy, 1, verticalSpeedFpm),
    SAMPLE(70, kCopy, 1, turnRate),
    SAMPLE(71, kScale, kLatitudeUnit, latitudeDeg),
    SAMPLE(72, kLongitude, kLongitudeUnit, longitudeDeg),
    SAMPLE(82, kWrap360, 1, magneticVariationDeg),
    SAMPLE(60, kFlag, 1, onGround),
    SAMPLE(78, kCopy, 1, attitudePitchDeg),
    SAMPLE(80, kCopy, 1, attitudeBankDeg),
    SAMPLE(77, kCopy, 1, pitchDeg),
    SAMPLE(79, kWrap360, 1, bankDeg),
    SAMPLE(103, kFlag, 1, hostAutopilot),
    SAMPLE(114, kFlag, 1, hostYawDamper),
    SAMPLE(107, kCopy, 1, headingBugDeg),
    SAMPLE(105, kFlag, 1, hostNavHold),
    SAMPLE(112, kFlag, 1, hostApproachHold),
    SAMPLE(113, kFlag, 1, hostBackCourseHold),
    SAMPLE(793, kCopy, 1, hostFdPitchDeg),
    SAMPLE(794, kCopy, 1, hostFdBankDeg),
    SAMPLE_AT(624, kCopy, 1, nhPct, 0),
    SAMPLE_AT(643, kCopy, 1, nhPct, 1),
    SAMPLE_AT(662, kCopy, 1, nhPct, 2),
    SAMPLE_AT(681, kCopy, 1, nhPct, 3),
    SAMPLE_AT(625, kCopy, 1, nlPct, 0),
    SAMPLE_AT(644, kCopy, 1, nlPct, 1),
    SAMPLE_AT(663, kCopy, 1, nlPct, 2),
    SAMPLE_AT(682, kCopy, 1, nlPct, 3),
    SAMPLE_AT(638, kCopy, 1, fuelFlowPph, 0),
    SAMPLE_AT(657, kCopy, 1, fuelFlowPph, 1),
    SAMPLE_AT(676, kCopy, 1, fuelFlowPph, 2),
    SAMPLE_AT(695, kCopy, 1, fuelFlowPph, 3),
    SAMPLE_AT(631, kRound, 1, ittC, 0),
    SAMPLE_AT(650, kRound, 1, ittC, 1),
    SAMPLE_AT(669, kRound, 1, ittC, 2),
    SAMPLE_AT(688, kRound, 1, ittC, 3),
    SAMPLE_AT(156, kScale, kPercentOf16384, torquePct, 0),
    SAMPLE_AT(191, kScale, kPercentOf16384, torquePct, 1),
    SAMPLE_AT(226, kScale, kPercentOf16384, torquePct, 2),
    SAMPLE_AT(261, kScale, kPercentOf16384, torquePct, 3),
    SAMPLE_AT(700, kCopy, 1, propRpm, 0),
    SAMPLE_AT(708, kCopy, 1, propRpm, 1),
    SAMPLE_AT(716, kCopy, 1, propRpm, 2),
    SAMPLE_AT(724, kCopy, 1, propRpm, 3),
    SAMPLE_AT(130, kCopy, 1, conditionLever, 0),
    SAMPLE_AT(165, kCopy, 1, conditionLever, 1),
    SAMPLE_AT(200, kCopy, 1, conditionLever, 2),
    SAMPLE_AT(235, kCopy, 1, conditionLever, 3),
    SAMPLE_AT(561, kRound, 1, oilTemperature, 0),
    SAMPLE_AT(571, kRound, 1, oilTemperature, 1),
    SAMPLE_AT(581, kRound, 1, oilTemperature, 2),
    SAMPLE_AT(591, kCopy, 1, oilTemperature, 3),
    SAMPLE_AT(562, kScale, kPsiPerPsf, oilPressurePsi, 0),
    SAMPLE_AT(572, kScale, kPsiPerPsf, oilPressurePsi, 1),
    SAMPLE_AT(582, kScale, kPsiPerPsf, oilPressurePsi, 2),
    SAMPLE_AT(592, kScale, kPsiPerPsf, oilPressurePsi, 3),
    SAMPLE_AT(129, kCopy, 1, propLever, 0),
    SAMPLE_AT(164, kCopy, 1, propLever, 1),
    SAMPLE_AT(199, kCopy, 1, propLever, 2),
    SAMPLE_AT(234, kCopy, 1, propLever, 3),
    SAMPLE_AT(131, kFlag, 1, engineRunning, 0),
    SAMPLE_AT(166, kFlag, 1, engineRunning, 1),
    SAMPLE_AT(201, kFlag, 1, engineRunning, 2),
    SAMPLE_AT(236, kFlag, 1, engineRunning, 3),
    SAMPLE_AT(564, kFlag, 1, engineFailed, 0),
    SAMPLE_AT(574, kFlag, 1, engineFailed, 1),
    SAMPLE_AT(584, kFlag, 1, engineFailed, 2),
    SAMPLE_AT(594, kFlag, 1, engineFailed, 3),
    SAMPLE_AT(707, kFlag, 1, autofeatherArmed, 0),
    SAMPLE_AT(715, kFlag, 1, autofeatherArmed, 1),
    SAMPLE_AT(723, kFlag, 1, autofeatherArmed, 2),
    SAMPLE_AT(731, kFlag, 1, autofeatherArmed, 3),
    SAMPLE(741, kFlag, 1, autofeatherSwitch),
    // The host's token list names 791 the total fuel quantity in pounds: it is copied as it
    // comes. Only the tanks (304, 303) arrive in gallons.
    SAMPLE(791, kCopy, 1, totalFuelLb),
    SAMPLE(304, kScale, kFuelLbPerGallon, leftTankLb),
    SAMPLE(303, kScale, kFuelLbPerGallon, rightTankLb),
    SAMPLE(313, kCopy, 1, aileronPosition),
    SAMPLE(317, kCopy, 1, elevatorPosition),
    SAMPLE(318, kCopy, 1, elevatorTrimPosition),
    SAMPLE(325, kCopy, 1, spoilerHandle),
    SAMPLE(328, kCopy, 1, flapHandle),
    SAMPLE(333, kCopy, 1, gearLeft),
    SAMPLE(334, kCopy, 1, gearRight),
    SAMPLE(332, kCopy, 1, gearNose),
    SAMPLE(331, kCopy, 1, gearHandle),
    SAMPLE(323, kRound, 1, parkingBrake),
    SAMPLE(868, kFlag, 1, passengerDoorOpen),
    SAMPLE(824, kCopy, 1, hydraulicAvailable),
    SAMPLE(364, kFlag, 1, batteryMaster),
    SAMPLE(740, kFlag, 1, avionicsMaster),
    SAMPLE(604, kCopy, 1, elapsedSeconds),
    SAMPLE(745, kCopy, 1, dayOfMonth),
    SAMPLE(746, kCopy, 1, month),
    SAMPLE(747, kCopy, 1, year),
    SAMPLE(749, kFlag, 1, daylightSaving),
    SAMPLE(3, kCopy, 1, localHour),
    SAMPLE(6, kCopy, 1, zuluOffsetHours),
    SAMPLE(4, kCopy, 1, localMinute),
    SAMPLE(5, kCopy, 1, localSecond),
    SAMPLE(336, kCopy, 1, simulationRate),
    SAMPLE(24, kCopy, 1, nav1Bcd),
    SAMPLE(27, kCopy, 1, nav2Bcd),
    SAMPLE(23, kCopy, 1, com1Bcd),
    SAMPLE(870, kCopy, 1, com2Bcd),
    SAMPLE(16, kCopy, 1, adfBcd),
    SAMPLE(18, kCopy, 1, adfExtendedBcd),
    SAMPLE(550, kCopy, 1, nav1BearingDeg),
    SAMPLE(59, kCopy, 1, nav2BearingDeg),
    SAMPLE(39, kCopy, 1, adfBearingDeg),
    SAMPLE(43, kCopy, 1, nav1ToFrom),
    SAMPLE(52, kCopy, 1, nav2ToFrom),
    SAMPLE(44, kFlag, 1, glideslopeReceived),
    SAMPLE(46, kCopy, 1, nav1Flags),
    SAMPLE(46, kCopy, 1, nav1Flags),
    SAMPLE(55, kCopy, 1, nav2Flags),
    SAMPLE(20, kCopy, 1, adfSignal),
    SAMPLE(45, kCopy, 1, nav1CourseDeg),
    SAMPLE(31, kCopy, 1, dme1Nm),
    SAMPLE(35, kCopy, 1, dme2Nm),
    SAMPLE(40, kCopy, 1, nav1Deviation),
    SAMPLE(41, kCopy, 1, glideslopeDeviation),
    SAMPLE(354, kCopy, 1, markerBeacon),
    SAMPLE(38, kCopy, 1, transponderBcd),
    SAMPLE_AT(874, kFlag, 1, audioPanel, 0),
    SAMPLE_AT(875, kFlag, 1, audioPanel, 1),
    SAMPLE_AT(876, kFlag, 1, audioPanel, 2),
    SAMPLE_AT(877, kFlag, 1, audioPanel, 3),
    SAMPLE_AT(878, kFlag, 1, audioPanel, 4),
    SAMPLE_AT(879, kFlag, 1, audioPanel, 5),
    SAMPLE_AT(880, kFlag, 1, audioPanel, 6),
    SAMPLE_AT(881, kFlag, 1, audioPanel, 7),
    SAMPLE(904, kFlag, 1, propDeice),
    SAMPLE(905, kFlag, 1, airframeDeice),
    SAMPLE(13, kFlag, 1, pitotHeat),
    SAMPLE(10, kFlag, 1, panelLights),
    SAMPLE(11, kFlag, 1, strobeLights),
    SAMPLE(368, kFlag, 1, beaconLights),
    SAMPLE(621, kFlag, 1, instrumentLights),
    SAMPLE(14, kFlag, 1, landingLights),
    SAMPLE(622, kFlag, 1, flareLights),
    SAMPLE(341, kCopy, 1, outsideAirTempC),
    SAMPLE(350, kScale, 256, totalAirTempC),
    SAMPLE(342, kScale, 0.0625, outsidePressureMb),
    SAMPLE(800, kCopy, 1, standardTempC),
    SAMPLE(343, kCopy, 1, windSpeedKt),
    SAMPLE(344, kWrap360, 1, windDirectionDeg),
};

#undef SAMPLE
#undef SAMPLE_AT

static_assert(std::size(kRules) == kSampledLookups);

constexpr auto makeIdList() {
  std::array<std::uint16_t, kSampledLookups> ids{};
  for (int i = 0; i < kSampledLookups; ++i) ids[i] = kRules[i].id;
  return ids;
}
constexpr auto kIds = makeIdList();

constexpr bool idsInRange() {
  for (auto id : kIds) {
    if (id < 1 || id > kHostVariableCount) return false;
  }
  return true;
}
static_assert(idsInRange());

double convert(const SampleRule& rule, double value) {
  switch (rule.convert) {
    case Convert::kCopy:
      return value;
    case Convert::kScale:
      return value * rule.factor;
    case Convert::kRound:
      return roundHalfAway(value);
    case Convert::kFlag:
      return value != 0.0 ? 1.0 : 0.0;
    case Convert::kWrap360:
      return wrap360(value);
    case Convert::kLongitude:
      return wrap180(value * rule.factor);
  }
  return value;
}

// A time step this long means the host reloaded, slewed or jumped its clock.
constexpr double kTimeJumpSeconds = 5.0;
constexpr double kDegToRad = 3.14159265358979323846 / 180.0;
constexpr double kSeaLevelPressureMb = 1013.25;
constexpr double kSeaLevelTempK = 288.15;
constexpr double kZeroCelsiusK = 273.15;

void derive(HostSamples& s, SamplingHistory& h, double addonPayloadLb) {
  s.timeStepSeconds = h.sampledBefore ? s.elapsedSeconds - h.previousElapsedSeconds : 0.0;
  h.previousElapsedSeconds = s.elapsedSeconds;
  h.sampledBefore = true;

  s.verticalSpeedTrend = h.verticalSpeed.push(s.verticalSpeedFpm, s.timeStepSeconds);
  s.accelerationKtPerSec = h.airspeed.push(s.indicatedAirspeedKt, s.timeStepSeconds);
  s.bankTrend = h.bank.push(s.attitudeBankDeg, s.timeStepSeconds);

  // The receiver flags: any bit set means a station is received; bit 7 marks a localizer.
  const auto flags = static_cast<std::uint32_t>(s.nav1Flags < 0 ? 0 : s.nav1Flags);
  s.nav1SignalValid = flags != 0;
  s.nav1LocalizerTuned = (flags & 0x80u) != 0;

  // Values formed at the wind-direction sample: pause state, true airspeed, acceleration and the
  // wind component along the nose.
  s.pauseFlags[0] = s.timeStepSeconds == 0.0;
  s.pauseFlags[1] = s.timeStepSeconds < 0.0 || s.timeStepSeconds > kTimeJumpSeconds;
  const double pressureRatio = s.outsidePressureMb > 0 ? s.outsidePressureMb / kSeaLevelPressureMb : 1.0;
  const double tempK = s.outsideAirTempC + kZeroCelsiusK;
  const double temperatureRatio = tempK > 1.0 ? tempK / kSeaLevelTempK : 1.0;
  const double densityRatio = pressureRatio / temperatureRatio;
  s.trueAirspeedKt = densityRatio > 1e-6 ? s.indicatedAirspeedKt / std::sqrt(densityRatio) : 0.0;
  const double headingTrueDeg = s.headingMagDeg + wrap180(s.magneticVariationDeg);
  s.headwindKt = s.windSpeedKt * std::cos((s.windDirectionDeg - headingTrueDeg) * kDegToRad);

  s.aircraftWeightLb = addonPayloadLb + s.totalFuelLb;
}

}  // namespace

std::span<const std::uint16_t> sampledIds() { return kIds; }

void sampleHostVariables(HostVariableTable& table, HostSamples& samples, SamplingHistory& history,
                         double addonPayloadLb, LookupFunction lookup, void* context) {
  for (const SampleRule& rule : kRules) {
    abi::HostVarRecord& record = table.record(rule.id);
    if (lookup != nullptr) lookup(&record, context);
    rule.store(samples, convert(rule, record.value));
  }
  derive(samples, history, addonPayloadLb);
}

}  // namespace xaq::frame
