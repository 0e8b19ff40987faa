#pragma once
// Converting the lines of the input window: the text appended to the output
// window, with its colours, and the marking of every input line.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lang/main_texts.h"
#include "workflow/coloured_text.h"
#include "workflow/line_ledger.h"
#include "workflow/point_conversion.h"

namespace kortavex {

// What the user chose for a run: the two display names (the codes follow
// from the selection), the transformation type, the reference height, the
// user parameter set and the DMS box.
struct ConversionRequest {
  SystemPair systems;
  Transformation transformation = Transformation::Helmert;
  double referenceHeight = 300;
  UserParameterSet user;
  bool dms = false;
  bool heights = false;  // lines carry heights
  const chain::HeightSystem* startHeight = nullptr;  // none: ellipsoidal heights
  const chain::HeightSystem* targetHeight = nullptr;
};

// Checks the pair (checking the grid file where a grid is chosen) and fills
// `setup`; on refusal returns why, and `setup` is left as it was.
SelectionError prepareConversion(const ConversionRequest& request, ConversionSetup& setup);

// Loads the grids of the height systems of start and target (none:
// ellipsoidal heights) into `datums`; where a system has no usable grid,
// the message why, and `datums` stays as it was.
std::string loadHeightDatums(const chain::HeightSystem* start, const chain::HeightSystem* target,
                             const MainTexts& texts, chain::HeightDatums& datums);

// The name the texts show for a system: the set's name for "User"; and
// with the height system of its heights, if any ("GK3_DHDN+DHHN2016").
std::string shownName(const std::string& name, const UserParameterSet& user);
std::string shownName(const std::string& name, const UserParameterSet& user, const chain::HeightDatum& heights);

// Converts one line after another, as the arrow button does. A run from
// MGRS references converts each from the zone it names. The reasons after
// the "*" values of a line without result are those of `texts`.
class InputWindowConverter {
 public:
  InputWindowConverter(ConversionSetup setup, const MainTexts& texts);

  // The heading line written before the results of the run.
  std::string heading() const;

  // Appends the output of one line and returns how the input line is
  // marked and what became of it: a result line for a point; for a point
  // without result or a line not read, "*" in place of each value, a tab
  // and the reason; nothing for a text line. With `flags`, a tab and the
  // result's status bits in decimal follow the values. A line that holds an
  // MGRS reference returns the start system it was converted from, in the
  // reference's zone (a faulty reference names none: the last one's).
  struct Converted {
    LineMark mark = LineMark::Unmarked;
    LineResult line{LineOutcome::Text};
    std::optional<SystemCode> mgrsStart;
  };
  Converted convertLine(std::string_view line, ColouredText& output, bool flags = false);

 private:
  Converted notRead(ColouredText& output, bool flags);
  Converted converted(const PointValues& values, ColouredText& output, bool flags);

  ConversionSetup setup_;
  PointConverter converter_;
  MainTexts texts_;
  bool mgrsStart_;  // the start system follows the references' zones
  std::string shownTargetName_;
  std::string resultText_;  // kept from line to line for its memory
};

struct InputWindowResult {
  ColouredText output;           // heading and results, as appended to the output window
  std::vector<LineMark> marks;   // one per input line
  LineCounts lines;
  std::optional<SystemCode> mgrsStart;  // that of the last line with an MGRS reference
};

InputWindowResult convertInputWindow(const ConversionSetup& setup, const MainTexts& texts,
                                     const std::vector<std::string>& lines);

}  // namespace kortavex
