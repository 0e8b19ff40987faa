// Every tabulated ellipsoid and projection constant, derived again in long
// double from the parameters that define it: a wrong digit in any row fails.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine/ellipsoid.h"
#include "engine/swiss_constants.h"

using namespace kortavex;

namespace {

// a and 1/f of the EPSG ellipsoids 7004, 7024, 7019, 7030 and 7022 (epsg.org)
constexpr struct {
  const char* name;
  long double a, inverseFlattening;
} kDefinitions[kEllipsoidCount] = {
    {"Bessel 1841", 6377397.155L, 299.1528128L},  {"Krassovsky 1940", 6378245.0L, 298.3L},
    {"GRS80", 6378137.0L, 298.257222101L},        {"WGS84", 6378137.0L, 298.257223563L},
    {"International 1924", 6378388.0L, 297.0L},
};

long double degrees(long double d, long double m, long double s) {
  return (d + m / 60 + s / 3600) * std::acos(-1.0L) / 180;
}

TEST(Constants, EveryTabulatedConstantFollowsFromItsDefinition) {
  struct Row {
    std::string name;
    double tabulated;
    long double derived;
  };
  std::vector<Row> rows;
  for (int code = 0; code < kEllipsoidCount; ++code) {
    const std::string name = std::string(kDefinitions[code].name) + " ";
    const long double a = kDefinitions[code].a, f = 1 / kDefinitions[code].inverseFlattening;
    const long double b = a * (1 - f), e2 = f * (2 - f), n = f / (2 - f);
    const long double r = (a + b) / 2 * (1 + n * n / 4 + n * n * n * n / 64);
    const Ellipsoid& ell = kEllipsoids[code];
    const MeridianArc& arc = kMeridianArcs[code];
    rows.insert(rows.end(), {
        {name + "a", ell.a, a},
        {name + "b", ell.b, b},
        {name + "e2", ell.e2, e2},
        {name + "e", ell.e, std::sqrt(e2)},
        {name + "e'2", ell.ePrime2, e2 / (1 - e2)},
        {name + "c", ell.c, a * a / b},
        {name + "A0", arc.A0, r * std::acos(-1.0L) / 180},
        {name + "A2", arc.A2, r * (3 * n / 2 - 9 * std::pow(n, 3) / 16 + 3 * std::pow(n, 5) / 32)},
        {name + "A4", arc.A4, r * (15 * n * n / 16 - 15 * std::pow(n, 4) / 32)},
        {name + "A6", arc.A6, r * (35 * std::pow(n, 3) / 48 - 105 * std::pow(n, 5) / 256)},
        {name + "A8", arc.A8, r * 315 * std::pow(n, 4) / 512},
        {name + "A10", arc.A10, r * 693 * std::pow(n, 5) / 1280},
    });
  }
  // swisstopo's Bessel ellipsoid and the fundamental point Bern
  const long double a = 6377397.155L, b = 6356078.962822L;
  const long double e2 = 1 - (b / a) * (b / a), e = std::sqrt(e2);
  const long double phi0 = degrees(46, 57, 8.66L), sinPhi0 = std::sin(phi0);
  const long double alpha = std::sqrt(1 + e2 / (1 - e2) * std::pow(std::cos(phi0), 4));
  const long double b0 = std::asin(sinPhi0 / alpha);
  const long double quarterPi = std::acos(-1.0L) / 4;
  rows.insert(rows.end(), {
      {"Swiss e", swiss::kE, e},
      {"Swiss R", swiss::kR, a * std::sqrt(1 - e2) / (1 - e2 * sinPhi0 * sinPhi0)},
      {"Swiss alpha", swiss::kAlpha, alpha},
      {"Swiss b0", swiss::kB0, b0},
      {"Swiss K", swiss::kK,
       std::log(std::tan(quarterPi + b0 / 2)) - alpha * std::log(std::tan(quarterPi + phi0 / 2)) +
           alpha * e / 2 * std::log((1 + e * sinPhi0) / (1 - e * sinPhi0))},
      {"Swiss lambda0", swiss::kLambda0, degrees(7, 26, 22.5L)},
  });
  // 1e-12 of the value, and 1e-12 absolute for values below one
  for (const Row& row : rows)
    EXPECT_LE(std::fabs(row.tabulated - row.derived), 1e-12L * std::fmax(1.0L, std::fabs(row.derived)))
        << row.name << ": tabulated " << row.tabulated << ", derived " << static_cast<double>(row.derived);
}

}  // namespace
