// kortavex-cli: the converter for scripts and batch work. It writes exactly
// what the program's output window would receive.
#include <algorithm>
#include <clocale>
#include <cstdio>
#include <string>
#include <vector>

#include "chain/system_lists.h"
#include "cli/cli_modes.h"
#include "workflow/selection_messages.h"

namespace {

constexpr int kAllRegions = 0x3FF;

bool contains(const std::vector<std::string>& list, const std::string& name) {
  return std::find(list.begin(), list.end(), name) != list.end();
}

int printLists(TerminalEncoding encoding) {
  std::string out = "Start systems:\n";
  const auto entries = [&](const std::vector<std::string>& list) {
    for (const std::string& entry : list) out += "  " + terminalText(entry, encoding) + "\n";
  };
  entries(startSystemList(kAllRegions));
  out += "Target systems:\n";
  entries(targetSystemList(kAllRegions));
  std::fputs(out.c_str(), stdout);
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

}  // namespace

int usageError(const std::string& error) {
  std::fprintf(stderr, "kortavex-cli: %s\n%s", error.c_str(), kUsage);
  return kExitUsage;
}

void printWindowMessage(const CliContext& context, const std::string& cp1252) {
  std::fputs((terminalText(cp1252, context.encoding) + "\n").c_str(), stderr);
}

int checkStartName(const CliContext& context) {
  if (contains(startSystemList(kAllRegions), context.startName)) return 0;
  return usageError("not an entry of the start list: " +
                    terminalText(context.startName, context.encoding));
}

int prepareRun(const CliOptions& options, const CliContext& context, ConversionSetup& setup) {
  if (const int status = checkStartName(context)) return status;
  if (!contains(targetSystemList(kAllRegions), context.targetName))
    return usageError("not an entry of the target list: " +
                      terminalText(context.targetName, context.encoding));
  ConversionRequest request;
  request.startName = context.startName;
  request.targetName = context.targetName;
  request.transformation = options.transformation;
  request.referenceHeight = options.height.value_or(context.startup.settings.referenceHeight);
  request.user = context.startup.parameters;
  request.dms = options.dms;
  const SelectionError refused = prepareConversion(request, context.texts, setup);
  if (refused != SelectionError::None) {
    printWindowMessage(context, selectionMessage(context.texts, refused, request.user, context.language));
    return kExitUsage;
  }
  return 0;
}

int main(int argc, char** argv) {
  const ParsedCommandLine parsed = parseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
  if (!parsed.error.empty()) return usageError(parsed.error);
  const CliOptions& options = parsed.options;
  if (options.mode == CliOptions::Mode::Help) {
    std::fputs(kUsage, stdout);
    return 0;
  }
  // Only the character set follows the locale: numbers never do.
  std::setlocale(LC_CTYPE, "");
  CliContext context;
  context.encoding = options.encoding.value_or(localeTerminalEncoding());
  if (options.mode == CliOptions::Mode::List) return printLists(context.encoding);

  context.startup = readStartupConfiguration();
  context.language = languageOf(options, context.startup.settings);
  langset(context.texts, context.language);
  context.startName = cp1252Argument(options.from, context.encoding);
  context.targetName = cp1252Argument(options.to, context.encoding);
  switch (options.mode) {
    case CliOptions::Mode::Files: return convertFiles(options, context);
    case CliOptions::Mode::Check: return checkStandardInput(options, context);
    default: return convertStandardInput(options, context);
  }
}
