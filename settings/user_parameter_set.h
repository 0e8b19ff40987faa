#pragma once
// The user-defined system: a datum shift from WGS84 to the user datum, an
// ellipsoid, a projection and their numbers.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "chain/user_system.h"

namespace kortavex {

// Positions of the thirteen numbers in UserParameterSet::texts, the order of
// the numbers of chain::UserSystem.
enum UserParameter : int {
  PARAM_DX,
  PARAM_DY,
  PARAM_DZ,
  PARAM_SCALE,
  PARAM_RX,
  PARAM_RY,
  PARAM_RZ,
  PARAM_CENTRAL_MERIDIAN,
  PARAM_LATITUDE_OF_ORIGIN,
  PARAM_NORTH_PARALLEL,
  PARAM_SOUTH_PARALLEL,
  PARAM_FALSE_EASTING,
  PARAM_FALSE_NORTHING,
  PARAM_COUNT
};

// Items of the ellipsoid list, by ellipsoid code.
inline constexpr const char* kEllipsoidItems[5] = {"Bessel 1841", "Krassovsky 1940", "GRS80",
                                                   "WGS84", "International 1924"};
// Items 1-3 of the projection list; item 0 (no projection) is a text of the
// current language.
inline constexpr const char* kProjectionItems[4] = {"", "Gauss/Kr\xFCger", "UTM", "Lambert"};

// Where a parameter file holds an item that names nothing or a number that
// is no number, a line too long to be read, or why the file could not be
// read at all (`reason`: no regular file, no permission; `missing`: the
// options file names a set whose file is not there).
struct ParameterFileFault {
  std::string file;  // the path as it was read: file-system bytes
  int line = 0;      // from 1; 0 for none
  std::string text;  // the line as it stands in the file
  bool lineTooLong = false;
  std::string reason;
  bool missing = false;

  bool faulty() const { return line != 0 || !reason.empty() || missing; }
};

// A number text of a set as users write it: blanks around it ignored, a
// decimal comma read as a point, an empty text 0; nullopt when it is no number.
std::optional<double> parameterNumber(std::string_view text);

struct UserParameterSet {
  // The numbers, ellipsoid and projection as the conversion chain takes them.
  chain::UserSystem system;
  // The thirteen numbers as the user entered them, in the same order.
  std::array<std::string, PARAM_COUNT> texts{"0", "0", "0", "1", "0", "0", "0",
                                             "0", "0", "0", "0", "0", "0"};
  std::string name;
  // A set read from a faulty file is reported and never used for conversion.
  ParameterFileFault fault;

  bool usable() const { return !fault.faulty(); }

  // The first of the thirteen texts that is no number, or a number beyond
  // what any real system has (a scale factor outside 0.999-1.001, a
  // rotation beyond 3600", a central meridian beyond 180 degrees), or for a
  // Lambert projection a latitude that makes no cone, or a latitude of origin
  // at the pole the cone opens away from; -1 if none.
  int firstUnusableText() const;

  // Sets the thirteen numbers from their texts. False, and no number
  // changed, when firstUnusableText() finds one.
  bool numbersFromTexts();
};

}  // namespace kortavex
