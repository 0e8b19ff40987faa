#pragma once
// The modes of kortavex-cli and what they share.

#include <optional>
#include <string>
#include <vector>

#include "cli/cli_options.h"
#include "cli/cli_streams.h"
#include "cli/terminal_text.h"
#include "lang/main_texts.h"
#include "settings/startup.h"
#include "workflow/column_file.h"
#include "workflow/file_conversion.h"
#include "workflow/input_window_conversion.h"

namespace kortavex {

constexpr int kExitIoError = 1;     // a file or stream failed, or a copy was kept
constexpr int kExitUsage = 2;       // a misuse of the options, or a refused pair
constexpr int kExitNoResult = 3;    // some points got no coordinates or were not read, or
                                    // a column file gave no point (with --strict: or points
                                    // lay outside a coordinate frame)

// A whole run of kortavex-cli for `args` (without the program's name), with
// kortavex.cfg and its parameter file read from `directory` (empty: the
// working directory) unless --config names another. Output that could not
// be written is reported on the error stream as "write error: REASON" and
// ends the run with kExitIoError.
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
  std::string startName, targetName;  // list entries named by --from and --to, in Windows-1252
  // the height systems named after them ("+DHHN2016"); none: ellipsoidal heights
  const chain::HeightSystem* startHeight = nullptr;
  const chain::HeightSystem* targetHeight = nullptr;
};

// The file that FILE, or standard input ("-"), is.
FileIdentity sourceIdentity(const std::string& file, const CliStreams& io);

// Prints "kortavex-cli: ", the error (terminal text) and a line break to the
// error stream; returns kExitUsage.
int usageError(OutputStream& err, const std::string& error);

// Prints a text of the window (Windows-1252) and a line break to the error stream.
void printWindowMessage(const CliContext& context, const std::string& cp1252);

// Checks the pair as the window does; fills `setup` or prints why not.
// Returns 0, or the exit status.
int prepareRun(const CliOptions& options, const CliContext& context, ConversionSetup& setup);

// Delimiter and columns of the options file, as far as the options override
// them; none, after the usage error, where they cannot read a column file.
std::optional<ColumnLayout> columnLayout(const CliOptions& options, const CliContext& context);

// After the lines of the source `name` (file-system bytes, or "standard
// input"): on the error stream, the first of its lines without result and
// not read, and for a column file read with `layout` that gave no point the
// delimiter and columns it was read with. kExitNoResult when any of these
// was told, or with --strict points lay outside a frame, else 0.
int noteLines(const LineCounts& lines, const std::string& name, const std::optional<ColumnLayout>& layout,
              const CliOptions& options, const CliContext& context);

// "NAME is UTF-16 text and is not read ..." on the error stream; kExitIoError.
int utf16Refused(const std::string& name, const CliContext& context);

int convertStandardInput(const CliOptions& options, const CliContext& context);
int convertFiles(const CliOptions& options, const CliContext& context);
int checkLines(const CliOptions& options, const CliContext& context);

}  // namespace kortavex
