// Reading MGRS/UTMREF references.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "chain/convert.h"
#include "engine/number_text.h"
#include "engine/point.h"
#include "tests/shell_command.h"
#include "tests/temp_directory.h"

using namespace kortavex;

namespace {

TEST(Mgrs, SyntaxCheck) {
  const struct {
    const char* ref;
    int ok;
  } cases[] = {
      {"33UXP0154338361", 1}, {"33UXP01", 1},           {"33UXP0154", 1},
      {"33UXP015433836", 0},  {"33 UXP01543836", 0},    {"61UXP0154338361", 0},
      {"33UIP0154338361", 0}, {"33UXO0154338361", 0},   {"33UXP", 0},
      {"33UXP0", 0},          {"33UXP015433836100", 0}, {"33UXP01x4", 0},
      {"xxUXP0154", 0},       {"60uxp0154338361", 1},   {"", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(point::MGRScheck(c.ref), c.ok) << c.ref;
}

TEST(Mgrs, DecodesToTheSouthWestCornerOfItsSquare) {
  const struct {
    const char* ref;
    double easting, northing;
  } cases[] = {
      {"33UXP0154338361", 601543, 5338361}, {"33UXP01543836", 601540, 5338360},
      {"33UXP015383", 601500, 5338300},     {"33UXP0133", 601000, 5333000},
      {"33UXP03", 600000, 5330000},
  };
  for (const auto& c : cases) {
    const point p = point::UTMrefBer(c.ref);
    EXPECT_EQ(p.y, c.easting) << c.ref;
    EXPECT_EQ(p.x, c.northing) << c.ref;
    EXPECT_EQ(p.txt, "33N");
    EXPECT_EQ(p.flag, 0);
  }
}

TEST(Mgrs, WritingAndReadingAgree) {
  // references written by the chain read back to the same metre everywhere
  for (double lat = -79.5; lat < 84; lat += 7.3) {
    for (double lon = -179.5; lon < 180; lon += 13.7) {
      const point written = chain::convertPoint(point(lon, lat, 0, 0), SystemCode::wgs84(),
                                                    SystemCode::mgrs(), {});
      const point read = point::UTMrefBer(written.txt);
      ASSERT_EQ(read.flag, 0) << written.txt;
      EXPECT_NEAR(read.y, written.y, 1.0) << written.txt;
      EXPECT_NEAR(read.x, written.x, 1.0) << written.txt;
    }
  }
}

// GeographicLib's GeoConvert writes the references of random points: ours
// name the same grid zone (with the Norway and Svalbard exceptions), band and
// 100 km square, and digits within half a metre (ours are rounded to the
// metre, GeoConvert's millimetres cut).
TEST(Mgrs, WrittenAsGeoConvertWritesThem) {
  if (runShell("command -v GeoConvert").out.empty()) GTEST_SKIP() << "GeoConvert is not installed";
  std::mt19937_64 random(56);
  std::uniform_real_distribution<double> longitude(-180, 180), north(56, 84), everywhere(-80, 84);
  std::vector<point> points;  // two in three where the exceptions lie
  for (int i = 0; i < 3000; ++i) points.emplace_back(longitude(random), i % 3 ? north(random) : everywhere(random), 0, 0);
  TempDirectory dir;
  std::string input;
  for (const point& p : points) input += formatFixed(p.x, 0, 9) + " " + formatFixed(p.y, 0, 9) + "\n";
  dir.write("points", input);
  std::istringstream theirs(runShell("GeoConvert -m -p 3 < '" + dir.file("points") + "'").out);
  for (const point& p : points) {
    std::string reference;
    ASSERT_TRUE(std::getline(theirs, reference));
    const std::string ours = chain::convertPoint(p, SystemCode::wgs84(), SystemCode::mgrs(), {}).txt;
    ASSERT_EQ(ours.substr(0, 5), reference.substr(0, 5)) << p.x << " " << p.y;
    for (int i = 0; i < 2; ++i) {
      const double metres = std::stod(ours.substr(5 + 5 * i, 5)), cut = std::stod(reference.substr(5 + 8 * i, 8)) / 1000;
      EXPECT_LE(std::fabs(std::remainder(metres - cut, 100000)), 0.502) << ours << " " << reference;
    }
  }
}

TEST(Mgrs, EastingJustBelowA100KmLineIsWrittenInTheSquareItRoundsTo) {
  // 499 999.9999 m rounds to 500 000 m: square W (500-600 km) with 00000
  const point written = chain::convertPoint(point(-111.0000000001, -79.5, 0, 0), SystemCode::wgs84(),
                                            SystemCode::mgrs(), {});
  ASSERT_LT(written.y, 500000);
  ASSERT_GT(written.y, 499999.5);
  EXPECT_EQ(written.txt.substr(3, 1), "W");
  EXPECT_NEAR(point::UTMrefBer(written.txt).y, 500000, 1e-9);
}

TEST(Mgrs, FaultyLettersAndBands) {
  for (const char* ref : {"33AXP0154338361", "33BXP01", "33YXP01", "33ZXP01", "33uxp0154338361",
                          "33UAP0154338361", "33UXW0154338361"}) {
    const point p = point::UTMrefBer(ref);
    EXPECT_EQ(p.flag, FLAG_MGRS_LETTER) << ref;
    EXPECT_TRUE(p.txt.empty()) << ref;
  }
  // row D of band U comes after the band's southern limit at 6 300 km: north of 56 degrees
  const point north = point::UTMrefBer("33UXD0154338361");
  EXPECT_EQ(north.flag, FLAG_MGRS_BAND);
  EXPECT_EQ(north.x, 6338361);
}

TEST(Mgrs, TextsThatSkipTheSyntaxCheckReadNothingOutside) {
  // too short, zone without digits, digits that are letters, zone 0 or above 60
  for (const char* ref : {"", "3", "33U", "33UX", "+3UXP01", "3-UXP01", "33UXP0a", "00UXP01",
                          "99UXP01", "33UXP01\xB0"}) {
    const point p = point::UTMrefBer(ref);
    EXPECT_EQ(p.flag, FLAG_MGRS_LETTER) << ref;
    EXPECT_TRUE(p.txt.empty());
  }
  // five characters are a reference to the 100 km square
  const point square = point::UTMrefBer("33UXP");
  EXPECT_EQ(square.flag, 0);
  EXPECT_EQ(square.y, 600000);
}

}  // namespace
