// Files converted column-wise into their "_cvt" copies, as the file button does.
#include <sys/stat.h>

#include <cstdio>

#include "cli/cli_modes.h"
#include "workflow/file_conversion.h"

namespace {

bool exists(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0;
}

}  // namespace

int convertFiles(const CliOptions& options, const CliContext& context) {
  ConversionSetup setup;
  if (const int status = prepareRun(options, context, setup)) return status;
  switch (fileConversionRefusal(setup.startCode, setup.targetCode)) {
    case FileConversionRefusal::NoValidSystem:
      std::fprintf(stderr, "%s\n", context.texts.msgNoValidSystem.c_str());
      return kExitUsage;
    case FileConversionRefusal::MgrsFileNotDirect:
      std::fprintf(stderr, "%s\n", context.texts.msgMgrsFileNotDirect.c_str());
      return kExitUsage;
    case FileConversionRefusal::None:
      break;
  }

  ColumnLayout layout = columnLayoutOf(context.startup.settings);
  if (options.delimiter) layout.delimiter = *options.delimiter;
  if (options.eastingColumn) layout.eastingColumn = *options.eastingColumn;
  if (options.northingColumn) layout.northingColumn = *options.northingColumn;

  int status = 0;
  for (const std::string& file : options.files) {
    const std::string target = convertedFileName(file);
    if (!options.force && exists(target)) {
      std::fprintf(stderr, "kortavex-cli: %s exists and is kept; --force replaces it\n",
                   target.c_str());
      status = 1;
      continue;
    }
    const FileConversionSummary summary = asccvt(file, setup, layout, context.texts);
    std::fputs(fileConversionReport(summary, context.texts).c_str(), stdout);
    for (const std::string& message : fileConversionMessages(summary, context.texts))
      std::fprintf(stderr, "%s\n", message.c_str());
    if (summary.status != FileConversionSummary::Status::Written) status = 1;
  }
  return status;
}
