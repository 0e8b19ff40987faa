#pragma once

namespace kortavex {
// The user-defined system as the conversion chain takes it: a datum shift
// from WGS84 to the user datum, an ellipsoid, a projection and its numbers.
// A default UserSystem is geographic on Bessel 1841 with no shift.

namespace chain {

// Seven-parameter Helmert transformation: rx, ry, rz (arc-seconds), tx, ty,
// tz (m), m (scale factor), in the order in which point::helmert takes them.
struct HelmertRow {
  double rx, ry, rz, tx, ty, tz, m;
};

enum UserProjection : int {
  kUserGeographic = 0,
  kUserGaussKrueger = 1,
  kUserUtm = 2,
  kUserLambert = 3,
};

struct UserSystem {
  // The thirteen numbers in the order in which a parameter file and the
  // parameter dialog list them.
  double dx = 0, dy = 0, dz = 0, scale = 1, rx = 0, ry = 0, rz = 0;
  double centralMeridian = 0, latitudeOfOrigin = 0, northParallel = 0, southParallel = 0;
  double falseEasting = 0, falseNorthing = 0;
  int ellipsoid = 0;   // 0 Bessel 1841 ... 4 International 1924
  int projection = kUserGeographic;

  bool isProjected() const { return projection != kUserGeographic; }

  // The user's seven numbers describe the shift from WGS84 to the user
  // datum; the way back negates them and takes the reciprocal scale.
  HelmertRow fromWgs84() const { return {rx, ry, rz, dx, dy, dz, scale}; }
  HelmertRow toWgs84() const { return {-rx, -ry, -rz, -dx, -dy, -dz, 1 / scale}; }
};

}  // namespace chain

}  // namespace kortavex
