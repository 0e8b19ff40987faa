// A run of kortavex-cli: the arguments, the configuration of the working
// directory, the mode, and the check that everything reached the output.
#include <algorithm>
#include <cstring>

#include "chain/system_lists.h"
#include "lang/language.h"
#include "cli/cli_modes.h"
#include "workflow/selection_messages.h"

namespace {


bool contains(const std::vector<std::string>& list, const std::string& name) {
  return std::find(list.begin(), list.end(), name) != list.end();
}

int printLists(OutputStream& out, TerminalEncoding encoding) {
  const auto entries = [&](const std::vector<std::string>& list) {
    for (const std::string& entry : list) out.write("  " + terminalText(entry, encoding) + "\n");
  };
  out.write("Start systems:\n");
  entries(startSystemList(REGION_ALL));
  out.write("Target systems:\n");
  entries(targetSystemList(REGION_ALL));
  return 0;
}

// The language of the texts: --language, else that of the options file. A
// name there that is none of the seven would leave every message empty, as
// it leaves the window's: English then, so that no failure goes unexplained.
std::string languageOf(const CliOptions& options, const Settings& settings) {
  if (options.language) return *options.language;
  return languageFromName(settings.language) ? settings.language : "English";
}

std::string cp1252Argument(std::string argument, TerminalEncoding encoding) {
  lineFromTerminal(argument, encoding);
  return argument;
}

int runMode(const std::vector<std::string>& args, CliStreams& io, const std::string& directory) {
  const ParsedCommandLine parsed = parseCommandLine(args);
  if (!parsed.error.empty()) return usageError(io.err, parsed.error);
  const CliOptions& options = parsed.options;
  if (options.mode == CliOptions::Mode::Help) {
    io.out.write(kUsage);
    return 0;
  }
  const TerminalEncoding encoding = options.encoding.value_or(localeTerminalEncoding());
  if (options.mode == CliOptions::Mode::List) return printLists(io.out, encoding);

  CliContext context{io, readStartupConfiguration(directory), {}, {}, encoding, {}, {}};
  context.encoding = encoding;
  // the defaults would give other numbers than the user's settings
  if (!context.startup.optionsFileProblem.empty()) {
    io.err.write("kortavex-cli: " + terminalText(context.startup.optionsFileProblem, encoding) + "\n");
    return kExitIoError;
  }
  context.language = languageOf(options, context.startup.settings);
  langset(context.texts, context.language);
  context.startName = cp1252Argument(options.from, encoding);
  context.targetName = cp1252Argument(options.to, encoding);
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

void printWindowMessage(const CliContext& context, const std::string& cp1252) {
  context.io.err.write(terminalText(cp1252, context.encoding) + "\n");
}

int checkStartName(const CliContext& context) {
  if (contains(startSystemList(REGION_ALL), context.startName)) return 0;
  return usageError(context.io.err, "not an entry of the start list: " +
                                        terminalText(context.startName, context.encoding));
}

int prepareRun(const CliOptions& options, const CliContext& context, ConversionSetup& setup) {
  if (const int status = checkStartName(context)) return status;
  if (!contains(targetSystemList(REGION_ALL), context.targetName))
    return usageError(context.io.err, "not an entry of the target list: " +
                                          terminalText(context.targetName, context.encoding));
  ConversionRequest request;
  request.systems.startName = context.startName;
  request.systems.targetName = context.targetName;
  request.transformation = options.transformation;
  request.referenceHeight = options.height.value_or(context.startup.settings.referenceHeight);
  request.user = context.startup.parameters;
  request.dms = options.dms;
  const SelectionError refused = prepareConversion(request, setup);
  if (refused != SelectionError::None) {
    printWindowMessage(context, selectionMessage(context.texts, refused, request.user, context.language));
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
