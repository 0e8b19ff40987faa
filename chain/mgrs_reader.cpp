// Reading MGRS/UTMREF references into UTM easting and northing; the grid
// zone designation and 100 km square letters as DMA TM 8358.1 ("Datums,
// Ellipsoids, Grids and Grid Reference Systems") defines them.
#include "chain/mgrs_reader.h"

#include <cmath>
#include <string_view>

#include "chain/convert.h"
#include "chain/utm_letters.h"
#include "engine/number_text.h"
#include "engine/point.h"

namespace kortavex {

namespace chain {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// An optional sign followed by decimal digits only; the empty text counts too.
bool isSignedDigits(std::string_view s) {
  if (!s.empty() && (s[0] == '+' || s[0] == '-')) s.remove_prefix(1);
  for (char c : s)
    if (!isDigit(c)) return false;
  return true;
}

bool allDigits(std::string_view s) {
  for (char c : s)
    if (!isDigit(c)) return false;
  return true;
}

double digitValue(std::string_view s) {
  double v = 0;
  for (char c : s) v = v * 10 + (c - '0');
  return v;
}

// A run of digits read as a number of units of 10^exponent metres. Only the
// first fifteen digits count: they are exact in a double, and the rest lie
// below a nanometre, so that a reference of any length gives a finite
// position instead of an overflow.
double metresOfDigits(std::string_view digits, double exponent) {
  constexpr std::size_t kSignificantDigits = 15;
  const std::size_t dropped =
      digits.size() > kSignificantDigits ? digits.size() - kSignificantDigits : 0;
  return digitValue(digits.substr(0, digits.size() - dropped)) *
         std::pow(10.0, exponent + static_cast<double>(dropped));
}

// Lower and upper latitude of band letter k: -80 + 8k to -72 + 8k; X reaches 84.
double bandLower(std::size_t k) { return -80.0 + 8.0 * k; }
double bandUpper(std::size_t k) { return k == 19 ? 84.0 : -72.0 + 8.0 * k; }

// A reference as its letters are looked up: written in lowercase, it names the same square.
std::string upperCase(std::string ref) {
  for (char& c : ref)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return ref;
}

// No user system takes part: the reader converts between WGS84 and UTM only.
const UserSystem kNoUserSystem;

}  // namespace

std::string MgrsPosition::zoneText() const {
  if (zone == 0) return {};
  return formatInt(zone / 10) + formatInt(zone % 10) + hemisphere;
}

bool hasMgrsForm(const std::string& text) {
  const std::string ref = upperCase(text);
  if (ref.size() <= 6) return false;
  if (ref.find(' ') != std::string::npos) return false;
  const std::string_view zone(ref.data(), 2);
  if (!isSignedDigits(zone)) return false;
  const int zoneValue = (zone[0] == '-' ? -1 : 1) * static_cast<int>(digitValue(
      zone[0] == '+' || zone[0] == '-' ? zone.substr(1) : zone));
  if (zoneValue > 60) return false;
  if (ref.find_first_of("IO") != std::string::npos) return false;
  const std::string_view rest = std::string_view(ref).substr(5);
  return rest.size() % 2 == 0 && rest.size() < 11 && isSignedDigits(rest);
}

MgrsPosition readMgrsReference(const std::string& text) {
  const std::string ref = upperCase(text);
  MgrsPosition result;
  // zone digits, band, column and row letters, then as many easting as northing digits
  if (ref.size() < 5 || !allDigits(std::string_view(ref).substr(0, 2)) ||
      !allDigits(std::string_view(ref).substr(5))) {
    result.flag |= FLAG_MGRS_LETTER;
    return result;
  }
  const int zone = (ref[0] - '0') * 10 + (ref[1] - '0');
  const std::size_t band = utm::kBandLetters.find(ref[2]);
  if (zone < 1 || zone > 60 || band == std::string_view::npos) {
    result.flag |= FLAG_MGRS_LETTER;
    return result;
  }

  const std::size_t width = (ref.size() - 5) / 2;
  const std::string_view eastingDigits = std::string_view(ref).substr(5, width);
  const std::string_view northingDigits = std::string_view(ref).substr(5 + width);
  const double resolutionExponent = 5.0 - static_cast<double>(width);
  const char hemisphere = bandLower(band) < 0 ? 'S' : 'N';

  // Northing of the band's southern limit, less 100 km, at longitude 3 deg in zone 31.
  const double bandNorthing =
      convertPoint(point(3.0, bandLower(band), 0.0, 0), SystemCode::wgs84(),
                   SystemCode::utm(std::string("31") + hemisphere), kNoUserSystem).x -
      100000;

  // 100 km column: set A-H, J-R or S-Z by zone; row: A = 0 km in odd zones, F in even ones.
  const std::string_view columns = utm::kColumnLetters.substr(8 * (zone % 3), 8);
  const std::size_t column = columns.find(ref[3]);
  const std::size_t rowIndex = utm::kRowLetters.find(ref[4]);
  if (column == std::string_view::npos || rowIndex == std::string_view::npos) {
    result.flag |= FLAG_MGRS_LETTER;
    return result;
  }
  const int rowKm = static_cast<int>((rowIndex + (zone % 2 == 0 ? 15 : 0)) % 20) * 100;
  double squareSouth = rowKm * 1000.0;
  while (squareSouth < bandNorthing) squareSouth += 2000000;

  result.zone = zone;
  result.hemisphere = hemisphere;
  result.easting = (column + 1) * 100000.0 + metresOfDigits(eastingDigits, resolutionExponent);
  result.northing = squareSouth + metresOfDigits(northingDigits, resolutionExponent);

  const point geographic = convertPoint(point(result.easting, result.northing, 0, 0),
                                        SystemCode::utm(result.zoneText()), SystemCode::wgs84(),
                                        kNoUserSystem);
  if (geographic.x > bandUpper(band)) result.flag |= FLAG_MGRS_BAND;
  return result;
}

}  // namespace chain

int point::MGRScheck(const std::string& ref) { return chain::hasMgrsForm(ref) ? 1 : 0; }

point point::UTMrefBer(const std::string& ref) {
  const chain::MgrsPosition position = chain::readMgrsReference(ref);
  point p(position.easting, position.northing, 0, position.flag);
  p.txt = position.zoneText();
  return p;
}

}  // namespace kortavex
