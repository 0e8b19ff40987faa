#include "workflow/import_export.h"

#include <gtest/gtest.h>

#include <random>

#include "encoding_oracles.h"
#include "engine/number_text.h"
#include "tests/test_support.h"

using namespace kortavex;

namespace {

TEST(Import, LinesOfAColumnFile) {
  const struct {
    const char* what;
    ColumnLayout layout;
    std::string line;
    std::string expected;
    bool imported;
  } cases[] = {
      {"decimal comma", {';', 1, 2}, "P1;600000,5;5300000;x", "600000.5 5300000", true},
      {"columns 3 and 2", {';', 2, 1}, "P1;5300000;600000", "600000 5300000", true},
      {"blank runs and tabs", {' ', 1, 2}, "  P1 \t 600000   5300000  r", "600000 5300000", true},
      {"degrees stay degrees", {';', 1, 2}, "P;48\xB0" "12'00,5\";16\xB0" "24'00\"",
       "48\xB0" "12'00.5\" 16\xB0" "24'00\"", true},
      {"one field", {';', 1, 2}, "Title\tof list", "Title of list", false},
      {"two words", {';', 1, 2}, "P1;north;east", "P1;north;east", false},
      {"fewer fields than the column", {';', 1, 2}, "P1;600000", "P1;600000", false},
      {"empty value", {';', 1, 2}, "P1;;5300000", "P1;;5300000", false},
      {"column 10", {';', 9, 1}, "0;1;2;3;4;5;6;7;8;9;10", "0;1;2;3;4;5;6;7;8;9;10", false},
      {"delimiter code 0", {'\0', 0, 1}, "600000 5300000", "600000 5300000", false},
      {"NUL and high bytes", {';', 1, 2}, std::string("\0\xFF;1\0;2", 7), std::string("\0\xFF;1\0;2", 7), false},
      {"height in column 4", {';', 1, 2, 3}, "P1;600000;5300000;250,5", "600000 5300000 250.5", true},
      {"height no number", {';', 1, 2, 3}, "P1;600000;5300000;abc", "P1;600000;5300000;abc", false},
  };
  for (const auto& c : cases) {
    std::string out;
    EXPECT_EQ(importLine(c.line, c.layout, out) == LineKind::Values, c.imported) << c.what;
    EXPECT_EQ(out, c.expected) << c.what;
  }
}

TEST(Import, FileSkipsEmptyLinesAndCountsImportedOnes) {
  TempDirectory dir;
  dir.write("i.csv", "Liste\r\n\r\nP1;600000,5;5300000\nP2;a;b\rP3;1;2");
  std::vector<int> progress;
  const ImportResult r = importFile(dir.file("i.csv"), {';', 1, 2}, [&](int p) { progress.push_back(p); });
  EXPECT_TRUE(r.read);
  EXPECT_EQ(r.text, "Liste\n600000.5 5300000\nP2;a;b\n1 2\n");
  EXPECT_EQ(r.lines.converted, 2u);
  ASSERT_FALSE(progress.empty());
  EXPECT_EQ(progress.back(), 0);

  const ImportResult none = importFile(dir.path(), {';', 1, 2});
  EXPECT_FALSE(none.read);
  EXPECT_FALSE(none.error.empty());
  EXPECT_EQ(none.text, "");
}

// The window's text is Windows-1252: a UTF-8 file, with or without
// byte-order mark, imports as its Windows-1252 twin does, degree signs and
// names intact. Random column files.
TEST(Import, Utf8FileImportsAsItsWindows1252Twin) {
  std::mt19937 random(3);
  std::uniform_int_distribution<int> degrees(0, 89), number(0, 999999);
  TempDirectory dir;
  for (int round = 0; round < 20; ++round) {
    std::string source;
    for (int line = 0; line < 25; ++line) {
      const std::string name = randomCp1252Word(random);
      switch (line % 4) {
        case 0: source += name + ";" + formatInt(degrees(random)) + "\xB0" "1'2,5\";" +
                          formatInt(degrees(random)) + "\xB0" "3'4\";" + name + "\n"; break;
        case 1: source += name + ";" + formatInt(number(random)) + "," + formatInt(number(random) % 10) +
                          ";" + formatInt(number(random)) + "\r\n"; break;
        case 2: source += "* " + name + " " + name + "\n\n"; break;
        default: source += name + "\t" + randomCp1252Word(random) + ";" + name + "\r"; break;
      }
    }
    ASSERT_FALSE(wellFormedUtf8(source));
    dir.write("w.csv", source);
    dir.write("u.csv", utf8Of(source));
    dir.write("b.csv", std::string(kByteOrderMark) + utf8Of(source));
    const ImportResult fromCp1252 = importFile(dir.file("w.csv"), {';', 1, 2});
    EXPECT_FALSE(fromCp1252.encoding.utf8);
    EXPECT_EQ(fromCp1252.lines.converted, 13u);
    for (const char* name : {"u.csv", "b.csv"}) {
      const ImportResult fromUtf8 = importFile(dir.file(name), {';', 1, 2});
      EXPECT_TRUE(fromUtf8.encoding.utf8) << name;
      EXPECT_EQ(fromUtf8.text, fromCp1252.text) << name << " " << round;
      EXPECT_EQ(fromUtf8.lines.converted, fromCp1252.lines.converted) << name;
    }
  }
}

// Result lines as the output window holds them.
const char* const kProjected = "  600000.000 5300000.000";
const char* const kSinglePoint = "  600000.000 5300000.000 ";  // blank before the line end
const char* const kDms = "47\xB0" "00'00.0000\" 16\xB0" "30'00.0000\"";

TEST(Export, LinesOfTheOutputWindow) {
  const struct {
    const char* what;
    ColumnLayout layout;
    bool numbers;
    std::string line;
    std::string expected;
  } cases[] = {
      {"heading unchanged", {';', 1, 2}, true, "* WGS84 * [Helmert]", "* WGS84 * [Helmert]"},
      {"values keep their leading blanks", {';', 1, 2}, false, kProjected, "  600000.000;5300000.000"},
      {"point number", {',', 1, 2}, true, kProjected, "    1,  600000.000,5300000.000"},
      {"columns 3 and 2", {';', 2, 1}, false, kProjected, "5300000.000;  600000.000"},
      {"degrees split at the blank", {';', 1, 2}, false, kDms,
       "47\xB0" "00'00.0000\";16\xB0" "30'00.0000\""},
      {"single-point result ending in a blank", {';', 1, 2}, false, kSinglePoint,
       "  600000.000;5300000.000"},
      {"no blank", {';', 1, 2}, false, "33UXP0154338361", ";33UXP0154338361"},
      {"delimiter code 0 writes a blank", {'\0', 1, 2}, false, "1 2", "1 2"},
      {"height in column 4", {';', 1, 2, 3}, false, "  600000.000 5300000.000 250.500",
       "  600000.000;5300000.000;250.500"},
      {"height in column 1", {';', 1, 2, 0}, false, kDms + std::string(" 250.500"),
       "250.500;47\xB0" "00'00.0000\";16\xB0" "30'00.0000\""},
      {"point without result with heights", {';', 1, 2, 3}, true, "* * *\tnot read", "    1;*;*;*"},
      {"automatic UTM zone after the height", {';', 1, 2, 3}, false, "693566.088 5330684.897 500.000 32N U",
       "693566.088;5330684.897;500.000;32N;U"},
      {"MGRS reference and height", {';', 1, 2, 3}, false, "33UXP0154338361 500.000", ";33UXP0154338361;500.000"},
  };
  for (const auto& c : cases) {
    int counter = 0;
    EXPECT_EQ(exportLine(c.line, c.layout, c.numbers, counter), c.expected) << c.what;
  }
}

// A point without result keeps its number and its place, its values "*".
TEST(Export, NumbersThePointsInTheirOrderAndDropsTheClosingEmptyLine) {
  const std::string window = std::string("* WGS84\n") + kProjected + "\n* *\tno grid shift value\n* note\n" +
                             kProjected + "\n*\tMGRS - faulty\n";
  EXPECT_EQ(exportText(window, {';', 1, 2}, true),
            std::string("* WGS84\n    1;  600000.000;5300000.000\n    2;*;*\n* note\n") +
                "    3;  600000.000;5300000.000\n    4;;*\n");
  // a last line without line break is still written
  EXPECT_EQ(exportText("1 2\n3 4", {' ', 1, 2}, false), "1 2\n3 4\n");
  EXPECT_EQ(exportText("", {' ', 1, 2}, false), "");
  // a line ends where the window ends it: at LF, CR LF or CR
  EXPECT_EQ(exportText("1 2\r3 4\r\n5 6\r", {';', 1, 2}, false), "1;2\n3;4\n5;6\n");
}

// The export writes the encoding it is given: UTF-8, with the byte-order
// mark when asked, is the UTF-8 version of the Windows-1252 file.
TEST(Export, WritesTheEncodingItIsGiven) {
  TempDirectory dir;
  const std::string window = std::string("* Stra\xDF" "e * [Helmert]\n") + kDms + "\n* MGRS - chybn\xFD\n";
  ASSERT_TRUE(exportFile(dir.file("w.txt"), {}, window, {';', 1, 2}, true));
  ASSERT_TRUE(exportFile(dir.file("u.txt"), {}, window, {';', 1, 2}, true, {true, false}));
  ASSERT_TRUE(exportFile(dir.file("b.txt"), {}, window, {';', 1, 2}, true, {true, true}));
  EXPECT_NE(dir.read("w.txt").find("\xB0"), std::string::npos);
  EXPECT_EQ(dir.read("u.txt"), utf8Of(dir.read("w.txt")));
  EXPECT_EQ(dir.read("b.txt"), std::string(kByteOrderMark) + utf8Of(dir.read("w.txt")));
}

TEST(Export, FileIsWrittenWholeOrNotAtAll) {
  TempDirectory dir;
  std::string error;
  ASSERT_TRUE(exportFile(dir.file("e_cvt.txt"), fileIdentity(dir.file("e_cvt.txt")), "* h\n1 2\n", {';', 1, 2}, false, {}, &error));
  EXPECT_EQ(dir.read("e_cvt.txt"), "* h\n1;2\n");

  std::filesystem::create_directory(dir.file("taken"));
  EXPECT_FALSE(exportFile(dir.file("taken"), fileIdentity(dir.file("taken")), "1 2\n", {';', 1, 2}, false, {}, &error));
  EXPECT_FALSE(error.empty());
  EXPECT_FALSE(exportFile(dir.file("missing/x.txt"), fileIdentity(dir.file("missing/x.txt")), "1 2\n", {';', 1, 2}, false, {}, &error));
  EXPECT_EQ(dir.entries(), (std::vector<std::string>{"e_cvt.txt", "taken"}));
}

}  // namespace
