#pragma once
// The fuel panel behind the two wing tanks: the auxiliary pumps and their running lights, the
// three-position transfer switch that moves fuel from one tank to the other by rewriting the
// add-on's tank levels, the quantity indicators' test button and the tank temperature. The host
// burns the fuel; this part only moves it between the tanks and says what the panel shows.

#include <cstddef>
#include <cstdint>

#include "common/cycle_context.h"
#include "common/effects.h"

namespace xaq::systems {

// The add-on's tank levels, as raw words: 8388608 is a full tank. Reads and writes fail (false)
// while the add-on is not there.
class TankLevels {
 public:
  virtual ~TankLevels() = default;
  virtual bool read(int tank, std::uint32_t& raw) = 0;   // tank 1 or 2
  virtual bool write(int tank, std::uint32_t raw) = 0;
};

// Level fraction of a raw tank word, and back (truncated), in the scale the transfer works in.
inline constexpr double kTankFractionPerUnit = 1.192111085679408e-7;
inline constexpr double kTankUnitsPerFraction = 8388480.0;
double tankFraction(std::uint32_t raw);
std::uint32_t tankWord(double fraction);

enum class FuelTransfer : std::int32_t { kOff = 0, kToTank1 = 1, kToTank2 = 2 };

inline constexpr std::int32_t kFuelTestCycles = 12;
inline constexpr double kTransferIntervalS = 2.0;        // a transfer step at most this often
inline constexpr double kTransferFractionPerS = 0.001;   // 0.1 % of a tank per second
inline constexpr double kPoundsPerGallon = 6.699;
inline constexpr double kQuantityFullScaleLb = 3300.0;
inline constexpr double kTankTemperatureMaxC = 60.0;

struct FuelState {
  std::int32_t auxPump1 = 0;  // switches, 0/1
  std::int32_t auxPump2 = 0;
  bool pump1Running = false;
  bool pump2Running = false;
  FuelTransfer transfer = FuelTransfer::kOff;
  bool transferIndication1 = false;
  bool transferIndication2 = false;
  std::int32_t testCycles = 0;  // the quantity test: 12 when pressed, counting down
  double lastTransferStepS = 0.0;  // simulation time of the last transfer step
};

class Fuel {
 public:
  explicit Fuel(TankLevels& tanks) : tanks_(tanks) {}

  const FuelState& state() const { return state_; }

  // The auxiliary pump switches (1 or 2): on <-> off, with the switch click.
  void toggleAuxPump(int pump, Effects& effects);
  // The transfer switch's halves: the left half goes 0 -> 1 and 2 -> 0, the right half
  // 0 -> 2 and 1 -> 0; the click plays whether or not it moved.
  void transferLeft(Effects& effects);
  void transferRight(Effects& effects);
  // The keyboard commands set the switch directly, with the click.
  void setTransfer(FuelTransfer position, Effects& effects);
  // The quantity test button: the click only when the test was not running; 12 cycles again.
  void pressQuantityTest(Effects& effects);

  // Once per cycle.
  void update(const CycleContext& now);

 private:
  void transferStep(double nowS);

  FuelState state_;
  TankLevels& tanks_;
  FuelTransfer transferLastCycle_ = FuelTransfer::kOff;
};

// What the panel's indicators show.
// The quantity needle: the tank's gallons in pounds within 0 ... 3300, full scale while tested.
double quantityNeedleLb(const FuelState& state, double tankGallons);
// The tooltip's pounds: the tank's contents, not held within the dial.
double tankPounds(double tankGallons);
// The tank temperature: half way between the outside air and +20 degC, at most 60.
double tankTemperatureC(double outsideAirTempC);

// Tooltip texts (written into `out`, at most `size` bytes with the terminator).
void quantityTooltip(double tankGallons, char* out, std::size_t size);
void temperatureTooltip(double outsideAirTempC, char* out, std::size_t size);
// The engines' fuel temperature dial (engine 1 left, 2 right) reads the fuel as its tank holds
// it: the module has one fuel temperature. The degree sign is the host's code page (0xB0).
void engineFuelTemperatureTooltip(int engine, double outsideAirTempC, char* out, std::size_t size);

inline constexpr char kAuxPumpTooltip[] = "Auxiliary fuel pump switch";
inline constexpr char kTransferTooltip[] = "Fuel transfer switch";
inline constexpr char kQuantityTestTooltip[] = "Fuel quantity test button";

}  // namespace xaq::systems
