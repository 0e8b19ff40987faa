#include "workflow/import_export.h"

#include <algorithm>
#include <utility>
#include <vector>

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
    if (layout.heightColumn) out += ' ' + compactValue(fieldText(line, fields.height));
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
  // With heights the height is the third value; what follows it (the zone
  // of an automatic UTM result) goes into the columns after them, one part
  // each.
  std::vector<std::string_view> after;
  if (layout.heightColumn) {
    std::size_t end = 0;
    for (int part = 0; part < 3 && end != std::string_view::npos; ++part)
      end = values.find(' ', values.find_first_not_of(' ', end));
    for (std::size_t begin = end; begin != std::string_view::npos;) {
      begin = values.find_first_not_of(' ', begin);
      if (begin == std::string_view::npos) break;
      const std::size_t partEnd = std::min(values.find(' ', begin), values.size());
      after.push_back(values.substr(begin, partEnd - begin));
      begin = partEnd;
    }
    values = values.substr(0, end);
  }
  // the values are split at their last blanks: a first value may hold blanks
  const auto lastValue = [&values] {
    const std::size_t lastBlank = values.rfind(' ');
    const std::string_view last = lastBlank == std::string_view::npos ? values : values.substr(lastBlank + 1);
    values = lastBlank == std::string_view::npos ? std::string_view() : values.substr(0, lastBlank);
    return last;
  };
  std::vector<std::pair<int, std::string_view>> inColumns;  // a result line's values, each with its column
  if (layout.heightColumn) inColumns.emplace_back(*layout.heightColumn, lastValue());
  inColumns.emplace_back(layout.northingColumn, lastValue());
  inColumns.emplace_back(layout.eastingColumn, values);
  std::stable_sort(inColumns.begin(), inColumns.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });

  // a delimiter that no settings list offers would put odd bytes into the file
  const char delimiter = isUsableDelimiter(layout.delimiter) ? layout.delimiter : ' ';
  std::string out;
  if (pointNumbers) {
    out = formatInt(++counter, 5);
    out += delimiter;
  }
  for (std::size_t i = 0; i < inColumns.size(); ++i) {
    if (i > 0) out += delimiter;
    out += inColumns[i].second;
  }
  for (const std::string_view part : after) {
    out += delimiter;
    out += part;
  }
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
