#pragma once
// What the window remembers from one start to the next, in a state file of
// its own where desktop programs keep such state
// ($XDG_STATE_HOME/kortavex/window, by default ~/.local/state/kortavex/window):
// kortavex.cfg keeps its eight lines for the settings. A state file that is
// missing, damaged or of another version is ignored without a word.

#include <string>
#include <vector>

namespace kortavex {

inline constexpr std::size_t kRecentFileCount = 5;

struct WindowState {
  // the chosen systems and transformation as their lists name them
  // (Windows-1252); empty: none chosen
  std::string startSystem, targetSystem, transformation;
  // the last folders of the open and the save dialog, and the files last
  // chosen, newest first (file-system bytes)
  std::string openFolder, saveFolder;
  std::vector<std::string> recentFiles;
  int width = 0, height = 0;  // the window's inside; 0: its smallest size
  // Heights: lines carry a third value, the height, converted with the
  // points; a column file's height is in column `heightColumn` (0-based).
  bool heights = false;
  int heightColumn = 3;  // after a name and the two values, the columns 2 and 3 by default
  // the height systems of start and target by name ("DHHN2016"); empty: ellipsoidal heights
  std::string startHeightSystem, targetHeightSystem;
  bool operator==(const WindowState& other) const;
};

// The state file's path; empty when neither XDG_STATE_HOME nor HOME names a
// folder (an XDG_STATE_HOME that is no absolute path is ignored, as the XDG
// base directory rules say).
std::string windowStatePath();

WindowState readWindowState(const std::string& path);
// Writes the state file, its folder made first; false when that failed,
// which the window does not report: its state is a convenience.
bool writeWindowState(const std::string& path, const WindowState& state);

// `recent` with `path` put first, once, and at most kRecentFileCount files.
std::vector<std::string> withRecentFile(std::vector<std::string> recent, const std::string& path);

}  // namespace kortavex
