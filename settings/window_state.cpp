#include "settings/window_state.h"

#include <algorithm>

#include "engine/number_text.h"
#include "files/platform.h"
#include "files/text_file.h"

namespace kortavex {

namespace {

constexpr char kHeader[] = "kortavex_window_state_v1";
constexpr std::size_t kLongestLine = 4096;
constexpr long long kLargestSide = 100000;

// A size of the file: a positive whole number of pixels, 0 when damaged.
int sideFromText(const std::string& text) {
  if (text.empty() || text.size() > 6 || !std::all_of(text.begin(), text.end(), [](char c) {
        return c >= '0' && c <= '9';
      }))
    return 0;
  const long long side = integerPrefix(text);
  return side > 0 && side <= kLargestSide ? static_cast<int>(side) : 0;
}

// Lines are "key=value"; a value holds no line end, so names with one are not kept.
bool storable(const std::string& value) {
  return value.find_first_of("\r\n") == std::string::npos && value.size() < kLongestLine;
}

}  // namespace

bool WindowState::operator==(const WindowState& other) const {
  return startSystem == other.startSystem && targetSystem == other.targetSystem &&
         transformation == other.transformation && openFolder == other.openFolder &&
         saveFolder == other.saveFolder && recentFiles == other.recentFiles &&
         width == other.width && height == other.height && heights == other.heights &&
         heightColumn == other.heightColumn && startHeightSystem == other.startHeightSystem &&
         targetHeightSystem == other.targetHeightSystem;
}

std::string windowStatePath() {
  const std::string folder = platform::userStateDirectory();
  return folder.empty() ? folder : folder + "/kortavex/window";
}

WindowState readWindowState(const std::string& path) {
  LineReader reader(path);
  std::string line;
  if (!reader.isOpen() || !reader.next(line) || line != kHeader) return {};
  WindowState state;
  while (reader.next(line)) {
    const std::size_t equals = line.find('=');
    if (equals == std::string::npos) return {};
    const std::string key = line.substr(0, equals), value = line.substr(equals + 1);
    if (key == "start") {
      state.startSystem = value;
    } else if (key == "target") {
      state.targetSystem = value;
    } else if (key == "transformation") {
      state.transformation = value;
    } else if (key == "open_folder") {
      state.openFolder = value;
    } else if (key == "save_folder") {
      state.saveFolder = value;
    } else if (key == "recent") {
      if (state.recentFiles.size() < kRecentFileCount) state.recentFiles.push_back(value);
    } else if (key == "heights" && (value == "0" || value == "1")) {
      state.heights = value == "1";
    } else if (key == "height_column" && value.size() == 1 && value[0] >= '1' && value[0] <= '9') {
      state.heightColumn = value[0] - '1';
    } else if (key == "start_heights") {
      state.startHeightSystem = value;
    } else if (key == "target_heights") {
      state.targetHeightSystem = value;
    } else if (key == "width" || key == "height") {
      const int side = sideFromText(value);
      if (side == 0) return {};
      (key == "width" ? state.width : state.height) = side;
    } else {
      return {};
    }
  }
  return reader.failed() || reader.longLine() != 0 ? WindowState() : state;
}

bool writeWindowState(const std::string& path, const WindowState& state) {
  if (!platform::makeDirectories(path.substr(0, platform::lastSeparator(path)))) return false;
  std::string text = std::string(kHeader) + "\n";
  const auto add = [&text](const char* key, const std::string& value) {
    if (!value.empty() && storable(value)) text += std::string(key) + "=" + value + "\n";
  };
  add("start", state.startSystem);
  add("target", state.targetSystem);
  add("transformation", state.transformation);
  add("open_folder", state.openFolder);
  add("save_folder", state.saveFolder);
  for (const std::string& file : state.recentFiles) add("recent", file);
  add("heights", state.heights ? "1" : "0");
  if (state.heightColumn >= 0 && state.heightColumn <= 8) add("height_column", formatInt(state.heightColumn + 1));
  add("start_heights", state.startHeightSystem);
  add("target_heights", state.targetHeightSystem);
  if (state.width > 0 && state.height > 0) {
    add("width", formatInt(state.width));
    add("height", formatInt(state.height));
  }
  return writeFileAtomically(path, text, nullptr);
}

std::vector<std::string> withRecentFile(std::vector<std::string> recent, const std::string& path) {
  recent.erase(std::remove(recent.begin(), recent.end(), path), recent.end());
  recent.insert(recent.begin(), path);
  if (recent.size() > kRecentFileCount) recent.resize(kRecentFileCount);
  return recent;
}

}  // namespace kortavex
