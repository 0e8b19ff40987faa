#include "settings/settings.h"

#include <algorithm>
#include <climits>

#include "engine/number_text.h"
#include "files/text_file.h"

namespace kortavex {

namespace {

constexpr std::size_t kOptionsLines = 8;

// A stored column number (1-9) as the 0-based column.
int columnFromText(const std::string& text) {
  const long long number = integerPrefix(text);
  return static_cast<int>(std::clamp<long long>(number - 1, INT_MIN, INT_MAX));
}

int intFromText(const std::string& text) {
  return static_cast<int>(std::clamp<long long>(integerPrefix(text), INT_MIN, INT_MAX));
}

std::string columnLine(int column) {
  return column >= 0 && column <= 8 ? formatInt(column + 1) : std::string();
}

}  // namespace

double referenceHeightFromText(const std::string& text) {
  return numericPrefix(withDecimalPoint(text));
}

bool readOptionsFile(const std::string& directory, Settings& settings,
                     std::string& parameterSetName, std::string* problem) {
  std::string lines[kOptionsLines];
  const FirstLines read = readFirstLines(pathInDirectory(directory, kOptionsFileName), kOptionsLines, lines);
  if (!read.read) {
    if (problem && !read.missing) *problem = read.error;
    return false;
  }
  settings.referenceHeightText = lines[1];
  settings.eastingColumn = columnFromText(lines[2]);
  settings.northingColumn = columnFromText(lines[3]);
  settings.delimiter = lines[4].empty() ? '\0' : lines[4][0];
  parameterSetName = lines[5];
  if (lines[0] == kOptionsHeader) {
    settings.language = lines[6];
    settings.regionMask = intFromText(lines[7]);
  }
  settings.referenceHeight = referenceHeightFromText(settings.referenceHeightText);
  return true;
}

bool usableColumnLayout(const Settings& settings) {
  const auto column = [](int c) { return c >= 0 && c <= 8; };
  const char d = settings.delimiter;
  return column(settings.eastingColumn) && column(settings.northingColumn) &&
         settings.eastingColumn != settings.northingColumn && (d == ' ' || d == ',' || d == ';');
}

std::string optionsFileText(const Settings& settings, const std::string& parameterSetName) {
  const char delimiter = settings.delimiter;
  const bool listedDelimiter = delimiter == ' ' || delimiter == ',' || delimiter == ';';
  std::string out;
  appendFileLine(out, kOptionsHeader);
  appendFileLine(out, settings.referenceHeightText);
  appendFileLine(out, columnLine(settings.eastingColumn));
  appendFileLine(out, columnLine(settings.northingColumn));
  appendFileLine(out, listedDelimiter ? std::string(1, delimiter) : std::string());
  appendFileLine(out, parameterSetName);
  appendFileLine(out, settings.language);
  appendFileLine(out, formatInt(settings.regionMask));
  return out;
}

bool writeOptionsFile(const std::string& directory, const Settings& settings,
                      const std::string& parameterSetName, std::string* error) {
  return writeFileAtomically(pathInDirectory(directory, kOptionsFileName),
                             optionsFileText(settings, parameterSetName), error);
}

}  // namespace kortavex
