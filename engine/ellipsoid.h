#pragma once

namespace kortavex {
// The five ellipsoids by code: 0 Bessel 1841, 1 Krassovsky 1940, 2 GRS80,
// 3 WGS84, 4 International 1924; their constants; and the angle constants of
// the projections.

constexpr int kEllipsoidCount = 5;

// Every constant follows from the semi-major axis a and the inverse
// flattening 1/f of the EPSG ellipsoids 7004 (a 6377397.155 m, 1/f
// 299.1528128), 7024 (6378245 m, 298.3), 7019 (6378137 m, 298.257222101),
// 7030 (6378137 m, 298.257223563; WGS84 as NIMA TR 8350.2 defines it) and
// 7022 (6378388 m, 297), computed with 50 digits and rounded once to double:
// b = a(1 - f), e^2 = f(2 - f), e'^2 = e^2 / (1 - e^2), c = a^2 / b.
// tests/constants_test.cpp derives them again. The digits tabulated here are
// the program's own binding values: every computation on an ellipsoid reads
// its constants from this table and from no other copy, and a result is
// reproduced bit for bit only with exactly these digits. (The Swiss
// projection alone takes swisstopo's published constants, derived from
// swisstopo's own Bessel semi-minor axis: engine/swiss_constants.h.)
struct Ellipsoid {
  double a, b;      // semi-axes, metres
  double e2, e;     // first eccentricity squared, and its root
  double ePrime2;   // second eccentricity squared
  double c;         // polar radius of curvature, metres
};

constexpr Ellipsoid kEllipsoids[kEllipsoidCount] = {
    {6377397.155, 6356078.962818188, 0.006674372231802145, 0.08169683122252751,
     0.006719218799174759, 6398786.848074195},   // Bessel 1841
    {6378245.0, 6356863.018773047, 0.006693421622965943, 0.08181333401693115,
     0.006738525414683491, 6399698.901782711},   // Krassovsky 1940
    {6378137.0, 6356752.314140356, 0.006694380022900788, 0.08181919104281579,
     0.006739496775478958, 6399593.625864023},   // GRS80
    {6378137.0, 6356752.314245179, 0.006694379990141317, 0.0818191908426215,
     0.006739496742276435, 6399593.625758493},   // WGS84
    {6378388.0, 6356911.9461279465, 0.006722670022333322, 0.08199188997902977,
     0.006768170197224251, 6399936.608108108},   // International 1924
};

// The meridian arc from the equator, G = A0 phi[deg] - A2 sin 2phi + A4 sin 4phi
// - A6 sin 6phi + A8 sin 8phi - A10 sin 10phi, as Helmert's series in the third
// flattening n = f / (2 - f) (F. R. Helmert, "Die mathematischen und
// physikalischen Theorieen der hoeheren Geodaesie" I, 1880), to n^5 (a tenth of
// a nanometre off the exact arc): with r = (a + b)/2 (1 + n^2/4 + n^4/64),
// A0 = r pi/180, A2 = r (3n/2 - 9n^3/16 + 3n^5/32), A4 = r (15n^2/16 - 15n^4/32),
// A6 = r (35n^3/48 - 105n^5/256), A8 = r 315n^4/512, A10 = r 693n^5/1280.
struct MeridianArc {
  double A0;  // metres per degree
  double A2, A4, A6, A8, A10;  // metres
};

constexpr MeridianArc kMeridianArcs[kEllipsoidCount] = {
    {111120.61960480575, 15988.63853454613, 16.729953904107678, 0.021784800833410282,
     3.077311496046821e-05, 4.533749558780655e-08},    // Bessel 1841
    {111134.86108380946, 16036.480269413785, 16.82806688486722, 0.021975309200803837,
     3.113112246342031e-05, 4.5996285708209996e-08},   // Krassovsky 1940
    {111132.95254700514, 16038.508741593583, 16.83261342839464, 0.021984404386324832,
     3.114848145702588e-05, 4.602854548543076e-08},    // GRS80
    {111132.95254791914, 16038.50866297593, 16.832613263235686, 0.02198440406267304,
     3.114848084552085e-05, 4.6028544355799235e-08},   // WGS84
    {111136.53665543829, 16107.034678499407, 16.976210953781866, 0.022265965065708875,
     3.1681177193758395e-05, 4.701422585245765e-08},   // International 1924
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
