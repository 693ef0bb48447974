#include "fms/navdb/import/airway_chain.h"

#include <cmath>
#include <cstdio>
#include <set>
#include <unordered_map>
#include <utility>

namespace xaq::fms::navimport {
namespace {

// Fixes are the same point when identifier and position (to about ten metres) agree: the same
// identifier elsewhere in the world is another fix.
std::string nodeKey(const SegmentEnd& e) {
  char where[48];
  std::snprintf(where, sizeof where, "|%ld|%ld", std::lround(e.latDeg * 1e4), std::lround(e.lonDeg * 1e4));
  return e.ident + where;
}

struct Node {
  PiecePoint point;
  std::vector<std::size_t> edges;
};

struct Edge {
  std::size_t a = 0, b = 0;
  bool high = false;
  bool used = false;
};

class AirwayGraph {
 public:
  void add(const AirwaySegment& s) {
    const std::size_t a = node(s.from), b = node(s.to);
    if (a == b || !pairs_.insert({std::min(a, b), std::max(a, b)}).second) return;
    edges_.push_back({a, b, s.high, false});
    nodes_[a].edges.push_back(edges_.size() - 1);
    nodes_[b].edges.push_back(edges_.size() - 1);
  }

  void pieces(const std::string& name, std::vector<AirwayPiece>& out) {
    // Ends first, then the other points where an odd number of segments meet (branches), then
    // whatever closed loops remain.
    for (int pass = 0; pass < 3; ++pass) {
      for (std::size_t n = 0; n < nodes_.size(); ++n) {
        const std::size_t degree = nodes_[n].edges.size();
        const bool starts = pass == 0 ? degree == 1 : pass == 1 ? degree % 2 == 1 : true;
        while (starts && hasUnused(n)) walk(n, name, out);
      }
    }
  }

 private:
  std::size_t node(const SegmentEnd& e) {
    const auto [it, added] = index_.try_emplace(nodeKey(e), nodes_.size());
    if (added) nodes_.push_back({{e.ident, e.latDeg, e.lonDeg}, {}});
    return it->second;
  }
  bool hasUnused(std::size_t n) const {
    for (const std::size_t e : nodes_[n].edges) {
      if (!edges_[e].used) return true;
    }
    return false;
  }
  void walk(std::size_t start, const std::string& name, std::vector<AirwayPiece>& out) {
    AirwayPiece piece;
    piece.name = name;
    piece.points.push_back(nodes_[start].point);
    std::size_t at = start;
    for (bool moved = true; moved;) {
      moved = false;
      for (const std::size_t e : nodes_[at].edges) {
        if (edges_[e].used) continue;
        if (piece.points.size() == 1) piece.high = edges_[e].high;
        edges_[e].used = true;
        at = edges_[e].a == at ? edges_[e].b : edges_[e].a;
        piece.points.push_back(nodes_[at].point);
        moved = true;
        break;
      }
    }
    out.push_back(std::move(piece));
  }

  std::unordered_map<std::string, std::size_t> index_;
  std::vector<Node> nodes_;
  std::vector<Edge> edges_;
  std::set<std::pair<std::size_t, std::size_t>> pairs_;
};

}  // namespace

std::vector<AirwayPiece> chainAirways(const std::vector<AirwaySegment>& segments) {
  std::unordered_map<std::string, std::size_t> byName;
  std::vector<std::string> names;
  std::vector<AirwayGraph> graphs;
  for (const AirwaySegment& s : segments) {
    for (const std::string& name : s.names) {
      const auto [it, added] = byName.try_emplace(name, graphs.size());
      if (added) {
        names.push_back(name);
        graphs.emplace_back();
      }
      graphs[it->second].add(s);
    }
  }
  std::vector<AirwayPiece> pieces;
  for (std::size_t i = 0; i < graphs.size(); ++i) graphs[i].pieces(names[i], pieces);
  return pieces;
}

}  // namespace xaq::fms::navimport
