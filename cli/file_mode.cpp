// Column files converted into their "_cvt" copies, as the file button does,
// and standard input as a column file whose copy goes to standard output.
#include <cstring>
#include <memory>

#include "cli/cli_modes.h"
#include "files/platform.h"
#include "workflow/file_conversion.h"
#include "workflow/worker_pool.h"

namespace kortavex {

namespace {

// A stream as the copy: standard output, or the FIFO or terminal --output names.
class StreamCopy : public ConvertedLinesOutput {
 public:
  explicit StreamCopy(OutputStream& out) : out_(out) {}
  void write(std::string_view text) override { out_.write(text); }
  void flush() override { out_.flush(); }
  bool failed() const override { return out_.failed(); }

 private:
  OutputStream& out_;
};

// FILE, or standard input ("-"), to be read, with its encoding, read in a
// pass of its own before: a change from its start on counts.
struct Source {
  std::optional<FileTextEncoding> encoding;
  std::unique_ptr<LineReader> reader;
};
Source openSource(const std::string& file, const CliStreams& io) {
  const FileIdentity before = sourceIdentity(file, io);
  Source source;
  if (isStandardStream(file)) {
    source.encoding = descriptorTextEncoding(io.input);
    source.reader = std::make_unique<LineReader>(io.input);
  } else {
    source.encoding = fileTextEncoding(file);
    source.reader = std::make_unique<LineReader>(file);
  }
  source.reader->unchangedSince(before);
  return source;
}

// The copy of FILE, or of standard input ("-"), into `out`, which `name` stands for.
FileConversionSummary copyToStream(const std::string& file, const ColumnConversion& conversion, WorkerPool& pool,
                                   CliStreams& io, OutputStream& out, const std::string& name) {
  FileConversionSummary summary;
  summary.targetPath = summary.targetName = name;
  Source source = openSource(file, io);
  LineReader& reader = *source.reader;
  StreamCopy copy(out);
  ProgressGauge noGauge({}, 0);
  summary.layout = conversion.layout;
  if (reader.isOpen()) summary.lines = convertColumnLines(reader, source.encoding, conversion, pool, copy, noGauge);
  if (reader.isOpen() && reader.changed()) {
    summary.status = FileConversionSummary::Status::SourceChanged;
    summary.error = reader.name();
  } else if (source.encoding && source.encoding->utf16) {
    summary.status = FileConversionSummary::Status::SourceUtf16;
  } else if (!reader.isOpen() || reader.failed()) {
    summary.status = FileConversionSummary::Status::SourceUnreadable;
    summary.error = reader.error();
  }
  return summary;
}

// The copy into the open descriptor `fd`, which `name` stands for.
FileConversionSummary copyToDescriptor(const std::string& file, int fd, const std::string& name,
                                       const ColumnConversion& conversion, WorkerPool& pool, CliStreams& io) {
  OutputStream stream(fd);
  FileConversionSummary summary = copyToStream(file, conversion, pool, io, stream, name);
  if (!stream.flush() && summary.status == FileConversionSummary::Status::Written) {
    summary.status = FileConversionSummary::Status::TargetNotWritten;
    summary.error = name + ": " + platform::errorText(stream.error());
  }
  return summary;
}

// The copy into the FIFO or terminal at `target`, or nullopt when it is none.
std::optional<FileConversionSummary> copyToPipeOrTerminal(const std::string& file, const std::string& target,
                                                          const ColumnConversion& conversion, WorkerPool& pool,
                                                          CliStreams& io) {
  std::string error;
  const int fd = openPipeOrTerminal(target, error);
  if (fd < 0) {
    if (error.empty()) return std::nullopt;
    FileConversionSummary summary;
    summary.status = FileConversionSummary::Status::TargetNotWritten;
    summary.error = error;
    return summary;
  }
  const FileConversionSummary summary = copyToDescriptor(file, fd, target, conversion, pool, io);
  closeDescriptor(fd);
  return summary;
}

// Why a copy was not made, or is not to be trusted, with the names in the
// terminal's encoding.
std::string failureMessage(const FileConversionSummary& summary, const std::string& target, bool toFile,
                           TerminalEncoding encoding) {
  using Status = FileConversionSummary::Status;
  switch (summary.status) {
    case Status::TargetKept:
      return terminalFileText(target, encoding) + " came or changed during the run and is kept";
    case Status::SourceChanged:
      return terminalFileText(summary.error, encoding) + " changed during the run" +
             (toFile ? ", no copy is written" : "");
    default: return terminalFileText(summary.error, encoding);
  }
}

// The copy of FILE, or of standard input ("-"), at `target`, replacing only `existing`.
FileConversionSummary copyToFile(const std::string& file, const std::string& target, const FileIdentity& existing,
                                 const ColumnConversion& conversion, WorkerPool& pool, CliStreams& io) {
  Source source = openSource(file, io);
  return asccvt(*source.reader, source.encoding, target, existing, conversion, pool);
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
        return usageError(io.err, "FILE is given twice: " + terminalFileText(files[i], context.encoding));

  // where each copy goes; a copy never takes the place of a FILE of the run
  std::vector<std::string> targets;
  for (const std::string& file : files) {
    targets.push_back(options.output ? *options.output : isStandardStream(file) ? file : convertedFileName(file));
    if (isStandardStream(targets.back())) continue;
    const FileIdentity named = linkedFileIdentity(targets.back());
    const std::string shownTarget = terminalFileText(targets.back(), context.encoding);
    for (const std::string& other : files) {
      if (!named.sameFile(sourceIdentity(other, io))) continue;
      if (options.output)
        return usageError(io.err, "--output names " +
                                      std::string(isStandardStream(file) ? "standard input" : "the FILE itself") +
                                      ": " + shownTarget);
      const std::string shownFile = terminalFileText(file, context.encoding);
      return usageError(io.err, "the copy of " + shownFile + " is " +
                                    (other == file ? shownFile + " itself" : "another FILE of the run") + ": " +
                                    shownTarget);
    }
  }

  bool failed = false;
  int status = 0;
  WorkerPool pool;
  const FileIdentity standardOutput = descriptorIdentity(io.out.fd());
  const FileIdentity standardError = descriptorIdentity(io.err.fd());
  // File names are given as the file system's bytes and shown in the
  // terminal's encoding, as are the window's texts.
  for (std::size_t i = 0; i < files.size(); ++i) {
    const std::string& file = files[i];
    const std::string& target = targets[i];
    const std::string shownTarget = terminalFileText(target, context.encoding);
    const FileIdentity named = isStandardStream(target) ? FileIdentity{} : linkedFileIdentity(target);
    FileConversionSummary summary;
    std::optional<FileConversionSummary> streamed;
    bool toFile = false;
    // line numbers are those of the source
    const std::string source = isStandardStream(file) ? "standard input" : file;
    // standard output or error under another name (/dev/stdout), a pipe or
    // a terminal is written into, as "-" is
    if (isStandardStream(target) || named.sameFile(standardOutput)) {
      summary = copyToStream(file, conversion, pool, io, io.out, "standard output");
    } else if (named.sameFile(standardError)) {
      io.err.flush();
      summary = copyToDescriptor(file, io.err.fd(), "standard error", conversion, pool, io);
    } else if (options.output && (streamed = copyToPipeOrTerminal(file, target, conversion, pool, io))) {
      summary = *streamed;
    } else {
      toFile = true;
      // --force replaces the copy that is there now, unchanged, not one that comes during the run
      const FileIdentity existing = fileIdentity(target);
      if (existing.special) {
        io.err.write("kortavex-cli: " + shownTarget +
                     (options.output ? " is not a regular file and is kept; - is standard output\n"
                                     : ", the copy of " + terminalFileText(file, context.encoding) +
                                           ", is not a regular file and is kept\n"));
        failed = true;
        continue;
      }
      if (!options.force && existing.exists && !existing.directory) {
        io.err.write("kortavex-cli: " + shownTarget + " exists and is kept; --force replaces it\n");
        failed = true;
        continue;
      }
      summary = copyToFile(file, target, existing, conversion, pool, io);
    }
    if (summary.status == FileConversionSummary::Status::SourceUtf16) {
      utf16Refused(source, context);
      failed = true;
      continue;
    }
    if (summary.status != FileConversionSummary::Status::Written) {
      io.err.write("kortavex-cli: " + failureMessage(summary, target, toFile, context.encoding) + "\n");
      failed = true;
      continue;
    }
    const std::string shownSource = terminalFileText(source, context.encoding);
    if (toFile) {
      // the report names the file: a message, whatever stream it goes to
      ReportEncoding encoding;
      encoding.text = [&](std::string_view cp1252) { return terminalText(cp1252, context.encoding); };
      encoding.fileName = [&](std::string_view name) { return terminalFileText(name, context.encoding); };
      std::string report = fileConversionReport(summary, context.texts, encoding);
      replaceControlBytes(report);
      io.out.write(report);
    }
    for (const std::string& message : fileConversionMessages(summary, context.texts))
      io.err.write("kortavex-cli: " + shownSource + ": " + terminalText(message, context.encoding) + "\n");
    status = std::max(status, noteLines(summary.lines, source, conversion.layout, options, context));
  }
  return failed ? kExitIoError : status;
}

}  // namespace kortavex
