#pragma once
// Transverse Mercator (Gauss-Krueger and UTM) on one of the five ellipsoids,
// set up once for a run and applied to each point in place.

#include "engine/ellipsoid.h"
#include "engine/point.h"

namespace kortavex {

class TransverseMercator {
 public:
  // `mode` 2 is UTM (scale 0.9996 on the central meridian), any other scale 1;
  // an ellipsoid code outside 0-4 is Bessel 1841.
  TransverseMercator(int ellipsoid, int mode);

  // Latitude x and longitude y east of the central meridian (degrees) ->
  // northing x from the equator and easting y from the meridian (metres).
  void forward(point& q) const;
  // Northing x and easting y -> latitude x and longitude y east of the meridian.
  void inverse(point& q) const;

  const Ellipsoid& ellipsoid() const { return ell_; }

 private:
  const Ellipsoid& ell_;
  const MeridianArc& arc_;
  bool utm_;
};

}  // namespace kortavex
