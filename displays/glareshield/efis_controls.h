#pragma once
// The EFIS display-control panel on the pedestal, as its knobs and buttons see it: the map
// range, full rose or arc, map on, ground speed or time to go, the two bearing pointers'
// sources, the decision height and the two displays' dim values. The heading and attitude
// displays read these settings; this interface is what the pedestal's controls call.
//
// EfisDisplayControls keeps the settings, steps them by the panel's rules and derives each
// display's effective brightness from its dim value: dark while the panel is powered down, a
// three-second ramp of simulation time after power-up, then the dim value. The pedestal plays
// the knobs' and buttons' clicks; the panel itself is silent.

#include <cstdint>

#include "common/cycle_context.h"

namespace xaq::displays {

struct EfisSettings {
  double mapRangeNm = 25.0;         // 5, 10, 20, 25, 50, 100, 200, 300
  bool arcMode = false;             // false: full rose
  bool mapOn = false;
  bool timeToGo = false;            // false: "GSPD", true: "TTG"
  std::int32_t bearingSource1 = 1;  // 0 off, 1 VOR1, 2 ADF1, 3 RNV1, 4 FMS1
  std::int32_t bearingSource2 = 1;  // 0 off, 1 VOR2, 2 ADF2, 3 RNV2, 4 FMS2
  std::int32_t decisionHeightFt = 0;  // 0 ... 990; 0 shows no DH
  double adiDim = 1.0;              // 0 ... 1
  double hsiDim = 1.0;              // 0 ... 1
};

class EfisControls {
 public:
  virtual ~EfisControls() = default;
  virtual const EfisSettings& settings() const = 0;
  // "Map range": direction +1 the next range up, -1 down.
  virtual void stepMapRange(int direction) = 0;
  // "FULL / ARC": the MAP button (map on or off, arc with it) and the ARC button (arc on or
  // off, map off).
  virtual void pressMap() = 0;
  virtual void pressArc() = 0;
  // "GSPD / TTG".
  virtual void toggleTimeToGo() = 0;
  // Bearing pointer 1 or 2: one source on or back.
  virtual void stepBearingSource(int pointer, int direction) = 0;
  // "LMB: Set DH.  RMB: ADI dim control" and "HSI dim control".
  virtual void stepDecisionHeight(int direction) = 0;
  virtual void stepAdiDim(int direction) = 0;
  virtual void stepHsiDim(int direction) = 0;
};

// The map range one step up or down from `rangeNm`.
double nextMapRange(double rangeNm, int direction);

// Seconds of simulation time the displays take to come up to their dim value.
inline constexpr double kEfisPowerUpRampS = 3.0;

// A display's effective brightness `sincePowerUpS` seconds after power-up.
double efisRampedBrightness(double sincePowerUpS, double dim);

struct EfisBrightness {
  double adi = 0.0;  // 0 ... 1, what the attitude display draws with
  double hsi = 0.0;  // 0 ... 1, what the heading display draws with
};

class EfisDisplayControls final : public EfisControls {
 public:
  // Once per cycle: each display's effective brightness at this cycle's time.
  void update(const CycleContext& now);
  // The DC power edges.
  void powerUp(const CycleContext& now);
  void powerDown();
  bool powered() const { return powered_; }
  const EfisBrightness& brightness() const { return brightness_; }

  const EfisSettings& settings() const override { return settings_; }
  void stepMapRange(int direction) override;
  void pressMap() override;
  void pressArc() override;
  void toggleTimeToGo() override;
  void stepBearingSource(int pointer, int direction) override;
  void stepDecisionHeight(int direction) override;
  void stepAdiDim(int direction) override;
  void stepHsiDim(int direction) override;

 private:
  EfisSettings settings_;
  EfisBrightness brightness_;
  bool powered_ = false;
  double poweredUpAtS_ = 0.0;
};

}  // namespace xaq::displays
