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

// Runs kortavex-cli with `args`, `input` on standard input.
CliRun runCli(const std::string& args, const std::string& input) {
  TempDirectory dir;
  const std::string in = dir.path() + "/in", err = dir.path() + "/err";
  std::ofstream(in, std::ios::binary) << input;
  const std::string command =
      "cd '" + dir.path() + "' && '" KORTAVEX_CLI_PATH "' " + args + " < in 2> err";
  CliRun run;
  FILE* pipe = popen(command.c_str(), "r");
  char buf[4096];
  std::size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, pipe)) > 0) run.out.append(buf, n);
  run.status = WEXITSTATUS(pclose(pipe));
  std::ifstream e(err, std::ios::binary);
  run.err.assign(std::istreambuf_iterator<char>(e), {});
  return run;
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
  };
  for (const auto& c : cases) {
    const CliRun r = runCli(c.args, "48.2 16.37\n");
    EXPECT_EQ(r.status, 2) << c.args;
    EXPECT_EQ(r.out, "") << c.args;
    EXPECT_EQ(r.err.rfind(c.stderrStart, 0), 0u) << c.args << ": " << r.err;
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
  for (const char* entry : {"  Krovak\n", "  UTM60S\n", "  CH1903+/LV95\n", "  User\n"})
    EXPECT_LT(list.out.find(entry), target) << entry;
}

}  // namespace
