// MGRS references written by the chain, over the whole earth and against
// GeoConvert (the references read and written case by case are in
// tests/cases/mgrs.cases).
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "chain/convert.h"
#include "engine/number_text.h"
#include "engine/point.h"
#include "tests/test_support.h"

using namespace kortavex;

namespace {

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

// GeographicLib's GeoConvert writes the references of random points, and of
// points on every zone's western edge (6k - 180 deg, which belongs to the
// zone): ours name the same grid zone (with the Norway and Svalbard
// exceptions), band and 100 km square, and digits within half a metre (ours
// are rounded to the metre, GeoConvert's millimetres cut).
TEST(Mgrs, WrittenAsGeoConvertWritesThem) {
  if (runShell("command -v GeoConvert").out.empty()) GTEST_SKIP() << "GeoConvert is not installed";
  std::mt19937_64 random(56);
  std::uniform_real_distribution<double> longitude(-180, 180), north(56, 84), everywhere(-80, 84);
  std::vector<point> points;  // two in three where the exceptions lie
  for (int i = 0; i < 3000; ++i) points.emplace_back(longitude(random), i % 3 ? north(random) : everywhere(random), 0, 0);
  for (int zone = 0; zone < 60; ++zone)
    for (double latitude = -79.75; latitude < 84; latitude += 0.25) points.emplace_back(6.0 * zone - 180, latitude, 0, 0);
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

}  // namespace
