// Geographic and geocentric coordinates, and the seven-parameter Helmert
// transformation between geocentric frames. Both as EPSG Guidance Note 7-2
// (IOGP publication 373-7-2) gives them: methods 9602 (the inverse here
// iterates the latitude instead of Bowring's closed formula) and 9607, the
// coordinate frame rotation convention.
#include <cmath>
#include <cstring>

#include "engine/ellipsoid.h"
#include "engine/point.h"

namespace kortavex {

void point::toECEF(point p, double a, double b) {
  const double phi = p.x * kDegToRad;
  const double lambda = p.y * kDegToRad;
  const double e2 = (a * a - b * b) / (a * a);
  const double sinPhi = std::sin(phi);
  const double n = a / std::sqrt(1 - e2 * sinPhi * sinPhi);
  x = (n + p.h) * std::cos(phi) * std::cos(lambda);
  y = (n + p.h) * std::cos(phi) * std::sin(lambda);
  h = ((b * b) / (a * a) * n + p.h) * sinPhi;
}

void point::toLLA(point p, double a, double b) {
  const double X = p.x, Y = p.y, Z = p.h;
  const double P = std::sqrt(X * X + Y * Y);
  if (P == 0) {
    // On the polar axis the longitude is undefined and the iteration divides
    // by cos(90 deg): take the pole itself.
    x = Z < 0 ? -90.0 : 90.0;
    y = 0.0;
    h = std::fabs(Z) - b;
    return;
  }
  const double e2 = (a * a - b * b) / (a * a);
  const double lambda = std::atan(Y / X);
  double phi = std::atan(Z / ((1 - e2) * P));
  double height = 0;
  // Six steps at most; a step that leaves the latitude as it was has reached
  // the fixed point, where every further step repeats the same numbers.
  for (int i = 0; i < 6; ++i) {
    const double sinPhi = std::sin(phi);
    const double n = a / std::sqrt(1 - e2 * sinPhi * sinPhi);
    height = P / std::cos(phi) - n;
    const double next = std::atan(Z / (P * (1 - e2 * n / (n + height))));
    if (next == phi) break;
    phi = next;
  }
  x = phi * kRadToDeg;
  h = height;
  y = lambda * kRadToDeg;
  if (X < 0) y += Y >= 0 ? 180 : -180;
}

namespace {

struct Rotation {
  double r[3][3];
};

// R3(w3) * R2(w2) * R1(w1), coordinate-frame sense, angles in arc-seconds:
// the exact product of the three axis rotations, whose small-angle form is
// the matrix of Guidance Note 7-2.
Rotation computeRotationMatrix(double rx, double ry, double rz) {
  const double w1 = rx / 3600 * kDegToRad, w2 = ry / 3600 * kDegToRad, w3 = rz / 3600 * kDegToRad;
  const double c1 = std::cos(w1), s1 = std::sin(w1);
  const double c2 = std::cos(w2), s2 = std::sin(w2);
  const double c3 = std::cos(w3), s3 = std::sin(w3);
  return {{{c2 * c3, s1 * s2 * c3 + c1 * s3, s1 * s3 - c1 * s2 * c3},
           {-c2 * s3, c1 * c3 - s1 * s2 * s3, c1 * s2 * s3 + s1 * c3},
           {s2, -s1 * c2, c1 * c2}}};
}

// A run applies the same one or two rotations to every point: the last
// matrix of each thread is kept for angles with the same bits.
struct KeptRotation {
  bool kept = false;
  double angles[3]{};
  Rotation matrix{};
};

const Rotation& rotationMatrix(double rx, double ry, double rz) {
  thread_local KeptRotation last;
  const double asked[3] = {rx, ry, rz};
  if (!last.kept || std::memcmp(asked, last.angles, sizeof asked) != 0) {
    last.matrix = computeRotationMatrix(rx, ry, rz);
    std::memcpy(last.angles, asked, sizeof asked);
    last.kept = true;
  }
  return last.matrix;
}

double row(const Rotation& m, int i, const point& p) {
  return m.r[i][0] * p.x + m.r[i][1] * p.y + m.r[i][2] * p.h;
}

}  // namespace

void point::helmert(point p, double rx, double ry, double rz, double tx, double ty, double tz,
                    double m) {
  helmert9(p, rx, ry, rz, tx, ty, tz, m, m, m);
}

void point::helmert9(point p, double rx, double ry, double rz, double tx, double ty, double tz,
                     double mX, double mY, double mZ) {
  const Rotation& r = rotationMatrix(rx, ry, rz);
  x = tx + mX * row(r, 0, p);
  y = ty + mY * row(r, 1, p);
  h = tz + mZ * row(r, 2, p);
}

}  // namespace kortavex
