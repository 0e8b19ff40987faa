// kortavex-cli as a script would use it.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <string>

#include "lang/main_texts.h"
#include "tests/encoding_oracles.h"
#include "tests/test_support.h"
#include "workflow/import_export.h"

using namespace kortavex;

namespace {

struct CliRun {
  int status;
  std::string out, err;
};

// Standard input as a file redirected (which can be read twice) or as a pipe.
enum class Stdin { File, Pipe };

// Runs kortavex-cli in `dir` with `args`, `input` on standard input, under
// the locale `locale`.
CliRun runCliIn(const TempDirectory& dir, const std::string& args, const std::string& input,
                const std::string& locale = "C", Stdin source = Stdin::File) {
  dir.write("stdin", input);
  const std::string cli = "LC_ALL=" + locale + " '" KORTAVEX_CLI_PATH "' " + args + " 2> stderr";
  const std::string command = "cd '" + dir.path() + "' && " +
                              (source == Stdin::File ? cli + " < stdin" : "cat stdin | " + cli);
  const ShellRun shell = runShell(command);
  return {shell.status, shell.out, dir.read("stderr")};
}

CliRun runCli(const std::string& args, const std::string& input, const std::string& locale = "C") {
  TempDirectory dir;
  return runCliIn(dir, args, input, locale);
}

// The parameter file of the set "mine": no datum shift, the scale line as
// given, on WGS84 with `projection`, central meridian 15, false easting 500 000.
std::string parameterFile(const std::string& scale, const std::string& projection) {
  return "kortavex_parameter_v4\r\nmine\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n" + scale + "\r\nWGS84\r\n" + projection +
         "\r\n15\r\n500000\r\n0\r\n0\r\n0\r\n0\r\n";
}

MainTexts textsIn(const char* language) {
  MainTexts texts;
  langset(texts, language);
  return texts;
}

// An options file with reference height 0, columns 1 and 2, the semicolon,
// the set `setName` and `language`.
std::string optionsFile(const std::string& setName, const std::string& language) {
  return "kortavex_options_v45\r\n0\r\n1\r\n2\r\n;\r\n" + setName + "\r\n" + language + "\r\n1023\r\n";
}

TEST(Cli, ConvertsStandardInputAsTheOutputWindowShowsIt) {
  const CliRun r = runCli("--from GK-AUT_M34 --to WGS84", "-50000 5300000\n* note\n\n0 300000\n");
  EXPECT_EQ(r.status, 0);
  const std::string shortNorthing = r.out.substr(r.out.rfind('\n', r.out.size() - 2) + 1);
  EXPECT_EQ(r.out, "* WGS84 * [Helmert]\n47.83670229 15.66425603\n" + shortNorthing);
  EXPECT_EQ(runCli("--from GK-AUT_M34 --to WGS84", "0 5300000\n").out,
            "* WGS84 * [Helmert]\n" + shortNorthing);
  EXPECT_EQ(r.err, "");
}

TEST(Cli, LineEndsOfEveryKind) {
  const CliRun r = runCli("--from GK-AUT_M34 --to GK-AUT_M31", "0 300000\r0 300000\r\n0 300000");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 4);
}

TEST(Cli, FlagsDmsHeightAndMgrs) {
  EXPECT_EQ(runCli("--from UTM33N --to WGS84 --flags", "100000 5000000\n").out,
            "* WGS84 * [Helmert]\n45.04040545  9.92126593\t2\n");
  EXPECT_EQ(runCli("--from WGS84 --to CH1903+ --dms", "46.9524055556 7.4395833333\n").out.substr(0, 22),
            "* CH1903+ * [Helmert]\n");
  EXPECT_EQ(runCli("--from 'MGRS(UTMREF)' --to UTM --flags", "33UXP0154338361\n33UXP015\n33uxp0154338361\n").out,
            "* UTM\n601543.000 5338361.000 33N U\t0\n* *\t16\tMGRS - faulty\n601543.000 5338361.000 33N U\t0\n");
  // hemisphere letters after decimal degrees
  const CliRun lettered = runCli("--from WGS84 --to UTM33N", "48.2N 16.3E\n48.2 16.3\n");
  const std::string heading = lettered.out.substr(0, lettered.out.find('\n') + 1),
                    second = lettered.out.substr(lettered.out.rfind('\n', lettered.out.size() - 2) + 1);
  EXPECT_EQ(lettered.out, heading + second + second);
  EXPECT_EQ(lettered.status, 0);
  // the height moves the Helmert result by a little, and only with --height
  EXPECT_NE(runCli("--from WGS84 --to MGI --height 2000", "48.2 16.37\n").out,
            runCli("--from WGS84 --to MGI", "48.2 16.37\n").out);
}

TEST(Cli, RefusedPairsAndBadArguments) {
  const struct {
    const char* args;
    const char* stderrStart;
  } cases[] = {
      {"--from WGS84 --to WGS84", "Start- and target system identical!!"},
      {"--from WGS84 --to '--- Deutschland'", "No valid system!!"},
      {"--from WGS84 --to MGI --grid BeTA2007", "BeTA2007\xB4s just working with DHDN!"},
      {"--from UTM --to WGS84", "kortavex-cli: not an entry of the start list: UTM"},
      {"--from Atlantis --to WGS84", "kortavex-cli: not an entry"},
      {"--from WGS84 --to MGI --height x", "kortavex-cli: --height needs a number"},
      {"--from WGS84 --to MGI --grid NADCON", "kortavex-cli: unknown transformation"},
  };
  for (const auto& c : cases) {
    const CliRun r = runCli(c.args, "48.2 16.37\n");
    EXPECT_EQ(r.status, 2) << c.args;
    EXPECT_EQ(r.out, "") << c.args;
    EXPECT_EQ(r.err.rfind(c.stderrStart, 0), 0u) << c.args << ": " << r.err;
  }
}

TEST(Cli, ReadsTheOptionsAndParameterFilesOfTheWorkingDirectory) {
  TempDirectory dir;
  // reference height 0, columns 1 and 2, semicolon; a user system that is WGS84 in Gauss-Krueger
  dir.write("kortavex.cfg", optionsFile("mine", "Deutsch"));
  dir.write("mine.gtp", parameterFile("1", "Gauss/Kr\xFCger"));
  const CliRun user = runCliIn(dir, "--from WGS84 --to User", "0 15\n");
  EXPECT_EQ(user.out, "* mine * [Helmert]\n500000.000     0.000\n");
  // the height of the options file is that of the Helmert shift; --height overrides it
  EXPECT_EQ(runCliIn(dir, "--from WGS84 --to MGI", "48.2 16.37\n").out,
            runCli("--from WGS84 --to MGI --height 0", "48.2 16.37\n").out);
  // its delimiter and columns are those of the file mode
  dir.write("p.txt", "-50000;300000;a\n");
  const CliRun file = runCliIn(dir, "--from GK-AUT_M34 --to WGS84 p.txt", "");
  EXPECT_EQ(file.status, 0) << file.err;
  TempDirectory plain;
  plain.write("p.txt", "-50000;300000;a\n");
  runCliIn(plain, "--from GK-AUT_M34 --to WGS84 --height 0 --delimiter ';' --columns 1,2 --language Deutsch p.txt", "");
  EXPECT_EQ(dir.read("p_cvt.txt"), plain.read("p_cvt.txt"));
  EXPECT_NE(plain.read("p_cvt.txt").find(";a\n"), std::string::npos);
}

TEST(Cli, FileModeKeepsExistingCopiesUnlessForced) {
  TempDirectory dir;
  dir.write("pts.csv", "p1;-50000;300000;rem\np2;;north;x\n");
  const std::string args = "--from GK-AUT_M34 --to WGS84 --delimiter ';' --columns 2,3 pts.csv";
  const CliRun first = runCliIn(dir, args, "");
  EXPECT_EQ(first.status, 0);
  EXPECT_EQ(first.out, "* pts_cvt.csv Target generated!\n* (1 lines converted)\n");
  const std::string converted = dir.read("pts_cvt.csv");
  EXPECT_NE(converted.find("p1;47.83670229;15.66425603;rem"), std::string::npos);
  EXPECT_NE(converted.find("p2;;north;x"), std::string::npos);

  dir.write("pts_cvt.csv", "mine");
  const CliRun kept = runCliIn(dir, args, "");
  EXPECT_EQ(kept.status, 1);
  EXPECT_EQ(dir.read("pts_cvt.csv"), "mine");
  EXPECT_NE(kept.err.find("pts_cvt.csv exists"), std::string::npos);
  EXPECT_EQ(runCliIn(dir, args + " --force", "").status, 0);
  EXPECT_EQ(dir.read("pts_cvt.csv"), converted);

  // a missing source is reported, nothing is written
  const CliRun missing = runCliIn(dir, "--from GK-AUT_M34 --to WGS84 nothere.txt", "");
  EXPECT_EQ(missing.status, 1);
  EXPECT_FALSE(dir.exists("nothere_cvt.txt"));
  // MGRS files are not converted directly
  EXPECT_EQ(runCliIn(dir, "--from WGS84 --to UTM pts.csv", "").status, 2);
}

TEST(Cli, PointsWithoutResultExitWithThreeAndAreNamed) {
  if (!std::ifstream("/usr/share/proj/BETA2007.gsb")) GTEST_SKIP() << "BETA2007.gsb not installed";
  const char* const beta = "--from GK3_DHDN --to WGS84 --grid BeTA2007";
  const struct {
    const char* args;
    const char* input;
    int status;
  } cases[] = {
      {beta, "3500000 5500000\n", 0},
      {beta, "3500000 5500000\n3500000 4000000\n", 3},  // outside the grid
      {"--from 'MGRS(UTMREF)' --to WGS84", "33UXP0154338361\n33IXP0101\n", 3},
      {"--from UTM33N --to WGS84", "100000 9700000\n", 0},  // outside its frame: a result all the same
  };
  for (const auto& c : cases) EXPECT_EQ(runCli(c.args, c.input).status, c.status) << c.input;

  TempDirectory dir;
  dir.write("g.txt", "a 3500000 5500000\nb 3500000 4000000 rest\n\nc x y\n");
  const CliRun file = runCliIn(dir, std::string(beta) + " g.txt", "");
  EXPECT_EQ(file.status, 3);
  EXPECT_NE(dir.read("g_cvt.txt").find("\nb * * rest\nc x y\n"), std::string::npos);
  EXPECT_NE(file.err.find("kortavex-cli: g.txt: 1 lines without result (*): 2\n"), std::string::npos) << file.err;
}

TEST(Cli, AFaultyParameterFileIsReportedWhenTheUserSystemIsUsed) {
  TempDirectory dir;
  dir.write("kortavex.cfg", optionsFile("mine", "Deutsch"));
  dir.write("mine.gtp", parameterFile("0", "UTM"));
  const CliRun user = runCliIn(dir, "--from WGS84 --to User", "0 15\n");
  EXPECT_EQ(user.status, 2);
  EXPECT_EQ(user.out, "");
  EXPECT_EQ(user.err,
            "Fehlerhafte Parameterdatei, der Parametersatz wird nicht verwendet:\nmine.gtp, Zeile 9: 0\n");
  EXPECT_EQ(runCliIn(dir, "--from WGS84 --to User --language English", "0 15\n").err,
            "Faulty parameter file, the parameter set is not used:\nmine.gtp, line 9: 0\n");
  EXPECT_EQ(runCliIn(dir, "--from WGS84 --to MGI", "48.2 16.37\n").status, 0);
}

// Messages quote lines of files and names from the command line: a control
// byte hidden there (an escape sequence that would retitle or clear the
// terminal) is shown as "?".
TEST(Cli, ControlBytesInMessagesAreShownAsQuestionMarks) {
  TempDirectory dir;
  dir.write("kortavex.cfg", optionsFile("mine", "English"));
  dir.write("mine.gtp", parameterFile("\x1b]0;x\x07\b\x7f", "UTM"));
  EXPECT_EQ(runCliIn(dir, "--from WGS84 --to User", "0 15\n").err,
            "Faulty parameter file, the parameter set is not used:\nmine.gtp, line 9: ?]0;x???\n");
  const CliRun missing = runCliIn(dir, "--from WGS84 --to MGI 'a\x1b[2Jb.txt'", "");
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.out, "");
  EXPECT_EQ(missing.err, "kortavex-cli: a?[2Jb.txt: No such file or directory\n");
}

TEST(Cli, FrameCheck) {
  const CliRun gk = runCli("--check --from GK-AUT_M34", "0 300000\n500000 300000\n* x\n\n1 2 3\nx y\n0 0\n");
  EXPECT_EQ(gk.status, 3);  // a line not read
  EXPECT_EQ(gk.out, "2 blue\n5 red\n7 blue\n");
  EXPECT_EQ(gk.err, "kortavex-cli: standard input: 1 lines not read: 5\n");
  EXPECT_EQ(runCli("--check --from 'MGRS(UTMREF)'", "33UXP01\n33UXP0\n33UIP01\n").out, "2 red\n3 red\n");
  EXPECT_EQ(runCli("--check --from '--- Deutschland'", "").status, 2);
  EXPECT_EQ(runCli("--check", "").status, 2);
}

// Degrees/minutes/seconds lines of random points in Germany and Austria, in
// Windows-1252.
std::string randomDmsLines(std::mt19937& random, int count) {
  std::uniform_int_distribution<int> latitude(47, 54), longitude(6, 16), minutes(0, 59), hundredths(0, 5999);
  std::string lines;
  for (int i = 0; i < count; ++i)
    lines += std::to_string(latitude(random)) + "\xB0" + std::to_string(minutes(random)) + "'" +
             std::to_string(hundredths(random) / 100) + "." + std::to_string(hundredths(random) % 100) +
             "\" " + std::to_string(longitude(random)) + "\xB0" + std::to_string(minutes(random)) + "'" +
             std::to_string(hundredths(random) / 100) + "\"\n";
  return lines;
}

// Under a UTF-8 locale every text of the program reaches the terminal in
// UTF-8 and what the terminal sends is read as UTF-8: the run is byte for
// byte the UTF-8 version of the same run under the C locale, whose streams
// carry Windows-1252. --encoding forces either side; numbers never follow
// the locale.
TEST(Cli, StandardStreamsFollowTheLocaleCharacterSet) {
  std::mt19937 random(52);
  std::string points;
  for (int i = 0; i < 50; ++i)
    points += std::to_string(47 + i % 8) + "." + std::to_string(random() % 100000) + " " +
              std::to_string(6 + i % 11) + "," + std::to_string(random() % 100000) + "\n";
  const struct {
    std::string args, input;
    int status;
    bool showsBeyondAscii;  // else the run is about what it reads
  } cases[] = {
      {"--from WGS84 --to MGI --dms", points, 0, true},
      {"--from DHDN --to GK3_DHDN", "* Punkt M\xFCller\n" + randomDmsLines(random, 50), 0, false},
      {"--list", "", 0, true},
      {"--from WGS84 --to MGI --grid BeTA2007", points, 2, true},
      {"--from 'MGRS(UTMREF)' --to WGS84 --language Cestina", "33UXP0\n33UXP0154338361\n", 3, true},
      {"--from '--- \xD6sterreich' --to WGS84 --language Francais", "", 2, true},
      {"--from 'Atlantis \xC6r\xF8' --to WGS84", "", 2, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args);
    const CliRun base = runCli(c.args, c.input, "C");
    EXPECT_EQ(base.status, c.status) << base.err;
    EXPECT_EQ(wellFormedUtf8(base.out + base.err), !c.showsBeyondAscii);
    const CliRun posix = runCli(c.args, c.input, "POSIX");
    EXPECT_TRUE(posix.out == base.out && posix.err == base.err);
    for (const char* locale : {"C.UTF-8", "de_DE.UTF-8"}) {
      const CliRun utf8 = runCli(utf8Of(c.args), utf8Of(c.input), locale);
      EXPECT_EQ(utf8.status, base.status) << locale;
      EXPECT_TRUE(utf8.out == utf8Of(base.out)) << locale << "\n" << utf8.out;
      EXPECT_EQ(utf8.err, utf8Of(base.err)) << locale;
    }
    const CliRun forcedCp1252 = runCli(c.args + " --encoding cp1252", c.input, "C.UTF-8");
    EXPECT_TRUE(forcedCp1252.out == base.out && forcedCp1252.err == base.err);
    const CliRun forcedUtf8 = runCli(utf8Of(c.args) + " --encoding utf-8", utf8Of(c.input), "C");
    EXPECT_TRUE(forcedUtf8.out == utf8Of(base.out) && forcedUtf8.err == utf8Of(base.err));
  }
  EXPECT_EQ(runCli("--list --encoding latin1", "").status, 2);
}

// A UTF-8 terminal may still be sent Windows-1252 (a file of the old code
// page piped in) and typographic minute and second signs: each line is read
// as what it is. A byte-order mark before the first line hides no point.
TEST(Cli, EachInputLineIsReadInItsOwnEncoding) {
  std::mt19937 random(1251);
  const std::string cp1252 = randomDmsLines(random, 200);
  std::string mixed = std::string(kByteOrderMark);
  std::size_t begin = 0;
  for (std::size_t end; (end = cp1252.find('\n', begin)) != std::string::npos; begin = end + 1) {
    const std::string line = cp1252.substr(begin, end + 1 - begin);
    switch (random() % 3) {
      case 0: mixed += line; break;
      case 1: mixed += utf8Of(line); break;
      default: {
        std::string primes = utf8Of(line);
        for (const auto& [from, to] : {std::pair<std::string, std::string>{"'", "\xE2\x80\xB2"}, {"\"", "\xE2\x80\xB3"}})
          for (std::size_t at; (at = primes.find(from)) != std::string::npos;) primes.replace(at, 1, to);
        mixed += primes;
      }
    }
  }
  const std::string args = "--from DHDN --to GK3_DHDN --flags";
  const CliRun base = runCli(args, cp1252, "C");
  ASSERT_EQ(base.status, 0);
  EXPECT_EQ(std::count(base.out.begin(), base.out.end(), '\n'), 201);
  EXPECT_EQ(runCli(args, mixed, "C.UTF-8").out, base.out);
  EXPECT_EQ(runCli("--check --from DHDN", mixed, "C.UTF-8").out, runCli("--check --from DHDN", cp1252, "C").out);
}

// The texts the window would show come in the language of the options file
// or of --language, which overrides it: the heading of a copy, its report,
// faulty MGRS references, the messages of refused pairs. The CLI's own
// usage messages stay English.
TEST(Cli, LanguageOfTheOptionsFileOrOfTheLanguageOption) {
  for (const char* language : kLanguageNames) {
    SCOPED_TRACE(language);
    const MainTexts texts = textsIn(language);
    const std::string other = std::string(language) == "Deutsch" ? "Polski" : "Deutsch";
    const std::string convertArgs = "--from GK-AUT_M34 --to WGS84 p.txt";
    for (const bool byOption : {false, true}) {
      TempDirectory dir;
      dir.write("kortavex.cfg", optionsFile("", byOption ? other : language));
      dir.write("p.txt", "-50000;300000\n");
      const std::string languageArg = byOption ? std::string(" --language ") + language : "";
      const CliRun file = runCliIn(dir, convertArgs + languageArg, "");
      EXPECT_EQ(file.out, "* p_cvt.txt" + texts.msgTargetGenerated + "1" + texts.msgLinesConverted);
      EXPECT_EQ(dir.read("p_cvt.txt").rfind("*-- Start:GK-AUT_M34 -> " + texts.msgTarget + "WGS84 * [Helmert]\n", 0), 0u);
      EXPECT_EQ(runCliIn(dir, "--from 'MGRS(UTMREF)' --to WGS84" + languageArg, "33UXP0\n").out,
                "* WGS84 * [Helmert]\n* *\t" + texts.msgMgrsFaulty);
      EXPECT_EQ(runCliIn(dir, "--from WGS84 --to WGS84" + languageArg, "").err, texts.msgSameSystem + "\n");
      EXPECT_EQ(runCliIn(dir, "--from WGS84 --to Nowhere" + languageArg, "").err,
                "kortavex-cli: not an entry of the target list: Nowhere\n");
    }
  }
  // a name that is no language: English, so that no message is empty
  TempDirectory dir;
  dir.write("kortavex.cfg", optionsFile("", "Klingon"));
  EXPECT_EQ(runCliIn(dir, "--from WGS84 --to WGS84", "").err, textsIn("English").msgSameSystem + "\n");
  const CliRun bad = runCliIn(dir, "--from WGS84 --to MGI --language deutsch", "");
  EXPECT_EQ(bad.status, 2);
  EXPECT_EQ(bad.err.rfind("kortavex-cli: --language takes Deutsch, English", 0), 0u);
}

// Files in a folder and under names with letters of German, Czech and
// Polish, in UTF-8 and Windows-1252, with and without byte-order mark: each
// copy keeps its file's encoding, whatever the locale; the report shows the
// names in the terminal's encoding.
TEST(Cli, FileModeKeepsEachFilesEncodingUnderAnyNames) {
  TempDirectory dir;
  const std::string folder = "Grundst\xC3\xBC" "cke \xC3\x9F \xC5\x99 \xC5\x82";
  std::filesystem::create_directory(dir.file(folder));
  const std::string source = "M\xFCller;-50000;300000;Stra\xDF" "e\nP2;-50100;300100;\x80\n";
  const struct {
    std::string name, bytes;
  } files[] = {
      {"alt_\xC3\xA4\xC3\x9F.txt", source},
      {"neu_\xC5\x99.txt", utf8Of(source)},
      {"Punkte_\xC3\xA4\xC3\x9F\xC5\x99\xC5\x82.txt", std::string(kByteOrderMark) + utf8Of(source)},
  };
  std::string args = "--from GK-AUT_M34 --to WGS84 --dms --delimiter ';' --columns 2,3 --force";
  for (const auto& f : files) {
    dir.write(folder + "/" + f.name, f.bytes);
    args += " '" + folder + "/" + f.name + "'";
  }
  const CliRun c = runCliIn(dir, args, "", "C");
  ASSERT_EQ(c.status, 0) << c.err;
  const std::string copy = dir.read(folder + "/alt_\xC3\xA4\xC3\x9F_cvt.txt");
  EXPECT_NE(copy.find("M\xFCller;47\xB0"), std::string::npos) << copy;
  EXPECT_EQ(dir.read(folder + "/neu_\xC5\x99_cvt.txt"), utf8Of(copy));
  const std::string bomCopy = dir.read(folder + "/Punkte_\xC3\xA4\xC3\x9F\xC5\x99\xC5\x82_cvt.txt");
  EXPECT_EQ(bomCopy, std::string(kByteOrderMark) + utf8Of(copy));
  const std::string report = " Target generated!\n* (2 lines converted)\n";
  EXPECT_EQ(c.out, "* alt_\xE4\xDF_cvt.txt" + report + "* neu_?_cvt.txt" + report +
                       "* Punkte_\xE4\xDF??_cvt.txt" + report);

  const CliRun utf8 = runCliIn(dir, args, "", "C.UTF-8");
  EXPECT_EQ(utf8.out, "* alt_\xC3\xA4\xC3\x9F_cvt.txt" + report + "* neu_\xC5\x99_cvt.txt" + report +
                          "* Punkte_\xC3\xA4\xC3\x9F\xC5\x99\xC5\x82_cvt.txt" + report);
  EXPECT_EQ(dir.read(folder + "/Punkte_\xC3\xA4\xC3\x9F\xC5\x99\xC5\x82_cvt.txt"), bomCopy);
  EXPECT_EQ(dir.read(folder + "/alt_\xC3\xA4\xC3\x9F_cvt.txt"), copy);

  // a name in the old code page is bytes like any other, and shown as such
  dir.write(folder + "/M\xFCller.txt", source);
  const CliRun latin = runCliIn(dir, "--from GK-AUT_M34 --to WGS84 --dms --delimiter ';' --columns 2,3 '" +
                                         folder + "/M\xFCller.txt'", "", "C.UTF-8");
  EXPECT_EQ(latin.out, "* M\xC3\xBCller_cvt.txt" + report);
  EXPECT_EQ(dir.read(folder + "/M\xFCller_cvt.txt"), copy);
}

// A column file of random points in Germany between point names, remarks,
// empty and comment lines, lines without numbers, tabs and CR LF, with
// names beyond ASCII in Windows-1252 (UTF-8 files are made of it by iconv).
std::string randomColumnFile(std::mt19937& random, int lines) {
  static const char* const names[] = {"M\xFCller", "Stra\xDF\x65", "P\xF8", "K\xF6ln", "x"};
  std::uniform_real_distribution<double> east(3400000, 3600000), north(5300000, 6000000);
  std::string file;
  for (int i = 0; i < lines; ++i) {
    switch (random() % 8) {
      case 0: file += "\n"; break;
      case 1: file += "* comment;1;2\n"; break;
      case 2: file += std::string(names[random() % 5]) + ";E;N;no numbers\r\n"; break;
      default:
        file += std::string(names[random() % 5]) + std::to_string(i) + (random() % 2 ? ";" : "\t;") +
                std::to_string(east(random)) + ";" + std::to_string(north(random)) +
                (random() % 2 ? ";remark " + std::string(names[random() % 5]) : "") + "\n";
    }
  }
  return file;
}

// Standard input as a column file, "-" as FILE, --output and a pipe: every
// way gives byte for byte what the "_cvt" copy of the same file holds, in
// the file's encoding, and the same exit status; --no-heading leaves out
// exactly the heading line.
TEST(Cli, ColumnFilesThroughStandardInputGiveTheCopy) {
  std::mt19937 random(1515);
  const std::string columns = " --delimiter ';' --columns 2,3";
  for (const char* pair : {"--from GK3_DHDN --to DHDN", "--from GK3_DHDN --to DHDN --dms",
                           "--from GK3_DHDN --to DHDN --dms --language Cestina", "--from GK3_DHDN --to S42/83"}) {
    const std::string cp1252 = randomColumnFile(random, 300);
    const std::string files[] = {cp1252, utf8Of(cp1252), std::string(kByteOrderMark) + utf8Of(cp1252),
                                 "a;3500000;5500000\n"};
    for (const std::string& file : files) {
      SCOPED_TRACE(std::string(pair) + " " + file.substr(0, 12));
      TempDirectory dir;
      dir.write("p\xC3\xA4.txt", file);
      const std::string args = pair + columns;
      const CliRun copy = runCliIn(dir, args + " 'p\xC3\xA4.txt'", "");
      const std::string expected = dir.read("p\xC3\xA4_cvt.txt");
      ASSERT_NE(expected, "");
      for (const Stdin source : {Stdin::File, Stdin::Pipe})
        for (const std::string way : {"", " -", " -- -", " -o - -"}) {
          const CliRun r = runCliIn(dir, args + way, file, "C.UTF-8", source);
          EXPECT_EQ(r.status, copy.status) << way;
          EXPECT_TRUE(r.out == expected) << way << "\n" << r.out;
        }
      EXPECT_EQ(runCliIn(dir, args + " -o - 'p\xC3\xA4.txt'", "").out, expected);
      for (const std::string way : {"-o '\xC5\x82.txt' 'p\xC3\xA4.txt'", "--output='\xC5\x82.txt' -"}) {
        std::filesystem::remove(dir.file("\xC5\x82.txt"));
        const CliRun r = runCliIn(dir, args + " " + way, file);
        EXPECT_EQ(dir.read("\xC5\x82.txt"), expected) << way;
        EXPECT_EQ(r.out.rfind("* ?.txt ", 0), 0u) << r.out;
      }
      const std::string bom = file.rfind(kByteOrderMark, 0) == 0 ? std::string(kByteOrderMark) : "";
      std::string withoutHeading = expected;
      withoutHeading.erase(bom.size(), expected.find('\n') + 1 - bom.size());
      EXPECT_EQ(runCliIn(dir, args + " --no-heading", file, "C", Stdin::Pipe).out, withoutHeading);
      EXPECT_EQ(runCliIn(dir, args + " --no-heading --force 'p\xC3\xA4.txt'", "").status, copy.status);
      EXPECT_EQ(dir.read("p\xC3\xA4_cvt.txt"), withoutHeading);
    }
  }
}

// A pipe cannot be read twice: its first line beyond ASCII decides its
// encoding, however late it comes, and the output waits for it only where
// the heading or the results hold bytes beyond ASCII. When 4 MiB of the copy
// have waited, the pipe is Windows-1252, as a file of ASCII lines is.
TEST(Cli, APipesEncodingIsDecidedByItsFirstLineBeyondAscii) {
  const std::string args = "--from GK3_DHDN --to DHDN --delimiter ';' --columns 2,3 --dms";
  std::string ascii;
  for (int i = 0; i < 20000; ++i) ascii += "p;" + std::to_string(3500000 + i) + ";5500000\n";
  const std::string late = ascii + "\xC3\xA4;3500000;5500000\n";
  TempDirectory dir;
  dir.write("late.txt", late);
  runCliIn(dir, args + " late.txt", "");
  const std::string copy = dir.read("late_cvt.txt");
  ASSERT_NE(copy.find("49\xC2\xB0"), std::string::npos);
  EXPECT_TRUE(runCliIn(dir, args, late, "C", Stdin::Pipe).out == copy);

  std::string long_ascii;
  while (long_ascii.size() < (5u << 20)) long_ascii += ascii;
  const CliRun r = runCliIn(dir, args, long_ascii + "\xC3\xA4;3500000;5500000\n", "C", Stdin::Pipe);
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out.find("\xC2\xB0"), std::string::npos);
  EXPECT_NE(r.out.find("49\xB0"), std::string::npos);
}

// Every line is converted, without result, not read or text: a point that
// gets no result (no grid value, a faulty reference, a result that is no
// position) or a line that holds digits but no point makes the exit status
// 3, and standard error names the first of these lines; text (empty,
// comment and heading lines) counts for nothing; --strict adds points
// outside a frame. Absurd values are marked where they enter; --each-line
// answers every line with one line.
TEST(Cli, ExitStatusesOfPointsAndTheStrictOption) {
  const bool beta = std::ifstream("/usr/share/proj/BETA2007.gsb").good();
  const struct {
    std::string args, input;
    int status;
    std::string err;
    std::optional<std::string> out = std::nullopt;
  } cases[] = {
      {"--from GK3_DHDN --to DHDN", "3500000 5500000\n\n* note\n  \t\n", 0, ""},
      {"--from GK3_DHDN --to DHDN", "3500000 5500000\n3500000 55x\n1 2 3\n4\n", 3,
       "kortavex-cli: standard input: 3 lines not read: 2, 3, 4\n"},
      {"--from GK3_DHDN --to DHDN", "3700000 5500000\n", 0, ""},
      {"--from GK3_DHDN --to DHDN --strict", "3700000 5500000\n", 3, ""},
      {"--from GK3_DHDN --to DHDN --strict", "3500000 5500000\n", 0, ""},
      {"--from MGRS --to WGS84", "33UXP0154338361\n33IXP01\n33U XP 01 01\n", 3,
       "kortavex-cli: standard input: 1 lines without result (*): 2\n"
       "kortavex-cli: standard input: 1 lines not read: 3\n"},
      {"--from GK3_DHDN --to DHDN --columns 2,3", "a 3700000 5500000\nb x y\n", 0,
       "kortavex-cli: standard input: Input or output outside of the coordinate-frame\n"},
      {"--from GK3_DHDN --to DHDN --columns 2,3 --strict", "a 3700000 5500000\n", 3,
       "kortavex-cli: standard input: Input or output outside of the coordinate-frame\n"},
      // a heading of words is text, a typo is not read
      {"--from GK3_DHDN --to DHDN --delimiter ';' --columns 2,3", "E_M34;N_M34\nP1;48.2x;16.3\nP;Rechtswert;Hochwert\nP2;3500000;5500000\n",
       3, "kortavex-cli: standard input: 1 lines not read: 2\n"},
      {"--check --from GK3_DHDN", "3700000 5500000\n", 0, ""},
      {"--check --from GK3_DHDN --strict", "3700000 5500000\n", 3, ""},
      {"--check --from MGRS", "33IXP01\n", 3, ""},
      {"--check --from GK3_DHDN --3d", "3520000 5540000 100\n", 0, ""},
      {"--check --from GK3_DHDN --3d", "3520000 5540000\n", 3, "kortavex-cli: standard input: 1 lines not read: 1\n"},
      {beta ? "--from GK3_DHDN --to WGS84 --grid BeTA2007 --columns 1,2" : "", "3500000 4000000\n", 3,
       "kortavex-cli: standard input: Input or output outside of the Grid-frame or Shift-value not existing\n"
       "kortavex-cli: standard input: 1 lines without result (*): 1\n"},
      {"--from WGS84 --to MGI", "Messpunkte Wien\n48.2 16.4\n", 0, ""},  // a title is text
      {"--from WGS84 --to MGI --strict", "48.2 376\n", 3, ""},       // a longitude beyond 180: blue
      {"--from WGS84 --to MGI --flags", "48.2 376\n", 0, ""},
      {"--from WGS84 --to MGRS", "48.2 1e300\n", 3, "kortavex-cli: standard input: 1 lines without result (*): 1\n",
       "* MGRS(UTMREF) * [Helmert]\n*\tno position\n"},
      {"--3d --from WGS84 --to GK3_DHDN", "48.1 11.6 1e200\n", 3, "kortavex-cli: standard input: 1 lines without result (*): 1\n",
       "* GK3_DHDN * [Helmert]\n* * *\tno position\n"},
      {"--from WGS84 --to MGI --height -1e7 --strict", "48.2 16.4\n", 3, ""},
      {"--from WGS84 --to MGI --height -9e5 --strict", "48.2 16.4\n", 0, ""},
      {"--from GK3_DHDN --to DHDN --each-line", "Punkte\n3500000 5500000\n\n* x\n35OOOOO 5500000\n", 3,
       "kortavex-cli: standard input: 1 lines not read: 5\n", "\n49.63781609  9.00000000\n\n\n* *\tnot read\n"},
      {"--from GK3_DHDN --to DHDN --no-heading --each-line", "", 2,
       "kortavex-cli: --no-heading has no meaning with --each-line, which writes no heading\n"},
      {"--from GK3_DHDN --to DHDN --each-line --columns 2,3", "", 2,
       "kortavex-cli: --each-line has no meaning with --delimiter or --columns on standard input\n"},
      // every byte but the numbers stays, for every delimiter
      {"--from GK3_DHDN --to DHDN --no-heading --delimiter , --columns 2,3", "P, 3500000 ,5500000,\n", 0, "",
       "P, 49.63781609 ,9.00000000,\n"},
      {"--from GK3_DHDN --to DHDN --no-heading --columns 2,3", "P 3500000, 5500000,\n", 0, "",
       "P 49.63781609, 9.00000000,\n"},
      // a wrong delimiter converts nothing, and says so
      {"--from GK3_DHDN --to DHDN --no-heading --delimiter ';' --columns 2,3", "P 3500000 5500000\nQ 1 2\n", 3,
       "kortavex-cli: standard input: 2 lines not read: 1, 2\n"
       "kortavex-cli: standard input: No line converted with the delimiter and columns: ';' 2,3\n",
       "P 3500000 5500000\nQ 1 2\n"},
      {"--from GK3_DHDN --to DHDN --columns 4,5", "P 3500000 5500000 x y\n", 3,
       "kortavex-cli: standard input: No line converted with the delimiter and columns: ' ' 4,5\n"},
      {"--from GK3_DHDN --to DHDN --columns 2,3,9", "P 3500000 5500000 x y\n", 3,
       "kortavex-cli: standard input: 1 lines not read: 1\n"
       "kortavex-cli: standard input: No line converted with the delimiter and columns: ' ' 2,3,9\n"},
      // UTF-16 is refused, and nothing written
      {"--from GK3_DHDN --to DHDN --columns 1,2", std::string("\xFF\xFE" "3\0" "5\0", 6), 1,
       "kortavex-cli: standard input is UTF-16 text and is not read: save it as UTF-8 or Windows-1252\n", ""},
      {"--from GK3_DHDN --to DHDN", std::string("3\0" "5\0 \0" "5\0", 8), 1,
       "kortavex-cli: standard input is UTF-16 text and is not read: save it as UTF-8 or Windows-1252\n", ""},
      // zero bytes alone are no text of any encoding: copied, as a heading is
      {"--from GK3_DHDN --to DHDN --columns 1,2 --no-heading", std::string(4, '\0') + "\n", 0, "",
       std::string(4, '\0') + "\n"},
  };
  for (const auto& c : cases) {
    if (c.args.empty()) continue;
    const CliRun r = runCli(c.args, c.input);
    EXPECT_EQ(r.status, c.status) << c.args << " " << c.input;
    EXPECT_EQ(r.err, c.err) << c.args << " " << c.input;
    if (c.out) {
      EXPECT_EQ(r.out, *c.out) << c.args << " " << c.input;
    }
  }
}

// --check reads the files it is given, never standard input: each file
// marks what the same lines mark on standard input, numbered by its lines
// and named when there are several; with --delimiter or --columns the two
// columns of each line are checked, as after an import into the window.
TEST(Cli, FrameCheckOfFiles) {
  std::mt19937 random(77);
  TempDirectory dir;
  const std::string cp1252 = randomColumnFile(random, 200) + "z;3700000;5500000\n";
  std::string lines;  // the same points as input-window lines
  for (std::size_t begin = 0, end; (end = cp1252.find('\n', begin)) != std::string::npos; begin = end + 1) {
    std::string imported;
    importLine(std::string_view(cp1252).substr(begin, end - begin - (cp1252[end - 1] == '\r')),
               {';', 1, 2}, imported);
    lines += imported + "\n";
  }
  dir.write("lines.txt", lines);
  dir.write("columns \xC5\x99.csv", utf8Of(cp1252));
  const CliRun fromInput = runCliIn(dir, "--check --from GK3_DHDN", lines);
  ASSERT_NE(fromInput.out, "");
  EXPECT_EQ(runCliIn(dir, "--check --from GK3_DHDN lines.txt", "").out, fromInput.out);
  EXPECT_EQ(runCliIn(dir, "--check --from GK3_DHDN --delimiter ';' --columns=2,3 'columns \xC5\x99.csv'", "").out,
            fromInput.out);
  EXPECT_EQ(runCliIn(dir, "--check --from GK3_DHDN --columns=2,3 --delimiter ';'", cp1252).out, fromInput.out);

  const CliRun several = runCliIn(dir, "--check --from GK3_DHDN lines.txt - nothere.txt", lines);
  EXPECT_EQ(several.status, 1);
  EXPECT_EQ(several.err, "kortavex-cli: nothere.txt: No such file or directory\n");
  std::string named;
  for (const char* name : {"lines.txt:", "-:"})
    for (std::size_t begin = 0, end; (end = fromInput.out.find('\n', begin)) != std::string::npos; begin = end + 1)
      named += name + fromInput.out.substr(begin, end + 1 - begin);
  EXPECT_EQ(several.out, named);
  mkfifo(dir.file("fifo").c_str(), 0644);
  EXPECT_EQ(runCliIn(dir, "--check --from GK3_DHDN fifo", "").err, "kortavex-cli: fifo: not a regular file\n");
}

// --config names the folder of kortavex.cfg and its parameter file: a run
// elsewhere with it is the run in that folder.
TEST(Cli, ConfigurationFromAnotherFolder) {
  TempDirectory dir, elsewhere;
  const std::string folder = "Einstellungen \xC3\x9F";
  std::filesystem::create_directory(dir.file(folder));
  dir.write(folder + "/kortavex.cfg", optionsFile("mine", "Polski"));
  dir.write(folder + "/mine.gtp", parameterFile("1", "Gauss/Kr\xFCger"));
  dir.write(folder + "/p.txt", "a;0;15;b\n");
  for (const char* args : {"--from WGS84 --to User", "--from WGS84 --to User --columns 2,3",
                           "--from 'MGRS(UTMREF)' --to WGS84"}) {
    const CliRun there = runCliIn(dir, std::string("--config '") + folder + "' " + args, "0 15\n33UXP0\n");
    TempDirectory copy;
    std::filesystem::copy(dir.file(folder), copy.path(), std::filesystem::copy_options::recursive);
    const CliRun local = runCliIn(copy, args, "0 15\n33UXP0\n");
    EXPECT_EQ(there.out, local.out) << args;
    EXPECT_EQ(there.status, local.status) << args;
    EXPECT_EQ(runCliIn(elsewhere, std::string("--config '") + dir.file(folder) + "' " + args, "0 15\n33UXP0\n").out,
              local.out);
  }
  EXPECT_NE(runCliIn(elsewhere, "--config '" + dir.file(folder) + "' --from WGS84 --to User", "0 15\n").out.find("mine"),
            std::string::npos);
}

// --output never puts a copy in place of its own FILE (a hard link to it, a
// symbolic link to it on either side), nor of a FIFO, a device or a socket,
// --force or not; a symbolic link to another file is replaced as the link
// itself. One file given twice would have its copy replaced by the second run.
TEST(Cli, OutputNeverTakesThePlaceOfItsFileOrOfASpecialFile) {
  const std::string args = "--from GK3_DHDN --to DHDN --columns 2,3 --delimiter ';' ";
  const std::string source = "a;3500000;5500000\n";
  const struct {
    const char* files;
    int status;
  } cases[] = {{"-o p.txt p.txt", 2},    {"-o ./p.txt p.txt", 2}, {"-o hard.txt p.txt", 2},
               {"-o p.txt link.txt", 2}, {"-o link.txt p.txt", 2}, {"-o dev.txt p.txt", 1},
               {"-o other.txt p.txt", 0}, {"p.txt ./link.txt", 2}, {"p.txt hard.txt", 2}};
  for (const auto& c : cases)
    for (const char* force : {"", "--force "}) {
      SCOPED_TRACE(std::string(force) + c.files);
      TempDirectory dir;
      dir.write("p.txt", source);
      dir.write("elsewhere.txt", "elsewhere");
      ASSERT_EQ(::link(dir.file("p.txt").c_str(), dir.file("hard.txt").c_str()), 0);
      ASSERT_EQ(::symlink("p.txt", dir.file("link.txt").c_str()), 0);
      ASSERT_EQ(::symlink("elsewhere.txt", dir.file("other.txt").c_str()), 0);
      ASSERT_EQ(::mkfifo(dir.file("fifo").c_str(), 0644), 0);
      ASSERT_EQ(::symlink("/dev/null", dir.file("dev.txt").c_str()), 0);
      const CliRun r = runCliIn(dir, args + force + c.files, "");
      const int status = c.status == 0 && !*force ? 1 : c.status;  // a link is kept without --force
      EXPECT_EQ(r.status, status) << r.err;
      EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), status != 0) << r.err;
      EXPECT_EQ(dir.read("p.txt"), source);
      EXPECT_EQ(dir.read("elsewhere.txt"), "elsewhere");
      EXPECT_FALSE(dir.exists("p_cvt.txt") && status == 2);
      struct stat info {};
      EXPECT_TRUE(::lstat(dir.file("fifo").c_str(), &info) == 0 && S_ISFIFO(info.st_mode));
      EXPECT_EQ(::lstat(dir.file("other.txt").c_str(), &info) == 0 && S_ISLNK(info.st_mode), status != 0);
    }
}

// Columns or a delimiter of a hand-edited kortavex.cfg that cannot read a
// column file are refused in every mode that reads one, unless the options
// give both; they would give copies in which nothing is converted.
TEST(Cli, ColumnsOfTheOptionsFileThatCannotReadAColumnFile) {
  const struct {
    const char* cfg;  // columns and delimiter
    const char* given;  // what the options give, the rest coming from the file
  } cases[] = {{"1\r\n1\r\n;", "--delimiter ';'"}, {"1\r\n40\r\n;", "--delimiter ';'"}, {"1\r\n2\r\nx", "--columns 2,3"}};
  for (const auto& c : cases) {
    TempDirectory dir;
    dir.write("kortavex.cfg", std::string("kortavex_options_v45\r\n0\r\n") + c.cfg + "\r\nmine\r\nEnglish\r\n1023\r\n");
    dir.write("p.txt", "a;3500000;5500000\n");
    for (const std::string& args : {std::string("--to DHDN p.txt"), "--to DHDN " + std::string(c.given),
                                   "--check " + std::string(c.given) + " p.txt"}) {
      const CliRun r = runCliIn(dir, "--from GK3_DHDN " + args, "a;3500000;5500000\n");
      EXPECT_EQ(r.status, 2) << c.cfg << " " << args;
      EXPECT_EQ(r.err, "kortavex-cli: the columns or the delimiter of kortavex.cfg cannot read a column file; "
                       "give --columns and --delimiter\n");
      EXPECT_EQ(r.out, "");
    }
    const CliRun r = runCliIn(dir, "--from GK3_DHDN --to DHDN --columns 2,3 --delimiter ';'", "a;3500000;5500000\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("a;49.6"), std::string::npos) << r.out;
  }
}

TEST(Cli, HelpAndLists) {
  const CliRun help = runCli("--help", "");
  EXPECT_EQ(help.status, 0);
  EXPECT_EQ(help.out.rfind("usage: kortavex-cli --from NAME --to NAME", 0), 0u);
  const CliRun list = runCli("--list", "");
  EXPECT_EQ(list.status, 0);
  const std::size_t target = list.out.find("Target systems:\n");
  ASSERT_NE(target, std::string::npos);
  // "UTM" with the zone from the position is a target only; every region is listed
  EXPECT_EQ(list.out.find("  UTM\n"), list.out.find("  UTM\n", target));
  for (const char* entry : {"  Krovak          EPSG:5513\n", "  UTM60S          EPSG:32760\n",
                            "  CH1903+/LV95    EPSG:2056\n", "  User\n"})
    EXPECT_LT(list.out.find(entry), target) << entry;
}

}  // namespace
