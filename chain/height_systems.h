#pragma once
// The national height systems and EGM96: each a geoid grid (the height of
// its reference surface above the ETRS89/WGS84 ellipsoid) looked up at the
// point's position at the conversion's WGS84 hub. A system name followed by
// "+" and a height system names heights in that system, as EPSG names
// compound systems ("GK3_DHDN+DHHN2016", EPSG:31467+7837).

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/geoid_grid.h"

namespace kortavex {

namespace chain {

struct HeightSystem {
  std::string_view name;  // as the compound names write it: "DHHN2016"
  int epsg;               // the EPSG code of the vertical system
  // PROJ's file names of its grids; a point takes the first found grid
  // that covers it (Bpv: the Czech grid, then the Slovak one).
  std::vector<std::string_view> files;
  std::string_view publisher;  // who publishes the grid, and where
  int region;  // the region bit of the country it belongs to (chain/catalogue.h); 0: world-wide
};

const std::vector<HeightSystem>& heightSystems();
// By name in any case, or by EPSG code ("7837"); nullptr for none.
const HeightSystem* heightSystemNamed(std::string_view name);

// The grids of a height system as loaded for a run.
struct HeightDatum {
  const HeightSystem* system = nullptr;  // none: ellipsoidal heights
  std::vector<GeoidGridHandle> grids;
  // The height of the system's reference surface above the ellipsoid at a
  // latitude and longitude on WGS84; nullopt outside its grids.
  std::optional<double> surfaceHeight(double latitude, double longitude) const;
};

// The grids of `system` found now in the grid folders. The system cannot be
// used where `problem` says which file found is no grid and why, or, with
// no grid found at all, `missing` names the files looked for.
struct HeightDatumLoading {
  HeightDatum datum;
  std::string problem;
  std::string missing;
  bool usable() const { return problem.empty() && missing.empty(); }
};
HeightDatumLoading loadHeightDatum(const HeightSystem& system);

// Where each of the system's files is found now, or empty.
std::vector<std::string> heightGridPaths(const HeightSystem& system);

}  // namespace chain

}  // namespace kortavex
