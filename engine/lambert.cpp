// Lambert conformal conic projection with two standard parallels on the
// ellipsoid (EPSG method 9802; the formulas of EPSG Guidance Note 7-2, IOGP
// publication 373-7-2, the inverse latitude by its iteration). The cone is
// derived once from the ellipsoid and the three latitudes.
#include "engine/lambert.h"

#include <cmath>

namespace kortavex {

namespace {

constexpr int kLatitudeIterations = 3;

double m(const Ellipsoid& ell, double phi) {
  const double sinPhi = std::sin(phi);
  return std::cos(phi) / std::sqrt(1 - ell.e2 * sinPhi * sinPhi);
}

// t(-phi) = 1 / t(phi): south of the equator through the north, so that the
// south pole gives exactly infinity, as the north pole gives exactly 0 (a
// false origin at either pole lies on the cone's apex).
double t(const Ellipsoid& ell, double phi) {
  if (phi < 0) return 1 / t(ell, -phi);
  const double esinPhi = ell.e * std::sin(phi);
  return std::tan(kQuarterPi - phi / 2) / std::pow((1 - esinPhi) / (1 + esinPhi), ell.e / 2);
}

}  // namespace

LambertConic::LambertConic(int ellipsoid, double phi0, double phi1, double phi2, double lambda0)
    : ell_(kEllipsoids[validEllipsoid(ellipsoid)]), lambda0_(lambda0) {
  const Ellipsoid& ell = ell_;
  // the latitudes in radians
  phi0 *= kDegToRad;
  phi1 *= kDegToRad;
  phi2 *= kDegToRad;
  const double m1 = m(ell, phi1);
  const double m2 = m(ell, phi2);
  const double t0 = t(ell, phi0);
  const double t1 = t(ell, phi1);
  const double t2 = t(ell, phi2);

  const double lnTDifference = std::log(t2) - std::log(t1);
  if (lnTDifference == 0) {
    // Equal standard parallels make the secant formula 0/0; take the tangent
    // cone, its limit.
    n_ = std::sin(phi1);
    aF_ = ell.a * m1 / (n_ * std::pow(t1, n_));
  } else {
    n_ = (std::log(m2) - std::log(m1)) / lnTDifference;
    aF_ = ell.a * m2 / (n_ * std::pow(t2, n_));
  }
  rho0_ = aF_ * std::pow(t0, n_);
}

void LambertConic::forward(point& q) const {
  const double rho = aF_ * std::pow(t(ell_, q.x * kDegToRad), n_);
  const double theta = n_ * ((q.y - lambda0_) * kDegToRad);
  q.y = rho * std::sin(theta);
  q.x = rho0_ - rho * std::cos(theta);
}

void LambertConic::inverse(point& q) const {
  const Ellipsoid& ell = ell_;
  const double E = q.y;
  const double J = rho0_ - q.x;
  // rho carries the sign of n, so that a cone opening to the south (both
  // parallels south of the equator) inverts as well.
  const double rho = std::copysign(std::sqrt(E * E + J * J), n_);
  const double tRho = std::pow(rho / aF_, 1 / n_);

  const double lambda = lambda0_ * kDegToRad + std::atan(E / J) / n_;

  double phi = kHalfPi - 2 * std::atan(tRho);
  for (int i = 0; i < kLatitudeIterations; ++i) {
    const double esinPhi = ell.e * std::sin(phi);
    phi = kHalfPi - 2 * std::atan(tRho * std::pow((1 - esinPhi) / (1 + esinPhi), ell.e / 2));
  }

  q.x = phi * 180 / kPi;
  q.y = lambda * 180 / kPi;
}

void point::toLamb(point p, int ellipsoid, double phi0, double phi1, double phi2) {
  LambertConic(ellipsoid, phi0, phi1, phi2, 0).forward(p);
  takeHorizontal(p);
}

void point::Lamb2ell(point p, int ellipsoid, double phi0, double phi1, double phi2,
                     double lambda0) {
  LambertConic(ellipsoid, phi0, phi1, phi2, lambda0).inverse(p);
  takeHorizontal(p);
}

}  // namespace kortavex
