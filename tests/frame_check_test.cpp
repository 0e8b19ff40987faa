#include <tuple>

#include "workflow/frame_check.h"

#include <gtest/gtest.h>

using namespace kortavex;

namespace {

constexpr LineMark U = LineMark::Unmarked, B = LineMark::Blue, R = LineMark::Red;

// The bounds of every system's frame are rows of tests/cases/frames.cases;
// here the forms a line may take.
TEST(FrameCheck, LinesAsTheInputWindowReadsThem) {
  const struct {
    const char* system;
    const char* line;
    LineMark mark;
  } cases[] = {
      {"GK5_DHDN", "3500000 5500000", B},  // easting of zone 3
      {"GK-AUT_M31", "0 4000000", B},      // between the short and the full northings
      {"MGI", "48,2 16,4", U},             // decimal comma
      {"MGI", "50,0 16,4", B},
      {"MGI", "48\xB0" "12'00.0000\" 16\xB0" "24'00.0000\"", U},
      {"MGI", "50\xB0" "00'00.0000\" 16\xB0" "24'00.0000\"", B},
      {"GK3_DHDN", "3500000 5500000 100", R},  // three values: not read
      {"GK3_DHDN", "* 9 9", U},                // comment
      {"GK3_DHDN", "3500000\t9", B},           // a tab separates like a blank
      {"GK3_DHDN", "abc 9", R},                // digits, no coordinate: not read
      {"GK3_DHDN", "abc def", U},              // a heading
      {"GK3_DHDN", "", U},
  };
  for (const auto& c : cases)
    EXPECT_EQ(FrameCheck(c.system).check(c.line).mark, c.mark) << c.system << " | " << c.line;
  // with heights the third value is the height, and two values are not read
  for (const auto& [system, line, mark] : {std::tuple("GK5_DHDN", "3500000 5500000 100", B),
                                           std::tuple("GK3_DHDN", "3520000 5540000 100,5", U),
                                           std::tuple("GK3_DHDN", "3520000 5540000", R),
                                           std::tuple("GK3_DHDN", "3520000 5540000 1.1e7", B),
                                           std::tuple("MGI", "48\xB0 12' 00\" 16\xB0 24' 00\" 100", U),
                                           std::tuple("MGI", "50\xB0 00' 00\" 16\xB0 24' 00\" 100", B),
                                           std::tuple("MGRS(UTMREF)", "33UXP0154338361 -2e6", B),
                                           std::tuple("MGRS(UTMREF)", "33UXP0154338361 100", U),
                                           std::tuple("MGRS(UTMREF)", "33UXP0154338361", R)})
    EXPECT_EQ(FrameCheck(system, true).check(line).mark, mark) << system << " | " << line;
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
      {"33uxp0154338361", U},    // lower case names the same square
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
