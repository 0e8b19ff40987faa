#pragma once
// The user-defined system: a datum shift from WGS84 to the user datum, an
// ellipsoid, a projection and their numbers.

#include <array>
#include <string>

struct UserParameterSet {
  // The thirteen numbers in the order in which the conversion chain takes them.
  double dx = 0, dy = 0, dz = 0, scale = 1, rx = 0, ry = 0, rz = 0;
  double centralMeridian = 0, latitudeOfOrigin = 0, northParallel = 0, southParallel = 0;
  double falseEasting = 0, falseNorthing = 0;
  // The same numbers as the user entered them, in the same order.
  std::array<std::string, 13> texts{"0", "0", "0", "1", "0", "0", "0",
                                    "0", "0", "0", "0", "0", "0"};
  int ellipsoid = 0;   // 0 Bessel 1841 ... 4 International 1924
  int projection = 0;  // 0 geographic, 1 Gauss/Krueger, 2 UTM, 3 Lambert
  std::string name;
};
