// What documents kortavex-cli beside its --help: the man page renders without
// a warning and names every option of --help, as the user guide does; the bash
// completion completes options, system names and EPSG codes.
#include <fstream>
#include <iterator>
#include <regex>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "tests/test_support.h"

namespace {

std::string source(const std::string& file) {
  std::ifstream in(std::string(KORTAVEX_SOURCE_DIR "/") + file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The long options a text names ("--from", "--no-heading").
std::set<std::string> longOptions(const std::string& text) {
  static const std::regex option("--[a-z][a-z-]*[a-z]");
  std::set<std::string> found;
  for (auto it = std::sregex_iterator(text.begin(), text.end(), option); it != std::sregex_iterator(); ++it)
    found.insert(it->str());
  return found;
}

TEST(CliDocuments, ManPageRendersWithoutWarnings) {
  const ShellRun groff = runShell("groff -ww -man -Tutf8 '" KORTAVEX_SOURCE_DIR "/docs/kortavex-cli.1' 2>&1 >/dev/null");
  EXPECT_EQ(groff.status, 0);
  EXPECT_EQ(groff.out, "");
}

TEST(CliDocuments, ManPageAndUserGuideNameEveryOptionOfTheHelp) {
  const std::set<std::string> help = longOptions(runShell("'" KORTAVEX_CLI_PATH "' --help").out);
  ASSERT_GT(help.size(), 15u);
  std::string manPage = source("docs/kortavex-cli.1");
  for (std::size_t at; (at = manPage.find("\\-")) != std::string::npos;) manPage.replace(at, 2, "-");
  EXPECT_EQ(longOptions(manPage), help);
  const std::set<std::string> guide = longOptions(source("docs/user-guide.md"));
  for (const std::string& option : help) EXPECT_TRUE(guide.count(option)) << option;
  for (const std::string& text : {manPage, source("docs/user-guide.md"), runShell("'" KORTAVEX_CLI_PATH "' --help").out})
    EXPECT_NE(text.find("--strict"), std::string::npos);
}

// A word quoted for the shell.
std::string shellWord(const std::string& word) {
  std::string q = "'";
  for (const char c : word) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

// COMPREPLY for the words of a command line, the last one being completed
// (bash splits "--from=X" and "EPSG:1" at "=" and ":"), in a directory that
// holds a.txt and folder.
std::string completions(const std::vector<std::string>& words) {
  TempDirectory dir;
  std::string script = "source /usr/share/bash-completion/bash_completion\nsource '" KORTAVEX_SOURCE_DIR
                       "/cli/bash-completion/kortavex-cli'\nCOMP_WORDS=('" KORTAVEX_CLI_PATH "'";
  std::string line = KORTAVEX_CLI_PATH;
  for (const std::string& word : words) {
    script += " " + shellWord(word);
    line += (word == "=" || word == ":" || line.back() == '=' || line.back() == ':' ? "" : " ") + word;
  }
  script += ")\nCOMP_CWORD=" + std::to_string(words.size()) + "\nCOMP_LINE=" + shellWord(line) +
            "\nCOMP_POINT=${#COMP_LINE}\n_kortavex_cli kortavex-cli \"${COMP_WORDS[COMP_CWORD]}\" "
            "\"${COMP_WORDS[COMP_CWORD-1]}\"\n"
            "((${#COMPREPLY[@]})) && printf '%s\\n' \"${COMPREPLY[@]}\" | LC_ALL=C sort\n";
  dir.write("complete.sh", script);
  return runShell("cd '" + dir.path() + "' && mkdir -p work/folder && cd work && touch a.txt && bash ../complete.sh").out;
}

TEST(CliDocuments, BashCompletionOfOptionsNamesAndCodes) {
  if (!std::ifstream("/usr/share/bash-completion/bash_completion")) GTEST_SKIP() << "bash-completion is not installed";
  std::string zones;
  for (int zone = 1; zone <= 60; ++zone)
    for (const char* hemisphere : {"N", "S"}) zones += "UTM" + std::string(zone < 10 ? "0" : "") + std::to_string(zone) + hemisphere + "\n";
  const struct {
    std::vector<std::string> words;
    std::string replies;
  } cases[] = {
      {{"--fr"}, "--from\n"},
      {{"--no"}, "--no-heading\n"},
      {{"--from", "gk3"}, "GK3_DHDN\nGK3_S42/83\n"},
      {{"--from", "utm33"}, "UTM33N\nUTM33S\n"},
      {{"--from", "UTM"}, zones},  // "UTM" (the zone from the position) is a target only
      {{"--to", "utm"}, "UTM\n" + zones},
      {{"--to", "MGR"}, "MGRS\\(UTMREF\\)\n"},
      {{"--to", "=", "CH1903+"}, "CH1903+\nCH1903+/LV95\n"},
      {{"--to", "gk3_dhdn+d"}, "gk3_dhdn+DHHN2016\n"},
      {{"--from", "CH1903+/LV95+"}, "CH1903+/LV95+Bpv\nCH1903+/LV95+DHHN2016\nCH1903+/LV95+EGM96\n"
                                    "CH1903+/LV95+GHA\nCH1903+/LV95+LHN95\nCH1903+/LV95+LN02\n"},
      {{"--from", "EPSG", ":", "3125"}, "31254\n31255\n31256\n31257\n31258\n31259\n"},
      {{"--grid", ""}, "AustrianGrid\nBeTA2007\nCHENYX06\nHelmert\n"},
      {{"--language", "P"}, "Polski\nPortugues\n"},
      {{"--encoding", ""}, "cp1252\nutf-8\n"},
      {{"--delimiter", "';"}, "';'\n"},
      {{"--config", ""}, "folder\n"},
      {{"--from", "WGS84", "--", "--"}, ""},
      {{"--from", "WGS84", ""}, "a.txt\nfolder\n"},
  };
  for (const auto& c : cases) EXPECT_EQ(completions(c.words), c.replies) << c.words[0] << " " << c.words.back();
}

}  // namespace
