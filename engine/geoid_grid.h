#pragma once
// Geoid grids: the height of the geoid (or of a national height system's
// reference surface) above the ellipsoid on a regular latitude/longitude
// grid, as PROJ's data publishes them in GTX and GeoTIFF files. A grid is
// read whole on loading and shared read-only by the threads of a run.
//
// The readers take a path and give a grid or a clear reason, and throw
// nothing: a GeoTIFF reader for another platform only has to provide
// readGeoTiffGeoidGrid.

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kortavex {

struct GeoidGrid {
  double south = 0, west = 0;       // the first node, degrees
  double latStep = 0, lonStep = 0;  // degrees
  int rows = 0, columns = 0;
  // Rows from south to north, each from west to east, metres; NaN where the
  // grid holds no value (the file's "no data" nodes).
  std::vector<float> heights;

  // The grid goes round the earth: its columns wrap at 360 degrees.
  bool fullWorld() const { return columns * lonStep >= 360 - 1e-9; }
};

using GeoidGridHandle = std::shared_ptr<const GeoidGrid>;

// A grid, or why the file gives none.
struct GeoidGridReading {
  GeoidGridHandle grid;
  std::string problem;  // "no GTX grid: 7 bytes, shorter than its header"
};

// No grid is read beyond this many nodes (256 MB of heights, above EGM2008's
// 2.5' grid of 37 million): a larger header is a damaged file, not a geoid.
inline constexpr long long kMostGeoidNodes = 64LL << 20;

// By the file name's ending: ".gtx" a GTX grid, ".tif"/".tiff" a GeoTIFF
// grid. A grid that does not fit into memory is refused too.
GeoidGridReading readGeoidGrid(const std::string& path);
GeoidGridReading readGtxGeoidGrid(const std::string& path);
GeoidGridReading readGeoTiffGeoidGrid(const std::string& path);

// Checks the rows, columns and extent of a grid, before its nodes are read.
// Empty if they are sound.
std::string geoidGridShapeProblem(const GeoidGrid& grid);
// Checks a grid as a reader made it: its shape, and a height (or "no data")
// at every node. Empty if it is sound.
std::string geoidGridProblem(const GeoidGrid& grid);

// The height of the geoid at a latitude and longitude (degrees), bilinear
// between the four nodes around it as PROJ interpolates vertical grids: a
// node without value drops out and the others are weighted up; nullopt
// outside the grid or with no node around the point holding a value.
std::optional<double> geoidHeight(const GeoidGrid& grid, double latitude, double longitude);

}  // namespace kortavex
