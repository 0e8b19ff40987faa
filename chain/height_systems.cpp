// The height systems: EGM96 and the height systems of Germany, Austria,
// Switzerland, Czechia and Slovakia, with the file names of PROJ's data
// (proj-data, cdn.proj.org), whose grids take ETRS89/WGS84 ellipsoidal
// heights to heights in the system ("geoid_like" grids: H = h - N).
#include "chain/height_systems.h"

#include <algorithm>

#include "chain/catalogue.h"
#include "engine/ntv2_grid.h"

namespace kortavex {

namespace chain {

const std::vector<HeightSystem>& heightSystems() {
  static const std::vector<HeightSystem> systems{
      {"EGM96", 5773, {"egm96_15.gtx", "us_nga_egm96_15.tif"},
       "NGA, in Debian's proj-data (egm96_15.gtx) or https://cdn.proj.org/us_nga_egm96_15.tif", 0},
      {"DHHN2016", 7837, {"de_bkg_gcg2016.tif"},
       "BKG (GCG2016), https://gdz.bkg.bund.de; PROJ's copy https://cdn.proj.org/de_bkg_gcg2016.tif", REGION_GERMANY},
      {"GHA", 5778, {"at_bev_GEOID_GRS80_Oesterreich.tif"},
       "BEV, https://www.bev.gv.at; PROJ's copy https://cdn.proj.org/at_bev_GEOID_GRS80_Oesterreich.tif", REGION_AUSTRIA},
      {"LN02", 5728, {"ch_swisstopo_chgeo2004_ETRS89_LN02.tif"},
       "swisstopo (CHGeo2004), https://www.swisstopo.admin.ch; PROJ's copy "
       "https://cdn.proj.org/ch_swisstopo_chgeo2004_ETRS89_LN02.tif", REGION_SWITZERLAND},
      {"LHN95", 5729, {"ch_swisstopo_chgeo2004_ETRS89_LHN95.tif"},
       "swisstopo (CHGeo2004), https://www.swisstopo.admin.ch; PROJ's copy "
       "https://cdn.proj.org/ch_swisstopo_chgeo2004_ETRS89_LHN95.tif", REGION_SWITZERLAND},
      {"Bpv", 8357, {"cz_cuzk_CR-2005.tif", "sk_gku_Slovakia_ETRS89h_to_Baltic1957.tif"},
       "CUZK (CR-2005), https://www.cuzk.cz, and GKU Bratislava, https://www.geoportal.sk; PROJ's copies "
       "https://cdn.proj.org/cz_cuzk_CR-2005.tif, https://cdn.proj.org/sk_gku_Slovakia_ETRS89h_to_Baltic1957.tif", REGION_CZECH_SLOVAKIA},
  };
  return systems;
}

namespace {

bool equalIgnoringCase(std::string_view a, std::string_view b) {
  const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) {
           return lower(x) == lower(y);
         });
}

}  // namespace

const HeightSystem* heightSystemNamed(std::string_view name) {
  for (const HeightSystem& system : heightSystems())
    if (equalIgnoringCase(name, system.name) || name == std::to_string(system.epsg)) return &system;
  return nullptr;
}

std::optional<double> HeightDatum::surfaceHeight(double latitude, double longitude) const {
  for (const GeoidGridHandle& grid : grids)
    if (const std::optional<double> height = geoidHeight(*grid, latitude, longitude)) return height;
  return std::nullopt;
}

std::vector<std::string> heightGridPaths(const HeightSystem& system) {
  std::vector<std::string> paths;
  const std::vector<std::string> directories = gridSearchDirectories();
  for (const std::string_view file : system.files) paths.push_back(findGridFile(std::string(file), directories));
  return paths;
}

HeightDatumLoading loadHeightDatum(const HeightSystem& system) {
  HeightDatumLoading loading;
  loading.datum.system = &system;
  const std::vector<std::string> paths = heightGridPaths(system);
  std::string missing;
  for (std::size_t i = 0; i < paths.size(); ++i) {
    if (paths[i].empty()) {
      missing += (missing.empty() ? "" : ", ") + std::string(system.files[i]);
      continue;
    }
    GeoidGridReading reading = readGeoidGrid(paths[i]);
    if (reading.grid) loading.datum.grids.push_back(std::move(reading.grid));
    else loading.problem += (loading.problem.empty() ? "" : "; ") + paths[i] + ": " + reading.problem;
  }
  if (loading.problem.empty() && loading.datum.grids.empty()) loading.missing = missing;
  return loading;
}

}  // namespace chain

}  // namespace kortavex
