// Numbers as text against the C library: printing agrees with printf's "%.Pf"
// and reading with from_chars for values of every size, ties included.
#include <gtest/gtest.h>

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "engine/number_text.h"

using namespace kortavex;

namespace {

// printf in the C locale, whatever the process locale is.
std::string printfFixed(double value, int precision) {
  char buf[512];
  std::snprintf(buf, sizeof buf, "%.*f", precision, value);
  std::string text = buf;
  const char* point = std::localeconv()->decimal_point;
  if (point[0] != '.' && point[1] == '\0')
    for (char& c : text)
      if (c == point[0]) c = '.';
  return text;
}

// Doubles of every magnitude that coordinates and absurd inputs take, values
// that end exactly on a half of the last printed place, and the edges of
// the fast way (2^52, 2^64 / 10^P, subnormals).
std::vector<double> sampleValues() {
  std::mt19937_64 generator(20240601);
  std::uniform_real_distribution<double> unit(-1.0, 1.0);
  std::uniform_int_distribution<int> exponent(-40, 70);
  std::vector<double> values{0.0, -0.0, 0.5, 1.5, 2.5, -2.5, 0.125, 0.375, 1e-320, -4.9e-324,
                             4503599627370496.0, 4503599627370495.5, 1.8446744073709552e19,
                             1.8446744073709552e11, 9.999999995, 0.0000000049999999};
  for (int n = 0; n < 200000; ++n) values.push_back(std::ldexp(unit(generator), exponent(generator)));
  for (int n = 0; n < 20000; ++n)  // k / 2^j: many of them end on an exact half
    values.push_back(std::ldexp(static_cast<double>(static_cast<long long>(generator() >> 20)),
                                -static_cast<int>(generator() % 40)));
  return values;
}

TEST(NumberText, FixedPointTextIsPrintfsForEveryValueAndPrecision) {
  int mismatches = 0;
  for (const double value : sampleValues()) {
    for (int precision = 0; precision <= 9 && mismatches < 10; ++precision) {
      const std::string expected = printfFixed(value, precision);
      const std::string got = formatFixed(value, 0, precision);
      if (got != expected) {
        ++mismatches;
        ADD_FAILURE() << value << " %." << precision << "f: " << got << " instead of " << expected;
      }
    }
  }
}

TEST(NumberText, ReadingIsFromCharsForEveryPlainDecimal) {
  std::mt19937_64 generator(19900620);
  int mismatches = 0;
  for (int n = 0; n < 200000 && mismatches < 10; ++n) {
    // up to 20 digits, a point anywhere or nowhere, a sign now and then
    const int digits = 1 + static_cast<int>(generator() % 20);
    std::string text = generator() % 4 == 0 ? "-" : "";
    const int point = static_cast<int>(generator() % (digits + 2));
    for (int d = 0; d < digits; ++d) {
      if (d == point) text += '.';
      text += static_cast<char>('0' + generator() % 10);
    }
    const std::size_t start = text[0] == '-' ? 1 : 0;
    double expected = 0.0;
    std::from_chars(text.data() + start, text.data() + text.size(), expected);
    if (start == 1) expected = -expected;
    const std::optional<double> got = parseNumber(text);
    if (!got || std::memcmp(&*got, &expected, sizeof expected) != 0) {
      ++mismatches;
      ADD_FAILURE() << text << ": " << (got ? *got : -1.0) << " instead of " << expected;
    }
  }
}

}  // namespace
