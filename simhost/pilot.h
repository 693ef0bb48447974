#pragma once
// The person at the controls: holds a heading, an altitude and a speed with the yoke and the
// power levers, rotates at the rotation speed on a take-off and flares for a landing. It moves
// only the controls the add-on has not disconnected, so a module that takes the controls through
// the add-on flies the aircraft instead.

#include "simhost/world.h"

namespace xaq::sim {

struct PilotTargets {
  bool flying = false;        // the pilot holds the controls
  double headingMagDeg = 0;
  double altitudeFt = 0;
  double airspeedKt = 0;      // 0 = leave the power levers alone
  double rotateKt = 105;
  double climbFpm = 1500;
  double descentFpm = 1000;
};

class Pilot {
 public:
  PilotTargets targets;
  void fly(World& world, double dtSeconds);

 private:
  double pitchIntegral_ = 0;
  double powerIntegral_ = 0;
};

}  // namespace xaq::sim
