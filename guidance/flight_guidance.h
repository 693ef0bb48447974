#pragma once
// The flight guidance as the cycle sees it so far: the power-up and power-down it runs on the
// edges of DC power. The mode logic and control laws fill these.

namespace xaq::guidance {

class FlightGuidance {
 public:
  void powerUp() { ++powerUps_; }
  void powerDown() { ++powerDowns_; }

  int powerUps() const { return powerUps_; }
  int powerDowns() const { return powerDowns_; }

 private:
  int powerUps_ = 0;
  int powerDowns_ = 0;
};

}  // namespace xaq::guidance
