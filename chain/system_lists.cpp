#include "chain/system_lists.h"

#include "chain/catalogue.h"
#include "chain/height_systems.h"

namespace kortavex {

namespace {

std::vector<std::string> buildList(std::vector<std::string> list, int regionMask, bool isTarget) {
  list.emplace_back(kUserName);
  for (const RegionGroup& group : kRegionGroups) {
    if (!(regionMask & group.bit)) continue;
    list.emplace_back(group.header);
    for (int i = 0; i < group.count; ++i) list.emplace_back(group.entries[i].name);
  }
  list.emplace_back(kSeparator);
  for (const UtmBlock& block : kUtmBlocks) {
    if (!(regionMask & block.bit)) continue;
    // the target list sets the first block of each hemisphere apart
    if (isTarget && block.firstZone == 1) list.emplace_back(kSeparator);
    for (int zone = block.firstZone; zone < block.firstZone + 20; ++zone)
      list.push_back(utmDisplayName(zone, block.hemisphere));
  }
  return list;
}

}  // namespace

std::vector<std::string> startSystemList(int regionMask) {
  return buildList({std::string(kWgs84Name), std::string(kMgrsName)}, regionMask, false);
}

std::vector<std::string> targetSystemList(int regionMask) {
  return buildList({std::string(kWgs84Name), std::string(kUtmAutoName), std::string(kMgrsName)},
                   regionMask, true);
}

std::vector<std::string> heightSystemList(std::string_view systemName) {
  int region = 0;
  for (const RegionGroup& group : kRegionGroups)
    for (int i = 0; i < group.count; ++i)
      if (group.entries[i].name == systemName) region = group.bit;
  std::vector<std::string> list;
  for (const chain::HeightSystem& system : chain::heightSystems())
    if (region == 0 || system.region == 0 || system.region == region) list.emplace_back(system.name);
  return list;
}

}  // namespace kortavex
