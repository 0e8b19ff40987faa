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

TEST(Constants, EveryTabulatedConstantFollowsFromItsDefinition) {
  // a and 1/f of the EPSG ellipsoids 7004, 7024, 7019, 7030 and 7022 (epsg.org)
  const long double definitions[kEllipsoidCount][2] = {{6377397.155L, 299.1528128L}, {6378245.0L, 298.3L},
                                                        {6378137.0L, 298.257222101L}, {6378137.0L, 298.257223563L},
                                                        {6378388.0L, 297.0L}};
  const long double pi = std::acos(-1.0L);
  std::vector<std::pair<double, long double>> rows;  // tabulated, derived
  for (int code = 0; code < kEllipsoidCount; ++code) {
    const long double a = definitions[code][0], f = 1 / definitions[code][1];
    const long double b = a * (1 - f), e2 = f * (2 - f), n = f / (2 - f);
    const long double r = (a + b) / 2 * (1 + n * n / 4 + std::pow(n, 4) / 64);
    const Ellipsoid& ell = kEllipsoids[code];
    const MeridianArc& arc = kMeridianArcs[code];
    rows.insert(rows.end(), {{ell.a, a}, {ell.b, b}, {ell.e2, e2}, {ell.e, std::sqrt(e2)},
                             {ell.ePrime2, e2 / (1 - e2)}, {ell.c, a * a / b},
                             {arc.A0, r * pi / 180},
                             {arc.A2, r * (3 * n / 2 - 9 * std::pow(n, 3) / 16 + 3 * std::pow(n, 5) / 32)},
                             {arc.A4, r * (15 * n * n / 16 - 15 * std::pow(n, 4) / 32)},
                             {arc.A6, r * (35 * std::pow(n, 3) / 48 - 105 * std::pow(n, 5) / 256)},
                             {arc.A8, r * 315 * std::pow(n, 4) / 512}, {arc.A10, r * 693 * std::pow(n, 5) / 1280}});
  }
  // swisstopo's Bessel ellipsoid and the fundamental point Bern, 46d57'08.66" N, 7d26'22.50" E
  const long double a = 6377397.155L, b = 6356078.962822L, e2 = 1 - (b / a) * (b / a), e = std::sqrt(e2);
  const long double phi0 = (46 + 57 / 60.0L + 8.66L / 3600) * pi / 180, sinPhi0 = std::sin(phi0);
  const long double alpha = std::sqrt(1 + e2 / (1 - e2) * std::pow(std::cos(phi0), 4));
  const long double b0 = std::asin(sinPhi0 / alpha);
  const long double K = std::log(std::tan(pi / 4 + b0 / 2)) - alpha * std::log(std::tan(pi / 4 + phi0 / 2)) +
                        alpha * e / 2 * std::log((1 + e * sinPhi0) / (1 - e * sinPhi0));
  rows.insert(rows.end(), {{swiss::kE, e}, {swiss::kR, a * std::sqrt(1 - e2) / (1 - e2 * sinPhi0 * sinPhi0)},
                           {swiss::kAlpha, alpha}, {swiss::kB0, b0}, {swiss::kK, K},
                           {swiss::kLambda0, (7 + 26 / 60.0L + 22.5L / 3600) * pi / 180}});
  // 1e-12 of the value, and 1e-12 absolute for values below one
  const char* const names[] = {"a", "b", "e2", "e", "e'2", "c", "A0", "A2", "A4", "A6", "A8", "A10"};
  for (std::size_t i = 0; i < rows.size(); ++i)
    EXPECT_LE(std::fabs(rows[i].first - rows[i].second), 1e-12L * std::fmax(1.0L, std::fabs(rows[i].second)))
        << (i < 60 ? "ellipsoid " + std::to_string(i / 12) + " " + names[i % 12] : "Swiss, row " + std::to_string(i - 60))
        << ": tabulated " << rows[i].first << ", derived " << static_cast<double>(rows[i].second);
}

}  // namespace
