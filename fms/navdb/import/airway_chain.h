#pragma once
// Airways arrive as segments, each between two fixes and named by the airways it belongs to;
// the navigation data folder holds each airway as ordered runs of points. Chaining walks each
// airway's segments from an end to the next end; an airway with gaps or branches becomes
// several pieces, every segment in exactly one of them.

#include <string>
#include <vector>

#include "fms/navdb/import/xplane_readers.h"

namespace xaq::fms::navimport {

struct PiecePoint {
  std::string ident;
  double latDeg = 0.0;
  double lonDeg = 0.0;
};

struct AirwayPiece {
  std::string name;
  bool high = false;
  std::vector<PiecePoint> points;  // at least two
};

// Segments must have positioned ends. Pieces come airway by airway in the order the airways
// first appear, each piece starting at the end met first; the same input gives the same pieces.
std::vector<AirwayPiece> chainAirways(const std::vector<AirwaySegment>& segments);

}  // namespace xaq::fms::navimport
