#pragma once
// Krovak oblique conformal conic projection (S-JTSK), its constants set up
// once for a run and applied to each point in place.

#include "engine/point.h"

namespace kortavex {

class Krovak {
 public:
  // Semi-major axis and first eccentricity (not its square) of the ellipsoid.
  Krovak(double a, double e);

  // Latitude x and longitude y (degrees, Greenwich) -> southing x and westing y (metres).
  void forward(point& q) const;
  // Southing x and westing y -> latitude x and longitude y.
  void inverse(point& q) const;

 private:
  double e_;
  double n_;     // cone constant
  double B_;     // ratio of spherical to ellipsoidal longitude
  double t0_;    // constant of the conformal latitude mapping
  double rho0_;  // cone radius of the pseudo-standard parallel
  // parts of the formulas that are the same for every point
  double rho0TanS0N_;   // rho0 tan(S0/2 + 45 deg)^n
  double t0PowerInvB_;  // t0^(-1/B)
};

}  // namespace kortavex
