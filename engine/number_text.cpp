#include "engine/number_text.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace kortavex {

namespace {

std::string_view skipBlanks(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && isWhiteSpace(text[i])) ++i;
  return text.substr(i);
}

constexpr std::uint64_t kPowersOfTen[] = {1ULL,
                                          10ULL,
                                          100ULL,
                                          1000ULL,
                                          10000ULL,
                                          100000ULL,
                                          1000000ULL,
                                          10000000ULL,
                                          100000000ULL,
                                          1000000000ULL,
                                          10000000000ULL,
                                          100000000000ULL,
                                          1000000000000ULL,
                                          10000000000000ULL,
                                          100000000000000ULL,
                                          1000000000000000ULL,
                                          10000000000000000ULL,
                                          100000000000000000ULL,
                                          1000000000000000000ULL};

// The value of plain decimal digits with an optional point ("123", "-" and
// "e" already taken care of), when it can be had exactly and fast: at most
// 2^53 without the point and at most 18 digits after it. Then the digits and
// the power of ten are both exact doubles and their one division is rounded
// correctly, as from_chars rounds (Clinger, "How to read floating point
// numbers accurately", PLDI 1990). Writes the value and the characters taken.
bool plainDecimal(std::string_view text, double& value, std::size_t& used) {
  std::uint64_t digits = 0;
  std::size_t i = 0;
  const auto takeDigits = [&] {
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
      digits = digits * 10 + static_cast<unsigned>(text[i] - '0');
  };
  takeDigits();
  const std::size_t whole = i;
  std::size_t afterPoint = 0;
  if (i < text.size() && text[i] == '.') {
    ++i;
    takeDigits();
    afterPoint = i - whole - 1;
  }
  const std::size_t count = whole + afterPoint;
  if (count == 0 || count > 18 || (i < text.size() && (text[i] == 'e' || text[i] == 'E')) ||
      digits > (std::uint64_t{1} << 53))
    return false;
  value = static_cast<double>(digits) / static_cast<double>(kPowersOfTen[afterPoint]);
  used = i;
  return true;
}

// Parses a finite decimal number at the start of `text` (sign, digits, point,
// exponent). Returns the value and how many characters it took, 0 if none.
std::pair<double, std::size_t> leadingNumber(std::string_view text) {
  std::size_t pos = 0;
  bool negative = false;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
    negative = text[pos] == '-';
    ++pos;
  }
  // from_chars would also take "inf" and "nan"; only digits or a point start a number here
  if (pos == text.size() || !(std::isdigit(static_cast<unsigned char>(text[pos])) || text[pos] == '.'))
    return {0.0, 0};
  double value = 0.0;
  std::size_t used = 0;
  if (plainDecimal(text.substr(pos), value, used)) return {negative ? -value : value, pos + used};
  auto [end, ec] = std::from_chars(text.data() + pos, text.data() + text.size(), value,
                                   std::chars_format::general);
  if (ec != std::errc() || !std::isfinite(value)) return {0.0, 0};
  return {negative ? -value : value, static_cast<std::size_t>(end - text.data())};
}

// printf's "%.Pf" of a finite value whose scaled value fits in 64 bits,
// written backwards from `end`; nullptr for any other value. The value is
// m * 2^e exactly; m * 10^P (below 2^83) shifted right by -e gives the
// digits, rounded half to even on the bits shifted out, as printf and
// to_chars round the exact binary value.
char* exactFixed(double value, int precision, char* end) {
  if (precision < 0 || precision > 9) return nullptr;
  std::uint64_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  const int biasedExponent = static_cast<int>(bits >> 52 & 0x7FF);
  if (biasedExponent == 0x7FF) return nullptr;
  std::uint64_t mantissa = bits & ((std::uint64_t{1} << 52) - 1);
  int shift = 1074;  // -e
  if (biasedExponent != 0) {
    mantissa |= std::uint64_t{1} << 52;
    shift = 1075 - biasedExponent;
  }
  if (shift <= 0) return nullptr;  // 2^52 and more
  __extension__ using Wide = unsigned __int128;  // a GCC and clang type, which -Wpedantic names
  const Wide scaled = static_cast<Wide>(mantissa) * kPowersOfTen[precision];
  Wide digits = 0;
  if (shift < 128) {
    digits = scaled >> shift;
    const Wide rest = scaled & ((Wide{1} << shift) - 1);
    const Wide half = Wide{1} << (shift - 1);
    if (rest > half || (rest == half && (digits & 1) != 0)) ++digits;
  }  // else below half a unit of the last place: 0
  if (digits >> 64 != 0) return nullptr;
  std::uint64_t q = static_cast<std::uint64_t>(digits);
  char* p = end;
  int n = 0;
  for (; n + 2 <= precision; n += 2, q /= 100) {
    *--p = static_cast<char>('0' + q % 10);
    *--p = static_cast<char>('0' + q / 10 % 10);
  }
  if (n < precision) {
    *--p = static_cast<char>('0' + q % 10);
    q /= 10;
  }
  if (precision > 0) *--p = '.';
  do {
    *--p = static_cast<char>('0' + q % 10);
    q /= 10;
  } while (q != 0);
  if (bits >> 63) *--p = '-';
  return p;
}

}  // namespace

std::string_view trimWhiteSpace(std::string_view text) {
  while (!text.empty() && isWhiteSpace(text.front())) text.remove_prefix(1);
  while (!text.empty() && isWhiteSpace(text.back())) text.remove_suffix(1);
  return text;
}

void appendFixed(std::string& out, double value, int width, int precision) {
  char exact[48];
  if (const char* begin = exactFixed(value, precision, exact + sizeof exact)) {
    const int length = static_cast<int>(exact + sizeof exact - begin);
    if (length < width) out.append(static_cast<std::size_t>(width - length), ' ');
    out.append(begin, static_cast<std::size_t>(length));
    return;
  }
  char buf[400];
  char* end;
  if (std::isnan(value)) {
    end = std::copy_n(std::signbit(value) ? "-nan" : "nan", std::signbit(value) ? 4 : 3, buf);
  } else {
    end = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, precision).ptr;
  }
  const int length = static_cast<int>(end - buf);
  if (length < width) out.append(static_cast<std::size_t>(width - length), ' ');
  out.append(buf, end);
}

std::string formatFixed(double value, int width, int precision) {
  std::string out;
  appendFixed(out, value, width, precision);
  return out;
}

std::string formatInt(long long value, int width) {
  char buf[32];
  char* end = std::to_chars(buf, buf + sizeof buf, value).ptr;
  const int length = static_cast<int>(end - buf);
  std::string out;
  if (length < width) out.append(static_cast<std::size_t>(width - length), ' ');
  out.append(buf, end);
  return out;
}

std::optional<double> parseNumber(std::string_view text) {
  text = skipBlanks(text);
  auto [value, used] = leadingNumber(text);
  if (used == 0 || used != text.size()) return std::nullopt;
  return value;
}

double numericPrefix(std::string_view text) { return leadingNumber(skipBlanks(text)).first; }

long long integerPrefix(std::string_view text) {
  text = skipBlanks(text);
  std::size_t pos = (!text.empty() && (text[0] == '+' || text[0] == '-')) ? 1 : 0;
  long long value = 0;
  auto [end, ec] = std::from_chars(text.data() + pos, text.data() + text.size(), value);
  if (ec != std::errc()) return 0;
  return (pos == 1 && text[0] == '-') ? -value : value;
}

std::string withDecimalPoint(std::string_view text) {
  std::string out(text);
  std::replace(out.begin(), out.end(), ',', '.');
  return out;
}

// "DD\xB0MM'SS.SSSS\"" with every blank of the printf fields turned into
// "0". The carry to the next minute starts at 59.999 s. It is done on the
// magnitude so that negative angles carry like positive ones, and an angle
// between -1 and 0 degrees keeps its minus sign in front of the 0 degrees.
std::string degreesMinutesSeconds(double value) {
  const bool negative = value < 0;
  const long double magnitude = std::fabs(static_cast<long double>(value));
  long double deg = std::trunc(magnitude);
  long double min = std::trunc((magnitude - deg) * 60);
  long double sec = magnitude * 3600 - deg * 3600 - min * 60;
  if (sec >= 59.999L) {
    sec = 0;
    min += 1;
  }
  if (min >= 59.999L) {
    min = 0;
    deg += 1;
  }
  std::string field;
  if (negative && deg == 0) {
    field = "-0";
  } else if (std::isfinite(static_cast<double>(deg)) && deg < 1e15L) {
    field = formatInt(static_cast<long long>(negative ? -deg : deg), 2);
  } else {
    field = formatFixed(static_cast<double>(value), 0, 0);  // no degrees of any use
  }
  field += kDegreeSign;
  field += formatFixed(static_cast<double>(min), 2, 0);
  field += '\'';
  field += formatFixed(static_cast<double>(sec), 7, 4);
  field += '"';
  for (char& c : field)
    if (c == ' ') c = '0';
  return field;
}

}  // namespace kortavex
