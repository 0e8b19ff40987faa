#pragma once
// What the file workflows share: where the two coordinate values of a
// column-file line are, and the name of a converted copy.

#include <optional>
#include <string>
#include <string_view>

#include "settings/settings.h"
#include "workflow/coordinate_text.h"

namespace kortavex {

// Delimiter and coordinate columns of column files, from the settings.
struct ColumnLayout {
  char delimiter = ' ';
  int eastingColumn = 1;   // 0-based: first value (easting or latitude)
  int northingColumn = 2;  // 0-based: second value (northing or longitude)
  std::optional<int> heightColumn = std::nullopt;  // 0-based: the height, where lines carry one
};

ColumnLayout columnLayoutOf(const Settings& settings);

// Blank, comma and semicolon; any other delimiter (a hand-edited options
// file) splits nothing, so that no line yields a value.
bool isUsableDelimiter(char delimiter);

// The fields of the two coordinate columns of a line. A field is missing when
// the line has no such column, when the column number is outside 1-9, or
// when the delimiter is not usable.
struct CoordinateFields {
  std::size_t fieldCount = 0;
  std::optional<Field> first, second, height;
};
CoordinateFields coordinateFields(std::string_view line, const ColumnLayout& layout);

// The text of a field with tabs read as blanks; empty for a missing field.
std::string fieldText(std::string_view line, const std::optional<Field>& field);

// The reading of a line by the values of its two coordinate columns (see
// readLine) and, where the layout has one, of its height column; a line
// without them, or with two in one field, lacks them. `fields` gets where
// the values stand.
LineReading readColumnLine(std::string_view line, const ColumnLayout& layout, CoordinateFields& fields);

// The line with every tab replaced by a blank: how lines that are not
// converted are written.
std::string tabsToBlanks(std::string_view line);

// "_cvt" before the last "." of the file name (never of a directory name), or
// appended when the name has no ".": "data/pts.txt" -> "data/pts_cvt.txt".
std::string convertedFileName(const std::string& path);

// `path`, or, when something stands there, the first of "pts_2.txt",
// "pts_3.txt", ... (numbered as convertedFileName places "_cvt") that does
// not: the name a save dialog proposes, so that its default replaces nothing.
std::string unusedFileName(const std::string& path);

// The line end of the files the workflows write.
inline constexpr const char* kFileLineEnd = "\n";

}  // namespace kortavex
