#pragma once
// Lambert conformal conic projection with two standard parallels, its cone
// set up once for a run and applied to each point in place.

#include "engine/ellipsoid.h"
#include "engine/point.h"

namespace kortavex {

class LambertConic {
 public:
  // Latitude of origin and the two standard parallels, central meridian,
  // degrees; an ellipsoid code outside 0-4 is Bessel 1841.
  LambertConic(int ellipsoid, double phi0, double phi1, double phi2, double lambda0);

  // Latitude x and longitude y (degrees) -> northing x and easting y from
  // the origin (metres). h stays.
  void forward(point& q) const;
  // Northing x and easting y from the origin -> latitude x and longitude y.
  void inverse(point& q) const;

 private:
  const Ellipsoid& ell_;
  double lambda0_;  // degrees
  double n_;        // cone constant
  double aF_;       // a times the cone's scale constant F
  double rho0_;     // radius of the latitude of origin
};

}  // namespace kortavex
