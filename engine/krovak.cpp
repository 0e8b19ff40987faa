// Krovak oblique conformal conic projection of S-JTSK on the Bessel ellipsoid
// (EPSG method 9819; formulas and constants of EPSG Guidance Note 7-2, IOGP
// publication 373-7-2):
// ellipsoid -> Gaussian sphere -> sphere rotated to the oblique pole -> cone
// touching the pseudo-standard parallel. X is the southing, Y the westing,
// both positive over the grid; no sign change or axis swap is made.
#include "engine/krovak.h"

#include <cmath>

#include "engine/ellipsoid.h"

namespace kortavex {

namespace {

constexpr double kPhi0 = 0.8639379797371931;              // 49d30' projection centre
constexpr double kS0 = 1.3700834628155487;                // 78d30' pseudo-standard parallel
constexpr double kQuarterPiPlusHalfPhi0 = 1.2173671532660448;  // 69d45'
constexpr double kQuarterPiPlusHalfS0 = 1.4704398948052226;    // 84d15'
constexpr double kAlpha = 0.5286277629901535;       // 30d17'17.30311" azimuth of the cone axis
constexpr double kLambda0Ferro = 0.7417649320975901;      // 42d30' cone axis east of Ferro
constexpr double kFerroOffset = 0.3083415011856649;       // 17d40' Greenwich -> Ferro
constexpr double kLambda0Greenwich = 0.43342343091192514; // 24d50' cone axis east of Greenwich
constexpr double kScaleOnParallel = 0.9999;

constexpr double kLatitudeTolerance = 1e-12;  // radians
// Five iterations converge anywhere on the grid; the bound only stops input
// far off the grid (or NaN) from looping for ever.
constexpr int kMaxLatitudeIterations = 50;

}  // namespace

Krovak::Krovak(double a, double e) : e_(e) {
  const double e2 = e * e;
  const double sinPhi0 = std::sin(kPhi0);
  n_ = std::sin(kS0);
  B_ = std::sqrt(1 + e2 * std::pow(std::cos(kPhi0), 4) / (1 - e2));
  const double U0 = std::asin(sinPhi0 / B_);
  const double g0 = std::pow((1 + e * sinPhi0) / (1 - e * sinPhi0), B_ * e / 2);
  t0_ = std::tan(U0 / 2 + kQuarterPi) * g0 / std::pow(std::tan(kQuarterPiPlusHalfPhi0), B_);
  rho0_ = kScaleOnParallel * a * std::sqrt(1 - e2) / (1 - e2 * sinPhi0 * sinPhi0) / std::tan(kS0);
  rho0TanS0N_ = rho0_ * std::pow(std::tan(kQuarterPiPlusHalfS0), n_);
  t0PowerInvB_ = std::pow(t0_, -1 / B_);
}

void Krovak::forward(point& q) const {
  const double e = e_;
  const double phi = q.x * kDegToRad;
  const double lambda = q.y * kDegToRad;
  const double esinPhi = e * std::sin(phi);

  // Conformal latitude and longitude on the Gaussian sphere.
  const double U = 2 * (std::atan(t0_ * std::pow(std::tan(phi / 2 + kQuarterPi), B_) /
                                  std::pow((1 + esinPhi) / (1 - esinPhi), B_ * e / 2)) -
                        kQuarterPi);
  const double V = B_ * (kLambda0Ferro - (lambda + kFerroOffset));

  // Latitude and longitude on the oblique sphere.
  const double cosU = std::cos(U);
  const double T = std::asin(std::cos(kAlpha) * std::sin(U) + std::sin(kAlpha) * cosU * std::cos(V));
  const double D = std::asin(cosU * std::sin(V) / std::cos(T));

  const double theta = n_ * D;
  const double rho = rho0TanS0N_ / std::pow(std::tan(T / 2 + kQuarterPi), n_);
  q.x = rho * std::cos(theta);
  q.y = rho * std::sin(theta);
}

void Krovak::inverse(point& q) const {
  const double e = e_;
  const double X = q.x;
  const double Y = q.y;

  const double rho = std::sqrt(X * X + Y * Y);
  const double D = std::atan(Y / X) / n_;
  const double T =
      2 * (std::atan(std::pow(rho0_ / rho, 1 / n_) * std::tan(kQuarterPiPlusHalfS0)) - kQuarterPi);

  // Back from the oblique sphere to the Gaussian sphere.
  const double cosT = std::cos(T);
  const double U = std::asin(std::cos(kAlpha) * std::sin(T) - std::sin(kAlpha) * cosT * std::cos(D));
  const double V = std::asin(cosT * std::sin(D) / std::cos(U));
  const double lambda = kLambda0Greenwich - V / B_;

  // Latitude on the ellipsoid from the conformal latitude.
  const double sphereTerm = t0PowerInvB_ * std::pow(std::tan(U / 2 + kQuarterPi), 1 / B_);
  double phi = U;
  for (int i = 0; i < kMaxLatitudeIterations; ++i) {
    const double esinPhi = e * std::sin(phi);
    const double phiNew =
        2 * (std::atan(sphereTerm * std::pow((1 + esinPhi) / (1 - esinPhi), e / 2)) - kQuarterPi);
    const bool converged = std::fabs(phiNew - phi) <= kLatitudeTolerance;
    phi = phiNew;
    if (converged) break;
  }

  q.x = phi * kRadToDeg;
  q.y = lambda * kRadToDeg;
}

void point::toKrovak(point p, double a, double e) {
  Krovak(a, e).forward(p);
  takeHorizontal(p);
}

void point::KrovakToBL(point p, double a, double e) {
  Krovak(a, e).inverse(p);
  takeHorizontal(p);
}

}  // namespace kortavex
