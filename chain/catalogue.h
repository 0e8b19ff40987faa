#pragma once
// The fixed catalogue of coordinate systems: display names, five-character
// system codes and the region bits that put them into the system lists.
//
// System code: [0] datum family ("0" WGS84, "A" MGI, "D" DHDN, "S" S42/83,
// "X" CH1903+, "C" CH1903, "T" S-JTSK, "U" UTM/MGRS, "Z" user), [1-2] zone or
// meridian ("00" geographic), [3] variant, [4] "3" when the datum shift uses
// an NTv2 grid.

#include <string>
#include <string_view>

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
constexpr std::string_view kNoSystemCode = "-----";
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
