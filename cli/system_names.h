#pragma once
// The names of systems on the command line.

#include <string>
#include <vector>

namespace kortavex {

// The entry of `list` that a name given as --from or --to (Windows-1252)
// stands for: the entry itself in any case of its letters, "MGRS" for
// "MGRS(UTMREF)", or "EPSG:N" for the system of that EPSG code. `error`
// says why a name stands for none; `listName` ("start", "target") names
// the list there.
struct ListEntry {
  std::string name;
  std::string error;
};
ListEntry listEntryNamed(const std::string& given, const std::vector<std::string>& list,
                         const std::string& listName);

}  // namespace kortavex
