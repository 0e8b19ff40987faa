#pragma once
// What the file workflows share: where the two coordinate values of a
// column-file line are, and the name of a converted copy.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "settings/settings.h"
#include "workflow/coordinate_text.h"

// Delimiter and coordinate columns of column files, from the settings.
struct ColumnLayout {
  char delimiter = ' ';
  int eastingColumn = 1;   // 0-based: first value (easting or latitude)
  int northingColumn = 2;  // 0-based: second value (northing or longitude)
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
  std::optional<Field> first, second;
};
CoordinateFields coordinateFields(std::string_view line, const ColumnLayout& layout);

// The text of a field with tabs read as blanks; empty for a missing field.
std::string fieldText(std::string_view line, const std::optional<Field>& field);

// The line with every tab replaced by a blank: how lines that are not
// converted are written.
std::string tabsToBlanks(std::string_view line);

// "_cvt" before the last "." of the file name (never of a directory name), or
// appended when the name has no ".": "data/pts.txt" -> "data/pts_cvt.txt".
std::string convertedFileName(const std::string& path);

// Percent of a file read or written so far, 0-100: called when it changes,
// and with 0 at the end (the gauge is emptied).
using ProgressCallback = std::function<void(int percent)>;

// Turns a count of done units (bytes, lines) into calls of a ProgressCallback.
class ProgressGauge {
 public:
  ProgressGauge(ProgressCallback callback, std::uint64_t total)
      : callback_(std::move(callback)), total_(total) {}
  void update(std::uint64_t done);
  void finish();

 private:
  ProgressCallback callback_;
  std::uint64_t total_;
  int last_ = -1;
};

// The line end of the files the workflows write.
inline constexpr const char* kFileLineEnd = "\n";
