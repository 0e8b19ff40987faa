#include "workflow/file_conversion.h"

#include <signal.h>
#include <sys/resource.h>

#include <algorithm>
#include <random>

#include <gtest/gtest.h>

#include "chain/system_select.h"
#include "encoding_oracles.h"
#include "engine/number_text.h"
#include "tests/test_support.h"

using namespace kortavex;

namespace {

// Expected values from PROJ (inverse Gauss-Krueger zone 3 on Bessel, no datum shift):
//   printf '3500000.5 5500000\n3600000 5300000\n' | cs2cs -f %.10f +proj=tmerc +lat_0=0
//     +lon_0=9 +k=1 +x_0=3500000 +y_0=0 +ellps=bessel +to +proj=longlat +ellps=bessel
//   -> 9.0000069229 49.6378160941 and 10.3358539075 47.8313547884
const char* const kLat1 = "49.63781609";
const char* const kLon1 = "9.00000692";
const char* const kLat2 = "47.83135479";
const char* const kLon2 = "10.33585391";
// 49.6378160941 and 9.0000069229 in degrees/minutes/seconds, by hand
const char* const kDmsLat1 = "49\xB0" "38'16.1379\"";
const char* const kDmsLon1 = "09\xB0" "00'00.0249\"";

MainTexts texts(const char* language = "English") {
  MainTexts t;
  langset(t, language);
  return t;
}

constexpr ColumnLayout kSemicolon23{';', 1, 2};
constexpr ColumnLayout kBlank23{' ', 1, 2};

std::vector<std::string> split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::size_t begin = 0;
  for (std::size_t end; (end = text.find(separator, begin)) != std::string::npos; begin = end + 1)
    parts.push_back(text.substr(begin, end - begin));
  parts.push_back(text.substr(begin));
  return parts;
}

struct Converted {
  FileConversionSummary summary;
  std::string target;  // bytes of the copy
};

Converted convertIn(const TempDirectory& dir, const std::string& name, const std::string& bytes,
              const ConversionSetup& setup, const ColumnLayout& layout) {
  dir.write(name, bytes);
  Converted run;
  run.summary = asccvt(dir.file(name), fileIdentity(convertedFileName(dir.file(name))), setup, layout, texts());
  run.target = dir.read(run.summary.targetName);
  return run;
}

TEST(FileConversion, SemicolonFileWithDecimalCommaAndAWordLine) {
  TempDirectory dir;
  const Converted run = convertIn(dir, "pts.txt", "P1;3500000,5;5500000\r\nP2;abc;def\r\n",
                            setupFor("GK3_DHDN", "DHDN"), kSemicolon23);
  EXPECT_EQ(run.summary.status, FileConversionSummary::Status::Written);
  EXPECT_EQ(run.summary.targetName, "pts_cvt.txt");
  EXPECT_EQ(run.target, std::string("*-- Start:GK3_DHDN -> Target:DHDN\n") + "P1;" + kLat1 + ";" +
                            kLon1 + "\nP2;abc;def\n");
  EXPECT_EQ(run.summary.lines.converted, 1u);
  EXPECT_EQ(run.summary.lines.text, 1u);
  EXPECT_EQ(fileConversionReport(run.summary, texts()),
            "* pts_cvt.txt Target generated!\n* (1 lines converted)\n");
  EXPECT_TRUE(fileConversionMessages(run.summary, texts()).empty());
}

TEST(FileConversion, OnlyTheTwoValuesChangeAtTheirOwnFields) {
  const struct {
    const char* what;
    ColumnLayout layout;
    std::string source;
    std::string expected;
  } cases[] = {
      {"blank runs and a remark stay", kBlank23, "  P1    3500000.5   5500000  remark text",
       std::string("  P1    ") + kLat1 + "   " + kLon1 + "  remark text"},
      {"tabs of a converted line stay", kBlank23, "P1\t3500000.5\t5500000",
       std::string("P1\t") + kLat1 + "\t" + kLon1},
      // the point name holds the same text as a value: it must not be touched
      {"name equal to the northing", kSemicolon23, "5500000;3500000.5;5500000",
       std::string("5500000;") + kLat1 + ";" + kLon1},
      {"name equal to the easting", kSemicolon23, "3500000.5;3500000.5;5500000;3500000.5",
       std::string("3500000.5;") + kLat1 + ";" + kLon1 + ";3500000.5"},
      {"columns 3 and 2", {';', 2, 1}, "P1;5500000;3500000.5;x",
       std::string("P1;") + kLon1 + ";" + kLat1 + ";x"},
      {"columns 1 and 5, blanks", {' ', 0, 4}, "3500000.5 a b c 5500000 d",
       std::string(kLat1) + " a b c " + kLon1 + " d"},
  };
  for (const auto& c : cases) {
    TempDirectory dir;
    const Converted run = convertIn(dir, "a.txt", c.source + "\n", setupFor("GK3_DHDN", "DHDN"), c.layout);
    EXPECT_EQ(run.target, "*-- Start:GK3_DHDN -> Target:DHDN\n" + c.expected + "\n") << c.what;
    EXPECT_EQ(run.summary.lines.converted, 1u) << c.what;
  }
}

TEST(FileConversion, DegreesMinutesSecondsForGeographicTargets) {
  TempDirectory dir;
  ConversionSetup setup = setupFor("GK3_DHDN", "DHDN");
  setup.dms = true;
  const Converted run = convertIn(dir, "a.csv", "P1;3500000.5;5500000;r\n", setup, kSemicolon23);
  EXPECT_EQ(run.target, std::string("*-- Start:GK3_DHDN -> Target:DHDN\nP1;") + kDmsLat1 + ";" +
                            kDmsLon1 + ";r\n");

  // and the copy converts back: degree values are read as value texts
  const Converted back = convertIn(dir, "b.csv", "P1;" + std::string(kDmsLat1) + ";" + kDmsLon1 + "\n",
                             setupFor("DHDN", "GK3_DHDN"), kSemicolon23);
  const std::vector<std::string> lines = split(back.target, '\n');
  ASSERT_EQ(lines.size(), 3u);
  const std::vector<std::string> fields = split(lines[1], ';');
  ASSERT_EQ(fields.size(), 3u);
  // seconds with 4 decimals are about 3 mm
  EXPECT_NEAR(numericPrefix(fields[1]), 3500000.5, 0.01);
  EXPECT_NEAR(numericPrefix(fields[2]), 5500000.0, 0.01);
}

// A file keeps its encoding: the UTF-8 version of a Windows-1252 file, with
// or without byte-order mark, converts into the UTF-8 version of its copy,
// degree signs and names included; the first line after the mark is a
// coordinate line like the others. Random files of Gauss-Krueger points and
// of degrees/minutes/seconds, both ways.
TEST(FileConversion, Utf8FilesKeepTheirEncodingAndByteOrderMark) {
  std::mt19937 random(1252);
  std::uniform_real_distribution<double> easting(3420000, 3580000), northing(5300000, 5900000);
  std::uniform_int_distribution<int> degrees(47, 54), minutes(0, 59), seconds(0, 59);
  TempDirectory dir;
  for (int round = 0; round < 16; ++round) {
    const bool fromDms = round % 2 == 1;
    ConversionSetup setup = fromDms ? setupFor("DHDN", "GK3_DHDN") : setupFor("GK3_DHDN", "DHDN");
    setup.dms = !fromDms;
    std::string source;
    for (int line = 0; line < 30; ++line) {
      source += randomCp1252Word(random) + (line == 0 ? "\xE4" : "") + ";";
      if (fromDms) {
        source += formatInt(degrees(random)) + "\xB0" + formatInt(minutes(random)) + "'" +
                  formatInt(seconds(random)) + "\";" + formatInt(degrees(random) - 38) + "\xB0" +
                  formatInt(minutes(random)) + "'0\"";
      } else {
        source += formatFixed(easting(random), 0, 3) + ";" + formatFixed(northing(random), 0, 3);
      }
      source += ";" + randomCp1252Word(random) + (line % 7 == 3 ? "\r\n\n" : "\n");
    }
    ASSERT_FALSE(wellFormedUtf8(source));
    const std::string utf8 = utf8Of(source);
    const Converted cp1252Copy = convertIn(dir, "w.txt", source, setup, kSemicolon23);
    const Converted utf8Copy = convertIn(dir, "u.txt", utf8, setup, kSemicolon23);
    const Converted bomCopy = convertIn(dir, "b.txt", std::string(kByteOrderMark) + utf8, setup, kSemicolon23);
    ASSERT_EQ(cp1252Copy.summary.lines.converted, 30u);
    EXPECT_FALSE(cp1252Copy.summary.encoding.utf8);
    EXPECT_TRUE(utf8Copy.summary.encoding.utf8 && !utf8Copy.summary.encoding.byteOrderMark);
    EXPECT_TRUE(bomCopy.summary.encoding.byteOrderMark);
    EXPECT_EQ(utf8Copy.target, utf8Of(cp1252Copy.target)) << round;
    EXPECT_EQ(bomCopy.target, std::string(kByteOrderMark) + utf8Of(cp1252Copy.target)) << round;
    EXPECT_EQ(bomCopy.summary.lines.converted, 30u);
  }
}

// A file of nothing but ASCII gives no sign of UTF-8 and stays
// Windows-1252; with a byte-order mark it is UTF-8.
TEST(FileConversion, AsciiFileStaysWindows1252UnlessItHasAByteOrderMark) {
  TempDirectory dir;
  ConversionSetup setup = setupFor("GK3_DHDN", "DHDN");
  setup.dms = true;
  const std::string source = "P1;3500000.5;5500000\n";
  const Converted plain = convertIn(dir, "a.txt", source, setup, kSemicolon23);
  const Converted marked = convertIn(dir, "m.txt", std::string(kByteOrderMark) + source, setup, kSemicolon23);
  EXPECT_NE(plain.target.find(kDmsLat1), std::string::npos) << plain.target;
  EXPECT_EQ(marked.target, std::string(kByteOrderMark) + utf8Of(plain.target));
}

TEST(FileConversion, RoundTripThroughTwoCopiesRestoresTheValues) {
  TempDirectory dir;
  std::string source;
  const double points[][2] = {{3500000.5, 5500000}, {3600000, 5300000}, {3412345.678, 6012345.678}};
  for (const auto& p : points)
    source += "id;" + formatFixed(p[0], 0, 3) + ";" + formatFixed(p[1], 0, 3) + ";end\n";
  const Converted there = convertIn(dir, "r.txt", source, setupFor("GK3_DHDN", "DHDN"), kSemicolon23);
  const Converted back = convertIn(dir, "r_cvt.txt", there.target, setupFor("DHDN", "GK3_DHDN"), kSemicolon23);
  EXPECT_EQ(back.summary.targetName, "r_cvt_cvt.txt");
  EXPECT_EQ(back.summary.lines.converted, 3u);
  EXPECT_EQ(back.summary.lines.text, 1u);  // the heading of the first copy
  const std::vector<std::string> lines = split(back.target, '\n');
  ASSERT_EQ(lines.size(), 6u);  // two headings, three points, nothing after the last line end
  for (std::size_t i = 0; i < 3; ++i) {
    const std::vector<std::string> f = split(lines[i + 2], ';');
    ASSERT_EQ(f.size(), 4u) << lines[i + 2];
    // 8 decimals of a degree are about a millimetre
    EXPECT_NEAR(numericPrefix(f[1]), points[i][0], 0.002) << lines[i + 2];
    EXPECT_NEAR(numericPrefix(f[2]), points[i][1], 0.002) << lines[i + 2];
    EXPECT_EQ(f[3], "end");
  }
}

TEST(FileConversion, EmptyLinesDroppedMixedLineEndsAndCopiedLinesGetBlanksForTabs) {
  TempDirectory dir;
  const Converted run = convertIn(dir, "m.txt", "Title\twith tab\r\n\r\n\nP1 3500000.5 5500000\rP2 3600000 5300000",
                            setupFor("GK3_DHDN", "DHDN"), kBlank23);
  EXPECT_EQ(run.target, std::string("*-- Start:GK3_DHDN -> Target:DHDN\nTitle with tab\nP1 ") + kLat1 +
                            " " + kLon1 + "\nP2 " + kLat2 + " " + kLon2 + "\n");
  EXPECT_EQ(run.summary.lines.converted, 2u);
  EXPECT_EQ(run.summary.lines.text, 1u);
}

TEST(FileConversion, UnusableColumnsAndDelimitersCopyEveryLine) {
  const std::string nul("3500000.5\0" "5500000", 17);
  const std::string lines = "a;3500000.5;5500000;3;4;5;6;7;8;3500000.5;5500000\n" + nul + "\n3500000.5 5500000\n";
  const ColumnLayout layouts[] = {
      {';', 9, 10},     // columns 10 and 11 exist in the first line but are no column numbers
      {';', -1, 2},     // a column line that was missing
      {';', 1, 1},      // both values in one column
      {'\0', 0, 1},     // delimiter line that was empty
      {'x', 0, 1},      // a delimiter no list offers
      {' ', 1000000, -2147483647 - 1},
  };
  for (const ColumnLayout& layout : layouts) {
    TempDirectory dir;
    const Converted run = convertIn(dir, "c.txt", lines, setupFor("GK3_DHDN", "DHDN"), layout);
    EXPECT_EQ(run.target, "*-- Start:GK3_DHDN -> Target:DHDN\n" + lines) << layout.eastingColumn;
    EXPECT_EQ(run.summary.lines.converted, 0u);
    EXPECT_EQ(run.summary.lines.notRead, 3u);
  }
}

TEST(FileConversion, AnyBytesAndHugeLinesAreCopiedExactly) {
  TempDirectory dir;
  const char controlBytes[] = "\0\x01\x80\x9F\xB0\xFF;x;y\n";
  const std::string copied = std::string(controlBytes, sizeof controlBytes - 1) +
                             "Gr\xC3\xBC\xC3\x9F" "e;\xC3\xA4;\xE4;UTF-8\n";
  // no coordinate line is that long: copied through, not converted
  const std::string longLine = std::string(4 << 20, 'z') + ";3500000.5;5500000\n";
  const Converted run = convertIn(dir, "b.txt", copied + longLine + "n;3500000.5;5500000\n",
                            setupFor("GK3_DHDN", "DHDN"), kSemicolon23);
  ASSERT_EQ(run.summary.status, FileConversionSummary::Status::Written);
  EXPECT_EQ(run.summary.lines.converted, 1u);
  EXPECT_EQ(run.summary.lines.text, 2u);
  EXPECT_EQ(run.summary.lines.firstNotReadLines, std::vector<std::uint64_t>{3});
  EXPECT_TRUE(run.target == "*-- Start:GK3_DHDN -> Target:DHDN\n" + copied + longLine + "n;" + kLat1 +
                                ";" + kLon1 + "\n");
}

TEST(FileConversion, LinesKeepTheirOrderAcrossBatches) {
  // more lines than one batch holds, lines near the longest line that end
  // batches early, and longer ones that are copied through in parts
  std::string source, expected = "*-- Start:GK3_DHDN -> Target:DHDN\n";
  const std::string values = ";3500000.5;5500000";
  std::uint64_t converted = 0, notRead = 0;
  for (int i = 0; i < 30000; ++i) {
    const std::string n = formatInt(i);
    std::string name = n;
    if (i % 5000 == 7) name += std::string(kLongestLine - values.size() - n.size() + i / 5000 % 2, '\t');
    if (i % 5000 == 9) name += std::string(3 << 20, 'n');
    const bool tooLong = name.size() + values.size() > kLongestLine;
    source += name + values + "\r\nQ" + n + ";x;y\n\n";
    expected += (tooLong ? tabsToBlanks(name) + values : name + ";" + kLat1 + ";" + kLon1) + "\nQ" + n + ";x;y\n";
    converted += !tooLong;
    notRead += tooLong;
  }
  TempDirectory dir;
  const Converted run = convertIn(dir, "o.txt", source, setupFor("GK3_DHDN", "DHDN"), kSemicolon23);
  EXPECT_EQ(run.summary.lines.converted, converted);
  EXPECT_EQ(run.summary.lines.notRead, notRead);
  EXPECT_EQ(run.summary.lines.text, 30000u);
  EXPECT_LT(converted, 29994u);
  EXPECT_TRUE(run.target == expected);
}

TEST(FileConversion, PointsWithoutGridValueGetStarsAndAreNamedInTheReport) {
  if (!std::filesystem::exists("/usr/share/proj/BETA2007.gsb")) GTEST_SKIP() << "BETA2007.gsb not installed";
  TempDirectory dir;
  // the old values of "far" would pass for WGS84 values about 100 m off
  const std::string source = "in;3500000;5500000\n\nfar;3500000;4000000;\tkeep\nout;3900000;5500000\n";
  const Converted run = convertIn(dir, "g.txt", source, setupFor("GK3_DHDN", "WGS84", Transformation::BeTA2007),
                            kSemicolon23);
  EXPECT_EQ(run.summary.lines.converted, 2u);
  EXPECT_EQ(run.summary.lines.noGridValue, 1u);
  EXPECT_EQ(run.summary.lines.outsideFrame, 1u);
  EXPECT_NE(run.target.find("\nfar;*;*;\tkeep\n"), std::string::npos) << run.target;
  EXPECT_EQ(run.target.find("\nin;3500000;5500000\n"), std::string::npos);
  EXPECT_EQ(run.target.substr(0, run.target.find('\n')),
            "*-- Start:GK3_DHDN -> Target:WGS84 * [BeTA2007]");
  const MainTexts en = texts();
  EXPECT_EQ(fileConversionReport(run.summary, en),
            "* g_cvt.txt Target generated!\n* (2 lines converted)\n* g.txt: " + en.msgOutsideFrame +
                " (1): 4\n* " + en.msgOutsideGrid + " (1)\n* g.txt: 1 lines without result (*): 3\n");
  EXPECT_EQ(fileConversionMessages(run.summary, en),
            (std::vector<std::string>{en.msgOutsideFrame, en.msgOutsideGrid}));
}

// Every line of a column file is one of four, whatever came before it, and
// the report names them by their numbers: random files of points, points
// outside the frame and without grid value, typos, empty degree parts,
// headings, comments, empty lines and lines longer than 1 MiB, in every
// delimiter, with blanks and a decimal comma around the values, across
// batches. The copy keeps every byte but the numbers of the two values;
// kortavex-cli's report, standard error and exit status say what the
// generator knows.
TEST(FileConversion, EveryLineIsAccountedFor) {
  const bool grid = std::filesystem::exists("/usr/share/proj/BETA2007.gsb");
  enum Kind { Good, Outside, NoGrid, Typo, EmptyParts, Heading, Comment, Empty, Long };
  const char* const typos[] = {"35OOOOO", "3500000x", "1x2", "--5", "\xB0" "48.2", "48\xB0'30\"", "48\xB0" "12'\""};
  std::mt19937 random(2020);
  const auto draw = [&](int below) { return static_cast<int>(random() % static_cast<unsigned>(below)); };
  for (const char delimiter : {' ', ',', ';'})
    for (const int count : {9, 20000}) {
      SCOPED_TRACE(std::string("delimiter '") + delimiter + "', lines " + formatInt(count));
      struct Line {
        Kind kind;
        std::string before, between, after;  // around the two values of a point
      };
      std::vector<Line> lines;
      std::vector<std::uint64_t> noResult, notRead, outside;
      std::uint64_t converted = 0, noGrid = 0;
      std::string source;
      for (int number = 1; number <= count; ++number) {
        Kind kind = count > 100 && number % 9000 == 17 ? Long : static_cast<Kind>(draw(Long));
        if (kind == NoGrid && !grid) kind = Good;
        const std::string d = delimiter == ' ' ? std::string(1 + draw(2), ' ') : std::string(1, delimiter);
        const auto blanks = [&] { return delimiter == ' ' ? std::string() : std::string(draw(2), ' '); };
        std::string first = formatInt(3400000 + draw(200000)), second = formatInt(5400000 + draw(200000));
        // a decimal comma after a value, where it is no delimiter
        const std::string comma = delimiter != ',' && draw(3) == 0 ? "," : "";
        if (kind == Outside) first = "3900000";
        if (kind == NoGrid) second = "4000000";
        if (kind == Typo || kind == EmptyParts) (draw(2) ? first : second) = typos[draw(4) + (kind == EmptyParts) * 3];
        if (kind == Heading) first = draw(2) ? "Rechtswert" : "E_M34", second = draw(2) ? "Hochwert" : "\"N_M34\"";
        Line line{kind, (kind == Long ? std::string(kLongestLine, 'n') : "p" + formatInt(number)) + d + blanks(),
                  comma + d + blanks(), blanks() + d + (draw(2) ? "x" : "rest")};
        if (kind == Comment) line.before = "* " + line.before;
        const std::string text = kind == Empty ? "" : line.before + first + line.between + second + line.after;
        source += text + (draw(5) == 0 ? "\r\n" : "\n");
        if (kind == Empty) continue;
        if (kind >= Typo) line.before = text;  // copied as it is
        if (kind == Good || kind == Outside) ++converted;
        if (kind == Outside) outside.push_back(number);
        if (kind == NoGrid) ++noGrid, noResult.push_back(number);
        if (kind == Typo || kind == EmptyParts || kind == Long) notRead.push_back(number);
        lines.push_back(line);
      }
      TempDirectory dir;
      dir.write("r.txt", source);
      const ShellRun run = runShell("cd '" + dir.path() + "' && '" KORTAVEX_CLI_PATH
                                    "' --from GK3_DHDN --to WGS84 --grid " + (grid ? "BeTA2007" : "Helmert") +
                                    " --delimiter '" + delimiter + "' --columns 2,3 r.txt 2> err");

      // "3 lines not read: 4, 9, 17", the first ten
      const auto named = [](const std::vector<std::uint64_t>& numbers) {
        std::string list;
        for (std::size_t i = 0; i < numbers.size() && i < 10; ++i) list += (i ? ", " : "") + formatInt(numbers[i]);
        return list + (numbers.size() > 10 ? " ..." : "");
      };
      const MainTexts en = texts();
      std::string report = "* r_cvt.txt Target generated!\n* (" + formatInt(converted) + " lines converted)\n";
      std::string err;
      if (!outside.empty()) {
        report += "* r.txt: " + en.msgOutsideFrame + " (" + formatInt(outside.size()) + "): " + named(outside) + "\n";
        err += "kortavex-cli: r.txt: " + en.msgOutsideFrame + "\n";
      }
      if (noGrid > 0) {
        report += "* " + en.msgOutsideGrid + " (" + formatInt(noGrid) + ")\n";
        err += "kortavex-cli: r.txt: " + en.msgOutsideGrid + "\n";
      }
      for (const auto& [numbers, what] : {std::pair(noResult, " lines without result (*): "), std::pair(notRead, " lines not read: ")})
        if (!numbers.empty()) {
          report += "* r.txt: " + formatInt(numbers.size()) + what + named(numbers) + "\n";
          err += "kortavex-cli: r.txt: " + formatInt(numbers.size()) + what + named(numbers) + "\n";
        }
      EXPECT_EQ(run.out, report);
      EXPECT_EQ(dir.read("err"), err);
      EXPECT_EQ(run.status, noResult.empty() && notRead.empty() ? 0 : 3);

      const std::vector<std::string> copy = split(dir.read("r_cvt.txt"), '\n');
      ASSERT_EQ(copy.size(), lines.size() + 2);  // the heading, and nothing after the last line end
      for (std::size_t i = 0; i < lines.size(); ++i) {
        const Line& line = lines[i];
        const std::string& out = copy[i + 1];
        if (line.kind >= Typo) {
          EXPECT_TRUE(out == line.before) << i;
          continue;
        }
        // every byte but the two numbers stays; "*" for a point without result
        ASSERT_TRUE(out.rfind(line.before, 0) == 0 && out.size() >= line.before.size() + line.after.size() &&
                    out.compare(out.size() - line.after.size(), line.after.size(), line.after) == 0)
            << out;
        const std::string values = out.substr(line.before.size(), out.size() - line.before.size() - line.after.size());
        const std::size_t between = values.find(line.between);
        ASSERT_NE(between, std::string::npos) << out;
        for (const std::string& value : {values.substr(0, between), values.substr(between + line.between.size())})
          EXPECT_TRUE(line.kind == NoGrid ? value == "*" : parseNumber(value).has_value()) << out;
      }
    }
}

TEST(FileConversion, NoLineConvertedIsNoFrameProblem) {
  TempDirectory dir;
  const Converted run = convertIn(dir, "e.txt", "", setupFor("GK3_DHDN", "DHDN"), kSemicolon23);
  EXPECT_EQ(run.target, "*-- Start:GK3_DHDN -> Target:DHDN\n");
  EXPECT_TRUE(fileConversionMessages(run.summary, texts()).empty());
}

TEST(FileConversion, HeadingNamesTheUserSetAndTheTransformation) {
  ConversionSetup setup = setupFor("User", "GK-AUT_M34");
  setup.user.name = "Mein Satz";
  EXPECT_EQ(fileHeading(setup, texts("Deutsch")),
            "*-- Start:Mein Satz -> Ziel:GK-AUT_M34 * [Helmert]\n");
  EXPECT_EQ(fileHeading(setupFor("GK-AUT_M34", "BMN31"), texts()),
            "*-- Start:GK-AUT_M34 -> Target:BMN31\n");
}

TEST(FileConversion, TargetNameGetsCvtBeforeTheLastDotOfTheFileName) {
  const struct {
    const char* path;
    const char* expected;
  } cases[] = {
      {"pts.txt", "pts_cvt.txt"},          {"/data/pts.txt", "/data/pts_cvt.txt"},
      {"a.b.c", "a.b_cvt.c"},              {"noext", "noext_cvt"},
      {"dir.v2/pts", "dir.v2/pts_cvt"},    {"/x.y/z.w/f.csv", "/x.y/z.w/f_cvt.csv"},
      {"", "_cvt"},                        {"trail.", "trail_cvt."},
  };
  for (const auto& c : cases) EXPECT_EQ(convertedFileName(c.path), c.expected) << c.path;

  TempDirectory dir;
  std::filesystem::create_directory(dir.file("d.v1"));
  dir.write("d.v1/pts", "1 2\n");
  const FileConversionSummary s = asccvt(dir.file("d.v1/pts"), fileIdentity(convertedFileName(dir.file("d.v1/pts"))), setupFor("GK3_DHDN", "DHDN"), kBlank23, texts());
  EXPECT_EQ(s.targetPath, dir.file("d.v1/pts_cvt"));
  EXPECT_TRUE(dir.exists("d.v1/pts_cvt"));
  // a name proposed for saving is numbered past whatever stands there
  EXPECT_EQ(unusedFileName(dir.file("d.v1/pts_cvt")), dir.file("d.v1/pts_cvt_2"));
  std::filesystem::create_directory(dir.file("d.v1/pts_cvt_2"));
  EXPECT_EQ(unusedFileName(dir.file("d.v1/pts_cvt")), dir.file("d.v1/pts_cvt_3"));
  EXPECT_EQ(unusedFileName(dir.file("d.v1/free.txt")), dir.file("d.v1/free.txt"));
}

TEST(FileConversion, UnreadableSourceWritesNothing) {
  TempDirectory dir;
  std::filesystem::create_directory(dir.file("folder.txt"));
  for (const char* name : {"folder.txt", "missing.txt"}) {
    const FileConversionSummary s = asccvt(dir.file(name), fileIdentity(convertedFileName(dir.file(name))), setupFor("GK3_DHDN", "DHDN"), kBlank23, texts());
    EXPECT_EQ(s.status, FileConversionSummary::Status::SourceUnreadable) << name;
    const std::string report = fileConversionReport(s, texts());
    EXPECT_EQ(report.find("generated"), std::string::npos) << report;
    EXPECT_NE(report.find(name), std::string::npos) << report;
  }
  EXPECT_EQ(dir.entries(), std::vector<std::string>{"folder.txt"});
}

// A source that grows while it is read (at a step of the gauge) gives no
// copy, in the window as in kortavex-cli.
TEST(FileConversion, ASourceThatChangesDuringTheRunGivesNoCopy) {
  TempDirectory dir;
  std::string big;
  for (int i = 0; i < 30000; ++i) big += "P 3500000.5 5500000\n";
  dir.write("big.txt", big);
  const auto append = [&](int percent) {
    if (percent > 0 && percent < 100) std::ofstream(dir.file("big.txt"), std::ios::app) << "P 1 2\n";
  };
  const FileConversionSummary s =
      asccvt(dir.file("big.txt"), FileIdentity{}, setupFor("GK3_DHDN", "DHDN"), kBlank23, texts(), append);
  EXPECT_EQ(fileConversionReport(s, texts()), "* big.txt changed during the conversion, no copy was written\n");
  EXPECT_EQ(dir.entries(), std::vector<std::string>{"big.txt"});
}

TEST(FileConversion, FailedWriteLeavesNoCopyAndKeepsTheOldOne) {
  TempDirectory dir;
  // a directory in the way of the copy
  std::filesystem::create_directory(dir.file("p_cvt.txt"));
  Converted run = convertIn(dir, "p.txt", "1 2\n", setupFor("GK3_DHDN", "DHDN"), kBlank23);
  EXPECT_EQ(run.summary.status, FileConversionSummary::Status::TargetNotWritten);
  EXPECT_EQ(fileConversionReport(run.summary, texts()).find("generated"), std::string::npos);
  EXPECT_EQ(dir.entries(), (std::vector<std::string>{"p.txt", "p_cvt.txt"}));

  // the disk fills up in the middle of the copy: simulated by a file size limit
  TempDirectory full;
  full.write("q_cvt.txt", "old copy");
  std::string big;
  for (int i = 0; i < 20000; ++i) big += "P;3500000.5;5500000\n";
  full.write("q.txt", big);
  rlimit saved{};
  getrlimit(RLIMIT_FSIZE, &saved);
  rlimit small = saved;
  small.rlim_cur = big.size() / 2;
  auto* previous = signal(SIGXFSZ, SIG_IGN);
  setrlimit(RLIMIT_FSIZE, &small);
  const FileConversionSummary s = asccvt(full.file("q.txt"), fileIdentity(convertedFileName(full.file("q.txt"))), setupFor("GK3_DHDN", "DHDN"), kSemicolon23, texts());
  setrlimit(RLIMIT_FSIZE, &saved);
  signal(SIGXFSZ, previous);
  EXPECT_EQ(s.status, FileConversionSummary::Status::TargetNotWritten);
  EXPECT_FALSE(s.error.empty());
  EXPECT_EQ(full.read("q_cvt.txt"), "old copy");
  EXPECT_EQ(full.entries(), (std::vector<std::string>{"q.txt", "q_cvt.txt"}));
  EXPECT_EQ(full.read("q.txt"), big) << "the source is never touched";
}

TEST(FileConversion, ExistingCopyIsReplacedWhole) {
  TempDirectory dir;
  dir.write("p_cvt.txt", std::string(100000, 'o'));
  const Converted run = convertIn(dir, "p.txt", "x\n", setupFor("GK3_DHDN", "DHDN"), kBlank23);
  EXPECT_EQ(run.target, "*-- Start:GK3_DHDN -> Target:DHDN\nx\n");
}

TEST(FileConversion, ProgressRisesToHundredAndEndsAtZero) {
  TempDirectory dir;
  std::string big;
  for (int i = 0; i < 30000; ++i) big += "P 3500000.5 5500000\n";
  dir.write("big.txt", big);
  std::vector<int> calls;
  asccvt(dir.file("big.txt"), fileIdentity(convertedFileName(dir.file("big.txt"))), setupFor("GK3_DHDN", "DHDN"), kBlank23, texts(),
         [&](int percent) { calls.push_back(percent); });
  ASSERT_GE(calls.size(), 3u);
  EXPECT_EQ(calls.back(), 0);
  EXPECT_EQ(calls[calls.size() - 2], 100);
  EXPECT_TRUE(std::is_sorted(calls.begin(), calls.end() - 1));
}

TEST(FileConversion, RefusedSystems) {
  const struct {
    const char* start;
    const char* target;
    FileConversionRefusal refusal;
  } cases[] = {
      {"GK-AUT_M34", "WGS84", FileConversionRefusal::None},
      {"--- Deutschland", "WGS84", FileConversionRefusal::NoValidSystem},
      {"GK-AUT_M34", "-------", FileConversionRefusal::NoValidSystem},
      {"MGRS(UTMREF)", "WGS84", FileConversionRefusal::MgrsFileNotDirect},
      {"GK-AUT_M34", "UTM", FileConversionRefusal::MgrsFileNotDirect},
      {"UTM33N", "WGS84", FileConversionRefusal::None},
  };
  for (const auto& c : cases) {
    SystemPair pair;
    pair.startCode = systemCode(c.start, false, 0, SystemCode());
    pair.targetCode = systemCode(c.target, true, 0, SystemCode());
    EXPECT_EQ(fileConversionRefusal(pair), c.refusal) << c.start << " " << c.target;
  }
}

}  // namespace
