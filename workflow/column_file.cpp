#include "workflow/column_file.h"

#include <algorithm>
#include <string>

#include "files/platform.h"
#include "files/text_file.h"

namespace kortavex {

namespace {

constexpr int kHighestColumn = 8;  // column number 9

std::optional<Field> fieldAt(const std::vector<Field>& fields, int column) {
  if (column < 0 || column > kHighestColumn || static_cast<std::size_t>(column) >= fields.size())
    return std::nullopt;
  return fields[static_cast<std::size_t>(column)];
}

}  // namespace

ColumnLayout columnLayoutOf(const Settings& settings) {
  return {settings.delimiter, settings.eastingColumn, settings.northingColumn};
}

bool isUsableDelimiter(char delimiter) {
  return delimiter == ' ' || delimiter == ',' || delimiter == ';';
}

CoordinateFields coordinateFields(std::string_view line, const ColumnLayout& layout) {
  CoordinateFields result;
  if (!isUsableDelimiter(layout.delimiter)) return result;
  const std::vector<Field> fields = splitColumnFields(line, layout.delimiter);
  result.fieldCount = fields.size();
  result.first = fieldAt(fields, layout.eastingColumn);
  result.second = fieldAt(fields, layout.northingColumn);
  if (layout.heightColumn) result.height = fieldAt(fields, *layout.heightColumn);
  return result;
}

std::string fieldText(std::string_view line, const std::optional<Field>& field) {
  if (!field) return {};
  return tabsToBlanks(line.substr(field->begin, field->end - field->begin));
}

LineReading readColumnLine(std::string_view line, const ColumnLayout& layout, CoordinateFields& fields) {
  fields = coordinateFields(line, layout);
  // two values in one column cannot both be replaced
  if (!fields.first || !fields.second || fields.first->begin == fields.second->begin) return readLine(line, {});
  if (layout.heightColumn && (!fields.height || fields.height->begin == fields.first->begin ||
                              fields.height->begin == fields.second->begin))
    return readLine(line, {});
  const std::string first = fieldText(line, fields.first), second = fieldText(line, fields.second);
  LineReading reading = readLine(line, ValuePair{first, second});
  if (reading.kind != LineKind::Values || !layout.heightColumn) return reading;
  reading.height = readHeightText(fieldText(line, fields.height));
  if (!reading.height) reading.kind = LineKind::NotRead;
  return reading;
}

std::string tabsToBlanks(std::string_view line) {
  std::string copy(line);
  std::replace(copy.begin(), copy.end(), '\t', ' ');
  return copy;
}

namespace {

// `suffix` before the last "." of the file name, or appended.
std::string beforeExtension(const std::string& path, const std::string& suffix) {
  const std::size_t slash = platform::lastSeparator(path);
  const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
  const std::size_t dot = path.rfind('.');
  if (dot == std::string::npos || dot < nameStart) return path + suffix;
  return path.substr(0, dot) + suffix + path.substr(dot);
}

}  // namespace

std::string convertedFileName(const std::string& path) { return beforeExtension(path, "_cvt"); }

std::string unusedFileName(const std::string& path) {
  std::string name = path;
  for (int number = 2; fileIdentity(name).exists; ++number)
    name = beforeExtension(path, "_" + std::to_string(number));
  return name;
}

}  // namespace kortavex
