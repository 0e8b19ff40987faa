#include "workflow/coordinate_text.h"

#include <algorithm>
#include <cmath>

#include "engine/number_text.h"

namespace kortavex {

namespace {

std::string_view beforeFirst(std::string_view s, char c) {
  const std::size_t pos = s.find(c);
  return pos == std::string_view::npos ? s : s.substr(0, pos);
}

std::string_view afterFirst(std::string_view s, char c) {
  const std::size_t pos = s.find(c);
  return pos == std::string_view::npos ? std::string_view() : s.substr(pos + 1);
}

}  // namespace

std::string WxMemo1GMS(std::string_view text) {
  const std::string_view degreeText = beforeFirst(text, kDegreeSign);
  const std::string_view afterDegrees = afterFirst(text, kDegreeSign);
  const std::string_view minuteText = beforeFirst(afterDegrees, '\'');
  std::string_view rest = afterFirst(afterDegrees, '\'');
  if (!rest.empty() && rest.back() == '"') rest = beforeFirst(rest, '"');

  const double degrees = numericPrefix(degreeText);
  const double minutes = numericPrefix(minuteText);
  const double seconds = numericPrefix(rest);
  const bool negative = !degreeText.empty() && degreeText[0] == '-';
  const double value = negative ? degrees - minutes / 60 - seconds / 3600
                                : degrees + minutes / 60 + seconds / 3600;
  return formatFixed(value, 0, 8);
}

namespace {

// Degree, minute and second signs as other programs write them: the degree
// sign, prime and double prime in UTF-8, and the typographic apostrophe and
// closing quote (U+2019, U+201D) in UTF-8 and in Windows-1252.
struct SignSpelling {
  std::string_view spelling;
  char sign;
};
constexpr SignSpelling kSignSpellings[] = {
    {"\xC2\xB0", kDegreeSign}, {"\xE2\x80\xB2", '\''}, {"\xE2\x80\xB3", '"'},
    {"\xE2\x80\x99", '\''},   {"\xE2\x80\x9D", '"'},   {"\x92", '\''},
    {"\x94", '"'},
};

void replaceAll(std::string& text, std::string_view from, char to) {
  for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + 1))
    text.replace(at, from.size(), 1, to);
}

bool hasNonAsciiByte(std::string_view text) {
  return std::any_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

// The sign a hemisphere letter gives, if `c` is one that `axis` may carry.
std::optional<int> hemisphereSign(char c, ValueAxis axis) {
  const bool latitude = axis != ValueAxis::Longitude, longitude = axis != ValueAxis::Latitude;
  switch (c) {
    case 'N': case 'n': if (latitude) return 1; break;
    case 'S': case 's': if (latitude) return -1; break;
    case 'E': case 'e': if (longitude) return 1; break;
    case 'W': case 'w': if (longitude) return -1; break;
    default: break;
  }
  return std::nullopt;
}

bool isLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// Removes a hemisphere letter before or after a degrees value, and the
// blanks between it and the value, and gives its sign: +1 or -1, 0 for none;
// nullopt for a letter of the other axis, or one letter at each end.
std::optional<int> takeHemisphere(std::string& value, ValueAxis axis) {
  const bool before = !value.empty() && isLetter(value.front());
  const bool after = value.size() > 1 && isLetter(value.back());
  if (!before && !after) return 0;
  if (before && after) return std::nullopt;
  const std::optional<int> sign = hemisphereSign(before ? value.front() : value.back(), axis);
  if (sign) value = trimWhiteSpace(std::string_view(value).substr(before, value.size() - 1));
  return sign;
}

bool isSign(char c) { return c == kDegreeSign || c == '\'' || c == '"'; }

// "48\xB0 12' 30\"" as "48\xB0" "12'30\"": blanks next to a degree, minute
// or second sign part nothing. Other blanks stay, and make no number.
void removeBlanksAtSigns(std::string& value) {
  std::string kept;
  for (std::size_t i = 0; i < value.size(); ++i) {
    if (value[i] == ' ' || value[i] == '\t') {
      const std::size_t next = value.find_first_not_of(" \t", i);
      if ((!kept.empty() && isSign(kept.back())) || (next != std::string::npos && isSign(value[next])))
        continue;
    }
    kept += value[i];
  }
  value = std::move(kept);
}

// Digits with at most a decimal point.
bool isUnsignedNumber(std::string_view text) {
  return text.find_first_not_of("0123456789.") == std::string_view::npos && parseNumber(text).has_value();
}

// Minutes and seconds of a degrees value: a number below 60.
bool isSexagesimal(std::string_view text) { return isUnsignedNumber(text) && *parseNumber(text) < 60; }

// The form ausgebenMinSec writes, each part optional from the end:
// degrees, the degree sign, minutes, "'", seconds, '"'. A part that is
// there is a number as a whole, minutes and seconds below 60: "\xB0" "48.2" or "48\xB0'30" are no values,
// and anything else in a value with a degree sign would be read as a
// number it does not say.
bool isDegreesMinutesSeconds(std::string_view text) {
  const std::size_t degreeSign = text.find(kDegreeSign);
  std::string_view degrees = text.substr(0, degreeSign);
  if (!degrees.empty() && (degrees[0] == '-' || degrees[0] == '+')) degrees.remove_prefix(1);
  if (!isUnsignedNumber(degrees)) return false;
  std::string_view rest = text.substr(degreeSign + 1);
  if (rest.empty()) return true;
  const std::size_t minuteSign = rest.find('\'');
  if (!isSexagesimal(rest.substr(0, minuteSign))) return false;
  if (minuteSign == std::string_view::npos) return true;
  rest.remove_prefix(minuteSign + 1);
  if (rest.empty()) return true;
  if (rest.back() == '"') rest.remove_suffix(1);
  return isSexagesimal(rest);
}

}  // namespace

std::string normalizeValueText(std::string_view text, ValueAxis axis) {
  std::string value = withDecimalPoint(text);
  if (hasNonAsciiByte(value))
    for (const SignSpelling& s : kSignSpellings) replaceAll(value, s.spelling, s.sign);
  const bool degreeSign = value.find(kDegreeSign) != std::string::npos;
  // the sign must begin the degrees to count (a field " -48\xB0" "30'" of a
  // column file is -48.5, not -47.5)
  const std::string_view trimmed = trimWhiteSpace(value);
  // decimal degrees need normalizing only with a hemisphere letter ("48.2N", "E 16.3")
  if (!degreeSign && (trimmed.empty() || (!isLetter(trimmed.front()) && !isLetter(trimmed.back())))) return value;
  value = trimmed;
  const std::optional<int> hemisphere = takeHemisphere(value, axis);
  if (!hemisphere) return std::string(text);
  std::string degrees;
  if (degreeSign) {
    removeBlanksAtSigns(value);
    // two apostrophes for the second sign, as typed where no double quote is at hand
    if (value.size() >= 2 && value.compare(value.size() - 2, 2, "''") == 0) value.replace(value.size() - 2, 2, "\"");
    if (!isDegreesMinutesSeconds(value)) return std::string(text);
    degrees = WxMemo1GMS(value);
  } else {
    if (!isUnsignedNumber(value)) return std::string(text);
    degrees = value;
  }
  if (*hemisphere == 0) return degrees;
  // "-48\xB0" "12'S" says south twice, or north and south: no number
  if (value[0] == '-') return std::string(text);
  return *hemisphere < 0 ? "-" + degrees : degrees;
}

std::optional<double> readValueText(std::string_view text, ValueAxis axis) {
  // blanks around a field's number belong to the layout of its file
  if (!text.empty() && (isWhiteSpace(text.front()) || isWhiteSpace(text.back()))) text = trimWhiteSpace(text);
  if (text.size() > kLongestValue) return std::nullopt;
  // ASCII without a comma or a hemisphere letter is what normalizing leaves as it is
  const bool plain = text.empty() || (!isLetter(text.front()) && !isLetter(text.back()) &&
                                      std::none_of(text.begin(), text.end(), [](char c) {
                                        return c == ',' || static_cast<unsigned char>(c) >= 0x80;
                                      }));
  return plain ? parseNumber(text) : parseNumber(normalizeValueText(text, axis));
}

std::optional<Values> readValuePair(std::string_view first, std::string_view second) {
  const std::optional<double> a = readValueText(first, ValueAxis::Latitude);
  const std::optional<double> b = readValueText(second, ValueAxis::Longitude);
  if (!a || !b) return std::nullopt;
  return Values{*a, *b};
}

namespace {

// Columns copied from a spreadsheet arrive separated by tabs.
constexpr char kBlanks[] = " \t";

// Two degree values with blanks between their parts ("48\xB0 12' 30\" 16\xB0 22'"):
// each begins at a word that holds a degree sign and takes the words after
// it that hold none. nullopt unless the line is two such values.
std::optional<ValuePair> degreeValuesWithBlanks(std::string_view line) {
  std::string_view values[2];
  std::size_t count = 0;
  for (std::size_t begin = 0; begin < line.size();) {
    const std::size_t end = std::min(line.find_first_of(kBlanks, begin), line.size());
    if (line.substr(begin, end - begin).find(kDegreeSign) != std::string_view::npos) {
      if (count == 2) return std::nullopt;
      values[count++] = line.substr(begin, end - begin);
    } else if (count == 0) {
      return std::nullopt;
    } else {
      values[count - 1] = line.substr(values[count - 1].data() - line.data(),
                                      end - static_cast<std::size_t>(values[count - 1].data() - line.data()));
    }
    begin = std::min(line.find_first_not_of(kBlanks, end), line.size());
  }
  if (count != 2) return std::nullopt;
  return ValuePair{values[0], values[1]};
}

}  // namespace

std::optional<ValuePair> splitInputLine(std::string_view line) {
  line = trimWhiteSpace(line);
  const std::size_t gap = line.find_first_of(kBlanks);
  if (gap == std::string_view::npos) return ValuePair{line, {}};
  ValuePair pair{line.substr(0, gap), line.substr(gap)};
  pair.second.remove_prefix(std::min(pair.second.find_first_not_of(kBlanks), pair.second.size()));
  if (pair.second.find_first_of(kBlanks) != std::string_view::npos) return degreeValuesWithBlanks(line);
  return pair;
}

bool holdsDigit(std::string_view text) {
  return std::any_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// A word of a heading ("Rechtswert", "E_M34", quoted as spreadsheets export
// it): it begins with a letter, but not with a hemisphere letter before a
// number ("N48.2", "O16.3"), which is a value however it reads.
bool isWord(std::string_view part) {
  part.remove_prefix(std::min(part.find_first_not_of("\"'"), part.size()));
  // an ASCII letter: a byte beyond begins the degree sign in UTF-8 ("\xC2\xB0" "48.2")
  if (part.empty() || !isLetter(part[0])) return false;
  if (std::string_view("NSEWOnsewo").find(part[0]) == std::string_view::npos) return true;
  const std::string_view rest = part.substr(1);
  const bool number = !rest.empty() && (isDigit(rest[0]) || (rest.size() > 1 && isDigit(rest[1]) &&
                                                            std::string_view("+-.").find(rest[0]) != std::string_view::npos));
  return !number;
}

// A digit in a part of the text (between blanks, tabs, ';' and ',') that is no word.
bool holdsDigitOutsideWords(std::string_view text) {
  constexpr std::string_view kPartEnds = " \t;,";
  for (std::size_t begin = 0; begin < text.size();) {
    const std::size_t end = std::min(text.find_first_of(kPartEnds, begin), text.size());
    const std::string_view part = text.substr(begin, end - begin);
    if (holdsDigit(part) && !isWord(part)) return true;
    begin = end + 1;
  }
  return false;
}

}  // namespace

bool isTextLine(std::string_view line) {
  return line.empty() || line[0] == '*' || (isWhiteSpace(line[0]) && trimWhiteSpace(line).empty());
}

LineReading readLine(std::string_view line, const std::optional<ValuePair>& values) {
  if (isTextLine(line)) return {LineKind::Text, {}};
  if (!values) return {holdsDigitOutsideWords(line) ? LineKind::NotRead : LineKind::Text, {}};
  if (const std::optional<Values> numbers = readValuePair(values->first, values->second))
    return {LineKind::Values, *numbers};
  return {holdsDigitOutsideWords(values->first) || holdsDigitOutsideWords(values->second) ? LineKind::NotRead
                                                                                         : LineKind::Text,
          {}};
}

std::optional<double> readHeightText(std::string_view text) {
  text = trimWhiteSpace(text);
  if (text.empty() || text.size() > kLongestValue) return std::nullopt;
  const std::optional<double> height = parseNumber(withDecimalPoint(text));
  if (!height || !std::isfinite(*height)) return std::nullopt;
  return height;
}

LineReading readLineWithHeight(std::string_view line) {
  if (isTextLine(line)) return {LineKind::Text, {}, std::nullopt};
  // the height is the last part; what stands before it reads as a line of
  // two values does, degrees with blanks between their parts too
  const std::string_view trimmed = trimWhiteSpace(line);
  const std::size_t gap = trimmed.find_last_of(kBlanks);
  if (gap != std::string_view::npos) {
    const std::string_view values = trimWhiteSpace(trimmed.substr(0, gap));
    LineReading reading = readLine(values, splitInputLine(values));
    reading.height = readHeightText(trimmed.substr(gap + 1));
    if (reading.kind == LineKind::Values && reading.height) return reading;
  }
  return {holdsDigitOutsideWords(line) ? LineKind::NotRead : LineKind::Text, {}, std::nullopt};
}

std::vector<Field> splitColumnFields(std::string_view line, char delimiter) {
  const auto isSeparator = [delimiter](char c) {
    return c == delimiter || (delimiter == ' ' && c == '\t');
  };
  std::vector<Field> fields;
  if (delimiter == ' ') {
    std::size_t i = 0;
    while (i < line.size()) {
      while (i < line.size() && isSeparator(line[i])) ++i;
      if (i == line.size()) break;
      const std::size_t begin = i;
      while (i < line.size() && !isSeparator(line[i])) ++i;
      fields.push_back({begin, i});
    }
    return fields;
  }
  std::size_t begin = 0;
  for (std::size_t i = 0; i <= line.size(); ++i) {
    if (i == line.size() || isSeparator(line[i])) {
      fields.push_back({begin, i});
      begin = i + 1;
    }
  }
  return fields;
}

PointValues valuesOnAxes(const Values& values, bool geographicStart) {
  PointValues v;
  v.east = geographicStart ? values.second : values.first;
  v.north = geographicStart ? values.first : values.second;
  return v;
}

std::string headingLine(std::string_view shownTargetName, const SystemCode& startCode,
                        const SystemCode& targetCode, std::string_view transformationName) {
  std::string line = "* ";
  line += shownTargetName;
  if (!startCode.sameFamily(targetCode)) {
    line += " * [";
    line += transformationName;
    line += ']';
  }
  line += '\n';
  return line;
}

PositionValues positionValues(const point& p, bool geographic) {
  return geographic ? PositionValues{p.x, p.y} : PositionValues{p.y, p.x};
}

void appendValuePair(std::string& out, const point& p, bool geographic) {
  const PositionValues v = positionValues(p, geographic);
  const int decimals = valueDecimals(geographic);
  appendFixed(out, v.first, geographic ? 11 : 10, decimals);
  out += ' ';
  appendFixed(out, v.second, geographic ? 11 : 9, decimals);
}

std::string failedValues(const SystemCode& targetCode) { return targetCode.isMgrs() ? "*" : "* *"; }

std::optional<std::string_view> failedResultValues(std::string_view line) {
  const std::string_view values = line.substr(0, line.find('\t'));
  if (values == "*" || values == "* *" || values == "* * *") return values;  // a height's "*" last
  return std::nullopt;
}

std::string printvalues(const point& p, const SystemCode& targetCode) {
  const bool geographic = targetCode.isGeographic();
  const PositionValues v = positionValues(p, geographic);
  const int width = geographic ? 11 : 12;
  std::string out = " ";
  appendFixed(out, v.second, width, valueDecimals(geographic));
  out += " | ";
  appendFixed(out, v.first, width, valueDecimals(geographic));
  return out + ' ';
}

}  // namespace kortavex
