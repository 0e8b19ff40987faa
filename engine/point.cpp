#include <cmath>

#include "engine/number_text.h"
#include "engine/point.h"

namespace kortavex {

namespace {

// One angle as degrees, minutes and seconds: "DD\xB0MM'SS.SSSS\"" with every
// blank of the printf fields turned into "0". The carry to the next minute
// starts at 59.999 s. It is done on the magnitude so that negative angles
// carry like positive ones, and an angle between -1 and 0 degrees keeps its
// minus sign in front of the 0 degrees.
void appendDms(std::string& out, double value) {
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
  out += field;
}

}  // namespace

std::string point::ausgebenMinSec() const {
  std::string line;
  appendDms(line, x);
  line += ' ';
  appendDms(line, y);
  line += '\n';
  return line;
}

}  // namespace kortavex
