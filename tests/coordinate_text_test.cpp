// Reading coordinate values and lines, and the result formats.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "chain/system_select.h"
#include "engine/number_text.h"
#include "engine/point.h"
#include "workflow/coordinate_text.h"
#include "workflow/point_conversion.h"

using namespace kortavex;

namespace {

// The code of a display name, as the system selection gives it.
SystemCode code(const char* name) { return systemCode(name, true, 0, SystemCode()); }

TEST(CoordinateText, ValueTexts) {
  const struct {
    const char* text;
    bool isNumber;
    double value;
  } cases[] = {
      {"12,5", true, 12.5},          {"12.5", true, 12.5},        {"  12.5", true, 12.5},
      {"-3.25", true, -3.25},        {"+7", true, 7},             {"1e3", true, 1000},
      {"12.5abc", false, 0},         {"12.5 ", true, 12.5},         {"", false, 0},
      {"abc", false, 0},             {"nan", false, 0},           {"inf", false, 0},
      {"1e999", false, 0},           {"1,5,5", false, 0},         {"-", false, 0},
      {"47\xB0" "30'00.0000\"", true, 47.5},
      // signs of other programs: UTF-8 degree sign, primes, typographic quotes
      {"47\xC2\xB0" "30\xE2\x80\xB2" "36\xE2\x80\xB3", true, 47.51},
      {"47\xB0" "30\xE2\x80\x99" "36\xE2\x80\x9D", true, 47.51},
      {"47\xB0" "30\x92" "36\x94", true, 47.51},
      // a hemisphere letter gives the sign
      {"47\xB0" "30'36\"N", true, 47.51},   {"47\xB0" "30'36\"S", true, -47.51},
      {"16\xB0" "30'36\"e", true, 16.51},   {"16\xB0" "30'36\"W", true, -16.51},
      {"-47\xB0" "30'36\"S", false, 0},
      {"47.51N", true, 47.51},  {"S 47.51", true, -47.51}, {"-47.51N", false, 0}, {"47.51NE", false, 0},
      // before the value too, but only once
      {"N47\xB0" "30'36\"", true, 47.51}, {"w16\xB0" "30.6'", true, -16.51},
      {"N47\xB0" "30'36\"N", false, 0},   {"x47\xB0" "30'", false, 0},
      // every part of a degrees value is a number as a whole
      {"48\xB0" "1x2'", false, 0},         {"48\xB0" "-12'", false, 0},
      {"x\xB0y'z\"", false, 0},            {"48\xB0" "12'36\"\"", false, 0},
      {"48\xB0" "12\xB0", false, 0},       {"48\xB0" "12'3e1", false, 0},
      // as people write them: two apostrophes for the seconds, blanks
      // between the parts and around the value
      {"48\xB0" "12'30.6''", true, 48.2085}, {"48\xB0 12' 36\"", true, 48.21},
      {"48 \xB0 12 ' 36 \"", true, 48.21},    {" 48\xB0" "12'36\" ", true, 48.21},
      {"48\xB0 12' 36\" S", true, -48.21},   {"N 48\xB0 12.6'", true, 48.21},
      {" 48.3 ", true, 48.3},                {"\t-16,5\t", true, -16.5},
      // refused: a blank inside a number, parts that are there but empty,
      // two apostrophes where the minutes end
      {"48\xB0 1 2'", false, 0},             {"1x2", false, 0},
      {"\xB0'\"", false, 0},                 {"\xB0 \xB0", false, 0},
      {"\xB0" "48.2", false, 0},              {"-\xB0" "30'", false, 0},
      {"48\xB0'30\"", false, 0},             {"48\xB0" "12'\"", false, 0},
      {"48\xB0" "12''", false, 0},            {"48 12", false, 0},
      // minutes and seconds below 60
      {"48\xB0" "75'", false, 0},             {"48\xB0" "12'60\"", false, 0},
      {"48\xB0 60' N", false, 0},             {"48\xB0" "59.99'", true, 48.99983333},
  };
  for (const auto& c : cases) {
    const std::optional<double> v = readValueText(c.text);
    EXPECT_EQ(v.has_value(), c.isNumber) << c.text;
    if (v && c.isNumber) {
      EXPECT_DOUBLE_EQ(*v, c.value) << c.text;
    }
  }
  // no value of a coordinate is that long, however it reads
  EXPECT_FALSE(readValueText(std::string(kLongestValue + 1, '1')));
  EXPECT_TRUE(readValueText(std::string(kLongestValue, '0')));
}

TEST(CoordinateText, DegreesMinutesSeconds) {
  const struct {
    const char* text;
    const char* decimal;
  } cases[] = {
      {"47\xB0" "30'00.0000\"", "47.50000000"},
      {"-47\xB0" "30'00.0000\"", "-47.50000000"},
      {"0\xB0" "30'00.0000\"", "0.50000000"},
      {"-0\xB0" "30'00.0000\"", "-0.50000000"},
      {"47\xB0" "30'", "47.50000000"},
      {"47\xB0", "47.00000000"},
      {"48\xB0" "12'36\"", "48.21000000"},
      {"16\xB0" "22'12.5", "16.37013889"},
      {"x\xB0y'z\"", "0.00000000"},
      {"\xB0", "0.00000000"},
  };
  for (const auto& c : cases) EXPECT_EQ(WxMemo1GMS(c.text), c.decimal) << c.text;
}

// A hemisphere letter names its axis: the first value of a pair is a
// latitude, the second a longitude; letters of the other axis are no number.
TEST(CoordinateText, HemisphereLettersNameTheirAxis) {
  const std::string latitude = "48\xB0" "12'", longitude = "16\xB0" "22'";
  EXPECT_TRUE(readValuePair(latitude + "N", longitude + "E"));
  EXPECT_TRUE(readValuePair("S" + latitude, "W" + longitude));
  EXPECT_FALSE(readValuePair(longitude + "E", latitude + "N"));
  EXPECT_FALSE(readValuePair(latitude + "W", longitude));
  EXPECT_FALSE(readValuePair(latitude, "N" + longitude));
}

// A degrees value with one foreign byte put anywhere inside reads as no
// number or as the value it was, never as another number.
TEST(CoordinateText, AForeignByteInADegreesValueNeverGivesAnotherNumber) {
  std::mt19937_64 random(5);
  const std::string foreign = "x#/:;-+ \"'\xB0" "eE%";
  int read = 0;
  for (int n = 0; n < 3000; ++n) {
    const double angle = std::uniform_real_distribution<double>(-180, 180)(random);
    const std::string line = point(angle, angle, 0, 0).ausgebenMinSec();
    std::string text = line.substr(0, line.find(' '));
    const std::size_t at = std::uniform_int_distribution<std::size_t>(0, text.size())(random);
    const char byte = foreign[std::uniform_int_distribution<std::size_t>(0, foreign.size() - 1)(random)];
    text.insert(at, 1, byte);
    const std::optional<double> value = readValueText(text);
    if (!value) continue;
    ++read;
    EXPECT_NEAR(*value, at == 0 && byte == '-' ? -angle : angle, 2e-8) << text;
  }
  EXPECT_GT(read, 40);  // a blank or a sign in front, a letter at the ends
}

TEST(CoordinateText, DmsWrittenIsDmsRead) {
  for (double v : {0.0, 0.5, 10.5, 47.123456789, 89.99999, 179.5, -0.25, -16.37, -47.999999}) {
    const std::string line = point(v, v, 0, 0).ausgebenMinSec();
    const std::string first = line.substr(0, line.find(' '));
    EXPECT_NEAR(*readValueText(first), v, 2e-8) << line;
  }
}

TEST(CoordinateText, InputLines) {
  const struct {
    const char* line;
    bool coordinateLine;
    const char* first;
    const char* second;
  } cases[] = {
      {"12 34", true, "12", "34"},     {"  12    34  ", true, "12", "34"},
      {"12 34 56", false, "", ""},     {"12\t34", true, "12", "34"},
      {"33UXP01", true, "33UXP01", ""}, {"", true, "", ""},
      {"12 34\r", true, "12", "34"},
      // degree values with blanks between their parts: each begins at its degree sign
      {"48\xB0 12' 36\" 16\xB0 22'\t12\"", true, "48\xB0 12' 36\"", "16\xB0 22'\t12\""},
      {"48\xB0 12' N  16\xB0 22' E", true, "48\xB0 12' N", "16\xB0 22' E"},
      {"48\xB0 12' 16.4", false, "", ""},   {"N 48\xB0 16\xB0", false, "", ""},
      {"48\xB0 12' 16\xB0 22' 9\xB0", false, "", ""},
  };
  for (const auto& c : cases) {
    const auto pair = splitInputLine(c.line);
    ASSERT_EQ(pair.has_value(), c.coordinateLine) << c.line;
    if (!pair) continue;
    EXPECT_EQ(pair->first, c.first);
    EXPECT_EQ(pair->second, c.second);
  }
}

// Spreadsheet columns arrive separated by tabs: any run of blanks and tabs
// between the values separates them like one blank; three values stay no
// coordinate line.
TEST(CoordinateText, TabsSeparateValuesLikeBlanks) {
  const std::string gaps[] = {" ", "\t", "\t\t", " \t", "\t ", "  \t  "};
  for (const std::string& gap : gaps) {
    for (const std::string& edge : {std::string(), std::string("\t"), std::string(" ")}) {
      const std::string two = edge + "-50000,5" + gap + "5300000" + edge;
      const auto pair = splitInputLine(two);
      ASSERT_TRUE(pair.has_value()) << two;
      EXPECT_EQ(pair->first, "-50000,5");
      EXPECT_EQ(pair->second, "5300000");
      for (const std::string& gap2 : gaps)
        EXPECT_FALSE(splitInputLine(two + gap2 + "300").has_value()) << two + gap2 + "300";
    }
  }
}

std::vector<std::string> fieldTexts(const std::string& line, char delimiter) {
  std::vector<std::string> out;
  for (const Field& f : splitColumnFields(line, delimiter)) out.push_back(line.substr(f.begin, f.end - f.begin));
  return out;
}

TEST(CoordinateText, ColumnFields) {
  using V = std::vector<std::string>;
  EXPECT_EQ(fieldTexts("  a   b\tc  ", ' '), (V{"a", "b", "c"}));
  EXPECT_EQ(fieldTexts("a b c", ' '), fieldTexts("   a  b    c ", ' '));
  EXPECT_EQ(fieldTexts("p1;;5300000;x", ';'), (V{"p1", "", "5300000", "x"}));
  EXPECT_EQ(fieldTexts(";", ';'), (V{"", ""}));
  EXPECT_EQ(fieldTexts("a,b", ','), (V{"a", "b"}));
  EXPECT_EQ(fieldTexts("", ' '), V{});
}

TEST(CoordinateText, ValuesGoIntoTheirMembers) {
  const PointValues projected = valuesOnAxes({500000, 5300000}, false);
  EXPECT_EQ(projected.east, 500000);
  EXPECT_EQ(projected.north, 5300000);
  const PointValues geographic = valuesOnAxes({48.2, 16.37}, true);
  EXPECT_EQ(geographic.north, 48.2);
  EXPECT_EQ(geographic.east, 16.37);
  EXPECT_FALSE(geographic.height);  // the run's reference height
  EXPECT_TRUE(code("MGI").isGeographic());
  EXPECT_FALSE(code("LAMB-AUT").isGeographic());
  EXPECT_FALSE(code("GK-AUT_M34").isGeographic());
}

TEST(CoordinateText, ResultFormats) {
  const auto line = [](const point& p, const char* target, bool dms = false, ResultForm form = ResultForm::InputWindow,
                       const char* zoneOrReference = "") {
    ConvertedPoint c;
    c.position = p;
    (code(target).isMgrs() ? c.mgrsReference : c.utmZone) = zoneOrReference;
    std::string out;
    appendResultLine(out, c, code(target), dms, form);
    return out;
  };
  const point p(500000.5, 5300000.1234, 0, 0);
  EXPECT_EQ(line(p, "GK-AUT_M34"), "500000.500 5300000.123\n");
  EXPECT_EQ(line(p, "GK-AUT_M34", false, ResultForm::SinglePoint), "500000.500 5300000.123 \n");
  EXPECT_EQ(line(p, "UTM", false, ResultForm::InputWindow, " 33N U"), "500000.500 5300000.123 33N U\n");
  EXPECT_EQ(line(p, "UTM", false, ResultForm::SinglePoint, " 33N U"), "500000.500 5300000.123  33N U\n");
  EXPECT_EQ(line(p, "MGRS(UTMREF)", false, ResultForm::InputWindow, "33UXP0154338361"), "33UXP0154338361\n");
  const point g(16.37, 48.2, 0, 0);
  EXPECT_EQ(line(g, "WGS84"), "48.20000000 16.37000000\n");
  EXPECT_EQ(line(g, "User", true), "48\xB0" "12'00.0000\" 16\xB0" "22'12.0000\"\n");
  EXPECT_EQ(line(point(-5.5, -1.5, 0, 0), "WGS84"), "-1.50000000 -5.50000000\n");
  EXPECT_EQ(line(point(-12.5, 1.5, 0, 0), "LAMB-AUT"), "   -12.500     1.500\n");
}

TEST(CoordinateText, Printvalues) {
  const point p(500000.5, 5300000.1234, 0, 0);
  EXPECT_EQ(printvalues(p, code("GK-AUT_M34")), "  5300000.123 |   500000.500 ");
  EXPECT_EQ(printvalues(point(16.37, 48.2, 0, 0), code("MGI")), " 16.37000000 | 48.20000000 ");
}

TEST(CoordinateText, HeadingLines) {
  EXPECT_EQ(headingLine("GK3_DHDN", code("GK-AUT_M34"), code("GK3_DHDN"), "Helmert"), "* GK3_DHDN * [Helmert]\n");
  EXPECT_EQ(headingLine("DHDN", code("GK3_DHDN"), code("DHDN"), "BeTA2007"), "* DHDN\n");
}

TEST(NumberText, FixedFormatsLikePrintf) {
  const struct {
    double v;
    int width, precision;
    const char* text;
  } cases[] = {
      {5300000.1234, 12, 3, " 5300000.123"}, {0.5, 0, 8, "0.50000000"}, {-0.0, 4, 1, "-0.0"},
      {2.5, 0, 0, "2"}, {0.125, 0, 2, "0.12"}, {1e20, 0, 1, "100000000000000000000.0"},
      {NAN, 5, 2, "  nan"}, {INFINITY, 0, 3, "inf"},
  };
  for (const auto& c : cases) EXPECT_EQ(formatFixed(c.v, c.width, c.precision), c.text);
  EXPECT_EQ(formatInt(7, 5), "    7");
  EXPECT_EQ(numericPrefix("  12.5abc"), 12.5);
  EXPECT_EQ(numericPrefix("abc"), 0);
  EXPECT_EQ(integerPrefix("-3x"), -3);
}

}  // namespace
