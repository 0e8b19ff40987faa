// Lambert conformal conic projection with two standard parallels on the
// ellipsoid (EPSG method 9802; the formulas of EPSG Guidance Note 7-2, IOGP
// publication 373-7-2, the inverse latitude by its iteration). The cone is
// derived afresh on every call from the ellipsoid and the three latitudes;
// nothing is cached.
#include <cmath>

#include "engine/ellipsoid.h"
#include "engine/point.h"

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

struct Cone {
  double n;    // cone constant
  double aF;   // a times the cone's scale constant F
  double rho0; // radius of the latitude of origin
};

// Latitudes in radians.
Cone cone(const Ellipsoid& ell, double phi0, double phi1, double phi2) {
  const double m1 = m(ell, phi1);
  const double m2 = m(ell, phi2);
  const double t0 = t(ell, phi0);
  const double t1 = t(ell, phi1);
  const double t2 = t(ell, phi2);

  Cone c;
  const double lnTDifference = std::log(t2) - std::log(t1);
  if (lnTDifference == 0) {
    // Equal standard parallels make the secant formula 0/0; take the tangent
    // cone, its limit.
    c.n = std::sin(phi1);
    c.aF = ell.a * m1 / (c.n * std::pow(t1, c.n));
  } else {
    c.n = (std::log(m2) - std::log(m1)) / lnTDifference;
    c.aF = ell.a * m2 / (c.n * std::pow(t2, c.n));
  }
  c.rho0 = c.aF * std::pow(t0, c.n);
  return c;
}

}  // namespace

void point::toLamb(point p, int ellipsoid, double phi0, double phi1, double phi2) {
  const Ellipsoid& ell = kEllipsoids[validEllipsoid(ellipsoid)];
  const Cone c = cone(ell, phi0 * kDegToRad, phi1 * kDegToRad, phi2 * kDegToRad);

  const double rho = c.aF * std::pow(t(ell, p.x * kDegToRad), c.n);
  const double theta = c.n * (p.y * kDegToRad);
  y = rho * std::sin(theta);
  x = c.rho0 - rho * std::cos(theta);
}

void point::Lamb2ell(point p, int ellipsoid, double phi0, double phi1, double phi2,
                     double lambda0) {
  const Ellipsoid& ell = kEllipsoids[validEllipsoid(ellipsoid)];
  const Cone c = cone(ell, phi0 * kDegToRad, phi1 * kDegToRad, phi2 * kDegToRad);

  const double E = p.y;
  const double J = c.rho0 - p.x;
  // rho carries the sign of n, so that a cone opening to the south (both
  // parallels south of the equator) inverts as well.
  const double rho = std::copysign(std::sqrt(E * E + J * J), c.n);
  const double tRho = std::pow(rho / c.aF, 1 / c.n);

  const double lambda = lambda0 * kDegToRad + std::atan(E / J) / c.n;

  double phi = kHalfPi - 2 * std::atan(tRho);
  for (int i = 0; i < kLatitudeIterations; ++i) {
    const double esinPhi = ell.e * std::sin(phi);
    phi = kHalfPi - 2 * std::atan(tRho * std::pow((1 - esinPhi) / (1 + esinPhi), ell.e / 2));
  }

  x = phi * 180 / kPi;
  y = lambda * 180 / kPi;
}

}  // namespace kortavex
