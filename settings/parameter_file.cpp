#include "settings/parameter_file.h"

#include <algorithm>

#include "engine/number_text.h"
#include "files/platform.h"
#include "files/text_file.h"
#include "lang/cp1252.h"
#include "lang/settings_dialog_texts.h"
#include "lang/settings_file_texts.h"

namespace kortavex {

namespace {

constexpr std::size_t kFileLines = 17;
constexpr std::size_t kHeaderLine = 0, kNameLine = 1, kEllipsoidLine = 9, kProjectionLine = 10;

// Which file line holds which of the thirteen numbers.
struct NumberLine {
  std::size_t line;
  UserParameter parameter;
};
constexpr NumberLine kNumberLines[] = {
    {2, PARAM_DX},
    {3, PARAM_DY},
    {4, PARAM_DZ},
    {5, PARAM_RX},
    {6, PARAM_RY},
    {7, PARAM_RZ},
    {8, PARAM_SCALE},
    {11, PARAM_CENTRAL_MERIDIAN},
    {12, PARAM_FALSE_EASTING},
    {13, PARAM_FALSE_NORTHING},
    // only in files of the current form
    {14, PARAM_LATITUDE_OF_ORIGIN},
    {15, PARAM_NORTH_PARALLEL},
    {16, PARAM_SOUTH_PARALLEL},
};
constexpr std::size_t kFirstLambertLine = 14;

// An item line as users may have written it: blanks around it, or saved
// as UTF-8 by another editor.
std::string itemText(const std::string& line) {
  const std::string_view trimmed = trimWhiteSpace(line);
  if (std::optional<std::string> cp1252 = utf8ToCp1252(trimmed)) return *cp1252;
  return std::string(trimmed);
}

int ellipsoidIndex(const std::string& line) {
  const std::string item = itemText(line);
  for (int i = 0; i < 5; ++i)
    if (item == kEllipsoidItems[i]) return i;
  return -1;
}

// Item 0 is written in the language of the Save: each of the seven, and
// `noProjectionItem`, name it.
int projectionIndex(const std::string& line, const std::string& noProjectionItem) {
  const std::string item = itemText(line);
  if (item == noProjectionItem) return 0;
  for (const TextRow<ParameterTexts>& row : parameterTextRows())
    if (row.key == &ParameterTexts::parNoProjection &&
        std::find(row.text.begin(), row.text.end(), item) != row.text.end())
      return 0;
  for (int i = 1; i < 4; ++i)
    if (item == kProjectionItems[i]) return i;
  return -1;
}

// The number texts, name and indices of a file's lines, in the way Load puts
// them into the dialog (a Lambert text of the earlier form is empty), and
// the first line that names no item, holds no number, or is missing.
LoadedParameterFile parseLines(const std::string& path, const std::string (&lines)[kFileLines],
                               std::size_t linesPresent, const std::string& noProjectionItem) {
  LoadedParameterFile loaded;
  loaded.valid = lines[kHeaderLine].rfind(kParameterFileHeaderPrefix, 0) == 0;
  const bool currentForm = lines[kHeaderLine] == kParameterFileHeader;
  const std::size_t formLines = currentForm ? kFileLines : kFirstLambertLine;
  loaded.name = lines[kNameLine];
  loaded.ellipsoid = ellipsoidIndex(lines[kEllipsoidLine]);
  loaded.projection = projectionIndex(lines[kProjectionLine], noProjectionItem);

  std::size_t faultyLine = linesPresent < formLines ? linesPresent : kFileLines;
  const auto faultAt = [&](std::size_t line) { faultyLine = std::min(faultyLine, line); };
  if (loaded.ellipsoid < 0) faultAt(kEllipsoidLine);
  if (loaded.projection < 0) faultAt(kProjectionLine);
  for (const NumberLine& n : kNumberLines)
    if (n.line < formLines) loaded.texts[n.parameter] = std::string(trimWhiteSpace(lines[n.line]));
  UserParameterSet numbers;
  numbers.texts = loaded.texts;
  numbers.system.projection = loaded.projection;
  if (const int unusable = numbers.firstUnusableText(); unusable >= 0)
    for (const NumberLine& n : kNumberLines)
      if (n.parameter == unusable) faultAt(n.line);
  if (faultyLine < kFileLines) {
    loaded.fault.file = path;
    loaded.fault.line = static_cast<int>(faultyLine) + 1;
    loaded.fault.text = lines[faultyLine];
  }
  return loaded;
}

}  // namespace

std::string parameterFilePath(const std::string& directory, const std::string& name) {
  if (!platform::isNameInDirectory(name)) return {};
  return pathInDirectory(directory, cp1252ToUtf8(name) + kParameterFileExtension);
}

UserParameterSet readStartupParameterSet(const std::string& directory, const std::string& name) {
  UserParameterSet set;
  const std::string path = parameterFilePath(directory, name);
  const LoadedParameterFile loaded =
      path.empty() ? LoadedParameterFile{} : loadParameterFile(path, kGermanNoProjectionItem);
  if (path.empty() || loaded.missing) {
    if (!name.empty()) {
      set.fault.file = path.empty() ? cp1252ToUtf8(name) + kParameterFileExtension : path;
      set.fault.missing = true;
    }
    return set;
  }
  set.name = loaded.name;
  set.texts = loaded.texts;
  set.system.ellipsoid = std::max(loaded.ellipsoid, 0);
  set.system.projection = std::max(loaded.projection, 0);
  set.fault = loaded.fault;
  set.numbersFromTexts();  // a faulty set keeps the default numbers it is never used with
  return set;
}

std::string parameterFileText(const UserParameterSet& set, const std::string& noProjectionItem) {
  std::string lines[kFileLines];
  lines[kHeaderLine] = kParameterFileHeader;
  lines[kNameLine] = set.name;
  for (const NumberLine& n : kNumberLines) {
    lines[n.line] = withDecimalPoint(set.texts[n.parameter]);
  }
  const int ellipsoid = set.system.ellipsoid, projection = set.system.projection;
  if (ellipsoid >= 0 && ellipsoid < 5) lines[kEllipsoidLine] = kEllipsoidItems[ellipsoid];
  if (projection == 0) lines[kProjectionLine] = noProjectionItem;
  if (projection > 0 && projection < 4) lines[kProjectionLine] = kProjectionItems[projection];
  std::string out;
  for (const std::string& line : lines) appendFileLine(out, line);
  return out;
}

bool saveParameterFile(const std::string& directory, const UserParameterSet& set,
                       const std::string& noProjectionItem, std::string* error) {
  const std::string path = parameterFilePath(directory, set.name);
  if (path.empty()) {
    if (error) *error = cp1252ToUtf8(set.name) + ": not a file name";
    return false;
  }
  return writeFileAtomically(path, parameterFileText(set, noProjectionItem), error);
}

LoadedParameterFile loadParameterFile(const std::string& path, const std::string& noProjectionItem) {
  std::string lines[kFileLines];
  const FirstLines read = readFirstLines(path, kFileLines, lines);
  if (read.read) return parseLines(path, lines, read.present, noProjectionItem);
  LoadedParameterFile unread;
  unread.fault.file = path;
  if (read.longLine != 0) {
    unread.fault.line = static_cast<int>(read.longLine);
    unread.fault.lineTooLong = true;
  } else if (read.missing) {
    unread.missing = true;
  } else {
    unread.fault.reason = read.error;
  }
  return unread;
}

void applyLoadedParameterFile(const LoadedParameterFile& loaded, UserParameterSet& values) {
  if (!loaded.valid || loaded.fault.faulty()) return;
  values.name = loaded.name;
  values.texts = loaded.texts;
  if (loaded.ellipsoid >= 0) values.system.ellipsoid = loaded.ellipsoid;
  if (loaded.projection >= 0) values.system.projection = loaded.projection;
}

std::string parameterFaultMessage(const ParameterFileFault& fault, const std::string& language) {
  const SettingsFileTexts texts = settingsFileTexts(language);
  if (fault.missing) return texts.msgParameterFileMissing + ":\n" + fileSystemTextToCp1252(fault.file);
  const std::string where =
      !fault.reason.empty() ? fault.reason
      : fault.lineTooLong   ? longLineMessage(fault.file, static_cast<std::uint64_t>(fault.line), language)
                            : fileSystemTextToCp1252(fault.file) + ", " + texts.msgLine + " " +
                                  formatInt(fault.line) + ": " + fault.text;
  return texts.msgParameterFileFaulty + ":\n" + where;
}

bool deleteParameterFile(const std::string& directory, const std::string& name) {
  const std::string path = parameterFilePath(directory, name);
  return !path.empty() && platform::removeFile(path);
}

}  // namespace kortavex
