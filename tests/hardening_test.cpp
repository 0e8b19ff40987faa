// Inputs that the fuzz targets of fuzz/ and the property tests found to be
// mishandled, each kept as a test of the repaired behaviour (the fuzz inputs
// themselves are in the corpora, which the test suite replays).

#include <cmath>
#include <string>

#include <gtest/gtest.h>

#include "chain/convert.h"
#include "engine/point.h"

namespace {

const chain::UserSystem kNoUser{0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};

// A reference of hundreds of digits used to read its digits as one number,
// which overflowed to an infinite easting and northing without a status bit.
// The single-point dialog reads references without the syntax test.
TEST(Hardening, MgrsReferenceOfAnyLengthStaysInItsSquare) {
  const std::string zeros(195, '0');
  const point p = point::UTMrefBer("33UXP01543" + zeros + "38361" + zeros);
  EXPECT_EQ(p.flag, 0);
  EXPECT_EQ(p.txt, "33N");
  // the worked example 33UXP0154338361, with every further digit 0
  EXPECT_NEAR(p.y, 601543, 1e-6);
  EXPECT_NEAR(p.x, 5338361, 1e-6);

  const point nines = point::UTMrefBer("33UXP" + std::string(400, '9') + std::string(400, '9'));
  ASSERT_TRUE(std::isfinite(nines.y) && std::isfinite(nines.x));
  EXPECT_NEAR(nines.y, 700000, 1e-6) << "just below the east edge of square X";
}

// A latitude beyond the pole has no projection: the projections give no
// number, which used to pass every frame test (all comparisons with it are
// false) and reached the output window black, as a good result. (Through a
// datum shift such a latitude comes back from geocentric coordinates as a
// real position, so only conversions within one datum keep it.)
TEST(Hardening, LatitudeBeyondThePoleLiesOutsideEveryTargetFrame) {
  struct Case {
    const char* geographic;
    const char* projected;
  };
  const Case cases[] = {
      {"A0000", "ALB00"}, {"A0000", "A3400"}, {"A0000", "A2810"}, {"D0000", "D0300"},
      {"S0000", "S0400"}, {"T0000", "T0100"}, {"X0000", "X0100"}, {"C0000", "C0100"},
      {"C0000", "C0110"},
  };
  for (const Case& c : cases) {
    for (double latitude : {120.0, 187.0, -100.0, 4000.0}) {
      SCOPED_TRACE(::testing::Message() << c.projected << " at latitude " << latitude);
      const point result =
          chain::convertPoint(point(14.0, latitude, 300, 0), c.geographic, c.projected, kNoUser);
      EXPECT_TRUE(result.flag & FLAG_TARGET_FRAME);
    }
  }
}

// Zones 1 and 60 reach across the date line. A longitude of 179.9 deg used
// to be taken 356.9 deg east of zone 1's meridian (-177 deg) instead of
// 3.1 deg west of it. Expected values from PROJ's cs2cs (+proj=utm).
TEST(Hardening, UtmZonesAtTheDateLineProjectAcrossIt) {
  const point zone1 =
      chain::convertPoint(point(179.9, 60, 0, 0), "00000", "U01N0", kNoUser);
  EXPECT_EQ(zone1.flag, 0);
  EXPECT_NEAR(zone1.y, 327131.364, 0.01);
  EXPECT_NEAR(zone1.x, 6655462.684, 0.01);

  const point zone60 =
      chain::convertPoint(point(-179.8, -45, 0, 0), "00000", "U60S0", kNoUser);
  EXPECT_EQ(zone60.flag, 0);
  EXPECT_NEAR(zone60.y, 752209.107, 0.01);
  EXPECT_NEAR(zone60.x, 5012066.836, 0.01);

  // and back to the same side of the date line (1e-7 deg is 5 mm there)
  const point back = chain::convertPoint(zone1, "U01N0", "00000", kNoUser);
  EXPECT_NEAR(back.y, 179.9, 1e-7);
  EXPECT_NEAR(back.x, 60, 1e-7);
}

// The user system has no frame, so a point its projection gives no numbers
// for used to reach the window black, as a good result: the north pole on a
// Lambert cone that opens to the south lies at infinity, and the apex of a
// cone has no longitude.
TEST(Hardening, UserProjectionWithoutNumbersLiesOutside) {
  chain::UserSystem southernLambert = kNoUser;
  southernLambert.projection = 3;
  southernLambert.latitudeOfOrigin = -30;
  southernLambert.northParallel = -25;
  southernLambert.southParallel = -35;
  southernLambert.centralMeridian = 25;
  const point pole = chain::convertPoint(point(10, 90, 0, 0), "00000", "Z0100", southernLambert);
  EXPECT_TRUE(pole.flag & FLAG_TARGET_FRAME);

  chain::UserSystem lambert = kNoUser;
  lambert.projection = 3;
  lambert.latitudeOfOrigin = 47.5;
  lambert.northParallel = 49;
  lambert.southParallel = 46;
  // the apex: the projection of the north pole
  point apex;
  apex.toLamb(point(0, 90, 0, 0), 0, 47.5, 49, 46);
  const point fromApex = chain::convertPoint(apex, "Z0100", "00000", lambert);
  EXPECT_TRUE(fromApex.flag & FLAG_START_FRAME) << fromApex.y << " " << fromApex.x;

  // a good point of the same system carries no bit
  const point vienna = chain::convertPoint(point(16.37, 48.2, 0, 0), "00000", "Z0100", lambert);
  EXPECT_EQ(vienna.flag, 0);
}

}  // namespace
