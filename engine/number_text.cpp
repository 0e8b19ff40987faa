#include "engine/number_text.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>

namespace {

std::string_view skipBlanks(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && isWhiteSpace(text[i])) ++i;
  return text.substr(i);
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
  auto [end, ec] = std::from_chars(text.data() + pos, text.data() + text.size(), value,
                                   std::chars_format::general);
  if (ec != std::errc() || !std::isfinite(value)) return {0.0, 0};
  return {negative ? -value : value, static_cast<std::size_t>(end - text.data())};
}

}  // namespace

bool isWhiteSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

std::string_view trimWhiteSpace(std::string_view text) {
  while (!text.empty() && isWhiteSpace(text.front())) text.remove_prefix(1);
  while (!text.empty() && isWhiteSpace(text.back())) text.remove_suffix(1);
  return text;
}

void appendFixed(std::string& out, double value, int width, int precision) {
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
