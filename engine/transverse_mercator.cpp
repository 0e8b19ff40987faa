// Transverse Mercator (Gauss-Krueger and UTM): the classical power series in
// the longitude difference (forward) and in the easting (inverse). The
// operations know nothing of zones; the chain handles central meridians,
// false eastings and northings.
#include <cmath>

#include "engine/ellipsoid.h"
#include "engine/point.h"

namespace {

// Meridian-arc coefficients (A0 in metres per degree, the others in metres for
// sin 2phi ... sin 10phi), polar radius of curvature c = a^2/b and second
// eccentricity squared, per ellipsoid code. The values are used exactly as
// tabulated, roundings included, so results agree to the last digit.
struct TmConstants {
  double A0, A2, A4, A6, A8, A10;
  double c;
  double ePrime2;  // second eccentricity squared
};

constexpr TmConstants kTmConstants[kEllipsoidCount] = {
    // Bessel 1841
    {111120.61960481478, 15988.638533522004, 16.729953797678, 0.021784831494, 0.000030766175,
     4.6336e-8, 6398786.847, 0.006719219},
    // Krassovsky 1940
    {111134.861083776, 16036.48027203972, 16.828066784272, 0.021975340413, 0.000031124061,
     4.7012e-8, 6399698.901785779, 0.006738525416},
    // GRS80
    {111132.95254699516, 16038.508742200931, 16.83261332347, 0.021984435617, 0.000031141414,
     4.7045e-8, 6399593.625864381, 0.006739496776},
    // WGS84
    {111132.95254791227, 16038.508663316134, 16.83261315775, 0.021984435292, 0.000031141414,
     4.7045e-8, 6399593.625758492, 0.006739496742},
    // International 1924
    {111136.53665431566, 16107.03477480809, 16.976211048018, 0.0222659975, 0.000031673928,
     4.8057e-8, 6399936.60823692, 0.006768170238},
};

constexpr int kUtmMode = 2;
constexpr double kUtmScale = 0.9996;  // grid scale on the UTM central meridian
constexpr int kFootpointIterations = 5;

}  // namespace

void point::toGK(point p, int ellipsoid, int mode) {
  const TmConstants& k = kTmConstants[validEllipsoid(ellipsoid)];
  const double phi = p.x * kDegToRad;
  const double l = p.y * kDegToRad;

  // Meridian arc from the equator.
  const double phiDeg = phi * 180.0 / kPi;
  const double G = k.A0 * phiDeg - k.A2 * std::sin(2 * phi) + k.A4 * std::sin(4 * phi) -
                   k.A6 * std::sin(6 * phi) + k.A8 * std::sin(8 * phi) -
                   k.A10 * std::sin(10 * phi);

  const double t = std::tan(phi);
  const double t2 = t * t;
  const double cosPhi = std::cos(phi);
  const double sinPhi = std::sin(phi);
  const double eta2 = k.ePrime2 * cosPhi * cosPhi;
  const double eta4 = eta2 * eta2;
  const double N = k.c / std::sqrt(1 + eta2);

  double northing =
      G + (N / 2) * sinPhi * cosPhi * std::pow(l, 2) +
      (N / 24) * sinPhi * std::pow(cosPhi, 3) * std::pow(l, 4) * (5 - t2 + 9 * eta2 + 4 * eta4) +
      (N / 720) * sinPhi * std::pow(cosPhi, 5) * std::pow(l, 6) *
          (61 - 58 * t2 + t2 * t2 + 270 * eta2 - 330 * t2 * eta2) +
      (N / 40320) * sinPhi * std::pow(cosPhi, 7) * std::pow(l, 8) *
          (1385 - 3111 * t2 + 543 * t2 * t2 - t2 * t2 * t2);

  double easting =
      N * cosPhi * l + (N / 6) * std::pow(cosPhi, 3) * std::pow(l, 3) * (1 - t2 + eta2) +
      (N / 120) * std::pow(cosPhi, 5) * std::pow(l, 5) *
          (5 - 18 * t2 + t2 * t2 + 14 * eta2 - 58 * t2 * eta2 + 13 * eta4 - 64 * t2 * eta4) +
      (N / 5040) * std::pow(cosPhi, 7) * std::pow(l, 7) *
          (61 - 479 * t2 + 179 * t2 * t2 - t2 * t2 * t2);

  if (mode == kUtmMode) {
    northing *= kUtmScale;
    easting *= kUtmScale;
  }
  x = northing;
  y = easting;
  h = p.h;
}

void point::toEll(point p, int ellipsoid, int mode) {
  const TmConstants& k = kTmConstants[validEllipsoid(ellipsoid)];
  double northing = p.x;
  double easting = p.y;
  if (mode == kUtmMode) {
    northing /= kUtmScale;
    easting /= kUtmScale;
  }

  // Footpoint latitude in degrees: invert the meridian arc by a fixed number
  // of substitutions.
  double footDeg = northing / k.A0;
  for (int i = 0; i < kFootpointIterations; ++i) {
    const double f = footDeg * kDegToRad;
    footDeg = (northing + k.A2 * std::sin(2 * f) - k.A4 * std::sin(4 * f) +
               k.A6 * std::sin(6 * f) - k.A8 * std::sin(8 * f) + k.A10 * std::sin(10 * f)) /
              k.A0;
  }
  const double phiF = footDeg * kDegToRad;

  const double t = std::tan(phiF);
  const double t2 = t * t;
  const double cosPhiF = std::cos(phiF);
  const double eta2 = k.ePrime2 * cosPhiF * cosPhiF;
  const double eta4 = eta2 * eta2;
  const double V = std::sqrt(1 + eta2);
  const double M = k.c / std::pow(V, 3);  // meridian radius of curvature
  const double N = k.c / V;               // radius of curvature in the prime vertical

  const double phi =
      phiF - t * std::pow(easting, 2) / (2 * M * N) +
      t * std::pow(easting, 4) / (24 * M * std::pow(N, 3)) *
          (5 + 3 * t2 + eta2 - 9 * t2 * eta2 - 4 * eta4) -
      t * std::pow(easting, 6) / (720 * M * std::pow(N, 5)) * (61 + 90 * t2 + 45 * t2 * t2);

  const double dLambda =
      easting / (N * cosPhiF) -
      std::pow(easting, 3) / (6 * std::pow(N, 3) * cosPhiF) * (1 + 2 * t2 + eta2) +
      std::pow(easting, 5) / (120 * std::pow(N, 5) * cosPhiF) * (5 + 28 * t2 + 24 * t2 * t2);

  x = phi * kRadToDeg;
  y = dLambda * kRadToDeg;
  h = p.h;
}
