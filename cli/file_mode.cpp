// Column files converted into their "_cvt" copies, as the file button does,
// and standard input as a column file whose copy goes to standard output.
#include <memory>

#include "cli/cli_modes.h"
#include "workflow/file_conversion.h"
#include "workflow/worker_pool.h"

namespace kortavex {

namespace {

// Standard output as the copy.
class StandardOutputCopy : public ConvertedLinesOutput {
 public:
  explicit StandardOutputCopy(OutputStream& out) : out_(out) {}
  void write(std::string_view text) override { out_.write(text); }
  void flush() override { out_.flush(); }
  bool failed() const override { return out_.failed(); }

 private:
  OutputStream& out_;
};

// The copy of FILE, or of standard input ("-"), on standard output.
FileConversionSummary copyToStandardOutput(const std::string& file, const ColumnConversion& conversion,
                                           WorkerPool& pool, CliStreams& io) {
  FileConversionSummary summary;
  summary.targetPath = summary.targetName = "standard output";
  std::optional<FileTextEncoding> encoding;
  std::unique_ptr<LineReader> source;
  if (isStandardStream(file)) {
    encoding = descriptorTextEncoding(io.input);
    source = std::make_unique<LineReader>(io.input);
  } else {
    encoding = fileTextEncoding(file);
    source = std::make_unique<LineReader>(file);
  }
  StandardOutputCopy out(io.out);
  ProgressGauge noGauge({}, 0);
  summary.layout = conversion.layout;
  if (source->isOpen()) summary.lines = convertColumnLines(*source, encoding, conversion, pool, out, noGauge);
  if (encoding && encoding->utf16) {
    summary.status = FileConversionSummary::Status::SourceUtf16;
  } else if (!source->isOpen() || source->failed()) {
    summary.status = FileConversionSummary::Status::SourceUnreadable;
    summary.error = source->error();
  }
  return summary;
}

// The copy of FILE, or of standard input ("-"), at `target`, replacing only `existing`.
FileConversionSummary copyToFile(const std::string& file, const std::string& target, const FileIdentity& existing,
                                 const ColumnConversion& conversion, WorkerPool& pool, CliStreams& io) {
  if (!isStandardStream(file)) return asccvt(file, target, existing, conversion, pool);
  const std::optional<FileTextEncoding> encoding = descriptorTextEncoding(io.input);
  LineReader source(io.input);
  return asccvt(source, encoding, target, existing, conversion, pool);
}

}  // namespace

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
  const std::optional<ColumnLayout> layout = columnLayout(options, context);
  if (!layout) return kExitUsage;
  const ColumnConversion conversion{setup, *layout,
                                    options.noHeading ? "" : fileHeading(setup, context.texts)};
  // without FILE, standard input is the column file
  const std::vector<std::string> files = options.files.empty() ? std::vector<std::string>{"-"} : options.files;

  // a second run over one file would replace the copy the first just made
  for (std::size_t i = 0; i < files.size(); ++i)
    for (std::size_t j = 0; j < i; ++j)
      if (!isStandardStream(files[i]) && sameFile(files[i], files[j]))
        return usageError(io.err, "FILE is given twice: " + files[i]);

  bool failed = false;
  int status = 0;
  WorkerPool pool;
  // File names are given and shown as the file system's bytes; the window's
  // texts go out in the terminal's encoding.
  for (const std::string& file : files) {
    const std::string target = options.output ? *options.output
                               : isStandardStream(file) ? file
                                                        : convertedFileName(file);
    FileConversionSummary summary;
    // line numbers are those of the source
    const std::string source = isStandardStream(file) ? "standard input" : file;
    if (isStandardStream(target)) {
      summary = copyToStandardOutput(file, conversion, pool, io);
      if (summary.status == FileConversionSummary::Status::SourceUtf16)
        utf16Refused(source, context);
      else if (summary.status != FileConversionSummary::Status::Written)
        io.err.write("kortavex-cli: " + summary.error + "\n");
    } else {
      // --force replaces the copy that is there now, not one that comes during the run
      const FileIdentity existing = fileIdentity(target);
      // the copy would take the place of what it is made from
      if (options.output && sameFile(target, file))
        return usageError(io.err, "--output names the FILE itself: " + target);
      if (existing.special) {
        io.err.write("kortavex-cli: " + target + " is a device, FIFO or socket and is kept; - is standard output\n");
        failed = true;
        continue;
      }
      if (!options.force && existing.exists && !existing.directory) {
        io.err.write("kortavex-cli: " + target + " exists and is kept; --force replaces it\n");
        failed = true;
        continue;
      }
      summary = copyToFile(file, target, existing, conversion, pool, io);
      if (summary.status == FileConversionSummary::Status::TargetKept) {
        io.err.write("kortavex-cli: " + target + " came or changed during the run and is kept\n");
        failed = true;
        continue;
      }
      // the report names the file: a message, whatever stream it goes to
      std::string report = terminalText(fileConversionReport(summary, context.texts), context.encoding);
      replaceControlBytes(report);
      io.out.write(report);
    }
    if (summary.status != FileConversionSummary::Status::Written) {
      failed = true;
      continue;
    }
    for (const std::string& message : fileConversionMessages(summary, context.texts))
      printWindowMessage(context, message);
    status = std::max(status, noteLines(summary.lines, source, conversion.layout, options, context));
  }
  return failed ? kExitIoError : status;
}

}  // namespace kortavex
