#pragma once
// The modes of kortavex-cli and what they share.

#include <string>
#include <vector>

#include "cli/cli_options.h"
#include "cli/cli_streams.h"
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

// What every mode starts from: the streams, the English texts and what the
// program reads at start-up.
struct CliContext {
  CliStreams& io;
  MainTexts texts;
  StartupConfiguration startup;
};

// Prints the error and the usage to the error stream; returns kExitUsage.
int usageError(OutputStream& err, const std::string& error);

// 0 when `name` is an entry of the start list, else the usage error.
int checkStartName(const std::string& name, OutputStream& err);

// Checks the names against the lists and the pair as the window does; fills
// `setup` or prints why not. Returns 0, or the exit status.
int prepareRun(const CliOptions& options, const CliContext& context, ConversionSetup& setup);

int convertStandardInput(const CliOptions& options, const CliContext& context);
int convertFiles(const CliOptions& options, const CliContext& context);
int checkStandardInput(const CliOptions& options, const CliContext& context);
