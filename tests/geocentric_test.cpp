// The point record, degrees/minutes/seconds, geocentric conversion and Helmert shifts.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/ellipsoid.h"
#include "engine/point.h"

using namespace kortavex;

namespace {

TEST(Point, DegreesMinutesSeconds) {
  const struct {
    double lat, lon;
    const char* text;
  } cases[] = {
      {47.0, 16.5, "47\xB0" "00'00.0000\" 16\xB0" "30'00.0000\"\n"},
      {10.5, 5.5125, "10\xB0" "30'00.0000\" 05\xB0" "30'45.0000\"\n"},
      {48.2, 10.9999997223, "48\xB0" "12'00.0000\" 11\xB0" "00'00.0000\"\n"},
      {0.0, 179.75, "00\xB0" "00'00.0000\" 179\xB0" "45'00.0000\"\n"},
      // negative angles carry like positive ones and keep their sign below one degree
      {-0.5, -10.9999997223, "-0\xB0" "30'00.0000\" -11\xB0" "00'00.0000\"\n"},
      {-33.9, -5.25, "-33\xB0" "54'00.0000\" -5\xB0" "15'00.0000\"\n"},
  };
  for (const auto& c : cases) EXPECT_EQ(point(c.lon, c.lat, 0, 0).ausgebenMinSec(), c.text);
}

TEST(Point, SetFlagAddsBits) {
  point p(0, 0, 0, 1);
  p.set_flag(2);
  EXPECT_EQ(p.get_flag(), 3);
}

TEST(Geocentric, RoundTripAndQuadrants) {
  for (int code = 0; code < kEllipsoidCount; ++code) {
    const Ellipsoid& e = kEllipsoids[code];
    for (double lon : {-179.9, -135.0, -45.0, 0.0, 45.0, 135.0, 180.0}) {
      for (double lat : {-89.0, -47.3, 0.0, 48.2, 89.5}) {
        point ecef, back;
        ecef.toECEF(point(lon, lat, 312.5, 0), e.a, e.b);
        back.toLLA(ecef, e.a, e.b);
        EXPECT_NEAR(back.x, lat, 1e-10) << lat << " " << lon;
        EXPECT_NEAR(back.y, lon, 1e-10) << lat << " " << lon;
        EXPECT_NEAR(back.h, 312.5, 1e-4) << lat << " " << lon;
      }
    }
  }
}

TEST(Geocentric, PolarAxisGivesThePole) {
  const Ellipsoid& wgs = kEllipsoids[3];
  for (double z : {6356752.31424518 + 100.0, -(6356752.31424518 + 250.0)}) {
    point lla;
    lla.toLLA(point(0, 0, z, 0), wgs.a, wgs.b);
    EXPECT_EQ(lla.x, z > 0 ? 90.0 : -90.0);
    EXPECT_EQ(lla.y, 0.0);
    EXPECT_NEAR(lla.h, z > 0 ? 100.0 : 250.0, 1e-6);
    EXPECT_FALSE(std::isnan(lla.x + lla.y + lla.h));
  }
}

TEST(Geocentric, HelmertIdentitiesAndRotationSense) {
  const point p(2000000, 4000000, 4500000, 0);
  point r;
  r.helmert(p, 0, 0, 0, 0, 0, 0, 1);
  EXPECT_EQ(r.x, p.x);
  EXPECT_EQ(r.y, p.y);
  EXPECT_EQ(r.h, p.h);
  r.helmert(p, 0, 0, 0, 10, -20, 30, 1);
  EXPECT_EQ(r.x, p.x + 10);
  EXPECT_EQ(r.y, p.y - 20);
  EXPECT_EQ(r.h, p.h + 30);
  // rz = 1" turns the axes: a point on the X axis gets Y' = -X sin(1")
  r.helmert(point(0, 6378137, 0, 0), 0, 0, 1, 0, 0, 0, 1);
  EXPECT_NEAR(r.y, -6378137 * std::sin(1.0 / 3600 * kDegToRad), 1e-9);
  // separate scales per axis
  r.helmert9(p, 0, 0, 0, 0, 0, 0, 2, 3, 4);
  EXPECT_EQ(r.x, 2 * p.x);
  EXPECT_EQ(r.y, 3 * p.y);
  EXPECT_EQ(r.h, 4 * p.h);
}

}  // namespace
