// The conversion chain between the systems of the catalogue: worked examples,
// frame bits, the UTM zone text and MGRS references, and PROJ as an oracle.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "chain/convert.h"

namespace {

const chain::UserSystem kNoUser{0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};

point convert(double first, double second, const std::string& from, const std::string& to,
              double height = 300, const chain::UserSystem& user = kNoUser) {
  // geographic systems take latitude first, as the text rules put it into x
  const bool geographic = from.substr(1, 3) == "000";
  point p = geographic ? point(second, first, height, 0) : point(first, second, height, 0);
  return chain::convertPoint(p, from, to, user);
}

struct Case {
  const char* from;
  const char* to;
  double first, second;  // easting/northing or latitude/longitude
  double y, x;           // expected result members
  double tolerance;
  int flag;
};

// Expected values from the worked examples of the system's documentation
// and, where marked, from PROJ's cs2cs.
const Case kCases[] = {
    // WGS84 48.2/16.37 on MGI: 48.2004998, 16.3712034 (seven decimals)
    {"00000", "A0000", 48.2, 16.37, 16.3712034, 48.2004998, 5e-8, 0},
    // short and full Austrian northing are the same point; BMN34 750 000 is GK M34 0
    {"A3400", "A0000", 0, 300000, 16.3333333333, 47.8391272, 1e-7, 0},
    {"A3400", "A0000", 0, 5300000, 16.3333333333, 47.8391272, 1e-7, 0},
    {"A3410", "A0000", 750000, 300000, 16.3333333333, 47.8391272, 1e-7, 0},
    {"A2810", "A0000", 150000, 300000, 10.3333333333, 47.8391272, 1e-7, 0},
    // German easting with and without the zone digit
    {"D0300", "D0000", 500000, 5300000, 9.0, 47.8391272, 1e-7, 0},
    {"D0300", "D0000", 3500000, 5300000, 9.0, 47.8391272, 1e-7, 0},
    // the M31 meridian lies 3 degrees west of M34: outside the M34 strip
    {"A3100", "A3400", 0, 5300000, -224533.845, 304359.257, 2e-3, FLAG_TARGET_FRAME},
    // GK outside its frame, to DHDN and to WGS84
    {"D0300", "D0000", 3700000, 5300000, 11.68, 47.8, 0.5, FLAG_START_FRAME},
    {"D0300", "00000", 3500000, 7000000, 9, 63, 0.5, FLAG_START_FRAME},
    // Lambert origin and the worked example
    {"ALB00", "A0000", 400000, 400000, 13.333333333, 47.5, 1e-8, 0},
    {"A0000", "ALB00", 48.2, 16.37, 625589.579, 482206.313, 1e-3, 0},
    // Krovak
    {"T0000", "T0100", 50.2090116667, 16.8497719444, 568990.995, 1050538.631, 2e-3, 0},
    {"T0100", "T0000", -1, 1000000, 24.83, 50.93, 0.01, FLAG_START_FRAME},
    // Swiss: the three forms of the origin, and the cancelling CH1903 rows
    {"X0100", "X0000", 2600000, 1200000, 7.4395833333, 46.9524055556, 1e-9, 0},
    {"C0100", "C0110", 600000, 200000, 0, 0, 1e-6, 0},
    {"C0110", "X0100", 0, 0, 2600000, 1200000, 1e-6, 0},
    {"C0100", "X0100", 612345.678, 187654.321, 2612345.678, 1187654.321, 1e-6, 0},
    // UTM
    {"U33N0", "00000", 100000, 5000000, 9.9212659, 45.0404054, 1e-6, FLAG_START_FRAME},
    {"00000", "U9900", 84.5, 10, 510700.247, 9384005.764, 1e-3, FLAG_TARGET_FRAME},
    // both ends outside their frames
    {"A3400", "D0300", 400000, 5300000, 4500000, 5300000, 600000, FLAG_START_FRAME | FLAG_TARGET_FRAME},
    // cs2cs +proj=tmerc +ellps=bessel +lon_0=16.3333333333 +towgs84=577.326,90.129,463.919,
    //   5.1366,1.4742,5.297,2.4232 +to +proj=longlat +datum=WGS84, h = 300: 15.664256034 47.836702312
    {"A3400", "00000", -50000, 5300000, 15.664256034, 47.836702312, 5e-8, 0},
};

TEST(Chain, WorkedExamples) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(std::string(c.from) + " -> " + c.to);
    const point r = convert(c.first, c.second, c.from, c.to);
    EXPECT_NEAR(r.y, c.y, c.tolerance);
    EXPECT_NEAR(r.x, c.x, c.tolerance);
    EXPECT_EQ(r.flag, c.flag);
  }
}

TEST(Chain, HelmertHeightAndRowsThatAreNoExactInverses) {
  const point mgi = convert(48.2, 16.37, "00000", "A0000");
  EXPECT_NEAR(mgi.h, 255.54, 0.005);
  // back to WGS84 with the other published row: a few millimetres off, not more
  const point back = chain::convertPoint(mgi, "A0000", "00000", kNoUser);
  const double metres = std::hypot((back.x - 48.2) * 111200, (back.y - 16.37) * 74100);
  EXPECT_GT(metres, 1e-4);
  EXPECT_LT(metres, 0.02);
}

TEST(Chain, UtmZoneText) {
  struct Zone {
    double lat, lon;
    const char* text;
  };
  const Zone zones[] = {
      {-33.9, 18.4, " 34S H"}, {48.2, 16.37, " 33N U"}, {52.0, -93.0, " 15N U"},
      {60.0, -147.0, " 06N V"}, {78.0, 15.0, " 33N X"}, {-79.9, 0.5, " 31S C"},
  };
  for (const Zone& z : zones) {
    const point r = convert(z.lat, z.lon, "00000", "U9900");
    EXPECT_EQ(r.txt, z.text) << z.lat << " " << z.lon;
    EXPECT_GT(r.x, 0);
  }
}

TEST(Chain, MgrsReferences) {
  // cs2cs +proj=longlat +datum=WGS84 +to +proj=utm +zone=33 +ellps=GRS80: 601799.146 5339437.154
  const point r = convert(48.2, 16.37, "00000", "U9910");
  EXPECT_EQ(r.txt, "33UXP0179939437");
  EXPECT_NEAR(r.y, 601799.146, 1e-3);
  EXPECT_NEAR(r.x, 5339437.154, 1e-3);
  // zone below 10 keeps its leading zero; digits are rounded, letters are not
  EXPECT_EQ(convert(60.0, -147.0, "00000", "U9910").txt.substr(0, 3), "06V");
  // southern hemisphere row letters count from the 10 000 000 m false northing
  EXPECT_EQ(convert(-33.9, 18.4, "00000", "U9910").txt.substr(0, 5), "34HBH");
}

TEST(Chain, LettersStayInsideTheirTables) {
  // latitudes beyond the bands, longitude 180, longitudes past a full turn
  const double places[][2] = {{86, 10}, {-85, 10}, {0, 180}, {10, 400}, {10, -400}, {1e300, 1e300}};
  for (const auto& pl : places) {
    for (const char* target : {"U9900", "U9910"}) {
      const point r = convert(pl[0], pl[1], "00000", target);
      ASSERT_FALSE(r.txt.empty());
      for (char c : r.txt) EXPECT_TRUE(c == ' ' || std::isalnum(static_cast<unsigned char>(c))) << r.txt;
      if (std::fabs(pl[0]) > 84 && std::fabs(pl[0]) < 90) {
        EXPECT_TRUE(r.flag & FLAG_TARGET_FRAME);
      }
    }
  }
  EXPECT_EQ(convert(0, 180, "00000", "U9900").txt, " 60N N");
  EXPECT_EQ(convert(NAN, NAN, "00000", "U9910").txt.size(), 15u);
}

TEST(Chain, UserSystemThatIsWgs84ReproducesWgs84) {
  chain::UserSystem wgs = kNoUser;
  wgs.ellipsoid = 3;
  const point r = convert(47.123456789, 13.987654321, "00000", "Z0000", 300, wgs);
  EXPECT_NEAR(r.x, 47.123456789, 1e-10);
  EXPECT_NEAR(r.y, 13.987654321, 1e-10);
  EXPECT_NEAR(r.h, 300, 1e-6);
}

TEST(Chain, UserSystemsMatchTheCatalogueSystems) {
  // the user set written as the MGI rows and projections gives the MGI results
  chain::UserSystem mgi{-577.326, -90.129, -463.919, 0.9999975768, 5.1366, 1.4742, 5.297,
                        16.3333333333333, 0, 0, 0, 0, -5000000, 0, 1};
  const point gk = convert(48.2, 16.37, "00000", "A3400");
  const point user = convert(48.2, 16.37, "00000", "Z0100", 300, mgi);
  EXPECT_NEAR(user.y, gk.y, 1e-3);
  EXPECT_NEAR(user.x, gk.x, 1e-3);

  mgi.projection = 3;
  mgi.centralMeridian = 13.333333333;
  mgi.latitudeOfOrigin = 47.5;
  mgi.northParallel = 49;
  mgi.southParallel = 46;
  mgi.falseEasting = mgi.falseNorthing = 400000;
  const point lambert = convert(48.2, 16.37, "00000", "ALB00");
  const point userLambert = convert(48.2, 16.37, "00000", "Z0100", 300, mgi);
  EXPECT_NEAR(userLambert.y, lambert.y, 1e-3);
  EXPECT_NEAR(userLambert.x, lambert.x, 1e-3);
  // and back: the user start steps invert the target steps
  const point back = chain::convertPoint(userLambert, "Z0100", "A0000", mgi);
  EXPECT_NEAR(back.x, 48.2004998, 1e-7);
}

TEST(Chain, GeographicPairsOfOneFamilyPassThrough) {
  const point r = convert(48.2, 16.37, "00000", "00000");
  EXPECT_EQ(r.x, 48.2);
  EXPECT_EQ(r.y, 16.37);
}

TEST(Chain, BadEllipsoidCodeReadsNoTable) {
  chain::UserSystem bad = kNoUser;
  bad.ellipsoid = 99;
  chain::UserSystem bessel = kNoUser;
  const point a = convert(48.2, 16.37, "00000", "Z0000", 300, bad);
  const point b = convert(48.2, 16.37, "00000", "Z0000", 300, bessel);
  EXPECT_EQ(a.x, b.x);
  EXPECT_EQ(a.y, b.y);
}

TEST(Chain, FramesOfEveryProjectedFamily) {
  const Case outside[] = {
      {"A3400", "A0000", 200000, 300000, 0, 0, 0, FLAG_START_FRAME},
      {"A3400", "A0000", 0, 5500000, 0, 0, 0, FLAG_START_FRAME},
      {"ALB00", "A0000", 100000, 400000, 0, 0, 0, FLAG_START_FRAME},
      {"S0400", "S0000", 4500000, 5100000, 0, 0, 0, FLAG_START_FRAME},
      {"X0100", "X0000", 2100000, 1200000, 0, 0, 0, FLAG_START_FRAME},
      {"T0100", "T0000", 500000, 400000, 0, 0, 0, FLAG_START_FRAME},
      // a Swiss target outside its frame, within one datum; UTM within the family tests the northing
      {"X0000", "X0100", 46.9, 13.0, 0, 0, 0, FLAG_TARGET_FRAME},
      {"U33S0", "U33N0", 500000, 5000000, 0, 0, 0, FLAG_TARGET_FRAME},
      {"U33N0", "U32N0", 500000, 5300000, 0, 0, 0, FLAG_TARGET_FRAME},
  };
  for (const Case& c : outside) {
    SCOPED_TRACE(std::string(c.from) + " " + std::to_string(c.first) + " " + std::to_string(c.second));
    EXPECT_EQ(convert(c.first, c.second, c.from, c.to).flag, c.flag);
  }
  // on the edge is inside
  EXPECT_EQ(convert(150000, 5450000, "A3400", "A0000").flag, 0);
  EXPECT_EQ(convert(107763, 286024, "ALB00", "A0000").flag, 0);
}

}  // namespace
