#pragma once
// Numbers shown to the pilot are rounded half away from zero (2.5 -> 3, -2.5 -> -3), never
// banker's rounding; headings additionally fold 360 onto 0 so a card never reads "360".

namespace xaq {

int roundHalfAway(double value);

// Rounded heading in 0..359 for values already in [0, 360]; a rounded 360 or more becomes 0.
int roundHeading(double headingDeg);

// Wraps an angle into [0, 360).
double wrap360(double angleDeg);

// Wraps an angle into [-180, 180).
double wrap180(double angleDeg);

}  // namespace xaq
