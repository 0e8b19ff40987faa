// Geoid grids: the checks every reader's grid passes, and the bilinear
// interpolation of PROJ's vertical grids (PROJ's grids.cpp: the four nodes
// around the point, a node without value left out and the remaining weights
// scaled to one; longitudes wrapped at 360 degrees for a grid round the earth).
#include "engine/geoid_grid.h"

#include <cmath>
#include <new>

namespace kortavex {

namespace {

bool endsWith(const std::string& text, const std::string& end) {
  if (text.size() < end.size()) return false;
  for (std::size_t i = 0; i < end.size(); ++i) {
    const char c = text[text.size() - end.size() + i];
    if ((c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c) != end[i]) return false;
  }
  return true;
}

}  // namespace

GeoidGridReading readGeoidGrid(const std::string& path) {
  try {
    if (endsWith(path, ".gtx")) return readGtxGeoidGrid(path);
    if (endsWith(path, ".tif") || endsWith(path, ".tiff")) return readGeoTiffGeoidGrid(path);
  } catch (const std::bad_alloc&) {
    return {nullptr, "no memory for the grid's nodes"};
  }
  return {nullptr, "no geoid grid: neither .gtx nor .tif"};
}

std::string geoidGridShapeProblem(const GeoidGrid& g) {
  if (g.rows < 1 || g.columns < 1 || static_cast<long long>(g.rows) * g.columns > kMostGeoidNodes)
    return "no geoid grid: " + std::to_string(g.rows) + " rows of " + std::to_string(g.columns) + " nodes";
  const double north = g.south + (g.rows - 1) * g.latStep;
  if (!(g.latStep > 0 && g.lonStep > 0 && g.south >= -90 - 1e-9 && north <= 90 + 1e-9 && g.west >= -360 &&
        g.west + (g.columns - 1) * g.lonStep <= 360 && g.lonStep * (g.columns - 1) <= 360))
    return "no geoid grid: its extent lies beyond the earth's";
  return {};
}

std::string geoidGridProblem(const GeoidGrid& g) {
  if (std::string problem = geoidGridShapeProblem(g); !problem.empty()) return problem;
  if (g.heights.size() != static_cast<std::size_t>(g.rows) * static_cast<std::size_t>(g.columns))
    return "no geoid grid: the nodes do not fill its rows";
  for (std::size_t k = 0; k < g.heights.size(); ++k)
    if (!std::isnan(g.heights[k]) && !(std::fabs(g.heights[k]) <= 1000))
      return "no geoid grid: node " + std::to_string(k + 1) + " holds no height";
  return {};
}

std::optional<double> geoidHeight(const GeoidGrid& g, double latitude, double longitude) {
  const double north = g.south + (g.rows - 1) * g.latStep;
  if (!(latitude >= g.south && latitude <= north) || !std::isfinite(longitude)) return std::nullopt;
  double x;
  if (g.fullWorld()) {
    // one turn of the earth, in columns: a last column that repeats the
    // first (a grid from -180 to 180 degrees) lies beyond it
    const double turn = 360 / g.lonStep;
    x = (longitude - g.west) / g.lonStep;
    x = std::fmod(std::fmod(x, turn) + turn, turn);
  } else {
    const double east = g.west + (g.columns - 1) * g.lonStep;
    if (longitude < g.west) longitude += 360;
    else if (longitude > east) longitude -= 360;
    if (!(longitude >= g.west && longitude <= east)) return std::nullopt;
    x = (longitude - g.west) / g.lonStep;
  }
  double y = (latitude - g.south) / g.latStep;
  const int ix = static_cast<int>(std::floor(x)), iy = static_cast<int>(std::floor(y));
  x -= ix;
  y -= iy;
  const int ix2 = ix + 1 < g.columns ? ix + 1 : (g.fullWorld() ? 0 : g.columns - 1);
  const int iy2 = iy + 1 < g.rows ? iy + 1 : g.rows - 1;
  const auto node = [&g](int column, int row) {
    return g.heights[static_cast<std::size_t>(row) * static_cast<std::size_t>(g.columns) +
                     static_cast<std::size_t>(column)];
  };
  const float values[4] = {node(ix, iy), node(ix2, iy), node(ix, iy2), node(ix2, iy2)};
  const double weights[4] = {(1 - x) * (1 - y), x * (1 - y), (1 - x) * y, x * y};
  double sum = 0, totalWeight = 0;
  int used = 0;
  for (int i = 0; i < 4; ++i) {
    if (std::isnan(values[i])) continue;
    sum += values[i] * weights[i];
    totalWeight += weights[i];
    ++used;
  }
  if (used == 0) return std::nullopt;
  return used == 4 ? sum : sum / totalWeight;
}

}  // namespace kortavex
