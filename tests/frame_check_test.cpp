#include "workflow/frame_check.h"

#include <gtest/gtest.h>

using namespace kortavex;

namespace {

constexpr LineMark U = LineMark::Unmarked, B = LineMark::Blue, R = LineMark::Red;

TEST(FrameCheck, LinesAgainstTheFrameOfTheStartSystem) {
  const struct {
    const char* system;
    const char* line;
    LineMark mark;
  } cases[] = {
      {"GK3_DHDN", "3500000 5500000", U},
      {"GK3_DHDN", "500000 5500000", U},  // zone digit left out
      {"GK3_DHDN", "3700000 5500000", B},
      {"GK3_DHDN", "3500000 5100000", B},
      {"GK3_S42/83", "3650000 6200000", U},
      {"GK5_DHDN", "3500000 5500000", B},  // easting of zone 3
      {"GK2_DHDN", "2350000 5200000", U},
      {"GK-AUT_M31", "0 300000", U},
      {"GK-AUT_M31", "0 5300000", U},
      {"GK-AUT_M31", "0 4000000", B},
      {"GK-AUT_M34", "-150000 300000", U},  // on the bound
      {"GK-AUT_M34", "-150000.001 300000", B},
      {"BMN28", "300000 450000", U},
      {"BMN31", "299999 200000", B},
      {"BMN34", "750000 200000", U},
      {"LAMB-AUT", "107763 575885", U},
      {"LAMB-AUT", "107762 300000", B},
      {"MGI", "48.2 16.4", U},
      {"MGI", "48,2 16,4", U},  // decimal comma
      {"MGI", "50.0 16.4", B},
      {"MGI", "48\xB0" "12'00.0000\" 16\xB0" "24'00.0000\"", U},
      {"MGI", "50\xB0" "00'00.0000\" 16\xB0" "24'00.0000\"", B},
      {"DHDN", "55.3 10", U},
      {"DHDN", "55.6 10", B},
      {"S42/83", "55.3 10", B},
      {"CH1903+/LV95", "2600000 1200000", U},
      {"CH1903+", "47 4", B},
      {"CH1903", "47 8", U},
      {"CH1903/LV03-M", "600000 200000", U},
      {"LIECHT/LV03-C", "-200000 -200000", U},
      {"WGS84", "-90 180", U},
      {"WGS84", "91 0", B},
      {"Krovak", "0 1500000", U},
      {"UTM33N", "500000 5300000", U},
      {"UTM01S", "100000 0", B},
      {"GK3_DHDN", "3500000 5500000 100", R},  // three values: not read
      {"GK3_DHDN", "* 9 9", U},                // comment
      {"GK3_DHDN", "3500000\t9", B},           // a tab separates like a blank
      {"GK3_DHDN", "abc 9", R},                // digits, no coordinate: not read
      {"GK3_DHDN", "abc def", U},              // a heading
      {"GK3_DHDN", "", U},
      {"User", "99999999 0", U},
      {"S-JTSK", "99999999 0", U},
  };
  for (const auto& c : cases)
    EXPECT_EQ(FrameCheck(c.system).check(c.line).mark, c.mark) << c.system << " | " << c.line;
}

TEST(FrameCheck, MgrsReferences) {
  const struct {
    const char* line;
    LineMark mark;
  } cases[] = {
      {"33UXP0154338361", U},
      {"  33UXP0154338361  ", U},
      {"33 UXP0154338361", R},   // a blank: not read
      {"Referenzen", U},         // a heading
      {"*33UXP", U},
      {"33UXP015433836", R},     // odd digit count
      {"33UIP0154338361", R},    // letter I
      {"33uxp0154338361", R},    // passes the syntax test, letters unknown
      {"33AXP0154338361", R},    // no band A
      {"33TXP0154338361", B},    // row north of band T
      {"3", R},
  };
  const FrameCheck check("MGRS(UTMREF)");
  for (const auto& c : cases) EXPECT_EQ(check.check(c.line).mark, c.mark) << c.line;
}

TEST(FrameCheck, SystemsWithoutFrameAndRefusedEntries) {
  EXPECT_FALSE(FrameCheck("User").hasFrame());
  EXPECT_FALSE(FrameCheck("S-JTSK").hasFrame());
  EXPECT_TRUE(FrameCheck("UTM60S").hasFrame());
  EXPECT_TRUE(FrameCheck("MGRS(UTMREF)").hasFrame());
  EXPECT_FALSE(frameCheckAllowed(""));
  EXPECT_FALSE(frameCheckAllowed("--- Deutschland"));
  EXPECT_FALSE(frameCheckAllowed("-------"));
  EXPECT_TRUE(frameCheckAllowed("User"));
  EXPECT_EQ(checkFrames("DHDN", {"55.3 10", "", "55.6 10"}), (std::vector<LineMark>{U, U, B}));
}

}  // namespace
