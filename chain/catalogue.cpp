#include "chain/catalogue.h"

#include "engine/number_text.h"

namespace kortavex {

namespace {

// The EPSG codes are those of the coordinate reference system each entry
// is (EPSG Geodetic Parameter Dataset, https://epsg.org): the same datum,
// projection, false origin and unit. The Austrian Gauss-Krueger and BMN
// codes count northings without the 5 000 000 m, as these systems do; the
// Liechtenstein civil coordinates are CH1903 / LV03C-G.
constexpr CatalogueEntry kAustria[] = {
    {"GK-AUT_M34", "A3400", 31256}, {"GK-AUT_M31", "A3100", 31255}, {"GK-AUT_M28", "A2800", 31254},
    {"BMN34", "A3410", 31259},      {"BMN31", "A3110", 31258},      {"BMN28", "A2810", 31257},
    {"LAMB-AUT", "ALB00", 31287},   {"MGI", "A0000", 4312},
};
constexpr CatalogueEntry kGermany[] = {
    {"GK2_DHDN", "D0200", 31466},  {"GK3_DHDN", "D0300", 31467},  {"GK4_DHDN", "D0400", 31468},
    {"GK5_DHDN", "D0500", 31469},  {"DHDN", "D0000", 4314},       {"GK3_S42/83", "S0300", 2397},
    {"GK4_S42/83", "S0400", 2398}, {"GK5_S42/83", "S0500", 2399}, {"S42/83", "S0000", 4178},
};
constexpr CatalogueEntry kSwitzerland[] = {
    {"CH1903+/LV95", "X0100", 2056},   {"CH1903+", "X0000", 4150}, {"CH1903/LV03-M", "C0100", 21781},
    {"LIECHT/LV03-C", "C0110", 21782}, {"CH1903", "C0000", 4149},
};
// EPSG:5513 counts westing and southing, positive, as the program does
// (EPSG:5514 is its negated east/north form).
constexpr CatalogueEntry kCzechSlovakia[] = {
    {"S-JTSK", "T0000", 4156},
    {"Krovak", "T0100", 5513},
};

// WGS 84 and WGS 84 / UTM (north 326zz, south 327zz); ETRS89 / UTM 258zz
// names the same northern zones where EPSG defines it (28-37), since the
// program holds ETRS89 and WGS84 for one datum.
constexpr int kWgs84Epsg = 4326;
constexpr int kUtmNorthEpsg = 32600, kUtmSouthEpsg = 32700;
constexpr int kEtrs89UtmEpsg = 25800, kEtrs89FirstZone = 28, kEtrs89LastZone = 37;

template <int N>
constexpr int countOf(const CatalogueEntry (&)[N]) {
  return N;
}

}  // namespace

// constexpr: in place before any static initializer looks a name up
extern constexpr RegionGroup kRegionGroups[4] = {
    {REGION_AUSTRIA, "--- \xD6sterreich", kAustria, countOf(kAustria)},
    {REGION_GERMANY, "--- Deutschland", kGermany, countOf(kGermany)},
    {REGION_SWITZERLAND, "--- Schweiz/Liechtenstein", kSwitzerland, countOf(kSwitzerland)},
    {REGION_CZECH_SLOVAKIA, "--- Cesko/Slovensko", kCzechSlovakia, countOf(kCzechSlovakia)},
};

const UtmBlock kUtmBlocks[6] = {
    {REGION_UTM_NORTH_1_20, 1, 'N'},  {REGION_UTM_NORTH_21_40, 21, 'N'},
    {REGION_UTM_NORTH_41_60, 41, 'N'}, {REGION_UTM_SOUTH_1_20, 1, 'S'},
    {REGION_UTM_SOUTH_21_40, 21, 'S'}, {REGION_UTM_SOUTH_41_60, 41, 'S'},
};

std::string utmDisplayName(int zone, char hemisphere) {
  std::string name = "UTM";
  if (zone < 10) name += '0';
  name += formatInt(zone);
  name += hemisphere;
  return name;
}

namespace {

template <typename Matches>
const CatalogueEntry* nationalEntry(Matches matches) {
  for (const RegionGroup& group : kRegionGroups)
    for (int i = 0; i < group.count; ++i)
      if (matches(group.entries[i])) return &group.entries[i];
  return nullptr;
}

}  // namespace

std::string_view nationalSystemCode(std::string_view name) {
  const CatalogueEntry* entry = nationalEntry([&](const CatalogueEntry& e) { return e.name == name; });
  return entry ? entry->code : std::string_view();
}

int epsgOfSystem(std::string_view name) {
  if (name == kWgs84Name) return kWgs84Epsg;
  if (const CatalogueEntry* entry = nationalEntry([&](const CatalogueEntry& e) { return e.name == name; }))
    return entry->epsg;
  for (int zone = 1; zone <= 60; ++zone) {
    if (utmDisplayName(zone, 'N') == name) return kUtmNorthEpsg + zone;
    if (utmDisplayName(zone, 'S') == name) return kUtmSouthEpsg + zone;
  }
  return 0;
}

std::string systemNameOfEpsg(int code) {
  if (code == kWgs84Epsg) return std::string(kWgs84Name);
  if (const CatalogueEntry* entry = nationalEntry([&](const CatalogueEntry& e) { return e.epsg == code; }))
    return std::string(entry->name);
  if (code > kUtmNorthEpsg && code <= kUtmNorthEpsg + 60) return utmDisplayName(code - kUtmNorthEpsg, 'N');
  if (code > kUtmSouthEpsg && code <= kUtmSouthEpsg + 60) return utmDisplayName(code - kUtmSouthEpsg, 'S');
  if (code >= kEtrs89UtmEpsg + kEtrs89FirstZone && code <= kEtrs89UtmEpsg + kEtrs89LastZone)
    return utmDisplayName(code - kEtrs89UtmEpsg, 'N');
  return {};
}

}  // namespace kortavex
