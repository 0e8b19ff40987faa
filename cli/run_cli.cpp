// A run of kortavex-cli: the arguments, the configuration of the working
// directory, the mode, and the check that everything reached the output.
#include <algorithm>
#include <cstring>

#include "chain/system_lists.h"
#include "cli/cli_modes.h"
#include "workflow/selection_messages.h"

namespace {

constexpr int kAllRegions = 0x3FF;

bool contains(const std::vector<std::string>& list, const std::string& name) {
  return std::find(list.begin(), list.end(), name) != list.end();
}

int printLists(OutputStream& out) {
  out.write("Start systems:\n");
  for (const std::string& entry : startSystemList(kAllRegions)) out.write("  " + entry + "\n");
  out.write("Target systems:\n");
  for (const std::string& entry : targetSystemList(kAllRegions)) out.write("  " + entry + "\n");
  return 0;
}

int runMode(const std::vector<std::string>& args, CliStreams& io, const std::string& directory) {
  const ParsedCommandLine parsed = parseCommandLine(args);
  if (!parsed.error.empty()) return usageError(io.err, parsed.error);
  const CliOptions& options = parsed.options;
  if (options.mode == CliOptions::Mode::Help) {
    io.out.write(kUsage);
    return 0;
  }
  if (options.mode == CliOptions::Mode::List) return printLists(io.out);

  CliContext context{io, {}, readStartupConfiguration(directory)};
  langset(context.texts, "English");
  // the defaults would give other numbers than the user's settings
  if (!context.startup.optionsFileProblem.empty()) {
    io.err.write("kortavex-cli: " + context.startup.optionsFileProblem + "\n");
    return kExitIoError;
  }
  switch (options.mode) {
    case CliOptions::Mode::Files: return convertFiles(options, context);
    case CliOptions::Mode::Check: return checkStandardInput(options, context);
    default: return convertStandardInput(options, context);
  }
}

}  // namespace

int usageError(OutputStream& err, const std::string& error) {
  err.write("kortavex-cli: " + error + "\n" + kUsage);
  return kExitUsage;
}

int checkStartName(const std::string& name, OutputStream& err) {
  if (contains(startSystemList(kAllRegions), name)) return 0;
  return usageError(err, "not an entry of the start list: " + name);
}

int prepareRun(const CliOptions& options, const CliContext& context, ConversionSetup& setup) {
  if (const int status = checkStartName(options.from, context.io.err)) return status;
  if (!contains(targetSystemList(kAllRegions), options.to))
    return usageError(context.io.err, "not an entry of the target list: " + options.to);
  ConversionRequest request;
  request.startName = options.from;
  request.targetName = options.to;
  request.transformation = options.transformation;
  request.referenceHeight = options.height.value_or(context.startup.settings.referenceHeight);
  request.user = context.startup.parameters;
  request.dms = options.dms;
  const SelectionError refused = prepareConversion(request, context.texts, setup);
  if (refused != SelectionError::None) {
    context.io.err.write(selectionMessage(context.texts, refused, request.user, "English") + "\n");
    return kExitUsage;
  }
  return 0;
}

int runCli(const std::vector<std::string>& args, CliStreams& streams, const std::string& directory) {
  const int status = runMode(args, streams, directory);
  if (!streams.out.flush()) {
    streams.err.write(std::string("kortavex-cli: write error: ") + std::strerror(streams.out.error()) + "\n");
    streams.err.flush();
    return kExitIoError;
  }
  streams.err.flush();
  return status;
}
