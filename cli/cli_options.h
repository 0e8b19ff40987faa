#pragma once
// The command line of kortavex-cli.

#include <optional>
#include <string>
#include <vector>

#include "chain/system_select.h"
#include "cli/terminal_text.h"

struct CliOptions {
  enum class Mode { Convert, Files, Check, List, Help };
  Mode mode = Mode::Convert;
  std::string from, to;  // as given: in the terminal's encoding
  Transformation transformation = Transformation::Helmert;
  std::optional<double> height;  // overrides the reference height of the options file
  bool dms = false;
  bool flags = false;
  std::optional<char> delimiter;         // overrides the options file
  std::optional<int> eastingColumn;      // 0-based, overrides the options file
  std::optional<int> northingColumn;
  bool force = false;                    // replace existing "_cvt" copies
  std::optional<TerminalEncoding> encoding;  // overrides the locale's character set
  std::optional<std::string> language;       // one of the seven; overrides the options file
  std::vector<std::string> files;            // file-system bytes
};

// The options, or an error text for the usage message.
struct ParsedCommandLine {
  CliOptions options;
  std::string error;
};
ParsedCommandLine parseCommandLine(const std::vector<std::string>& args);

extern const char* const kUsage;
