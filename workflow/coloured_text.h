#pragma once
// Text as the two text windows hold it: the characters and their colours.

#include <string>
#include <string_view>
#include <vector>

namespace kortavex {

enum class TextColour { Black, Blue, Red };

struct ColourRun {
  std::size_t begin, length;
  TextColour colour;
};

struct ColouredText {
  std::string text;
  std::vector<ColourRun> runs;  // consecutive, covering the whole text

  void append(std::string_view s, TextColour colour);
  void clear();
};

// The marking of one input line; Unmarked lines keep their colour.
enum class LineMark { Unmarked, Blue, Red };

}  // namespace kortavex
