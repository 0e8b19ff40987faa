#include "settings/parameter_file.h"

#include <unistd.h>

#include <algorithm>

#include "settings/text_file.h"

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

int ellipsoidIndex(const std::string& line) {
  for (int i = 0; i < 5; ++i)
    if (line == kEllipsoidItems[i]) return i;
  return -1;
}

int projectionIndex(const std::string& line, const std::string& noProjectionItem) {
  if (line == noProjectionItem) return 0;
  for (int i = 1; i < 4; ++i)
    if (line == kProjectionItems[i]) return i;
  return -1;
}

// The number texts, name and indices of a file's lines, in the way Load puts
// them into the dialog (a Lambert text of the earlier form is empty).
LoadedParameterFile parseLines(const std::string (&lines)[kFileLines],
                               const std::string& noProjectionItem) {
  LoadedParameterFile loaded;
  loaded.valid = lines[kHeaderLine].rfind(kParameterFileHeaderPrefix, 0) == 0;
  const bool currentForm = lines[kHeaderLine] == kParameterFileHeader;
  loaded.name = lines[kNameLine];
  for (const NumberLine& n : kNumberLines)
    if (currentForm || n.line < kFirstLambertLine) loaded.texts[n.parameter] = lines[n.line];
  loaded.ellipsoid = ellipsoidIndex(lines[kEllipsoidLine]);
  loaded.projection = projectionIndex(lines[kProjectionLine], noProjectionItem);
  return loaded;
}

}  // namespace

std::string parameterFilePath(const std::string& directory, const std::string& name) {
  if (name.find('/') != std::string::npos || name.find('\0') != std::string::npos) return {};
  return pathInDirectory(directory, name + kParameterFileExtension);
}

UserParameterSet readStartupParameterSet(const std::string& directory, const std::string& name) {
  UserParameterSet set;
  const std::string path = parameterFilePath(directory, name);
  std::string lines[kFileLines];
  if (path.empty() || !readFirstLines(path, kFileLines, lines)) return set;
  const LoadedParameterFile loaded = parseLines(lines, kGermanNoProjectionItem);
  set.name = loaded.name;
  set.texts = loaded.texts;
  set.ellipsoid = std::max(loaded.ellipsoid, 0);
  set.projection = std::max(loaded.projection, 0);
  set.numbersFromTexts();
  return set;
}

std::string parameterFileText(const UserParameterSet& set, const std::string& noProjectionItem) {
  std::string lines[kFileLines];
  lines[kHeaderLine] = kParameterFileHeader;
  lines[kNameLine] = set.name;
  for (const NumberLine& n : kNumberLines) {
    lines[n.line] = set.texts[n.parameter];
    std::replace(lines[n.line].begin(), lines[n.line].end(), ',', '.');
  }
  if (set.ellipsoid >= 0 && set.ellipsoid < 5) lines[kEllipsoidLine] = kEllipsoidItems[set.ellipsoid];
  if (set.projection == 0) lines[kProjectionLine] = noProjectionItem;
  if (set.projection > 0 && set.projection < 4) lines[kProjectionLine] = kProjectionItems[set.projection];
  std::string out;
  for (const std::string& line : lines) appendFileLine(out, line);
  return out;
}

bool saveParameterFile(const std::string& directory, const UserParameterSet& set,
                       const std::string& noProjectionItem, std::string* error) {
  const std::string path = parameterFilePath(directory, set.name);
  if (path.empty()) {
    if (error) *error = set.name + ": not a file name";
    return false;
  }
  return writeFileAtomically(path, parameterFileText(set, noProjectionItem), error);
}

LoadedParameterFile loadParameterFile(const std::string& path, const std::string& noProjectionItem) {
  std::string lines[kFileLines];
  if (!readFirstLines(path, kFileLines, lines)) return {};
  return parseLines(lines, noProjectionItem);
}

void applyLoadedParameterFile(const LoadedParameterFile& loaded, UserParameterSet& values) {
  if (!loaded.valid) return;
  values.name = loaded.name;
  values.texts = loaded.texts;
  if (loaded.ellipsoid >= 0) values.ellipsoid = loaded.ellipsoid;
  if (loaded.projection >= 0) values.projection = loaded.projection;
}

bool deleteParameterFile(const std::string& directory, const std::string& name) {
  const std::string path = parameterFilePath(directory, name);
  return !path.empty() && ::unlink(path.c_str()) == 0;
}
