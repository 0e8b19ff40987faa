#pragma once
// Numbers as text, independent of the process locale: always a decimal point.

#include <optional>
#include <string>
#include <string_view>

namespace kortavex {

// The degree sign of Windows-1252.
constexpr char kDegreeSign = '\xB0';

// Blank, tab, CR, LF, form feed and vertical tab (inline: every value read asks).
inline bool isWhiteSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// The text without white space at both ends.
std::string_view trimWhiteSpace(std::string_view text);

// printf's "%W.Pf" in the C locale: right-aligned in a field of at least `width`.
std::string formatFixed(double value, int width, int precision);
void appendFixed(std::string& out, double value, int width, int precision);

// printf's "%Wd".
std::string formatInt(long long value, int width = 0);

// The whole text as a number: leading blanks, a sign and an exponent are
// allowed, trailing characters are not; infinities and NaN are no numbers.
std::optional<double> parseNumber(std::string_view text);

// The text with each decimal comma a point: every number field of the
// program takes either.
std::string withDecimalPoint(std::string_view text);

// The value of the longest numeric prefix after leading blanks; 0 if there is none.
double numericPrefix(std::string_view text);

// The leading integer after leading blanks and an optional sign; 0 if there is none.
long long integerPrefix(std::string_view text);

// One angle as degrees, minutes and seconds, "48\xB0" "12'30.0000\"", without blanks.
std::string degreesMinutesSeconds(double angle);

}  // namespace kortavex
