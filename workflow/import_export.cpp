#include "workflow/import_export.h"

#include "engine/number_text.h"
#include "lang/cp1252.h"
#include "settings/text_file.h"
#include "settings/text_lines.h"

namespace kortavex {

namespace {

bool hasDegreeSign(const std::string& value) { return value.find(kDegreeSign) != std::string::npos; }

}  // namespace

bool importLine(std::string_view line, const ColumnLayout& layout, std::string& out) {
  const CoordinateFields fields = coordinateFields(line, layout);
  if (fields.fieldCount >= 2) {
    const std::string first = withDecimalPoint(fieldText(line, fields.first));
    const std::string second = withDecimalPoint(fieldText(line, fields.second));
    const bool numbers = parseNumber(first) && parseNumber(second);
    if (numbers || (hasDegreeSign(first) && hasDegreeSign(second))) {
      out = first + ' ' + second;
      return true;
    }
  }
  out = tabsToBlanks(line);
  return false;
}

ImportResult importFile(const std::string& path, const ColumnLayout& layout,
                        const ProgressCallback& progress) {
  ImportResult result;
  result.encoding = fileTextEncoding(path);
  LineReader reader(path);
  if (!reader.isOpen()) {
    result.error = reader.error();
    return result;
  }
  ProgressGauge gauge(progress, reader.fileSize());
  std::string line, out;
  for (bool first = true; reader.next(line); first = false) {
    gauge.update(reader.bytesRead());
    if (first) removeByteOrderMark(line, result.encoding);
    if (result.encoding.utf8)
      line = utf8ToNearestCp1252(line).value_or(line);  // a stray byte after a byte-order mark stays
    if (line.empty()) continue;
    if (importLine(line, layout, out)) ++result.imported;
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
  if (!line.empty() && line[0] == '*') return std::string(line);
  // a single-point result ends in a blank: its values stand before it
  std::string_view values = line;
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
