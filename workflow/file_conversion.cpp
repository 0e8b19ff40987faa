#include "workflow/file_conversion.h"

#include <algorithm>
#include <utility>

#include "chain/catalogue.h"
#include "engine/number_text.h"
#include "files/platform.h"
#include "files/text_file.h"
#include "lang/cp1252.h"
#include "workflow/coordinate_text.h"

namespace kortavex {

namespace {

std::string fileNameOf(const std::string& path) {
  const std::size_t slash = platform::lastSeparator(path);
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

constexpr std::size_t kBatchLines = 8192;
constexpr std::size_t kBatchBytes = 1 << 20;
// While the encoding of a stream is open, at most this much of its copy
// waits in memory.
constexpr std::size_t kMostHeldBytes = 4 * kLongestLine;

// Converts the lines [begin, end) of a batch into `out`, one line end each;
// empty lines are dropped. `firstLineNumber` is the number of the batch's
// first line in the file.
void convertLines(const FileLineConverter& converter, const std::vector<std::string>& lines,
                  std::size_t begin, std::size_t end, std::uint64_t firstLineNumber,
                  std::string& out, LineCounts& counts) {
  out.clear();
  for (std::size_t i = begin; i < end; ++i) {
    if (lines[i].empty()) continue;
    const LineResult result = converter.convert(lines[i], out);
    counts.add(result, firstLineNumber + i);
    out += kFileLineEnd;
  }
}

// The copy's bytes in the source's encoding. Where that is not known in
// advance (a pipe, which cannot be read twice), the first line beyond ASCII
// decides it as fileTextEncoding would: UTF-8 when the line is valid UTF-8;
// a byte-order mark at the start decides at once. Until then the lines read
// were ASCII, so the copy so far is Windows-1252 text that waits in memory
// and goes out converted when the encoding is known; after kMostHeldBytes,
// or at the end, the stream is Windows-1252, as a file of ASCII lines is.
class CopyText {
 public:
  CopyText(std::optional<FileTextEncoding>& encoding, const ColumnConversion& conversion,
           ConvertedLinesOutput& out)
      : encoding_(encoding),
        conversion_(conversion),
        out_(out),
        converter_(conversion.setup, conversion.layout, encoding.value_or(FileTextEncoding{})) {
    if (encoding_ && encoding_->byteOrderMark) out_.write(kUtf8ByteOrderMark);
    write(textForFile(conversion.heading, encoding_.value_or(FileTextEncoding{})));
  }

  // Called with the first line before anything of it is written, and with
  // every line or part read from the source before it is converted.
  void firstLine(std::string_view line) {
    if (encoding_) return;
    if (looksLikeUtf16(line)) {
      encoding_ = FileTextEncoding{false, false, true};  // nothing of it is written
    } else if (line.rfind(kUtf8ByteOrderMark, 0) == 0) {
      decide({true, true});
    } else if (!textBeyondAscii()) {
      decide({});  // the same bytes whatever the stream is
    }
  }
  void read(std::string_view sourceText) {
    if (!encoding_ && !isAscii(sourceText)) decide({isValidUtf8(sourceText), false});
  }

  void write(std::string_view text) {
    if (encoding_) {
      out_.write(text);
      return;
    }
    held_.append(text);
    if (held_.size() > kMostHeldBytes) decide({});
  }
  void finish() {
    if (!encoding_) decide({});
  }
  bool waitsForEncoding() const { return !encoding_; }
  const FileLineConverter& converter() const { return converter_; }

 private:
  // Only the heading and the degree signs of results differ between the encodings.
  bool textBeyondAscii() const {
    return !isAscii(conversion_.heading) ||
           (conversion_.setup.dms && conversion_.setup.systems.targetCode.isGeographic());
  }
  void decide(const FileTextEncoding& encoding) {
    encoding_ = encoding;
    if (encoding.byteOrderMark) out_.write(kUtf8ByteOrderMark);
    out_.write(textForFile(std::move(held_), encoding));
    held_ = {};
    converter_ = FileLineConverter(conversion_.setup, conversion_.layout, encoding);
  }

  std::optional<FileTextEncoding>& encoding_;
  const ColumnConversion& conversion_;
  ConvertedLinesOutput& out_;
  FileLineConverter converter_;
  std::string held_;
};

// Copies a line longer than kLongestLine part by part, tabs as blanks as
// every copied line, from `part`, its first, to its end, or until the output
// fails (an endless line from a device must not keep a closed pipe's run
// going). It is no coordinate line: not read where it holds a digit, text
// where it holds none.
LineResult copyLongLine(LineReader& source, std::string& part, CopyText& copy, const ConvertedLinesOutput& out) {
  bool complete = false, digits = false;
  do {
    copy.read(part);
    digits = digits || holdsDigit(part);
    copy.write(tabsToBlanks(part));
  } while (!complete && !out.failed() && source.nextPart(part, complete));
  copy.write(kFileLineEnd);
  return {digits ? LineOutcome::NotRead : LineOutcome::Text};
}

// The copy as a file, through the no-replace writer.
class CopyFile : public ConvertedLinesOutput {
 public:
  explicit CopyFile(AtomicFileWriter& writer) : writer_(writer) {}
  void write(std::string_view text) override { writer_.write(text); }

 private:
  AtomicFileWriter& writer_;
};

}  // namespace

FileConversionRefusal fileConversionRefusal(const SystemPair& systems) {
  if (systems.startCode.isGroupHeader() || systems.targetCode.isGroupHeader())
    return FileConversionRefusal::NoValidSystem;
  if (systems.startCode.isAutomaticUtm() || systems.targetCode.isAutomaticUtm())
    return FileConversionRefusal::MgrsFileNotDirect;
  return FileConversionRefusal::None;
}

FileLineConverter::FileLineConverter(const ConversionSetup& setup, const ColumnLayout& layout,
                                     const FileTextEncoding& encoding)
    : converter_(setup),
      layout_(layout),
      encoding_(encoding),
      geographicStart_(setup.systems.startCode.isGeographic()),
      geographicTarget_(setup.systems.targetCode.isGeographic()),
      dmsResult_(setup.dms && geographicTarget_) {}

namespace {

// The part of a field that its number takes: without the blanks around it and
// a decimal comma after it, which stay in the copy.
Field numberOf(std::string_view line, Field field) {
  while (field.begin < field.end && (line[field.begin] == ' ' || line[field.begin] == '\t')) ++field.begin;
  while (field.end > field.begin && (line[field.end - 1] == ' ' || line[field.end - 1] == '\t')) --field.end;
  if (field.end - field.begin > 1 && line[field.end - 1] == ',') --field.end;
  return field;
}

}  // namespace

LineResult FileLineConverter::convert(std::string_view line, std::string& out) const {
  CoordinateFields fields;
  const LineReading reading = readColumnLine(line, layout_, fields);
  if (reading.kind != LineKind::Values) {
    out += tabsToBlanks(line);
    return unconvertedLine(line, reading.kind);
  }

  PointValues values = valuesOnAxes(reading.values, geographicStart_);
  values.height = reading.height;
  const ConvertedPoint result = converter_.convert(values);
  const point& position = result.position;
  // Without a result the old values must not stay: they would pass for
  // values of the target system.
  const bool noResult = result.marking.noValue;

  // The new first value is the easting or latitude, the new second value the
  // northing or longitude.
  std::string newFirst, newSecond, newHeight;
  if (noResult) {
    newFirst = newSecond = newHeight = "*";
  } else if (dmsResult_) {
    // the degree sign is the only byte of a result beyond ASCII
    newFirst = textForFile(degreesMinutesSeconds(position.x), encoding_);
    newSecond = textForFile(degreesMinutesSeconds(position.y), encoding_);
  } else {
    const PositionValues positionText = positionValues(position, geographicTarget_);
    newFirst = formatFixed(positionText.first, 0, valueDecimals(geographicTarget_));
    newSecond = formatFixed(positionText.second, 0, valueDecimals(geographicTarget_));
  }
  if (result.height && !noResult) newHeight = formatFixed(*result.height, 0, 3);

  // Replace each value's number at its own field, left to right; every other byte stays.
  std::vector<std::pair<Field, const std::string*>> replaced{{numberOf(line, *fields.first), &newFirst},
                                                             {numberOf(line, *fields.second), &newSecond}};
  if (fields.height && layout_.heightColumn) replaced.push_back({numberOf(line, *fields.height), &newHeight});
  std::sort(replaced.begin(), replaced.end(),
            [](const auto& a, const auto& b) { return a.first.begin < b.first.begin; });
  std::size_t copied = 0;
  for (const auto& [field, text] : replaced) {
    out.append(line.substr(copied, field.begin - copied));
    out += *text;
    copied = field.end;
  }
  out.append(line.substr(copied));
  return {noResult ? LineOutcome::NoResult : LineOutcome::Converted, position.flag};
}

std::string fileHeading(const ConversionSetup& setup, const MainTexts& texts) {
  const SystemPair& systems = setup.systems;
  std::string heading = "*-- Start:" + shownName(systems.startName, setup.user, setup.heightDatums.start) +
                        " -> " + texts.msgTarget +
                        shownName(systems.targetName, setup.user, setup.heightDatums.target);
  if (!systems.startCode.sameFamily(systems.targetCode))
    heading += " * [" + setup.transformationName + "]";
  return heading + kFileLineEnd;
}

LineCounts convertColumnLines(LineReader& source, std::optional<FileTextEncoding>& encoding,
                              const ColumnConversion& conversion, WorkerPool& pool,
                              ConvertedLinesOutput& out, ProgressGauge& gauge) {
  if (encoding && encoding->utf16) return {};
  CopyText copy(encoding, conversion, out);
  LineCounts counts;
  std::vector<std::string> batch;  // as many lines as a batch held so far: a short file needs few
  std::vector<std::string> partOut(pool.lanes());
  std::vector<LineCounts> partCounts(pool.lanes());
  for (std::uint64_t firstLineNumber = 1; !out.failed();) {
    // What was written goes out before a read waits (a co-process gets each
    // answer). A batch takes the lines that are there, and ends after
    // kBatchLines lines or kBatchBytes bytes, so that lines of several
    // megabytes do not pile up, or before a line longer than kLongestLine,
    // which is copied through in parts.
    if (!copy.waitsForEncoding() && source.nextWouldWait()) out.flush();
    std::size_t count = 0, bytes = 0;
    bool complete = true;
    while (count < kBatchLines && bytes < kBatchBytes && (count == 0 || !source.nextWouldWait())) {
      if (count == batch.size()) batch.emplace_back();
      if (!source.nextPart(batch[count], complete) || !complete) break;
      bytes += batch[count++].size();
    }
    if (count == 0 && complete) break;
    if (firstLineNumber == 1) {
      copy.firstLine(batch[0]);
      if (encoding && encoding->utf16) return counts;
      removeByteOrderMark(batch[0], encoding.value_or(FileTextEncoding{}));
    }
    for (std::size_t i = 0; i < count && copy.waitsForEncoding(); ++i) copy.read(batch[i]);
    pool.forEachRange(count, [&](std::size_t part, std::size_t begin, std::size_t end) {
      partCounts[part] = {};
      convertLines(copy.converter(), batch, begin, end, firstLineNumber, partOut[part], partCounts[part]);
    });
    for (std::size_t part = 0; part < pool.lanes(); ++part) {
      counts += partCounts[part];
      copy.write(partOut[part]);
    }
    firstLineNumber += count;
    if (!complete) {
      counts.add(copyLongLine(source, batch[count], copy, out), firstLineNumber++);
    }
    gauge.update(source.bytesRead());
    releaseLongLines(batch);
  }
  copy.finish();
  gauge.finish();
  return counts;
}

FileConversionSummary asccvt(LineReader& source, std::optional<FileTextEncoding> encoding,
                             const std::string& targetPath, const FileIdentity& replaceable,
                             const ColumnConversion& conversion, WorkerPool& pool,
                             const ProgressCallback& progress) {
  FileConversionSummary summary;
  summary.targetPath = targetPath;
  summary.targetName = fileNameOf(targetPath);
  summary.sourceName = fileNameOf(source.name());
  summary.layout = conversion.layout;
  if (!source.isOpen()) {
    summary.status = FileConversionSummary::Status::SourceUnreadable;
    summary.error = source.error();
    return summary;
  }
  AtomicFileWriter target(targetPath, replaceable, source.permissions());
  if (!target.isOpen()) {
    summary.status = FileConversionSummary::Status::TargetNotWritten;
    summary.error = target.error();
    return summary;
  }
  CopyFile copy(target);
  ProgressGauge gauge(progress, source.fileSize());
  summary.lines = convertColumnLines(source, encoding, conversion, pool, copy, gauge);
  summary.encoding = encoding.value_or(FileTextEncoding{});
  // a file cut short or grown while it was read would give a copy that is
  // neither, and what was read of it says nothing of its encoding
  if (source.changed()) {
    summary.status = FileConversionSummary::Status::SourceChanged;
    summary.error = source.name();
    return summary;
  }
  if (summary.encoding.utf16) {
    summary.status = FileConversionSummary::Status::SourceUtf16;
    return summary;  // the copy holds nothing and is discarded
  }
  if (source.failed()) {
    summary.status = FileConversionSummary::Status::SourceUnreadable;
    summary.error = source.error();
    return summary;  // the unfinished copy is discarded
  }
  if (!target.commit()) {
    summary.status = target.targetKept() ? FileConversionSummary::Status::TargetKept
                                         : FileConversionSummary::Status::TargetNotWritten;
    summary.error = target.error();
  }
  return summary;
}

FileConversionSummary asccvt(const std::string& sourcePath, const std::string& targetPath,
                             const FileIdentity& replaceable, const ColumnConversion& conversion,
                             WorkerPool& pool, const ProgressCallback& progress) {
  // the encoding is read in a pass of its own: a change from its start on counts
  const FileIdentity before = linkedFileIdentity(sourcePath);
  const FileTextEncoding encoding = fileTextEncoding(sourcePath);
  LineReader source(sourcePath);
  source.unchangedSince(before);
  return asccvt(source, encoding, targetPath, replaceable, conversion, pool, progress);
}

FileConversionSummary asccvt(const std::string& sourcePath, const FileIdentity& replaceable,
                             const ConversionSetup& setup, const ColumnLayout& layout,
                             const MainTexts& texts, WorkerPool& pool,
                             const ProgressCallback& progress) {
  return asccvt(sourcePath, convertedFileName(sourcePath), replaceable,
                {setup, layout, fileHeading(setup, texts)}, pool, progress);
}

FileConversionSummary asccvt(const std::string& sourcePath, const FileIdentity& replaceable,
                             const ConversionSetup& setup, const ColumnLayout& layout,
                             const MainTexts& texts, const ProgressCallback& progress) {
  WorkerPool pool;
  return asccvt(sourcePath, replaceable, setup, layout, texts, pool, progress);
}

std::string fileConversionReport(const FileConversionSummary& summary, const MainTexts& texts,
                                 const ReportEncoding& encoding) {
  const std::string source = encoding.fileName(summary.sourceName);
  const auto line = [&](const std::string& name, const std::string& text) {
    return "* " + name + encoding.text(text) + "\n";
  };
  switch (summary.status) {
    case FileConversionSummary::Status::Written: break;
    case FileConversionSummary::Status::TargetKept:
      return line(encoding.fileName(summary.targetName), texts.msgTargetKept);
    case FileConversionSummary::Status::SourceChanged:
      return line(encoding.fileName(fileNameOf(summary.error)), texts.msgSourceChanged);
    case FileConversionSummary::Status::SourceUtf16: return line(source, texts.msgUtf16File);
    default: return line(encoding.fileName(summary.error), "");
  }
  std::string report = "* " + encoding.fileName(summary.targetName) +
                       encoding.text(texts.msgTargetGenerated +
                                     formatInt(static_cast<long long>(summary.lines.converted)) +
                                     texts.msgLinesConverted);
  const LineCounts& lines = summary.lines;
  const std::string grid = lines.noGridValue == 0 ? ""
                           : texts.msgOutsideGrid + " (" + formatInt(static_cast<long long>(lines.noGridValue)) + ")";
  for (const std::string& note : {outsideFrameLinesNote(lines, texts), grid, noResultLinesNote(lines, texts),
                                  notReadLinesNote(lines, texts), nothingConvertedNote(lines, summary.layout, texts)})
    if (!note.empty()) report += note == grid ? line("", note) : line(source, ": " + note);
  return report;
}

std::vector<std::string> fileConversionMessages(const FileConversionSummary& summary,
                                                const MainTexts& texts) {
  std::vector<std::string> messages;
  if (summary.status != FileConversionSummary::Status::Written) return messages;
  if (summary.lines.outsideFrame > 0) messages.push_back(texts.msgOutsideFrame);
  if (summary.lines.noGridValue > 0) messages.push_back(texts.msgOutsideGrid);
  return messages;
}

}  // namespace kortavex
