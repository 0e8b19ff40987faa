// Swiss oblique conformal cylindrical projection, the rigorous formulas and
// constants of swisstopo's "Formulas and constants for the calculation of the
// Swiss conformal cylindrical projection and for the transformation between
// coordinate systems": Bessel
// ellipsoid -> sphere of radius R -> sphere rotated so that Bern lies on its
// equator -> Mercator. Coordinates are relative to the projection origin; the
// chain adds the false origin of each grid.
#include <cmath>

#include "engine/ellipsoid.h"
#include "engine/point.h"

namespace kortavex {

namespace {

constexpr double kR = 6378815.90365;        // radius of the projection sphere
constexpr double kHalfR = 3189407.951825;
constexpr double kAlpha = 1.00072913843038;  // spherical / ellipsoidal longitude
constexpr double kInvAlpha = 0.9992713928251118;
constexpr double kK = 0.0030667323772751;    // constant of the latitude mapping
constexpr double kE = 0.08169683121523685;   // first eccentricity of Bessel 1841
constexpr double kAlphaHalfE = 0.04087819975725808;
constexpr double kB0 = 0.8186943585816748;        // spherical latitude of Bern
constexpr double kLambda0 = 0.12984522414316146;  // 7d26'22.5" longitude of Bern
constexpr double kEuler = 2.718281828459045;
constexpr int kLatitudeIterations = 7;

}  // namespace

void point::toCH1903Plus(point p) {
  const double phi = p.x * kDegToRad;
  const double lambda = p.y * kDegToRad;
  const double esinPhi = kE * std::sin(phi);

  // Ellipsoid to sphere.
  const double S = kAlpha * std::log(std::tan(kQuarterPi + phi / 2)) -
                   kAlphaHalfE * std::log((1 + esinPhi) / (1 - esinPhi)) + kK;
  const double b = 2 * (std::atan(std::pow(kEuler, S)) - kQuarterPi);
  const double l = kAlpha * (lambda - kLambda0);

  // Rotation to the oblique sphere.
  const double lBar =
      std::atan(std::sin(l) / (std::sin(kB0) * std::tan(b) + std::cos(kB0) * std::cos(l)));
  const double bBar =
      std::asin(std::cos(kB0) * std::sin(b) - std::sin(kB0) * std::cos(b) * std::cos(l));

  // Mercator projection of the oblique sphere.
  y = kR * lBar;
  x = kHalfR * std::log((1 + std::sin(bBar)) / (1 - std::sin(bBar)));
  h = p.h;
}

void point::fromCH1903Plus(point p) {
  const double lBar = p.y / kR;
  const double bBar = 2 * (std::atan(std::pow(kEuler, p.x / kR)) - kQuarterPi);

  // Back to the normal sphere.
  const double b =
      std::asin(std::cos(kB0) * std::sin(bBar) + std::sin(kB0) * std::cos(bBar) * std::cos(lBar));
  const double l =
      std::atan(std::sin(lBar) / (std::cos(kB0) * std::cos(lBar) - std::sin(kB0) * std::tan(bBar)));
  const double lambda = kLambda0 + l / kAlpha;

  // Sphere to ellipsoid by a fixed number of substitutions.
  double phi = b;
  for (int i = 0; i < kLatitudeIterations; ++i) {
    const double S = kInvAlpha * (std::log(std::tan(kQuarterPi + b / 2)) - kK) +
                     kE * std::log(std::tan(kQuarterPi + std::asin(kE * std::sin(phi)) / 2));
    phi = 2 * std::atan(std::pow(kEuler, S)) - kHalfPi;
  }

  x = phi * kRadToDeg;
  y = lambda * kRadToDeg;
  h = p.h;
}

}  // namespace kortavex
