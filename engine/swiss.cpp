// Swiss oblique conformal cylindrical projection, swisstopo's rigorous
// formulas and constants (engine/swiss_constants.h): Bessel ellipsoid ->
// sphere of radius R -> sphere rotated so that Bern lies on its equator ->
// Mercator. Coordinates are relative to the projection origin; the
// chain adds the false origin of each grid.
#include "engine/swiss.h"

#include <cmath>

#include "engine/ellipsoid.h"
#include "engine/swiss_constants.h"

namespace kortavex {

namespace {

using namespace swiss;
// derived once here, not tabulated again
constexpr double kHalfR = kR / 2;
constexpr double kInvAlpha = 1 / kAlpha;
constexpr double kAlphaHalfE = kAlpha * kE / 2;
constexpr double kEuler = 2.718281828459045;
constexpr int kLatitudeIterations = 7;

}  // namespace

void swissProjectionForward(point& q) {
  const double phi = q.x * kDegToRad;
  const double lambda = q.y * kDegToRad;
  const double esinPhi = kE * std::sin(phi);

  // Ellipsoid to sphere.
  const double S = kAlpha * std::log(std::tan(kQuarterPi + phi / 2)) -
                   kAlphaHalfE * std::log((1 + esinPhi) / (1 - esinPhi)) + kK;
  const double b = 2 * (std::atan(std::pow(kEuler, S)) - kQuarterPi);
  const double l = kAlpha * (lambda - kLambda0);

  // Rotation to the oblique sphere.
  const double cosL = std::cos(l);
  const double lBar = std::atan(std::sin(l) / (std::sin(kB0) * std::tan(b) + std::cos(kB0) * cosL));
  const double bBar = std::asin(std::cos(kB0) * std::sin(b) - std::sin(kB0) * std::cos(b) * cosL);

  // Mercator projection of the oblique sphere.
  const double sinBBar = std::sin(bBar);
  q.y = kR * lBar;
  q.x = kHalfR * std::log((1 + sinBBar) / (1 - sinBBar));
}

void swissProjectionInverse(point& q) {
  const double lBar = q.y / kR;
  const double bBar = 2 * (std::atan(std::pow(kEuler, q.x / kR)) - kQuarterPi);

  // Back to the normal sphere.
  const double cosLBar = std::cos(lBar);
  const double b = std::asin(std::cos(kB0) * std::sin(bBar) + std::sin(kB0) * std::cos(bBar) * cosLBar);
  const double l = std::atan(std::sin(lBar) / (std::cos(kB0) * cosLBar - std::sin(kB0) * std::tan(bBar)));
  const double lambda = kLambda0 + l / kAlpha;

  // Sphere to ellipsoid by a fixed number of substitutions; the part of the
  // isometric latitude that comes from the sphere is the same in each.
  const double sphereS = kInvAlpha * (std::log(std::tan(kQuarterPi + b / 2)) - kK);
  double phi = b;
  for (int i = 0; i < kLatitudeIterations; ++i) {
    const double S = sphereS + kE * std::log(std::tan(kQuarterPi + std::asin(kE * std::sin(phi)) / 2));
    phi = 2 * std::atan(std::pow(kEuler, S)) - kHalfPi;
  }

  q.x = phi * kRadToDeg;
  q.y = lambda * kRadToDeg;
}

void point::toCH1903Plus(point p) {
  swissProjectionForward(p);
  takeCoordinates(p);
}

void point::fromCH1903Plus(point p) {
  swissProjectionInverse(p);
  takeCoordinates(p);
}

}  // namespace kortavex
