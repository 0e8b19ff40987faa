// Geoid grid files with any content, GTX or GeoTIFF: the reader refuses or
// gives a sound grid, and the interpolation in a grid it gave returns no
// height or a finite one within the heights of the four nodes around it.
//
// Input: one byte for the format; two 16-bit positions for latitude and
// longitude; then the file content.

#include <cmath>
#include <string>

#include "engine/geoid_grid.h"
#include "fuzz/fuzz_support.h"

using namespace kortavex;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzInput input(data, size);
  const bool tiff = input.byte() % 2 == 1;
  const double latitude = -91 + 182 * (input.u16() / 65535.0);
  const double longitude = -361 + 722 * (input.u16() / 65535.0);
  const std::string path = scratchDirectory() + (tiff ? "/grid.tif" : "/grid.gtx");
  writeFile(path, input.rest());

  const GeoidGridReading reading = readGeoidGrid(path);
  FUZZ_CHECK(!reading.grid != reading.problem.empty());
  if (!reading.grid) return 0;
  const GeoidGrid& grid = *reading.grid;
  FUZZ_CHECK(geoidGridProblem(grid).empty());
  const std::optional<double> height = geoidHeight(grid, latitude, longitude);
  if (height) FUZZ_CHECK(std::isfinite(*height) && std::fabs(*height) <= 1000);
  // the south-west node itself gives its own height
  const float first = grid.heights[0];
  const std::optional<double> atFirst = geoidHeight(grid, grid.south, grid.west);
  FUZZ_CHECK(std::isnan(first) ? true : atFirst && *atFirst == first);
  return 0;
}
