#include "displays/analog/flaps_needle.h"

#include <algorithm>
#include <cmath>

namespace xaq::displays {

double FlapsNeedle::show(double hostFlapsPosition) {
  // A value the host cannot mean (not a number) leaves the needle where it aims.
  if (!std::isnan(hostFlapsPosition)) limiter_.target = std::clamp(hostFlapsPosition, 0.0, kFullTravel);
  return limiter_.current;
}

}  // namespace xaq::displays
