#include "fms/magvar/tools/wmm_model.h"

#include <cmath>
#include <sstream>
#include <string>

namespace xaq::fms::tools {
namespace {

constexpr int kMaxSupportedDegree = 20;
constexpr double kPi = 3.14159265358979323846;
constexpr double kReferenceRadiusKm = 6371.2;
constexpr double kWgs84SemiMajorKm = 6378.137;
constexpr double kWgs84Flattening = 1.0 / 298.257223563;

}  // namespace

std::optional<WmmModel> WmmModel::parse(std::string_view text) {
  WmmModel model;
  std::istringstream in{std::string(text)};
  std::string line;
  if (!std::getline(in, line)) return std::nullopt;
  std::istringstream header(line);
  if (!(header >> model.epoch_)) return std::nullopt;
  auto table = [] { return std::vector<std::vector<double>>(kMaxSupportedDegree + 1, std::vector<double>(kMaxSupportedDegree + 1, 0.0)); };
  model.g_ = table();
  model.h_ = table();
  model.gDot_ = table();
  model.hDot_ = table();
  bool any = false;
  while (std::getline(in, line)) {
    if (line.rfind("9999", 0) == 0) break;
    std::istringstream row(line);
    int n = 0, m = 0;
    double g = 0, h = 0, gd = 0, hd = 0;
    if (!(row >> n >> m >> g >> h >> gd >> hd)) continue;
    if (n < 1 || n > kMaxSupportedDegree || m < 0 || m > n) continue;
    model.g_[n][m] = g;
    model.h_[n][m] = h;
    model.gDot_[n][m] = gd;
    model.hDot_[n][m] = hd;
    if (n > model.maxDegree_) model.maxDegree_ = n;
    any = true;
  }
  if (!any) return std::nullopt;
  return model;
}

double WmmModel::declinationDeg(double latDeg, double lonDeg, double heightKm, double decimalYear) const {
  const double dt = decimalYear - epoch_;
  const double lat = latDeg * kPi / 180.0, lon = lonDeg * kPi / 180.0;

  // Geodetic to geocentric spherical coordinates.
  const double e2 = kWgs84Flattening * (2.0 - kWgs84Flattening);
  const double rc = kWgs84SemiMajorKm / std::sqrt(1.0 - e2 * std::sin(lat) * std::sin(lat));
  const double p = (rc + heightKm) * std::cos(lat);
  const double z = (rc * (1.0 - e2) + heightKm) * std::sin(lat);
  const double r = std::sqrt(p * p + z * z);
  const double latC = std::asin(z / r);

  // Associated Legendre functions of sin(latC) without the Condon-Shortley phase, and their
  // derivatives with respect to latC; Schmidt semi-normalised below.
  const int nMax = maxDegree_;
  const double x = std::sin(latC), s = std::cos(latC);
  std::vector<std::vector<double>> P(nMax + 1, std::vector<double>(nMax + 1, 0.0));
  std::vector<std::vector<double>> dP(nMax + 1, std::vector<double>(nMax + 1, 0.0));
  P[0][0] = 1.0;
  for (int m = 1; m <= nMax; ++m) P[m][m] = (2.0 * m - 1.0) * s * P[m - 1][m - 1];
  for (int m = 0; m < nMax; ++m) P[m + 1][m] = x * (2.0 * m + 1.0) * P[m][m];
  for (int m = 0; m <= nMax; ++m) {
    for (int n = m + 2; n <= nMax; ++n) {
      P[n][m] = ((2.0 * n - 1.0) * x * P[n - 1][m] - (n + m - 1.0) * P[n - 2][m]) / (n - m);
    }
  }
  for (int n = 0; n <= nMax; ++n) {
    for (int m = 0; m <= n; ++m) {
      const double below = n > m ? P[n - 1][m] : 0.0;
      // d/dlat = cos(lat) d/dx, and (1 - x^2) dP/dx = (n + m) P[n-1][m] - n x P[n][m].
      dP[n][m] = ((n + m) * below - n * x * P[n][m]) / s;
    }
  }

  double north = 0.0, east = 0.0, down = 0.0;
  for (int n = 1; n <= nMax; ++n) {
    const double scale = std::pow(kReferenceRadiusKm / r, n + 2);
    for (int m = 0; m <= n; ++m) {
      double schmidt = 1.0;
      if (m > 0) {
        double ratio = 2.0;  // 2 (n-m)! / (n+m)!
        for (int k = n - m + 1; k <= n + m; ++k) ratio /= k;
        schmidt = std::sqrt(ratio);
      }
      const double g = g_[n][m] + dt * gDot_[n][m];
      const double h = h_[n][m] + dt * hDot_[n][m];
      const double cosM = std::cos(m * lon), sinM = std::sin(m * lon);
      north += -scale * (g * cosM + h * sinM) * schmidt * dP[n][m];
      east += scale * m * (g * sinM - h * cosM) * schmidt * P[n][m] / s;
      down += -(n + 1.0) * scale * (g * cosM + h * sinM) * schmidt * P[n][m];
    }
  }
  // Back from the geocentric to the geodetic frame.
  const double psi = latC - lat;
  const double northGeodetic = north * std::cos(psi) - down * std::sin(psi);
  return std::atan2(east, northGeodetic) * 180.0 / kPi;
}

}  // namespace xaq::fms::tools
