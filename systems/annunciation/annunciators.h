#pragma once
// The warning and caution panels' record: which lights are lit, the two master switchlights that
// latch when a light comes on, and the start-up quiet period. Every system sets or clears its
// lights each cycle through the LightDoor (light numbers in common/light_ids.h); only the master
// flags and the touched-runway latch remember anything.

#include <array>
#include <cstdint>

#include "common/cycle_context.h"
#include "common/effects.h"
#include "common/light_ids.h"

namespace xaq::systems {

inline constexpr std::int32_t kSuppressionCycles = 36;  // about 2 s of cycles at start

struct AnnunciatorState {
  bool masterWarning = false;
  bool masterCaution = false;
  std::array<bool, lights::kWarningCount> warnings{};
  std::array<bool, lights::kCautionCount> cautions{};
  std::int32_t suppressionCycles = kSuppressionCycles;
  bool touchedRunwayLatch = false;  // a tail strike stays on for as long as the cockpit runs

  bool lit(int light) const;
};

struct AnnunciatorInputs {
  bool onGround = false;         // host variable 60
  double pitchUpDeg = 0;         // host variable 77 with its sign turned: nose up positive
  bool passengerDoorOpen = false;  // 868
  double tank1FuelLb = 0;        // 304
  double tank2FuelLb = 0;        // 303
  double parkingBrake = 0;       // 323
};

class Annunciators final : public LightDoor {
 public:
  void update(const CycleContext& now, const AnnunciatorInputs& in);
  const AnnunciatorState& state() const { return state_; }

  // Light numbers as in common/light_ids.h; numbers of neither panel are ignored.
  void set(int light) override;
  void clear(int light) override;

  // The master switchlights' click or key: the flag goes out, the lights stay as they are.
  void resetMasterWarning() { state_.masterWarning = false; }
  void resetMasterCaution() { state_.masterCaution = false; }

 private:
  AnnunciatorState state_;
};

// The image of a master switchlight while its flag is set: frames 0 and 1 alternating three
// times a second with the simulation clock.
int masterFlashFrame(double simTimeS);

}  // namespace xaq::systems
