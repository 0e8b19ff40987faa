// Converting the lines of the input window: output text, colours and line marks.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chain/convert.h"
#include "chain/system_select.h"
#include "engine/point.h"
#include "tests/test_support.h"
#include "workflow/input_window_conversion.h"

using namespace kortavex;

namespace {

const MainTexts& english() {
  static const MainTexts texts = [] {
    MainTexts t;
    langset(t, "English");
    return t;
  }();
  return texts;
}

InputWindowResult converted(const ConversionSetup& setup, const std::vector<std::string>& lines) {
  return convertInputWindow(setup, english(), lines);
}

TEST(InputWindow, CoordinateCommentAndEmptyLines) {
  const InputWindowResult r =
      converted(setupFor("GK-AUT_M34", "WGS84"), {"-50000 5300000", "* comment", ""});
  EXPECT_EQ(r.output.text, "* WGS84 * [Helmert]\n47.83670229 15.66425603\n");
  EXPECT_EQ(inColour(r.output, TextColour::Black), r.output.text);
  EXPECT_EQ(r.marks, (std::vector<LineMark>{LineMark::Unmarked, LineMark::Unmarked, LineMark::Unmarked}));
}

TEST(InputWindow, RefusedPairsLeaveTheSetupAlone) {
  ConversionRequest request;
  request.systems.startName = "WGS84";
  request.systems.targetName = "WGS84";
  ConversionSetup s;
  s.systems.startCode = SystemCode("kept");
  EXPECT_EQ(prepareConversion(request, s), SelectionError::SameSystem);
  EXPECT_EQ(s.systems.startCode.text(), "kept");
  request.systems.targetName = "--- Deutschland";
  EXPECT_EQ(prepareConversion(request, s), SelectionError::NoValidSystem);
}

TEST(InputWindow, EmptyWindowWritesTheHeadingOnly) {
  const InputWindowResult r = converted(setupFor("GK3_DHDN", "DHDN"), {});
  EXPECT_EQ(r.output.text, "* DHDN\n");
}

TEST(InputWindow, FramesColourResultAndInputLine) {
  // start outside GK-AUT (easting 400 km) and target outside GK3: both blue
  const InputWindowResult r = converted(setupFor("GK-AUT_M34", "GK3_DHDN"),
                                                 {"400000 5300000", "0 5300000", "x y", "1 2 3"});
  EXPECT_EQ(r.marks[0], LineMark::Blue);
  EXPECT_EQ(r.marks[1], LineMark::Unmarked);
  EXPECT_EQ(r.marks[2], LineMark::Unmarked);
  EXPECT_EQ(r.marks[3], LineMark::Red);  // three values: not read
  const std::string blue = inColour(r.output, TextColour::Blue);
  EXPECT_EQ(std::count(blue.begin(), blue.end(), '\n'), 2);  // both results lie outside GK3
}

TEST(InputWindow, MgrsLines) {
  const InputWindowResult r = converted(
      setupFor("MGRS(UTMREF)", "UTM"),
      {"33UXP0154338361", "33U XP 01543 38361", "33UXP015433836", "33UAP0154338361",
       "33UXD0154338361", "32UPU0000000000"});
  EXPECT_EQ(r.output.text,
            "* UTM\n"
            "601543.000 5338361.000 33N U\n"
            "* *\tnot read\n"
            "* *\tMGRS - faulty\n"
            "* *\tMGRS - faulty\n"
            "601543.000 6338361.000 33N V\n"
            "600000.000 5300000.000 32N T\n");
  EXPECT_EQ(r.marks, (std::vector<LineMark>{LineMark::Unmarked, LineMark::Red, LineMark::Red, LineMark::Red,
                                            LineMark::Blue, LineMark::Unmarked}));
  EXPECT_EQ(inColour(r.output, TextColour::Red), "* *\tnot read\n* *\tMGRS - faulty\n* *\tMGRS - faulty\n");
}

TEST(InputWindow, GeographicInputInDegreesMinutesSeconds) {
  // degrees/minutes/seconds and a decimal comma are read as the decimal value
  ConversionSetup s = setupFor("WGS84", "MGI");
  s.dms = true;
  const InputWindowResult r = converted(s, {"48\xB0" "12'00\" 16,37"});
  const point mgi = chain::convertPoint(point(16.37, 48.2, 300, 0), s.systems.startCode,
                                        s.systems.targetCode, chain::UserSystem());
  EXPECT_EQ(r.output.text, "* MGI * [Helmert]\n" + mgi.ausgebenMinSec());
}

TEST(InputWindow, UserTargetShowsTheSetName) {
  ConversionSetup s = setupFor("WGS84", "User");
  s.user.name = "Mine";
  s.user.system.ellipsoid = 3;
  const InputWindowResult r = converted(s, {"48.2 16.37"});
  EXPECT_EQ(r.output.text, "* Mine * [Helmert]\n48.20000000 16.37000000\n");
}

TEST(InputWindow, AnyBytesOnALine) {
  InputWindowConverter c(setupFor("GK-AUT_M34", "WGS84"), english());
  ColouredText out;
  const std::string lines[] = {std::string("12\0 34", 6), std::string(3000000, '7') + " 1",
                               "\xFF\xFE\x80 \xB0\xB0'", "\xB0 \xB0", "\r\r", std::string(5000000, ' ')};
  for (const std::string& line : lines) c.convertLine(line, out);
  // no line is a point: the first two hold digits and are not read (a value
  // of 3 000 000 digits is none), the others are text (empty degree parts
  // are no number)
  EXPECT_EQ(out.text, "* *\tnot read\n* *\tnot read\n");
}

}  // namespace
