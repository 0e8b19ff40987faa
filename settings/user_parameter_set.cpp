#include "settings/user_parameter_set.h"

#include <cmath>

#include "engine/number_text.h"

namespace kortavex {

std::optional<double> parameterNumber(std::string_view text) {
  const std::string_view number = trimWhiteSpace(text);
  if (number.empty()) return 0.0;
  return parseNumber(withDecimalPoint(number));
}

namespace {

// The range of each of the thirteen numbers, wider than any real system needs:
// shifts of at most 100 km, rotations of at most a degree, a scale within
// 1000 ppm of 1, a central meridian and latitudes on the earth, false
// coordinates of at most 100 000 km. A number beyond is a typo or a
// different unit (radians, ppm for the scale) and would give positions
// that look plausible but mean nothing.
struct Range {
  double low, high;
};
constexpr Range kShift{-1e5, 1e5}, kRotation{-3600, 3600}, kLatitude{-90, 90}, kFalse{-1e8, 1e8};
constexpr Range kRanges[PARAM_COUNT] = {kShift,    kShift,    kShift, {0.999, 1.001}, kRotation, kRotation,
                                        kRotation, {-180, 180}, kLatitude, kLatitude, kLatitude, kFalse, kFalse};

// A Lambert cone needs standard parallels short of the poles (m = 0 there
// leaves the cone constant undefined) that are not mirror images about the
// equator (there it is 0: a cylinder, which gives positions that look
// plausible but mean nothing). The latitude of origin may be either pole
// but the far one: the apex of the cone is where a false origin at the pole
// lies (Belgian Lambert 72), the far pole is infinitely far from it.
int firstUnusableLatitude(double origin, double north, double south) {
  if (!(std::fabs(origin) <= 90)) return PARAM_LATITUDE_OF_ORIGIN;
  if (!(std::fabs(north) < 90)) return PARAM_NORTH_PARALLEL;
  if (!(std::fabs(south) < 90) || south == -north) return PARAM_SOUTH_PARALLEL;
  // the apex lies at the pole on the side of the parallels' mean
  if (std::fabs(origin) == 90 && origin * (north + south) < 0) return PARAM_LATITUDE_OF_ORIGIN;
  return -1;
}

}  // namespace

int UserParameterSet::firstUnusableText() const {
  std::array<double, PARAM_COUNT> numbers{};
  for (int i = 0; i < PARAM_COUNT; ++i) {
    const std::optional<double> number = parameterNumber(texts[i]);
    // a NaN fails both comparisons
    if (!number || !(*number >= kRanges[i].low && *number <= kRanges[i].high)) return i;
    numbers[i] = *number;
  }
  if (system.projection != chain::kUserLambert) return -1;
  return firstUnusableLatitude(numbers[PARAM_LATITUDE_OF_ORIGIN], numbers[PARAM_NORTH_PARALLEL],
                               numbers[PARAM_SOUTH_PARALLEL]);
}

bool UserParameterSet::numbersFromTexts() {
  if (firstUnusableText() >= 0) return false;
  chain::UserSystem& u = system;
  double* const numbers[PARAM_COUNT] = {&u.dx, &u.dy, &u.dz, &u.scale, &u.rx, &u.ry, &u.rz,
                                        &u.centralMeridian, &u.latitudeOfOrigin, &u.northParallel,
                                        &u.southParallel, &u.falseEasting, &u.falseNorthing};
  for (int i = 0; i < PARAM_COUNT; ++i) *numbers[i] = *parameterNumber(texts[i]);
  return true;
}

}  // namespace kortavex
