// Turning display names into system codes, and refusing pairs.
#include <gtest/gtest.h>
#include <unistd.h>

#include <climits>
#include <string>

#include "chain/system_select.h"
#include "engine/ntv2_grid.h"
#include "tests/test_support.h"

using namespace kortavex;

namespace {

TEST(SystemSelect, NamesToCodes) {
  const struct {
    const char* name;
    bool target;
    int projection;
    const char* code;
  } cases[] = {
      {"GK-AUT_M34", false, 0, "A3400"}, {"BMN28", true, 0, "A2810"},   {"LAMB-AUT", false, 0, "ALB00"},
      {"GK5_S42/83", true, 0, "S0500"},  {"LIECHT/LV03-C", true, 0, "C0110"},
      {"UTM33N", false, 0, "U33N0"},     {"UTM05S", true, 0, "U05S0"},  {"UTM", true, 0, "U9900"},
      {"MGRS(UTMREF)", false, 0, "U9910"}, {"WGS84", true, 0, "00000"}, {"S-JTSK", false, 0, "T0000"},
      {"Krovak", true, 0, "T0100"},      {"--- Deutschland", false, 0, "-----"},
      {"-------", true, 0, "-----"},     {"User", false, 0, "Z0000"},   {"User", true, 3, "Z0100"},
  };
  const SystemCode previous("prev");
  for (const auto& c : cases)
    EXPECT_EQ(systemCode(c.name, c.target, c.projection, previous).text(), c.code) << c.name;
  EXPECT_EQ(systemCode("nothing known", false, 0, previous).text(), "prev");
}

TEST(SystemCode, WhatEachCharacterSays) {
  const struct {
    const char* text;
    char family;
    int zone;
    char variant;
    bool grid, geographic, lambert, mgrs, automaticUtm, southernUtm, groupHeader, complete;
  } cases[] = {
      {"00000", '0', 0, '0', false, true, false, false, false, false, false, true},
      {"A3410", 'A', 34, '1', false, false, false, false, false, false, false, true},
      {"A0003", 'A', 0, '0', true, true, false, false, false, false, false, true},
      {"ALB00", 'A', 0, '0', false, false, true, false, false, false, false, true},
      {"D0303", 'D', 3, '0', true, false, false, false, false, false, false, true},
      {"C0110", 'C', 1, '1', false, false, false, false, false, false, false, true},
      {"U05S0", 'U', 5, 'S', false, false, false, false, false, true, false, true},
      {"U33N0", 'U', 33, 'N', false, false, false, false, false, false, false, true},
      {"U9900", 'U', 99, '0', false, false, false, false, true, false, false, true},
      {"U9910", 'U', 99, '1', false, false, false, true, true, false, false, true},
      {"Z0100", 'Z', 1, '0', false, false, false, false, false, false, false, true},
      {"-----", '-', 0, '-', false, false, false, false, false, false, true, true},
      {"U0", 'U', 0, '0', false, true, false, false, false, false, false, false},  // read as U0000
      {"", '0', 0, '0', false, true, false, false, false, false, false, false},
  };
  for (const auto& c : cases) {
    const SystemCode code(c.text);
    EXPECT_EQ(code.text(), c.text);
    EXPECT_EQ(code.family(), c.family) << c.text;
    EXPECT_EQ(code.zone(), c.zone) << c.text;
    EXPECT_EQ(code.variant(), c.variant) << c.text;
    EXPECT_EQ(code.usesGrid(), c.grid) << c.text;
    EXPECT_EQ(code.isGeographic(), c.geographic) << c.text;
    EXPECT_EQ(code.isLambert(), c.lambert) << c.text;
    EXPECT_EQ(code.isMgrs(), c.mgrs) << c.text;
    EXPECT_EQ(code.isAutomaticUtm(), c.automaticUtm) << c.text;
    EXPECT_EQ(code.isSouthernUtm(), c.southernUtm) << c.text;
    EXPECT_EQ(code.isGroupHeader(), c.groupHeader) << c.text;
    EXPECT_EQ(code.isComplete(), c.complete) << c.text;
  }
  EXPECT_EQ(SystemCode("D0300").withGrid().text(), "D0303");
  EXPECT_EQ(SystemCode("U0").withGrid().text(), "U0");
  EXPECT_EQ(SystemCode::mgrs().inZone("33N").text(), "U33N0");
  EXPECT_EQ(SystemCode::utm("05S").text(), "U05S0");
  EXPECT_EQ(SystemCode::mgrs().zoneText(), "991");
  EXPECT_EQ(SystemCode().text(), "-----");
}

// Runs a selection with the working directory in a fresh temporary directory,
// so that only the grid files written there (and those in /usr/share/proj) exist.
class SelectionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char cwd[PATH_MAX];
    ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
    previous_ = cwd;
    ASSERT_EQ(chdir(dir_.path().c_str()), 0);
  }
  void TearDown() override { EXPECT_EQ(chdir(previous_.c_str()), 0); }

  TempDirectory dir_;
  std::string previous_;
};

TEST_F(SelectionTest, RefusalsInTheirOrder) {
  const struct {
    const char* start;
    const char* target;
    Transformation type;
    SelectionError error;
  } cases[] = {
      {"", "--- Deutschland", Transformation::Helmert, SelectionError::SelectSystems},
      {"UTM33N", "UTM33N", Transformation::Helmert, SelectionError::SameSystem},
      {"WGS84", "MGI", Transformation::BeTA2007, SelectionError::BetaOnlyDhdn},
      {"WGS84", "DHDN", Transformation::AustrianGrid, SelectionError::AtGridOnlyMgi},
      {"CH1903+/LV95", "WGS84", Transformation::CHENYX06, SelectionError::ChenyxOnlyCh1903},
      {"MGI", "WGS84", Transformation::AustrianGrid, SelectionError::AtGridFileMissing},
      {"--- Deutschland", "GK3_DHDN", Transformation::Helmert, SelectionError::NoValidSystem},
      {"WGS84", "-------", Transformation::Helmert, SelectionError::NoValidSystem},
  };
  for (const auto& c : cases)
    EXPECT_EQ(selectSystems(c.start, c.target, c.type, 0).error, c.error) << c.start << " " << c.target;
}

TEST_F(SelectionTest, GridMarksTheCodesOfItsFamily) {
  if (checkGridFile(Grid::BeTA2007) != 0) GTEST_SKIP() << "BETA2007.gsb not installed (proj-data)";
  SystemSelection s = selectSystems("GK3_DHDN", "WGS84", Transformation::BeTA2007, 0);
  EXPECT_EQ(s.error, SelectionError::None);
  EXPECT_EQ(s.systems.startCode.text(), "D0303");
  EXPECT_EQ(s.systems.targetCode, SystemCode::wgs84());
  s = selectSystems("GK3_DHDN", "GK4_DHDN", Transformation::BeTA2007, 0);
  EXPECT_EQ(s.systems.startCode.text(), "D0303");
  EXPECT_EQ(s.systems.targetCode.text(), "D0403");
  // the grid tests pass on the target, then the group header is refused
  EXPECT_EQ(selectSystems("--- Deutschland", "GK3_DHDN", Transformation::BeTA2007, 0).error,
            SelectionError::NoValidSystem);
  // Helmert never marks a code
  EXPECT_EQ(selectSystems("GK3_DHDN", "WGS84", Transformation::Helmert, 0).systems.startCode.text(),
            "D0300");
}

TEST_F(SelectionTest, InvalidGridFileIsRefusedForEveryGrid) {
  // a file of the right name but wrong content, in the working directory, is taken first
  const struct {
    const char* file;
    const char* start;
    Transformation type;
  } cases[] = {{"BETA2007.gsb", "DHDN", Transformation::BeTA2007},
               {"AT_GIS_GRID.gsb", "MGI", Transformation::AustrianGrid},
               {"CHENYX06a.gsb", "CH1903", Transformation::CHENYX06}};
  for (const auto& c : cases) {
    dir_.write(c.file, std::string(1000, 'x'));
    EXPECT_EQ(selectSystems(c.start, "WGS84", c.type, 0).error, SelectionError::GridFileInvalid) << c.file;
  }
}

}  // namespace
