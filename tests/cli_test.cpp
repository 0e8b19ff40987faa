// kortavex-cli as a script would use it.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "tests/temp_directory.h"

namespace {

struct CliRun {
  int status;
  std::string out, err;
};

// Runs kortavex-cli in `dir` with `args`, `input` on standard input.
CliRun runCliIn(const TempDirectory& dir, const std::string& args, const std::string& input) {
  dir.write("stdin", input);
  const std::string command =
      "cd '" + dir.path() + "' && '" KORTAVEX_CLI_PATH "' " + args + " < stdin 2> stderr";
  CliRun run;
  FILE* pipe = popen(command.c_str(), "r");
  char buf[4096];
  std::size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, pipe)) > 0) run.out.append(buf, n);
  run.status = WEXITSTATUS(pclose(pipe));
  run.err = dir.read("stderr");
  return run;
}

CliRun runCli(const std::string& args, const std::string& input) {
  TempDirectory dir;
  return runCliIn(dir, args, input);
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
  EXPECT_EQ(runCli("--from 'MGRS(UTMREF)' --to UTM --flags", "33UXP0154338361\n33UXP015\n").out,
            "* UTM\n601543.000 5338361.000 33N U\t0\n* MGRS - faulty\n");
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
      {"--from WGS84", "kortavex-cli: --from and --to are needed"},
      {"--from WGS84 --to MGI --height x", "kortavex-cli: --height needs a number"},
      {"--from WGS84 --to MGI --grid NADCON", "kortavex-cli: unknown transformation"},
      {"--bogus", "kortavex-cli: unknown argument"},
      {"--to", "kortavex-cli: --to needs a value"},
      {"--from WGS84 --to MGI --columns 2,2 f", "kortavex-cli: --columns takes"},
      {"--from WGS84 --to MGI --columns 0,10 f", "kortavex-cli: --columns takes"},
      {"--from WGS84 --to MGI --delimiter x f", "kortavex-cli: --delimiter takes"},
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
  dir.write("kortavex.cfg", "kortavex_options_v45\r\n0\r\n1\r\n2\r\n;\r\nmine\r\nDeutsch\r\n1023\r\n");
  dir.write("mine.gtp", "kortavex_parameter_v4\r\nmine\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n1\r\nWGS84\r\n"
                        "Gauss/Kr\xFCger\r\n15\r\n500000\r\n0\r\n0\r\n0\r\n0\r\n");
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
  runCliIn(plain, "--from GK-AUT_M34 --to WGS84 --height 0 --delimiter ';' --columns 1,2 p.txt", "");
  EXPECT_EQ(dir.read("p_cvt.txt"), plain.read("p_cvt.txt"));
  EXPECT_NE(plain.read("p_cvt.txt").find(";a\n"), std::string::npos);
}

TEST(Cli, FileModeKeepsExistingCopiesUnlessForced) {
  TempDirectory dir;
  dir.write("pts.csv", "p1;-50000;300000;rem\np2;;5300000;x\n");
  const std::string args = "--from GK-AUT_M34 --to WGS84 --delimiter ';' --columns 2,3 pts.csv";
  const CliRun first = runCliIn(dir, args, "");
  EXPECT_EQ(first.status, 0);
  EXPECT_EQ(first.out, "* pts_cvt.csv Target generated!\n* (1 lines converted)\n");
  const std::string converted = dir.read("pts_cvt.csv");
  EXPECT_NE(converted.find("p1;47.83670229;15.66425603;rem"), std::string::npos);
  EXPECT_NE(converted.find("p2;;5300000;x"), std::string::npos);

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
  EXPECT_NE(file.err.find("g_cvt.txt: Lines without result (*): 2\n"), std::string::npos) << file.err;
}

TEST(Cli, AFaultyParameterFileIsReportedWhenTheUserSystemIsUsed) {
  TempDirectory dir;
  dir.write("kortavex.cfg", "kortavex_options_v45\r\n0\r\n1\r\n2\r\n;\r\nmine\r\nDeutsch\r\n1023\r\n");
  dir.write("mine.gtp", "kortavex_parameter_v4\r\nmine\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\nWGS84\r\n"
                        "UTM\r\n15\r\n500000\r\n0\r\n0\r\n0\r\n0\r\n");
  const CliRun user = runCliIn(dir, "--from WGS84 --to User", "0 15\n");
  EXPECT_EQ(user.status, 2);
  EXPECT_EQ(user.out, "");
  EXPECT_EQ(user.err, "Faulty parameter file, the parameter set is not used:\nmine.gtp, line 9: 0\n");
  EXPECT_EQ(runCliIn(dir, "--from WGS84 --to MGI", "48.2 16.37\n").status, 0);
}

TEST(Cli, FrameCheck) {
  const CliRun gk = runCli("--check --from GK-AUT_M34", "0 300000\n500000 300000\n* x\n\n1 2 3\n0 0\n");
  EXPECT_EQ(gk.status, 0);
  EXPECT_EQ(gk.out, "2 blue\n6 blue\n");
  EXPECT_EQ(runCli("--check --from 'MGRS(UTMREF)'", "33UXP01\n33UXP0\n33UIP01\n").out, "2 red\n3 red\n");
  EXPECT_EQ(runCli("--check --from '--- Deutschland'", "").status, 2);
  EXPECT_EQ(runCli("--check", "").status, 2);
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
  for (const char* entry : {"  Krovak\n", "  UTM60S\n", "  CH1903+/LV95\n", "  User\n"})
    EXPECT_LT(list.out.find(entry), target) << entry;
}

}  // namespace
