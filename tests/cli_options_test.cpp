// kortavex-cli's command line, run in-process: every misuse is one line and
// exit status 2, the two forms of a value and the names of a system mean the
// same, and nothing given is silently ignored.
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cli/cli_modes.h"
#include "tests/test_support.h"

using namespace kortavex;

namespace {

struct InProcessRun {
  int status;
  std::string out, err;
};

int memoryFile(const std::string& bytes) {
  const int fd = ::memfd_create("cli-options-test", MFD_CLOEXEC);
  if (::write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size())) return -1;
  ::lseek(fd, 0, SEEK_SET);
  return fd;
}

std::string contentOf(int fd) {
  std::string bytes(static_cast<std::size_t>(::lseek(fd, 0, SEEK_END)), '\0');
  if (::pread(fd, bytes.data(), bytes.size(), 0) != static_cast<ssize_t>(bytes.size())) return "<unread>";
  return bytes;
}

// A run with `input` on standard input and kortavex.cfg looked for in `directory`.
InProcessRun run(const std::vector<std::string>& args, const std::string& input = "",
        const std::string& directory = "/nonexistent-kortavex-config") {
  const int in = memoryFile(input), outFd = memoryFile(""), errFd = memoryFile("");
  InProcessRun r;
  {
    OutputStream out(outFd), err(errFd, OutputStream::Content::Messages);
    CliStreams streams{in, out, err};
    r.status = runCli(args, streams, directory);
  }
  r.out = contentOf(outFd);
  r.err = contentOf(errFd);
  for (const int fd : {in, outFd, errFd}) ::close(fd);
  return r;
}

// Each misuse: exit status 2, nothing on standard output, and exactly this
// one line on standard error.
TEST(CliOptions, EveryMisuseIsOneLineAndExitTwo) {
  TempDirectory dir;
  dir.write("a.txt", "1 2\n");
  dir.write("plain", "");
  const std::string a = dir.file("a.txt");
  const std::vector<std::string> pair = {"--from", "GK3_DHDN", "--to", "DHDN"};
  const std::string kColumns = "--columns takes two or three different column numbers 1-9, as in 2,3 or 2,3,4";
  const auto with = [&](std::vector<std::string> more) {
    more.insert(more.begin(), pair.begin(), pair.end());
    return more;
  };
  const struct {
    std::vector<std::string> args;
    std::string error;
  } cases[] = {
      {{"--bogus"}, "unknown option: --bogus"},
      {{"--bogus=1"}, "unknown option: --bogus"},
      {{"-x"}, "unknown option: -x"},
      {{"--fro", "WGS84"}, "unknown option: --fro"},
      {{"--from"}, "--from needs a value"},
      {{"--from="}, "--from needs a value"},
      {with({"-o"}), "--output needs a value"},
      {{"--dms=yes"}, "--dms takes no value"},
      {{"--from", "WGS84", "--to", "UTM33N", "--dms"}, "--dms needs a geographic target: UTM33N"},
      {{"--from", "WGS84", "--to", "utm", "--dms", a}, "--dms needs a geographic target: UTM"},
      {with({"--dms", "--dms"}), "--dms is given twice"},
      {{"--from", "WGS84", "--from=MGI", "--to", "DHDN"}, "--from is given twice"},
      {{"--from", "WGS84"}, "--from and --to are needed"},
      {{"--to", "WGS84", a}, "--from and --to are needed"},
      {{"--check"}, "--check needs --from"},
      {with({"--force"}), "--force has no meaning without FILE"},
      {with({"--columns", "2,3", "--force"}), "--force has no meaning with --delimiter or --columns on standard input"},
      {with({"--output", "x.txt"}), "--output has no meaning without FILE"},
      {with({"--flags", a}), "--flags has no meaning with FILE"},
      {with({"--flags", "--delimiter", ";"}), "--flags has no meaning with --delimiter or --columns on standard input"},
      {{"--check", "--from", "GK3_DHDN", "--grid", "BeTA2007"}, "--grid has no meaning with --check"},
      {{"--check", "--from", "GK3_DHDN", "--to", "DHDN"}, "--to has no meaning with --check"},
      {{"--check", "--from", "GK3_DHDN", "--no-heading"}, "--no-heading has no meaning with --check"},
      {{"--check", "--from", "GK3_DHDN", "--dms"}, "--dms has no meaning with --check"},
      {{"--check", "--from", "GK3_DHDN", "--3d", "--columns", "2,3"},
       "--3d has no meaning with --delimiter or --columns: the height's column is the third of --columns"},
      {{"--list", "--from", "WGS84"}, "--from has no meaning with --list"},
      {{"--list", "--language", "Deutsch"}, "--language has no meaning with --list"},
      {{"--list", "--check"}, "--check has no meaning with --list"},
      {{"--list", a}, "a FILE (" + a + ") has no meaning with --list"},
      {{"--help", "--from", "WGS84"}, "--from has no meaning with --help"},
      {{"-h", "--version"}, "--version has no meaning with --help"},
      {{"--version", "--encoding", "utf-8"}, "--encoding has no meaning with --version"},
      {with({"-o", "x.txt", a, a}), "--output names the copy of a single FILE"},
      {with({"-", "-"}), "standard input (-) is given twice"},
      {{"--check", "--from", "DHDN", "-", a, "-"}, "standard input (-) is given twice"},
      {with({"-", a}), "FILE - stands alone: its copy goes to standard output"},
      {with({"--force", "-"}), "--force has no meaning when the copy goes to standard output"},
      {with({"--force", "-o", "-", a}), "--force has no meaning when the copy goes to standard output"},
      {with({"--height", "inf"}), "--height needs a number: inf"},
      {with({"--height=1e999"}), "--height needs a number: 1e999"},
      {with({"--columns", "3"}), kColumns},
      {with({"--columns", "2,+3"}), kColumns},
      {with({"--columns", "2.0,3"}), kColumns},
      {with({"--columns", " 2,3"}), kColumns},
      {with({"--columns", "2,3,3"}), kColumns},
      {with({"--columns", "2,3,4,5"}), kColumns},
      {with({"--3d", a}), "--3d has no meaning with FILE"},
      {{"--from", "GK3_DHDN+DHHN2016", "--to", "WGS84"}, "a height system needs heights: give --3d, or --columns E,N,H"},
      {{"--from", "GK3_DHDN+DHHN", "--to", "WGS84"}, "not a height system of --list: DHHN"},
      {{"--from", "GK3+DHHN2016", "--to", "WGS84"}, "not an entry of the start list: GK3+DHHN2016"},
      {with({"--delimiter", "\t"}), "--delimiter takes ' ', ',' or ';'"},
      {with({"--encoding", "UTF8"}), "--encoding takes utf-8 or cp1252"},
      {{"--from", "EPSG:5514", "--to", "WGS84"},
       "EPSG:5514 counts east and north, the negated values of Krovak, EPSG:5513: negate both values and give EPSG:5513"},
      {{"--from", "EPSG:4258", "--to", "WGS84"}, "EPSG:4258 names no system of kortavex-cli (see --list)"},
      {{"--from", "EPSG:", "--to", "WGS84"}, "not an entry of the start list: EPSG:"},
      {{"--from", "EPSG:31x", "--to", "WGS84"}, "not an EPSG code: EPSG:31x"},
      {{"--from", "WGS84", "--to", "MGRS(UTM)"}, "not an entry of the target list: MGRS(UTM)"},
      {{"--from", "utm", "--to", "WGS84"}, "not an entry of the start list: utm"},
      {with({"--config", dir.file("none")}), "--config " + dir.file("none") + ": " + std::strerror(ENOENT)},
      {with({"--config", dir.file("plain")}), "--config " + dir.file("plain") + ": not a directory"},
  };
  for (const auto& c : cases) {
    std::string shown;
    for (const std::string& arg : c.args) shown += " " + arg;
    const InProcessRun r = run(c.args, "1 2\n");
    EXPECT_EQ(r.status, 2) << shown;
    EXPECT_EQ(r.out, "") << shown;
    EXPECT_EQ(r.err, "kortavex-cli: " + c.error + "\n") << shown;
  }
}

// Random command lines from the words of every option, good and bad values
// and FILEs: whatever is refused is refused in one line with status 2 and
// writes nothing; a value given as --opt=value means what --opt value means.
TEST(CliOptions, RandomCommandLinesAreRunOrRefusedInOneLine) {
  TempDirectory dir;
  dir.write("a.txt", "p 3500000 5500000\n");
  const std::vector<std::vector<std::string>> words = {
      {"--from", "GK3_DHDN"}, {"--from", "epsg:31467"}, {"--to", "dhdn"}, {"--to", "EPSG:4314"},
      {"--to", "MGRS"}, {"--grid", "BeTA2007"}, {"--grid", "x"}, {"--height", "12.5"},
      {"--dms"}, {"--flags"}, {"--delimiter", ";"}, {"--columns", "2,3"}, {"--force"},
      {"--no-heading"}, {"--strict"}, {"--language", "Polski"}, {"--encoding", "cp1252"},
      {"--config", dir.path()}, {"-o", dir.file("out.txt")}, {"--output", "-"}, {"--check"},
      {"--list"}, {"--version"}, {"--help"}, {dir.file("a.txt")}, {"-"}, {"--"}, {"--bogus"},
  };
  std::mt19937 random(15);
  int accepted = 0;
  for (int i = 0; i < 3000; ++i) {
    std::vector<std::string> spaced, joined;
    bool options = true;  // until "--"
    const auto add = [&](const std::vector<std::string>& word) {
      spaced.insert(spaced.end(), word.begin(), word.end());
      const bool join = options && word.size() == 2 && word[0].rfind("--", 0) == 0;
      joined.push_back(join ? word[0] + "=" + word[1] : word[0]);
      if (word.size() == 2 && !join) joined.push_back(word[1]);
      options &= word[0] != "--";
    };
    if (random() % 2) add({"--from", "GK3_DHDN"}), add({"--to", "DHDN"});
    for (int n = std::uniform_int_distribution<int>(0, 5)(random); n > 0; --n) add(words[random() % words.size()]);
    std::filesystem::remove(dir.file("out.txt"));
    std::filesystem::remove(dir.file("a_cvt.txt"));
    const InProcessRun r = run(spaced, "3500000 5500000\n");
    std::string shown;
    for (const std::string& arg : spaced) shown += " " + arg;
    ASSERT_TRUE(r.status >= 0 && r.status <= 3) << shown;
    if (r.err.rfind("kortavex-cli: ", 0) == 0 && r.status == 2) {
      EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << shown;
      EXPECT_EQ(r.out, "") << shown;
    }
    accepted += r.status != 2;
    std::filesystem::remove(dir.file("out.txt"));
    std::filesystem::remove(dir.file("a_cvt.txt"));
    const InProcessRun same = run(joined, "3500000 5500000\n");
    EXPECT_TRUE(same.status == r.status && same.out == r.out && same.err == r.err) << shown;
  }
  EXPECT_GT(accepted, 300);  // the words do make working command lines
}

// A name in any case, "MGRS", an EPSG code, --opt=value and "--" before a
// FILE that starts with "-": the same run as the plain spelling.
TEST(CliOptions, OtherSpellingsOfTheSameRun) {
  TempDirectory dir;
  dir.write("-p.txt", "a 3500000 5500000\n");
  const struct {
    std::vector<std::string> plain, other;
    std::string input;
  } cases[] = {
      {{"--from", "GK3_DHDN", "--to", "DHDN"}, {"--from", "gk3_dhdn", "--to", "dHdN"}, "3500000 5500000\n"},
      {{"--from", "GK3_DHDN", "--to", "DHDN"}, {"--from=EPSG:31467", "--to=epsg:4314"}, "3500000 5500000\n"},
      {{"--from", "MGRS(UTMREF)", "--to", "UTM"}, {"--from", "mgrs", "--to", "utm"}, "33UXP0154338361\n"},
      {{"--from", "WGS84", "--to", "MGRS(UTMREF)"}, {"--to", "MGRS", "--from", "EPSG:4326"}, "48.2 16.37\n"},
      {{"--from", "WGS84", "--to", "UTM33N"}, {"--from", "wgs84", "--to", "EPSG:25833"}, "48.2 16.37\n"},
      {{"--from", "WGS84", "--to", "UTM33N"}, {"--from", "wgs84", "--to", "EPSG:32633"}, "48.2 16.37\n"},
      {{"--from", "User", "--to", "WGS84"}, {"--from", "USER", "--to", "wgs84"}, "1 2\n"},
      {{"--from", "WGS84", "--to", "MGI", "--height", "5.5"}, {"--from", "WGS84", "--to", "MGI", "--height=5,5"}, "48 16\n"},
      {{"--from", "GK3_DHDN", "--to", "DHDN", "--delimiter", " ", "--columns", "2,3"},
       {"--columns=2,3", "--delimiter= ", "--to=DHDN", "--from=GK3_DHDN"}, "a 3500000 5500000\n"},
      {{"--from", "GK3_DHDN", "--to", "DHDN", "--columns", "2,3", "-o", "-", "--", dir.file("-p.txt")},
       {"--from", "GK3_DHDN", "--to", "DHDN", "--columns", "2,3", "--", "-"}, "a 3500000 5500000\n"},
  };
  for (const auto& c : cases) {
    const InProcessRun plain = run(c.plain, c.input), other = run(c.other, c.input);
    EXPECT_EQ(other.status, plain.status) << c.other[1];
    EXPECT_EQ(other.out, plain.out) << c.other[1];
    EXPECT_EQ(other.err, plain.err) << c.other[1];
    EXPECT_NE(plain.out.find('\n'), std::string::npos) << c.other[1];
  }
}

}  // namespace
