#pragma once
// The entries of the start-system and target-system lists for a region mask,
// in the order the main window shows them.

#include <string>
#include <vector>

namespace kortavex {

// "WGS84", "MGRS(UTMREF)", "User", the national groups of the mask, a
// separator and the UTM zones of the mask.
std::vector<std::string> startSystemList(int regionMask);

// As the start list, with "UTM" (automatic zone) after "WGS84", and one more
// separator before the zones 1-20 north and before the zones 1-20 south.
std::vector<std::string> targetSystemList(int regionMask);

}  // namespace kortavex
