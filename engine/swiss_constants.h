#pragma once
// The constants of the Swiss oblique conformal cylindrical projection as
// swisstopo publishes them ("Formulas and constants for the calculation of the
// Swiss conformal cylindrical projection and for the transformation between
// coordinate systems"): derived from swisstopo's Bessel 1841 ellipsoid
// (a 6377397.155 m, b 6356078.962822 m, 3.8 micrometres longer than EPSG's
// 1/f 299.1528128 gives) and the fundamental point Bern, 46d57'08.66" N,
// 7d26'22.50" E. tests/constants_test.cpp derives them again.

namespace kortavex {

namespace swiss {

constexpr double kR = 6378815.90365;           // radius of the projection sphere, metres
constexpr double kAlpha = 1.00072913843038;    // spherical / ellipsoidal longitude
constexpr double kK = 0.0030667323772751;      // constant of the latitude mapping
constexpr double kE = 0.08169683121523685;     // first eccentricity
constexpr double kB0 = 0.8186943585816748;     // spherical latitude of Bern, radians
constexpr double kLambda0 = 0.12984522414316146;  // longitude of Bern, radians

}  // namespace swiss

}  // namespace kortavex
