#include "cli/system_names.h"

#include <algorithm>

#include "chain/catalogue.h"

namespace kortavex {

namespace {

char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

bool equalIgnoringCase(const std::string& a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return lowerAscii(x) == lowerAscii(y); });
}

constexpr std::string_view kEpsgPrefix = "EPSG:";
constexpr int kKrovakEastNorthEpsg = 5514;

// The system of "EPSG:N"; the name of its list entry or the error.
ListEntry epsgSystem(const std::string& given) {
  const std::string digits = given.substr(kEpsgPrefix.size());
  if (digits.empty() || digits.size() > 6 ||
      !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return {"", "not an EPSG code: " + given};
  const int code = std::stoi(digits);
  // the program's Krovak counts westing and southing, positive
  if (code == kKrovakEastNorthEpsg)
    return {"", "EPSG:5514 counts east and north, the negated values of Krovak, EPSG:5513: "
                "negate both values and give EPSG:5513"};
  std::string name = systemNameOfEpsg(code);
  if (name.empty()) return {"", "EPSG:" + std::to_string(code) + " names no system of kortavex-cli (see --list)"};
  return {name, ""};
}

}  // namespace

ListEntry listEntryNamed(const std::string& given, const std::vector<std::string>& list,
                         const std::string& listName) {
  ListEntry entry;
  for (const std::string& name : list)
    if (equalIgnoringCase(given, name)) entry.name = name;
  if (entry.name.empty() && equalIgnoringCase(given, "MGRS")) entry.name = std::string(kMgrsName);
  if (entry.name.empty() && given.size() > kEpsgPrefix.size() &&
      equalIgnoringCase(given.substr(0, kEpsgPrefix.size()), kEpsgPrefix)) {
    entry = epsgSystem(given);
    if (!entry.error.empty()) return entry;
  }
  if (std::find(list.begin(), list.end(), entry.name) == list.end())
    entry = {"", "not an entry of the " + listName + " list: " + given};
  return entry;
}

}  // namespace kortavex
