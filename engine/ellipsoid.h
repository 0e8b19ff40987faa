#pragma once

namespace kortavex {
// The five ellipsoids by code: 0 Bessel 1841, 1 Krassovsky 1940, 2 GRS80,
// 3 WGS84, 4 International 1924; and the angle constants of the projections.

struct SemiAxes {
  double a;
  double b;
};

constexpr int kEllipsoidCount = 5;

// The EPSG ellipsoids 7004, 7024, 7019, 7030 (WGS84 as NIMA TR 8350.2
// defines it) and 7022, b to the digits the systems have always used.
constexpr SemiAxes kSemiAxes[kEllipsoidCount] = {
    {6377397.155, 6356078.96282},     // Bessel 1841
    {6378245.0, 6356863.018773047},   // Krassovsky 1940
    {6378137.0, 6356752.31414},       // GRS80
    {6378137.0, 6356752.31424518},    // WGS84
    {6378388.0, 6356911.946},         // International 1924
};

// A code outside 0-4 (a hand-edited parameter file) is taken as Bessel, the
// default ellipsoid of a user parameter set, so that no table is read outside
// its rows.
constexpr int validEllipsoid(int code) { return code >= 0 && code < kEllipsoidCount ? code : 0; }

constexpr double kDegToRad = 0.017453292519943295;
constexpr double kRadToDeg = 57.29577951308232;
constexpr double kPi = 3.141592653589793;
constexpr double kHalfPi = 1.5707963267948966;
constexpr double kQuarterPi = 0.7853981633974483;

}  // namespace kortavex
