#pragma once
// The account of every line of a run, in every workflow: converted, without
// result, not read, or text; and the notes that tell it by line number.

#include <cstdint>
#include <string>
#include <vector>

#include "lang/main_texts.h"
#include "workflow/column_file.h"

namespace kortavex {

// What became of one line.
enum class LineOutcome {
  Converted,  // a point with its result
  NoResult,   // a point without coordinates (no grid shift value, a faulty MGRS
              // reference, a result that is no number): "*" in place of each value
  NotRead,    // a point that could not be read (LineKind::NotRead): never converted
  Text,       // empty, a comment or a heading: copied as it is, or nothing shown
};

struct LineResult {
  LineOutcome outcome;
  int flags = 0;        // status bits of the converted point
  bool digits = false;  // a text line that holds a digit outside its coordinate values
};

// The outcome of a line that is not converted, by its reading.
LineResult unconvertedLine(std::string_view line, LineKind kind);

// How many lines went which way, and the numbers (from 1, in the input) of
// the first of each kind that is told.
struct LineCounts {
  static constexpr std::size_t kNamedLines = 10;

  std::uint64_t converted = 0;
  std::uint64_t noResult = 0;
  std::uint64_t notRead = 0;
  std::uint64_t text = 0;
  std::uint64_t textWithDigits = 0;  // of these, lines with a digit somewhere
  std::uint64_t noGridValue = 0;     // of the points, those without grid shift value
  std::uint64_t outsideFrame = 0;    // other points outside a coordinate frame (bits 1, 2, 32)
  std::vector<std::uint64_t> firstNoResultLines, firstNotReadLines, firstOutsideFrameLines;

  void add(const LineResult& line, std::uint64_t lineNumber);
  // Adds the counts of the lines that follow these ones.
  LineCounts& operator+=(const LineCounts& later);
};

// "3 lines without result (*): 4, 9, 17" (with " ..." when there are more
// than are named), empty when there are none; the same for lines not read,
// and "Input or output outside of the coordinate-frame (3): 4, 9, 17".
std::string noResultLinesNote(const LineCounts& lines, const MainTexts& texts);
std::string notReadLinesNote(const LineCounts& lines, const MainTexts& texts);
std::string outsideFrameLinesNote(const LineCounts& lines, const MainTexts& texts);

// "No line converted with the delimiter and columns: ';' 2,3" when no line of
// a column file gave a point although some hold digits: the delimiter or the
// columns do not fit the file. Empty otherwise.
std::string nothingConvertedNote(const LineCounts& lines, const ColumnLayout& layout,
                                 const MainTexts& texts);

// The status bar after the input window was converted: the lines converted,
// without result and not read, each with the first of its lines.
std::string conversionStatus(const LineCounts& lines, const MainTexts& texts);

}  // namespace kortavex
