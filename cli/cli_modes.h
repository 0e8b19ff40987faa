#pragma once
// The modes of kortavex-cli and what they share.

#include <string>
#include <vector>

#include "cli/cli_options.h"
#include "cli/cli_streams.h"
#include "cli/terminal_text.h"
#include "lang/main_texts.h"
#include "settings/startup.h"
#include "workflow/input_window_conversion.h"

constexpr int kExitIoError = 1;     // a file or stream failed, or a copy was kept
constexpr int kExitUsage = 2;       // bad arguments or a refused pair
constexpr int kExitNoResult = 3;    // some points got no coordinates

// A whole run of kortavex-cli for `args` (without the program's name), with
// kortavex.cfg and its parameter file read from `directory` (empty: the
// working directory). Output that could not be written is reported on the
// error stream as "write error: REASON" and ends the run with kExitIoError.
int runCli(const std::vector<std::string>& args, CliStreams& streams,
           const std::string& directory = "");

// What every mode starts from: the streams, what the program reads at
// start-up, the language and its texts, and the terminal's encoding.
struct CliContext {
  CliStreams& io;
  StartupConfiguration startup;
  std::string language;
  MainTexts texts;
  TerminalEncoding encoding = TerminalEncoding::Cp1252;
  std::string startName, targetName;  // --from and --to in Windows-1252
};

// Prints the error (terminal text) and the usage to the error stream; returns kExitUsage.
int usageError(OutputStream& err, const std::string& error);

// Prints a text of the window (Windows-1252) and a line break to the error stream.
void printWindowMessage(const CliContext& context, const std::string& cp1252);

// 0 when --from names an entry of the start list, else the usage error.
int checkStartName(const CliContext& context);

// Checks the names against the lists and the pair as the window does; fills
// `setup` or prints why not. Returns 0, or the exit status.
int prepareRun(const CliOptions& options, const CliContext& context, ConversionSetup& setup);

int convertStandardInput(const CliOptions& options, const CliContext& context);
int convertFiles(const CliOptions& options, const CliContext& context);
int checkStandardInput(const CliOptions& options, const CliContext& context);
