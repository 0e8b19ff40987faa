#pragma once
// Geographic <-> geocentric coordinates on an ellipsoid, and the
// seven-parameter Helmert transformation between geocentric frames, each set
// up once for a run and applied to each point in place. Geocentric X is
// point::x, Y point::y, Z point::h.

#include "engine/point.h"

namespace kortavex {

class Geocentric {
 public:
  // Semi-axes of the ellipsoid, metres.
  Geocentric(double a, double b);

  // Latitude x, longitude y (degrees) and height h -> X, Y, Z.
  void toGeocentric(point& q) const;
  // X, Y, Z -> latitude x, longitude y and height h.
  void toGeographic(point& q) const;

 private:
  double a_, b_;
  // First eccentricity squared, (a^2 - b^2) / a^2, from the axes as given
  // (the e^2 of engine/ellipsoid.h, from 1/f, differs in its last bits: the
  // geocentric results are computed from a and b alone, as point::toECEF
  // and point::toLLA take them).
  double e2_;
  double b2OverA2_;  // b^2 / a^2
};

class HelmertShift {
 public:
  // Rotations in arc-seconds (coordinate-frame sense), translations in
  // metres, a scale factor for each axis.
  HelmertShift(double rx, double ry, double rz, double tx, double ty, double tz, double mX,
               double mY, double mZ);

  void apply(point& q) const;

 private:
  double r_[3][3];  // the rotation
  double t_[3];     // translation
  double m_[3];     // scale
};

}  // namespace kortavex
