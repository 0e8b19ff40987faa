#include "chain/catalogue.h"

#include "engine/number_text.h"

namespace {

constexpr CatalogueEntry kAustria[] = {
    {"GK-AUT_M34", "A3400"}, {"GK-AUT_M31", "A3100"}, {"GK-AUT_M28", "A2800"},
    {"BMN34", "A3410"},      {"BMN31", "A3110"},      {"BMN28", "A2810"},
    {"LAMB-AUT", "ALB00"},   {"MGI", "A0000"},
};
constexpr CatalogueEntry kGermany[] = {
    {"GK2_DHDN", "D0200"},   {"GK3_DHDN", "D0300"},   {"GK4_DHDN", "D0400"},
    {"GK5_DHDN", "D0500"},   {"DHDN", "D0000"},       {"GK3_S42/83", "S0300"},
    {"GK4_S42/83", "S0400"}, {"GK5_S42/83", "S0500"}, {"S42/83", "S0000"},
};
constexpr CatalogueEntry kSwitzerland[] = {
    {"CH1903+/LV95", "X0100"},  {"CH1903+", "X0000"}, {"CH1903/LV03-M", "C0100"},
    {"LIECHT/LV03-C", "C0110"}, {"CH1903", "C0000"},
};
constexpr CatalogueEntry kCzechSlovakia[] = {
    {"S-JTSK", "T0000"},
    {"Krovak", "T0100"},
};

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

std::string_view nationalSystemCode(std::string_view name) {
  for (const RegionGroup& group : kRegionGroups)
    for (int i = 0; i < group.count; ++i)
      if (group.entries[i].name == name) return group.entries[i].code;
  return {};
}
