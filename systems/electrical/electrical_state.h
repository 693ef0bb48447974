#pragma once
// What the electrical system publishes: the one place the panel's power lives. Gauges, sounds
// and systems test dcPowerAvailable; without it readouts are blank, glass displays dark and
// lights out. Volts, loads as fractions of a source's rating, degrees Celsius.

#include <array>

namespace xaq::systems {

enum class DcBus { kLeftMain, kLeftEssential, kLeftSecondary, kRightMain, kRightEssential, kRightSecondary };
inline constexpr int kDcBuses = 6;

struct SourceLoads {
  double dcGenerator1 = 0, dcGenerator2 = 0;
  double leftTru = 0, rightTru = 0;  // the DC feeds from AC generators 1 and 2
  double mainBattery = 0, auxBattery = 0;
  double apuGenerator = 0;
};

struct InverterOutputs {
  double primaryVolts = 0, auxVolts = 0, secondaryVolts = 0;
  double primaryLoad = 0, auxLoad = 0, secondaryLoad = 0;
};

struct AcGenerators {
  std::array<double, 3> gen1PhaseVolts{};  // phases A, B, C
  std::array<double, 3> gen2PhaseVolts{};
  std::array<double, 3> gen1PhaseLoads{};
  std::array<double, 3> gen2PhaseLoads{};
};

// What the APU wrote in its last update; the electrical update reads the previous cycle's.
struct ApuOutputs {
  bool generatorOnLine = false;
  bool loadDisplayRequest = false;
  bool starterEngaged = false;
};

struct ElectricalState {
  // The power flag: true at construction, as the panel starts powered until the first update.
  bool dcPowerAvailable = true;
  std::array<double, kDcBuses> busVolts{};
  bool externalPowerAvailable = false;
  SourceLoads loads;
  InverterOutputs inverters;
  AcGenerators ac;
  bool acExternalPowerAvailable = false;
  double mainBatteryTempC = 25.0;
  double auxBatteryTempC = 25.0;
  ApuOutputs apu;
  // Which hydraulic sides have power (engine running, or DC power in the air).
  std::array<bool, 2> hydraulicPower{};

  double volts(DcBus bus) const { return busVolts[static_cast<int>(bus)]; }
};

}  // namespace xaq::systems
