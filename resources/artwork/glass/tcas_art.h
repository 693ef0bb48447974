#pragma once
// Where the traffic display's dial puts its scale: the screen's round picture takes the middle
// of the face, so the numerals and ticks share the ring between the screen's edge and the bezel.

#include "resources/artwork/art_kit.h"

namespace xaq::art {

// The radius from the pivot where the screen's dark glass and its ring end; nothing of the scale
// may lie inside it, or the traffic picture covers it.
double tcasScreenEdgeRadius();

// The dial of both `TCAS` and `TCAS_V`: ticks reaching out to where the needle's tip points,
// numerals between the screen's edge and the major ticks.
DialGeometry tcasDialGeometry();

}  // namespace xaq::art
