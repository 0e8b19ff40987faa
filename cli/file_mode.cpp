// Files converted column-wise into their "_cvt" copies, as the file button does.
#include "cli/cli_modes.h"
#include "workflow/file_conversion.h"
#include "workflow/worker_pool.h"

int convertFiles(const CliOptions& options, const CliContext& context) {
  CliStreams& io = context.io;
  ConversionSetup setup;
  if (const int status = prepareRun(options, context, setup)) return status;
  switch (fileConversionRefusal(setup.systems)) {
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
  // File names are given and shown as the file system's bytes; the window's
  // texts go out in the terminal's encoding.
  for (const std::string& file : options.files) {
    const std::string target = convertedFileName(file);
    // --force replaces the copy that is there now, not one that comes during the run
    const FileIdentity existing = fileIdentity(target);
    if (!options.force && existing.exists && !existing.directory) {
      io.err.write("kortavex-cli: " + target + " exists and is kept; --force replaces it\n");
      failed = true;
      continue;
    }
    const FileConversionSummary summary = asccvt(file, existing, setup, layout, context.texts, pool);
    if (summary.status == FileConversionSummary::Status::TargetKept) {
      io.err.write("kortavex-cli: " + target + " came or changed during the run and is kept\n");
      failed = true;
      continue;
    }
    io.out.write(terminalText(fileConversionReport(summary, context.texts), context.encoding));
    for (const std::string& message : fileConversionMessages(summary, context.texts))
      printWindowMessage(context, message);
    if (summary.lines.noResult > 0)
      io.err.write("kortavex-cli: " + summary.targetPath + ": " +
                   terminalText(noResultLinesNote(summary.lines, context.texts), context.encoding) + "\n");
    failed |= summary.status != FileConversionSummary::Status::Written;
    noResult |= summary.lines.noResult > 0;
  }
  return failed ? kExitIoError : noResult ? kExitNoResult : 0;
}
