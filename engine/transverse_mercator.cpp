// Transverse Mercator (Gauss-Krueger and UTM; EPSG method 9807, EPSG
// Guidance Note 7-2, IOGP publication 373-7-2): the classical power series in
// the longitude difference (forward) and in the easting (inverse). UTM's
// scale 0.9996 is that of DMA TM 8358.1. The operations know nothing of
// zones; the chain handles central meridians, false eastings and northings.
#include <cmath>

#include "engine/transverse_mercator.h"

namespace kortavex {

namespace {

// sin 2f, sin 4f, ... sin 10f from one sine and cosine of 2f (Chebyshev
// recurrence): the meridian arc needs them for every point and in every
// footpoint iteration, and one sincos costs a fifth of five sines.
struct MultipleSines {
  double s2, s4, s6, s8, s10;
};
MultipleSines multipleSines(double f) {
  const double s2 = std::sin(2 * f), twoCos2 = 2 * std::cos(2 * f);
  const double s4 = twoCos2 * s2;
  const double s6 = twoCos2 * s4 - s2;
  const double s8 = twoCos2 * s6 - s4;
  return {s2, s4, s6, s8, twoCos2 * s8 - s6};
}

// x^n for the small whole powers of the series.
constexpr double power(double x, int n) {
  double r = 1;
  for (int i = 0; i < n; ++i) r *= x;
  return r;
}

constexpr int kUtmMode = 2;
constexpr double kUtmScale = 0.9996;  // grid scale on the UTM central meridian
constexpr int kFootpointIterations = 5;

}  // namespace

TransverseMercator::TransverseMercator(int ellipsoid, int mode)
    : ell_(kEllipsoids[validEllipsoid(ellipsoid)]),
      arc_(kMeridianArcs[validEllipsoid(ellipsoid)]),
      utm_(mode == kUtmMode) {}

void TransverseMercator::forward(point& q) const {
  const Ellipsoid& ell = ell_;
  const MeridianArc& k = arc_;
  const double phi = q.x * kDegToRad;
  const double l = q.y * kDegToRad;

  // Meridian arc from the equator.
  const double phiDeg = phi * 180.0 / kPi;
  const MultipleSines sn = multipleSines(phi);
  const double G = k.A0 * phiDeg - k.A2 * sn.s2 + k.A4 * sn.s4 - k.A6 * sn.s6 + k.A8 * sn.s8 -
                   k.A10 * sn.s10;

  const double t = std::tan(phi);
  const double t2 = t * t;
  const double cosPhi = std::cos(phi);
  const double sinPhi = std::sin(phi);
  const double eta2 = ell.ePrime2 * cosPhi * cosPhi;
  const double eta4 = eta2 * eta2;
  const double N = ell.c / std::sqrt(1 + eta2);

  double northing =
      G + (N / 2) * sinPhi * cosPhi * power(l, 2) +
      (N / 24) * sinPhi * power(cosPhi, 3) * power(l, 4) * (5 - t2 + 9 * eta2 + 4 * eta4) +
      (N / 720) * sinPhi * power(cosPhi, 5) * power(l, 6) *
          (61 - 58 * t2 + t2 * t2 + 270 * eta2 - 330 * t2 * eta2) +
      (N / 40320) * sinPhi * power(cosPhi, 7) * power(l, 8) *
          (1385 - 3111 * t2 + 543 * t2 * t2 - t2 * t2 * t2);

  double easting =
      N * cosPhi * l + (N / 6) * power(cosPhi, 3) * power(l, 3) * (1 - t2 + eta2) +
      (N / 120) * power(cosPhi, 5) * power(l, 5) *
          (5 - 18 * t2 + t2 * t2 + 14 * eta2 - 58 * t2 * eta2 + 13 * eta4 - 64 * t2 * eta4) +
      (N / 5040) * power(cosPhi, 7) * power(l, 7) *
          (61 - 479 * t2 + 179 * t2 * t2 - t2 * t2 * t2);

  if (utm_) {
    northing *= kUtmScale;
    easting *= kUtmScale;
  }
  q.x = northing;
  q.y = easting;
}

void TransverseMercator::inverse(point& q) const {
  const Ellipsoid& ell = ell_;
  const MeridianArc& k = arc_;
  double northing = q.x;
  double easting = q.y;
  if (utm_) {
    northing /= kUtmScale;
    easting /= kUtmScale;
  }

  // Footpoint latitude in degrees: invert the meridian arc by at most a fixed
  // number of substitutions; one that returns its input is a fixed point.
  double footDeg = northing / k.A0;
  for (int i = 0; i < kFootpointIterations; ++i) {
    const MultipleSines sn = multipleSines(footDeg * kDegToRad);
    const double next = (northing + k.A2 * sn.s2 - k.A4 * sn.s4 + k.A6 * sn.s6 -
                         k.A8 * sn.s8 + k.A10 * sn.s10) /
                        k.A0;
    if (next == footDeg) break;
    footDeg = next;
  }
  const double phiF = footDeg * kDegToRad;

  const double t = std::tan(phiF);
  const double t2 = t * t;
  const double cosPhiF = std::cos(phiF);
  const double eta2 = ell.ePrime2 * cosPhiF * cosPhiF;
  const double eta4 = eta2 * eta2;
  const double V = std::sqrt(1 + eta2);
  const double M = ell.c / power(V, 3);  // meridian radius of curvature
  const double N = ell.c / V;               // radius of curvature in the prime vertical

  const double phi =
      phiF - t * power(easting, 2) / (2 * M * N) +
      t * power(easting, 4) / (24 * M * power(N, 3)) *
          (5 + 3 * t2 + eta2 - 9 * t2 * eta2 - 4 * eta4) -
      t * power(easting, 6) / (720 * M * power(N, 5)) * (61 + 90 * t2 + 45 * t2 * t2);

  const double dLambda =
      easting / (N * cosPhiF) -
      power(easting, 3) / (6 * power(N, 3) * cosPhiF) * (1 + 2 * t2 + eta2) +
      power(easting, 5) / (120 * power(N, 5) * cosPhiF) * (5 + 28 * t2 + 24 * t2 * t2);

  q.x = phi * kRadToDeg;
  q.y = dLambda * kRadToDeg;
}

void point::toGK(point p, int ellipsoid, int mode) {
  TransverseMercator(ellipsoid, mode).forward(p);
  takeCoordinates(p);
}

void point::toEll(point p, int ellipsoid, int mode) {
  TransverseMercator(ellipsoid, mode).inverse(p);
  takeCoordinates(p);
}

}  // namespace kortavex
