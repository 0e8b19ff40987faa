#pragma once
// The fixed catalogue of coordinate systems: display names, five-character
// system codes (see chain/system_code.h) and the region bits that put them
// into the system lists. A system of a new datum needs a family row too
// (chain/datum_families.cpp).

#include <string>
#include <string_view>

namespace kortavex {

// Bits of a region mask: which regions the two system lists offer.
enum : int {
  REGION_AUSTRIA = 1,
  REGION_GERMANY = 2,
  REGION_SWITZERLAND = 4,
  REGION_CZECH_SLOVAKIA = 8,
  REGION_UTM_NORTH_1_20 = 16,
  REGION_UTM_NORTH_21_40 = 32,
  REGION_UTM_NORTH_41_60 = 64,
  REGION_UTM_SOUTH_1_20 = 128,
  REGION_UTM_SOUTH_21_40 = 256,
  REGION_UTM_SOUTH_41_60 = 512,
  REGION_ALL = 1023,
};
constexpr int kRegionCount = 10;

struct CatalogueEntry {
  std::string_view name;
  std::string_view code;
  int epsg;  // the EPSG code of this coordinate reference system, 0 if there is none
};

struct RegionGroup {
  int bit;                  // bit of the region mask
  std::string_view header;  // group entry of the lists, no system
  const CatalogueEntry* entries;
  int count;
};

// Austria, Germany, Switzerland/Liechtenstein, Czechia/Slovakia, in list order.
extern const RegionGroup kRegionGroups[4];

// UTM blocks of twenty zones: region bit, first zone, hemisphere letter.
struct UtmBlock {
  int bit;
  int firstZone;
  char hemisphere;
};
extern const UtmBlock kUtmBlocks[6];

constexpr std::string_view kSeparator = "-------";
constexpr std::string_view kWgs84Name = "WGS84";
constexpr std::string_view kUtmAutoName = "UTM";
constexpr std::string_view kMgrsName = "MGRS(UTMREF)";
constexpr std::string_view kUserName = "User";

// "UTM05N" for zone 5 north.
std::string utmDisplayName(int zone, char hemisphere);

// The code of a national system's display name, empty if it is none.
std::string_view nationalSystemCode(std::string_view name);

// The EPSG code of a system of the catalogue by its display name, 0 for
// systems that have none ("UTM", "MGRS(UTMREF)", "User", group entries).
int epsgOfSystem(std::string_view name);

// The display name of the system an EPSG code names, empty if it names none.
// Besides every code of epsgOfSystem, ETRS89 / UTM codes name UTM zones.
std::string systemNameOfEpsg(int code);

}  // namespace kortavex
