#pragma once
// Direct conversion of column files (asccvt): every non-empty line of the
// source is written to its "_cvt" copy, the two coordinate values of a
// convertible line replaced by the converted ones, every other line copied.
// The source is streamed and never changed; the copy appears only complete.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/text_file.h"
#include "lang/cp1252.h"
#include "lang/main_texts.h"
#include "workflow/column_file.h"
#include "workflow/file_text_encoding.h"
#include "workflow/input_window_conversion.h"
#include "workflow/line_ledger.h"
#include "workflow/progress_gauge.h"
#include "workflow/worker_pool.h"

namespace kortavex {

// Why a selected pair cannot convert files; the window shows the message of
// the same name.
enum class FileConversionRefusal {
  None,
  NoValidSystem,       // msgNoValidSystem: a group header or separator
  MgrsFileNotDirect,   // msgMgrsFileNotDirect: MGRS or UTM with automatic zone
};
FileConversionRefusal fileConversionRefusal(const SystemPair& systems);

// Converts single lines with the settings of one run; the new values of a
// UTF-8 file are written in UTF-8.
class FileLineConverter {
 public:
  FileLineConverter(const ConversionSetup& setup, const ColumnLayout& layout,
                    const FileTextEncoding& encoding = {});

  // Appends the line as it goes into the copy (without line end) to `out`:
  // a point with its two values replaced (each value's number, the blanks
  // around it and a decimal comma after it staying), "*" in place of each
  // value of a point without result, any other line with tabs as blanks.
  LineResult convert(std::string_view line, std::string& out) const;

 private:
  PointConverter converter_;  // made once, shared by the threads of the run
  ColumnLayout layout_;
  FileTextEncoding encoding_;
  bool geographicStart_;
  bool geographicTarget_;
  bool dmsResult_;
};

struct FileConversionSummary {
  enum class Status {
    Written,
    SourceUnreadable,
    TargetNotWritten,
    TargetKept,  // another file than the one the user agreed to replace stood there at the end
    SourceChanged,  // the source changed while it was read: no copy (`error` is its path)
    SourceUtf16,  // a UTF-16 source, which would give a copy of nothing converted
  };
  Status status = Status::Written;
  std::string error;       // why the source was not read or the copy not written, with the
                           // file's name: file-system text (see fileSystemTextToCp1252)
  std::string targetPath;  // the copy, "_cvt" before the extension: file-system bytes
  std::string targetName;  // the same without directory
  std::string sourceName;  // the source without directory, as line numbers refer to it
  ColumnLayout layout;     // what its lines were read with
  FileTextEncoding encoding;  // of the source, and so of the copy
  LineCounts lines;
};

// The heading line of the copy, with its line end.
std::string fileHeading(const ConversionSetup& setup, const MainTexts& texts);

// Where the lines of a converted column file go: its copy, or a stream.
class ConvertedLinesOutput {
 public:
  virtual void write(std::string_view text) = 0;
  // Before a read of the source waits: what was written is due now.
  virtual void flush() {}
  // True once writing failed: the run reads no further.
  virtual bool failed() const { return false; }

 protected:
  ~ConvertedLinesOutput() = default;
};

// What a run over column lines converts with: the pair and its settings,
// the columns, and the copy's first line (fileHeading; empty for none).
struct ColumnConversion {
  ConversionSetup setup;
  ColumnLayout layout;
  std::string heading;
};

// Converts every line of `source` as into a copy, written to `out`: the
// byte-order mark of a source that has one, the heading, one line per
// non-empty line. `encoding` is the source's where it was decided before
// (fileTextEncoding, descriptorTextEncoding); for a stream that cannot be
// read twice it is decided as its lines come (the first line beyond ASCII)
// and left in `encoding`. Lines are read in batches of the lines that are
// there, whose parts the pool converts at the same time; a line longer than
// kLongestLine is no coordinate line and is copied through in parts. A UTF-16
// source (`encoding` says so, or its first line) gives nothing at all.
LineCounts convertColumnLines(LineReader& source, std::optional<FileTextEncoding>& encoding,
                              const ColumnConversion& conversion, WorkerPool& pool,
                              ConvertedLinesOutput& out, ProgressGauge& gauge);

// The lines of `source` (see convertColumnLines) into the copy at
// `targetPath` (file-system bytes), which replaces only `replaceable`, the
// file the user agreed to replace before the run, unchanged (none: the copy
// is written only where no file stands when it is complete). The copy
// appears only complete, with the source's permission bits, and only when
// the source did not change while it was read; `progress` is called on the
// calling thread.
FileConversionSummary asccvt(LineReader& source, std::optional<FileTextEncoding> encoding,
                             const std::string& targetPath, const FileIdentity& replaceable,
                             const ColumnConversion& conversion, WorkerPool& pool,
                             const ProgressCallback& progress = {});
// The same for the file at `sourcePath`, whose encoding decides that of the copy.
FileConversionSummary asccvt(const std::string& sourcePath, const std::string& targetPath,
                             const FileIdentity& replaceable, const ColumnConversion& conversion,
                             WorkerPool& pool, const ProgressCallback& progress = {});

// Converts the file at `sourcePath` (file-system bytes) into its "_cvt"
// copy with the heading line. The copy keeps the source's encoding (see
// fileTextEncoding): a UTF-8 source gives a UTF-8 copy, with the byte-order
// mark when the source has one.
FileConversionSummary asccvt(const std::string& sourcePath, const FileIdentity& replaceable,
                             const ConversionSetup& setup, const ColumnLayout& layout,
                             const MainTexts& texts, WorkerPool& pool,
                             const ProgressCallback& progress = {});
// The same as a run of its own, with a pool of its own.
FileConversionSummary asccvt(const std::string& sourcePath, const FileIdentity& replaceable,
                             const ConversionSetup& setup, const ColumnLayout& layout,
                             const MainTexts& texts, const ProgressCallback& progress = {});

// The lines the output window receives after one file: the target name,
// "Target generated!" and the count; then, after the source's name, the
// notes that name its lines by their number (points outside a frame, lines
// without result, lines not read), the count of points without grid value,
// and a note when nothing was converted although lines hold digits; or the
// reason of a failure.
// How the report writes the program's texts (Windows-1252) and file names
// (file-system bytes): for the output window, both in Windows-1252.
struct ReportEncoding {
  std::function<std::string(std::string_view)> text = [](std::string_view cp1252) { return std::string(cp1252); };
  std::function<std::string(std::string_view)> fileName = fileSystemTextToCp1252;
};
std::string fileConversionReport(const FileConversionSummary& summary, const MainTexts& texts,
                                 const ReportEncoding& encoding = {});

// The message boxes after one file: msgOutsideFrame and/or msgOutsideGrid.
std::vector<std::string> fileConversionMessages(const FileConversionSummary& summary,
                                                const MainTexts& texts);

}  // namespace kortavex
