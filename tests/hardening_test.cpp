// Inputs that the fuzz targets of fuzz/ and the property tests found to be
// mishandled, each kept as a test of the repaired behaviour (the fuzz inputs
// themselves are in the corpora, which the test suite replays; conversion
// cases are in tests/cases/hardening.cases).

#include <cmath>
#include <string>

#include <gtest/gtest.h>

#include "chain/convert.h"
#include "engine/point.h"

using namespace kortavex;

namespace {

// A reference of hundreds of digits used to read its digits as one number,
// which overflowed to an infinite easting and northing without a status bit.
// The single-point dialog reads references without the syntax test.
TEST(Hardening, MgrsReferenceOfAnyLengthStaysInItsSquare) {
  const std::string zeros(195, '0');
  const point p = point::UTMrefBer("33UXP01543" + zeros + "38361" + zeros);
  EXPECT_EQ(p.flag, 0);
  EXPECT_EQ(p.txt, "33N");
  // 33UXP0154338361 with every further digit 0; by hand: column X is the sixth
  // of zone 33's set S-Z (600 km), row P 1 300 km and two 2 000 km cycles up
  // to band U (48-56 deg N): 5 300 km
  EXPECT_NEAR(p.y, 601543, 1e-6);
  EXPECT_NEAR(p.x, 5338361, 1e-6);

  const point nines = point::UTMrefBer("33UXP" + std::string(400, '9') + std::string(400, '9'));
  ASSERT_TRUE(std::isfinite(nines.y) && std::isfinite(nines.x));
  EXPECT_NEAR(nines.y, 700000, 1e-6) << "just below the east edge of square X";
}

// The user system has no frame, so a point its projection gives no numbers
// for used to reach the window black, as a good result: the apex of a cone
// has no longitude (the pole of a cone opening south is a case in tests/cases).
TEST(Hardening, UserProjectionWithoutNumbersLiesOutside) {
  chain::UserSystem lambert;
  lambert.projection = chain::kUserLambert;
  lambert.latitudeOfOrigin = 47.5;
  lambert.northParallel = 49;
  lambert.southParallel = 46;
  // the apex: the projection of the north pole
  point apex;
  apex.toLamb(point(0, 90, 0, 0), 0, 47.5, 49, 46);
  const point fromApex = chain::convertPoint(apex, SystemCode::user(true), SystemCode::wgs84(), lambert);
  EXPECT_TRUE(fromApex.flag & FLAG_START_FRAME) << fromApex.y << " " << fromApex.x;

  // a good point of the same system carries no bit
  const point vienna = chain::convertPoint(point(16.37, 48.2, 0, 0), SystemCode::wgs84(),
                                            SystemCode::user(true), lambert);
  EXPECT_EQ(vienna.flag, 0);
}

}  // namespace
