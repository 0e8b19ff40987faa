#pragma once
// The entries of the start-system and target-system lists for a region mask,
// in the order the main window shows them.

#include <string>
#include <string_view>
#include <vector>

namespace kortavex {

// "WGS84", "MGRS(UTMREF)", "User", the national groups of the mask, a
// separator and the UTM zones of the mask.
std::vector<std::string> startSystemList(int regionMask);

// As the start list, with "UTM" (automatic zone) after "WGS84", and one more
// separator before the zones 1-20 north and before the zones 1-20 south.
std::vector<std::string> targetSystemList(int regionMask);

// The height systems offered with a system of the lists: for a national
// system those of its country and EGM96; for WGS84, UTM and User every one,
// as ETRS89 coordinates go with each country's heights.
std::vector<std::string> heightSystemList(std::string_view systemName);

}  // namespace kortavex
