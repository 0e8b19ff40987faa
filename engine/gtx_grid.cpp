// GTX geoid grids (the format of NOAA's VDatum, in which PROJ's data has
// published EGM96): a 40-byte big-endian header (latitude and longitude of
// the south-west node, the two steps as doubles, rows and columns as 32-bit
// integers), then the heights as big-endian single floats, row by row from
// the south. -88.8888 and heights beyond 1000 m mark nodes without value.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "engine/geoid_grid.h"
#include "files/byte_order.h"
#include "files/data_file.h"

namespace kortavex {

constexpr std::size_t kHeaderBytes = 40;

GeoidGridReading readGtxGeoidGrid(const std::string& path) {
  const DataFile file(path);
  if (!file.isOpen()) return {nullptr, file.missing() ? "not found" : "cannot be read as a file"};
  unsigned char header[kHeaderBytes];
  if (file.readAt(0, header, kHeaderBytes) != kHeaderBytes)
    return {nullptr, "no GTX grid: shorter than its header"};
  GeoidGrid grid;
  grid.south = doubleAt(header, ByteOrder::BigEndian);
  grid.west = doubleAt(header + 8, ByteOrder::BigEndian);
  grid.latStep = doubleAt(header + 16, ByteOrder::BigEndian);
  grid.lonStep = doubleAt(header + 24, ByteOrder::BigEndian);
  grid.rows = static_cast<std::int32_t>(unsignedAt(header + 32, 4, ByteOrder::BigEndian));
  grid.columns = static_cast<std::int32_t>(unsignedAt(header + 36, 4, ByteOrder::BigEndian));
  // as PROJ reads it: a grid that starts east of 180 degrees starts west of it
  if (grid.west >= 180) grid.west -= 360;
  const long long nodes = static_cast<long long>(grid.rows) * grid.columns;
  if (std::string problem = geoidGridShapeProblem(grid); !problem.empty()) return {nullptr, problem};
  const unsigned long long expected = kHeaderBytes + 4ULL * static_cast<unsigned long long>(nodes);
  if (file.identity().size != expected)
    return {nullptr, "no GTX grid: " + std::to_string(file.identity().size) + " bytes, its header asks for " +
                         std::to_string(expected)};
  grid.heights.resize(static_cast<std::size_t>(nodes));
  constexpr std::size_t kChunkNodes = 1 << 16;
  std::vector<unsigned char> bytes(4 * kChunkNodes);
  for (std::size_t first = 0; first < grid.heights.size(); first += kChunkNodes) {
    const std::size_t count = std::min(kChunkNodes, grid.heights.size() - first);
    if (file.readAt(kHeaderBytes + 4 * first, bytes.data(), 4 * count) != 4 * count)
      return {nullptr, "no GTX grid: its nodes could not be read"};
    for (std::size_t k = 0; k < count; ++k) {
      const float height = floatAt(&bytes[4 * k], ByteOrder::BigEndian);
      // a NaN in the file is no "no data" mark but a damaged node
      if (std::isnan(height))
        return {nullptr, "no GTX grid: node " + std::to_string(first + k + 1) + " is no number"};
      const bool noData = height == -88.8888f || height > 1000 || height < -1000;
      grid.heights[first + k] = noData ? std::numeric_limits<float>::quiet_NaN() : height;
    }
  }
  std::string problem = geoidGridProblem(grid);
  if (!problem.empty()) return {nullptr, problem};
  return {std::make_shared<const GeoidGrid>(std::move(grid)), {}};
}

}  // namespace kortavex
