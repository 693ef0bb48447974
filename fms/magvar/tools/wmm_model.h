#pragma once
// A spherical-harmonic main-field model in the World Magnetic Model's coefficient format, used
// by the tools only: the grid generator and the navigation importer (the module reads the grid).

#include <optional>
#include <string_view>
#include <vector>

namespace xaq::fms::tools {

class WmmModel {
 public:
  // Parses a coefficient file: a header line "epoch name date", then "n m g h gdot hdot" lines
  // (nT, nT/year) up to a line of nines. Nothing when no coefficient could be read.
  static std::optional<WmmModel> parse(std::string_view text);

  // Declination (east positive), degrees, at a geodetic position and height above the WGS 84
  // ellipsoid, at a decimal year.
  double declinationDeg(double latDeg, double lonDeg, double heightKm, double decimalYear) const;

  double epoch() const { return epoch_; }
  int maxDegree() const { return maxDegree_; }

 private:
  double epoch_ = 0.0;
  int maxDegree_ = 0;
  // Indexed [n][m], n and m up to maxDegree_.
  std::vector<std::vector<double>> g_, h_, gDot_, hDot_;
};

// The coefficient file the tools are built with (WMM2025.COF).
std::string_view builtInWmmCoefficients();

}  // namespace xaq::fms::tools
