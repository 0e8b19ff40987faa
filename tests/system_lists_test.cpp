#include "chain/system_lists.h"

#include <algorithm>

#include <gtest/gtest.h>

using namespace kortavex;

namespace {

using List = std::vector<std::string>;

List utmZones(int first, char hemisphere) {
  List zones;
  for (int zone = first; zone < first + 20; ++zone) {
    char name[8] = {'U', 'T', 'M', char('0' + zone / 10), char('0' + zone % 10), hemisphere, 0};
    zones.push_back(name);
  }
  return zones;
}

List concat(List a, const List& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

const List kAustria = {"--- \xD6sterreich", "GK-AUT_M34", "GK-AUT_M31", "GK-AUT_M28", "BMN34",
                       "BMN31", "BMN28", "LAMB-AUT", "MGI"};

TEST(SystemLists, NoRegion) {
  EXPECT_EQ(startSystemList(0), (List{"WGS84", "MGRS(UTMREF)", "User", "-------"}));
  EXPECT_EQ(targetSystemList(0), (List{"WGS84", "UTM", "MGRS(UTMREF)", "User", "-------"}));
}

TEST(SystemLists, AustriaOnly) {
  EXPECT_EQ(startSystemList(1), concat(concat({"WGS84", "MGRS(UTMREF)", "User"}, kAustria), {"-------"}));
  EXPECT_EQ(targetSystemList(1),
            concat(concat({"WGS84", "UTM", "MGRS(UTMREF)", "User"}, kAustria), {"-------"}));
}

TEST(SystemLists, SeparatorsBeforeTheUtmBlocks) {
  const struct {
    int mask;
    List startTail;
    List targetTail;
  } cases[] = {
      {0x80, concat({"-------"}, utmZones(1, 'S')), concat({"-------", "-------"}, utmZones(1, 'S'))},
      {0x100, concat({"-------"}, utmZones(21, 'S')), concat({"-------"}, utmZones(21, 'S'))},
      {0x10 | 0x80, concat(concat({"-------"}, utmZones(1, 'N')), utmZones(1, 'S')),
       concat(concat({"-------", "-------"}, utmZones(1, 'N')), concat({"-------"}, utmZones(1, 'S')))},
  };
  for (const auto& c : cases) {
    const List start = startSystemList(c.mask), target = targetSystemList(c.mask);
    EXPECT_EQ(List(start.begin() + 3, start.end()), c.startTail) << c.mask;
    EXPECT_EQ(List(target.begin() + 4, target.end()), c.targetTail) << c.mask;
  }
}

TEST(SystemLists, AllRegions) {
  const List start = startSystemList(1023), target = targetSystemList(1023);
  // 3 fixed, 4 headers + 24 systems, 1 separator, 120 zones (the target: 1 more fixed, 2 more separators)
  EXPECT_EQ(start.size(), 152u);
  EXPECT_EQ(target.size(), 155u);
  EXPECT_EQ(List(start.begin() + 3, start.begin() + 12), kAustria);
  const auto at = [](const List& l, const char* name) {
    return std::find(l.begin(), l.end(), name) - l.begin();
  };
  EXPECT_EQ(start[at(start, "--- Deutschland") + 1], "GK2_DHDN");
  EXPECT_EQ(start[at(start, "--- Schweiz/Liechtenstein") + 5], "CH1903");
  EXPECT_EQ(start[at(start, "--- Cesko/Slovensko") + 2], "Krovak");
  EXPECT_EQ(start[at(start, "UTM01N") - 1], "-------");
  EXPECT_EQ(start[at(start, "UTM01S") - 1], "UTM60N");
  EXPECT_EQ(target[at(target, "UTM01N") - 1], "-------");
  EXPECT_EQ(target[at(target, "UTM01N") - 2], "-------");
  EXPECT_EQ(target[at(target, "UTM01S") - 1], "-------");
  EXPECT_EQ(target[at(target, "UTM01S") - 2], "UTM60N");
  EXPECT_EQ(start.back(), "UTM60S");
  // "UTM" with automatic zone is a target only
  EXPECT_EQ(std::count(start.begin(), start.end(), "UTM"), 0);
  EXPECT_EQ(std::count(target.begin(), target.end(), "UTM"), 1);
}

TEST(SystemLists, BitsBeyondTheTenRegionsChangeNothing) {
  EXPECT_EQ(startSystemList(-1), startSystemList(1023));
  EXPECT_EQ(targetSystemList(1024 | 2), targetSystemList(2));
}

}  // namespace
