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
      printWindowMessage(context, context.texts.msgNoValidSystem);
      return kExitUsage;
    case FileConversionRefusal::MgrsFileNotDirect:
      printWindowMessage(context, context.texts.msgMgrsFileNotDirect);
      return kExitUsage;
    case FileConversionRefusal::None:
      break;
  }

  ColumnLayout layout = columnLayoutOf(context.startup.settings);
  if (options.delimiter) layout.delimiter = *options.delimiter;
  if (options.eastingColumn) layout.eastingColumn = *options.eastingColumn;
  if (options.northingColumn) layout.northingColumn = *options.northingColumn;

  bool failed = false, noResult = false;
  WorkerPool pool;
  for (const std::string& file : options.files) {
    const std::string target = convertedFileName(file);
    if (!options.force && exists(target)) {
      std::fprintf(stderr, "kortavex-cli: %s exists and is kept; --force replaces it\n",
                   target.c_str());
      failed = true;
      continue;
    }
    const FileConversionSummary summary = asccvt(file, setup, layout, context.texts, pool);
    std::fputs(terminalText(fileConversionReport(summary, context.texts), context.encoding).c_str(),
               stdout);
    for (const std::string& message : fileConversionMessages(summary, context.texts))
      printWindowMessage(context, message);
    // the path as it was given, the note in the window's text
    if (summary.lines.noResult > 0)
      std::fprintf(stderr, "kortavex-cli: %s: %s\n", summary.targetPath.c_str(),
                   terminalText(noResultLinesNote(summary.lines, context.texts), context.encoding).c_str());
    failed |= summary.status != FileConversionSummary::Status::Written;
    noResult |= summary.lines.noResult > 0;
  }
  return failed ? kExitIoError : noResult ? kExitNoResult : 0;
}
