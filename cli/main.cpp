// kortavex-cli: the converter for scripts and batch work. It writes exactly
// what the program's output window would receive.
#include <algorithm>
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

int printLists() {
  std::printf("Start systems:\n");
  for (const std::string& entry : startSystemList(kAllRegions)) std::printf("  %s\n", entry.c_str());
  std::printf("Target systems:\n");
  for (const std::string& entry : targetSystemList(kAllRegions)) std::printf("  %s\n", entry.c_str());
  return 0;
}

}  // namespace

int usageError(const std::string& error) {
  std::fprintf(stderr, "kortavex-cli: %s\n%s", error.c_str(), kUsage);
  return kExitUsage;
}

int checkStartName(const std::string& name) {
  if (contains(startSystemList(kAllRegions), name)) return 0;
  return usageError("not an entry of the start list: " + name);
}

int prepareRun(const CliOptions& options, const CliContext& context, ConversionSetup& setup) {
  if (const int status = checkStartName(options.from)) return status;
  if (!contains(targetSystemList(kAllRegions), options.to))
    return usageError("not an entry of the target list: " + options.to);
  ConversionRequest request;
  request.startName = options.from;
  request.targetName = options.to;
  request.transformation = options.transformation;
  request.referenceHeight = options.height.value_or(context.startup.settings.referenceHeight);
  request.user = context.startup.parameters;
  request.dms = options.dms;
  const SelectionError refused = prepareConversion(request, context.texts, setup);
  if (refused != SelectionError::None) {
    std::fprintf(stderr, "%s\n",
                 selectionMessage(context.texts, refused, request.user, "English").c_str());
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
  if (options.mode == CliOptions::Mode::List) return printLists();

  CliContext context;
  langset(context.texts, "English");
  context.startup = readStartupConfiguration();
  switch (options.mode) {
    case CliOptions::Mode::Files: return convertFiles(options, context);
    case CliOptions::Mode::Check: return checkStandardInput(options, context);
    default: return convertStandardInput(options, context);
  }
}
