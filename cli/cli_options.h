#pragma once
// The command line of kortavex-cli.

#include <optional>
#include <string>
#include <vector>

#include "chain/system_select.h"
#include "cli/terminal_text.h"

namespace kortavex {

struct CliOptions {
  enum class Mode {
    Convert,  // standard input as the input window, output-window text out
    Columns,  // standard input as a column file, its copy out
    Files,    // each FILE into its copy
    Check,    // the coordinate-frame check of standard input or of FILEs
    List,
    Help,
    Version,
  };
  Mode mode = Mode::Convert;
  std::string from, to;  // as given: in the terminal's encoding
  Transformation transformation = Transformation::Helmert;
  std::optional<double> height;  // overrides the reference height of the options file
  bool dms = false;
  bool flags = false;
  bool eachLine = false;   // one line out for every line in, without heading (co-process use)
  bool force = false;      // replace existing copies
  bool noHeading = false;  // no heading line in the output or the copies
  bool strict = false;     // points outside a coordinate frame give exit status 3
  std::optional<char> delimiter;         // overrides the options file
  std::optional<int> eastingColumn;      // 0-based, overrides the options file
  std::optional<int> northingColumn;
  std::optional<int> heightColumn;       // 0-based: column files carry heights
  bool threeD = false;                   // lines on standard input carry heights
  std::optional<std::string> output;     // the copy of the single FILE; "-": standard output
  std::optional<TerminalEncoding> encoding;  // overrides the locale's character set
  std::optional<std::string> language;       // one of the seven; overrides the options file
  std::optional<std::string> configDirectory;  // of kortavex.cfg and its parameter file
  std::vector<std::string> files;            // file-system bytes; "-": standard input
};

// "-" as FILE or as --output.
inline bool isStandardStream(const std::string& file) { return file == "-"; }

// The options, or one line saying what is wrong with the command line.
struct ParsedCommandLine {
  CliOptions options;
  std::string error;
};
ParsedCommandLine parseCommandLine(const std::vector<std::string>& args);

extern const char* const kUsage;
// "kortavex-cli 0.1": the name and the version of the project.
extern const char* const kVersion;

}  // namespace kortavex
