#pragma once
// How coordinates are read from text and written as text in every workflow.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "chain/system_code.h"
#include "engine/number_text.h"
#include "engine/point.h"

namespace kortavex {

// Degrees/minutes/seconds ("47\xB0" "30'15.5\"") to decimal degrees with 8
// decimals ("47.50430556"). Unreadable parts count 0; it never fails.
std::string WxMemo1GMS(std::string_view text);

// The hemisphere letters a degrees value may carry, before or after it: a
// latitude N or S, a longitude E or W.
enum class ValueAxis { Any, Latitude, Longitude };

// No value of a coordinate is longer: a longer text is no number, however it ends.
constexpr std::size_t kLongestValue = 100;

// A value text: decimal comma or point, or degrees/minutes/seconds; nullopt if
// no number. Blanks around it do not count, nor blanks next to the signs of
// a degrees value ("48\xB0 12' 30''", two apostrophes for the second sign).
// Each part of a degrees value that is there must be a number as a whole,
// and a hemisphere letter must name `axis`.
std::optional<double> readValueText(std::string_view text, ValueAxis axis = ValueAxis::Any);

// The two values of a line or dialog: the first a latitude or easting, the
// second a longitude or northing; nullopt unless both are numbers.
struct Values {
  double first, second;
};
std::optional<Values> readValuePair(std::string_view first, std::string_view second);

// "," -> "." and degrees/minutes/seconds to decimal degrees, as a value text
// is prepared; a degrees value that does not read stays as it was.
std::string normalizeValueText(std::string_view text, ValueAxis axis = ValueAxis::Any);

// The two values of an input-window line: before the first blank or tab, and
// the rest without its leading blanks and tabs. When the rest holds a blank
// or tab too, two degree values with blanks between their parts, or nullopt.
struct ValuePair {
  std::string_view first, second;
};
std::optional<ValuePair> splitInputLine(std::string_view line);

// What a line is to the conversions; every line is exactly one of these.
enum class LineKind {
  Values,   // two values that read as numbers
  Text,     // empty, a comment ("*" first), or coordinate values that are
            // words or hold no digit (a heading: "Rechtswert", "E_M34"): no
            // point was meant
  NotRead,  // digits outside words where the coordinates stand, but no two
            // numbers (a typo, empty degree parts, a value too long), or a
            // line with such digits without the coordinate columns: a point
            // that could not be read
};
struct LineReading {
  LineKind kind;
  Values values;  // of LineKind::Values
  std::optional<double> height = std::nullopt;  // of a line read with its height
};
bool holdsDigit(std::string_view text);
// Empty, blank or a comment line.
bool isTextLine(std::string_view line);
// The reading of `line` whose coordinate values are `values`; nullopt when
// the line does not have them (too few columns, or more than two values).
LineReading readLine(std::string_view line, const std::optional<ValuePair>& values);
// A height in metres, decimal point or comma; nullopt unless a finite number.
std::optional<double> readHeightText(std::string_view text);
// The reading of a line of two values and a height after them, between
// blanks or tabs; the values read as in a line of two.
LineReading readLineWithHeight(std::string_view line);

// Fields of a column-file line: tabs count as blanks; with the blank as
// delimiter runs of blanks are one separator and leading or trailing blanks
// make no field; with "," or ";" every delimiter ends a field.
struct Field {
  std::size_t begin, end;  // byte positions in the line
};
std::vector<Field> splitColumnFields(std::string_view line, char delimiter);

// The values of one point as read, on the axes of the start system.
struct PointValues {
  double east = 0;   // easting or longitude
  double north = 0;  // northing or latitude
  // None: the run's reference height.
  std::optional<double> height;
  int flag = 0;  // status bits its reading raised: a faulty MGRS reference
};
// First and second value of a line or dialog on their axes: latitude and
// longitude of a geographic start, easting and northing otherwise.
PointValues valuesOnAxes(const Values& values, bool geographicStart);

// "* GK3_DHDN * [Helmert]\n", or "* DHDN\n" within one datum family.
std::string headingLine(std::string_view shownTargetName, const SystemCode& startCode,
                        const SystemCode& targetCode, std::string_view transformationName);

// The two values of a position in the order the texts write them: latitude
// and longitude (x, y) of a geographic system, easting and northing (y, x)
// of a projected one.
struct PositionValues {
  double first, second;
};
PositionValues positionValues(const point& p, bool geographic);
// Decimals of a value: 8 for degrees, 3 for metres.
constexpr int valueDecimals(bool geographic) { return geographic ? 8 : 3; }

// The pair as the windows show it: "%11.8f %11.8f" or "%10.3f %9.3f".
void appendValuePair(std::string& out, const point& p, bool geographic);

// What stands in place of the values of a point without result: "* *", or
// "*" for an MGRS reference, as in the copy of a file.
std::string failedValues(const SystemCode& targetCode);
// The values of such a result line ("* *" or "*", before a tab and the
// reason; with heights one "*" more); nullopt for any other line.
std::optional<std::string_view> failedResultValues(std::string_view line);

// The two result values of a file line: " second | first " in the widths
// 11 (degrees) or 12 (metres).
std::string printvalues(const point& p, const SystemCode& targetCode);

}  // namespace kortavex
