// The conversion chain beyond its cases in tests/cases: heights, the letters
// of zone texts and references, and the user system.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "chain/convert.h"
#include "chain/system_select.h"
#include "tests/test_support.h"

using namespace kortavex;

namespace {

const chain::UserSystem kNoUser;
const SystemCode kWgs84 = SystemCode::wgs84();
const SystemCode kMgi = systemCode("MGI", false, 0, SystemCode());
const SystemCode kUserGeographic = SystemCode::user(false), kUserProjected = SystemCode::user(true);

point convert(double first, double second, const SystemCode& from, const SystemCode& to,
              double height = 300, const chain::UserSystem& user = kNoUser) {
  // geographic systems take latitude first, as the text rules put it into x
  point p = from.isGeographic() ? point(second, first, height, 0) : point(first, second, height, 0);
  return chain::convertPoint(p, from, to, user);
}

TEST(Chain, HelmertHeightAndRowsThatAreNoExactInverses) {
  const point mgi = convert(48.2, 16.37, kWgs84, kMgi);
  EXPECT_NEAR(mgi.h, 255.54, 0.005);
  // back to WGS84 with the other published row: a few millimetres off, not more
  const point back = chain::convertPoint(mgi, kMgi, kWgs84, kNoUser);
  const double metres = metresApart(back, geographic(48.2, 16.37));
  EXPECT_GT(metres, 1e-4);
  EXPECT_LT(metres, 0.02);
}

TEST(Chain, LettersStayInsideTheirTables) {
  // latitudes beyond the bands, longitude 180, longitudes past a full turn
  const double places[][2] = {{86, 10}, {-85, 10}, {0, 180}, {10, 400}, {10, -400}, {1e300, 1e300}};
  for (const auto& pl : places) {
    for (const SystemCode& target : {SystemCode::automaticUtm(), SystemCode::mgrs()}) {
      const point r = convert(pl[0], pl[1], kWgs84, target);
      ASSERT_FALSE(r.txt.empty());
      for (char c : r.txt) EXPECT_TRUE(c == ' ' || std::isalnum(static_cast<unsigned char>(c))) << r.txt;
      if (std::fabs(pl[0]) > 84 && std::fabs(pl[0]) < 90) {
        EXPECT_TRUE(r.flag & FLAG_TARGET_FRAME);
      }
    }
  }
  EXPECT_EQ(convert(0, 180, kWgs84, SystemCode::automaticUtm()).txt, " 60N N");
  EXPECT_EQ(convert(NAN, NAN, kWgs84, SystemCode::mgrs()).txt.size(), 15u);
}

TEST(Chain, UserSystemThatIsWgs84ReproducesWgs84) {
  chain::UserSystem wgs = kNoUser;
  wgs.ellipsoid = 3;
  const point r = convert(47.123456789, 13.987654321, kWgs84, kUserGeographic, 300, wgs);
  EXPECT_NEAR(r.x, 47.123456789, 1e-10);
  EXPECT_NEAR(r.y, 13.987654321, 1e-10);
  EXPECT_NEAR(r.h, 300, 1e-6);
}

TEST(Chain, UserSystemsMatchTheCatalogueSystems) {
  // the user set written as the MGI rows and projections gives the MGI results
  chain::UserSystem mgi;
  mgi.dx = -577.326, mgi.dy = -90.129, mgi.dz = -463.919, mgi.scale = 0.9999975768;
  mgi.rx = 5.1366, mgi.ry = 1.4742, mgi.rz = 5.297;
  mgi.projection = chain::kUserGaussKrueger;
  mgi.centralMeridian = 16.3333333333333;
  mgi.falseNorthing = -5000000;
  const point gk = convert(48.2, 16.37, kWgs84, systemCode("GK-AUT_M34", true, 0, SystemCode()));
  const point user = convert(48.2, 16.37, kWgs84, kUserProjected, 300, mgi);
  EXPECT_NEAR(user.y, gk.y, 1e-3);
  EXPECT_NEAR(user.x, gk.x, 1e-3);

  mgi.projection = 3;
  mgi.centralMeridian = 13.333333333;
  mgi.latitudeOfOrigin = 47.5;
  mgi.northParallel = 49;
  mgi.southParallel = 46;
  mgi.falseEasting = mgi.falseNorthing = 400000;
  const point lambert = convert(48.2, 16.37, kWgs84, systemCode("LAMB-AUT", true, 0, SystemCode()));
  const point userLambert = convert(48.2, 16.37, kWgs84, kUserProjected, 300, mgi);
  EXPECT_NEAR(userLambert.y, lambert.y, 1e-3);
  EXPECT_NEAR(userLambert.x, lambert.x, 1e-3);
  // and back: the user start steps invert the target steps
  const point back = chain::convertPoint(userLambert, kUserProjected, kMgi, mgi);
  EXPECT_NEAR(back.x, 48.2004998, 1e-7);
}

TEST(Chain, GeographicPairsOfOneFamilyPassThrough) {
  const point r = convert(48.2, 16.37, kWgs84, kWgs84);
  EXPECT_EQ(r.x, 48.2);
  EXPECT_EQ(r.y, 16.37);
}

TEST(Chain, BadEllipsoidCodeReadsNoTable) {
  chain::UserSystem bad = kNoUser;
  bad.ellipsoid = 99;
  chain::UserSystem bessel = kNoUser;
  const point a = convert(48.2, 16.37, kWgs84, kUserGeographic, 300, bad);
  const point b = convert(48.2, 16.37, kWgs84, kUserGeographic, 300, bessel);
  EXPECT_EQ(a.x, b.x);
  EXPECT_EQ(a.y, b.y);
}

}  // namespace
