// The two readers of geoid grids against a bilinear reader written here:
// GTX and GeoTIFF (tiled and stripped, pixel areas and points) of one grid
// give its heights everywhere and none beyond it. No processes, so that it
// runs on Windows too, in a folder whose name holds ö, ř and ł.
#include <cmath>
#include <filesystem>
#include <random>

#include "tests/geoid_grid_files.h"
#include "tests/test_support.h"

using namespace kortavex;

namespace {

double bilinear(const GeoidGrid& g, double latitude, double longitude) {
  const double row = (latitude - g.south) / g.latStep, column = (longitude - g.west) / g.lonStep;
  const int r = std::min(static_cast<int>(row), g.rows - 2), c = std::min(static_cast<int>(column), g.columns - 2);
  const double t = row - r, u = column - c;
  const auto node = [&g](int i, int j) { return double(g.heights[i * g.columns + j]); };
  return (1 - t) * ((1 - u) * node(r, c) + u * node(r, c + 1)) + t * ((1 - u) * node(r + 1, c) + u * node(r + 1, c + 1));
}

}  // namespace

TEST(GeoidGridFiles, GtxAndGeoTiffReadAsTheGridTheyHold) {
  std::mt19937 random(96);
  const GeoidGrid grid = nationalGrid(47.3, 9.5, 0.05, 33, 41, random);
  TempDirectory dir;
  const std::filesystem::path folder = std::filesystem::u8path(dir.path() + "/H\xC3\xB6hen_\xC5\x99\xC5\x82");
  std::filesystem::create_directory(folder);
  // the test's libtiff writes through narrow names: written here, then moved
  writeGtx(dir.file("g.gtx"), grid);
  writeGeoTiff(dir.file("tiled.tif"), grid, {true, false, true, 32, nullptr});
  writeGeoTiff(dir.file("strips.tif"), grid, {false, true, true, 32, nullptr});
  for (const char* name : {"g.gtx", "tiled.tif", "strips.tif"}) {
    SCOPED_TRACE(name);
    std::filesystem::rename(dir.file(name), folder / name);
    const GeoidGridReading reading = readGeoidGrid((folder / name).u8string());
    ASSERT_TRUE(reading.grid) << reading.problem;
    const double north = grid.south + (grid.rows - 1) * grid.latStep;
    const double east = grid.west + (grid.columns - 1) * grid.lonStep;
    for (int i = 0; i < 1000; ++i) {
      const double latitude = std::uniform_real_distribution<double>(grid.south, north)(random);
      const double longitude = std::uniform_real_distribution<double>(grid.west, east)(random);
      const std::optional<double> height = geoidHeight(*reading.grid, latitude, longitude);
      ASSERT_TRUE(height) << latitude << " " << longitude;
      EXPECT_NEAR(*height, bilinear(grid, latitude, longitude), 1e-9) << latitude << " " << longitude;
    }
    EXPECT_FALSE(geoidHeight(*reading.grid, grid.south - 0.01, grid.west + 0.5));
    EXPECT_FALSE(geoidHeight(*reading.grid, north, east + 0.01));
  }
}

// A world grid from -180 to 180 degrees, its last column repeating the
// first, takes every longitude once around the earth.
TEST(GeoidGridFiles, WorldGridWithARepeatedColumnWrapsOncePerTurn) {
  GeoidGrid world{-90, -180, 10, 30, 19, 13, {}};
  std::mt19937 random(5773);
  for (int r = 0; r < world.rows; ++r)
    for (int c = 0; c < world.columns; ++c)
      world.heights.push_back(c == world.columns - 1 ? world.heights[r * world.columns]
                                                     : std::uniform_real_distribution<float>(-100, 80)(random));
  for (int i = 0; i < 1000; ++i) {
    const double latitude = std::uniform_real_distribution<double>(-90, 90)(random);
    const double longitude = std::uniform_real_distribution<double>(-540, 540)(random);
    const std::optional<double> height = geoidHeight(world, latitude, longitude);
    ASSERT_TRUE(height) << latitude << " " << longitude;
    EXPECT_NEAR(*height, bilinear(world, latitude, std::remainder(longitude, 360)), 1e-6) << latitude << " " << longitude;
  }
}
