#include "workflow/import_export.h"

#include <algorithm>

#include "engine/number_text.h"
#include "files/text_file.h"
#include "files/text_lines.h"
#include "lang/cp1252.h"

namespace kortavex {

namespace {

// A value that reads, as the input window takes it: decimal points, and no
// blanks, which stand only around it or next to the signs of its degrees.
std::string compactValue(std::string_view value) {
  std::string compact = withDecimalPoint(value);
  compact.erase(std::remove_if(compact.begin(), compact.end(), [](char c) { return c == ' ' || c == '\t'; }),
                compact.end());
  return compact;
}

}  // namespace

LineKind importLine(std::string_view line, const ColumnLayout& layout, std::string& out) {
  CoordinateFields fields;
  const LineReading reading = readColumnLine(line, layout, fields);
  if (reading.kind == LineKind::Values) {
    out = compactValue(fieldText(line, fields.first)) + ' ' + compactValue(fieldText(line, fields.second));
  } else {
    out = tabsToBlanks(line);
  }
  return reading.kind;
}

ImportResult importFile(const std::string& path, const ColumnLayout& layout,
                        const ProgressCallback& progress) {
  ImportResult result;
  result.encoding = fileTextEncoding(path);
  if (result.encoding.utf16) return result;
  LineReader reader(path);
  if (!reader.isOpen()) {
    result.error = reader.error();
    return result;
  }
  ProgressGauge gauge(progress, reader.fileSize());
  std::string line, out;
  std::uint64_t number = 0;
  for (bool first = true; reader.next(line); first = false) {
    ++number;
    gauge.update(reader.bytesRead());
    if (first) removeByteOrderMark(line, result.encoding);
    if (result.encoding.utf8)
      line = utf8ToNearestCp1252(line).value_or(line);  // a stray byte after a byte-order mark stays
    if (line.empty()) continue;
    const LineKind kind = importLine(line, layout, out);
    result.lines.add(kind == LineKind::Values ? LineResult{LineOutcome::Converted} : unconvertedLine(line, kind),
                     number);
    result.text += out;
    result.text += '\n';
  }
  gauge.finish();
  result.read = !reader.failed();
  result.error = reader.error();
  result.longLine = reader.longLine();
  if (!result.read) result.text.clear();
  return result;
}

std::string exportLine(std::string_view line, const ColumnLayout& layout, bool pointNumbers,
                       int& counter) {
  // a point without result keeps its number and its place
  const std::optional<std::string_view> failed = failedResultValues(line);
  if (!failed && !line.empty() && line[0] == '*') return std::string(line);
  // a single-point result ends in a blank: its values stand before it
  std::string_view values = failed.value_or(line);
  while (!values.empty() && values.back() == ' ') values.remove_suffix(1);
  const std::size_t lastBlank = values.rfind(' ');
  const std::string_view first = lastBlank == std::string_view::npos ? std::string_view() : values.substr(0, lastBlank);
  const std::string_view second = lastBlank == std::string_view::npos ? values : values.substr(lastBlank + 1);

  // a delimiter that no settings list offers would put odd bytes into the file
  const char delimiter = isUsableDelimiter(layout.delimiter) ? layout.delimiter : ' ';
  std::string out;
  if (pointNumbers) {
    out = formatInt(++counter, 5);
    out += delimiter;
  }
  const bool inOrder = layout.eastingColumn < layout.northingColumn;
  out += inOrder ? first : second;
  out += delimiter;
  out += inOrder ? second : first;
  return out;
}

std::string exportText(std::string_view outputWindowText, const ColumnLayout& layout,
                       bool pointNumbers) {
  std::string out;
  int counter = 0;
  std::vector<std::string_view> lines = splitTextLines(outputWindowText).lines;
  if (lines.back().empty()) lines.pop_back();  // after the closing line end: no line
  for (const std::string_view line : lines) {
    out += exportLine(line, layout, pointNumbers, counter);
    out += kFileLineEnd;
  }
  return out;
}

bool exportFile(const std::string& path, const FileIdentity& replaceable,
                std::string_view outputWindowText, const ColumnLayout& layout, bool pointNumbers,
                const FileTextEncoding& encoding, std::string* error) {
  const std::string text = textForFile(exportText(outputWindowText, layout, pointNumbers), encoding);
  return writeFileAtomically(path, replaceable,
                             encoding.byteOrderMark ? std::string(kUtf8ByteOrderMark) + text : text,
                             error);
}

}  // namespace kortavex
