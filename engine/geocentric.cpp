// Geographic and geocentric coordinates, and the seven-parameter Helmert
// transformation between geocentric frames. Both as EPSG Guidance Note 7-2
// (IOGP publication 373-7-2) gives them: methods 9602 (the inverse here
// iterates the latitude instead of Bowring's closed formula) and 9607, the
// coordinate frame rotation convention.
#include "engine/geocentric.h"

#include <cmath>

#include "engine/ellipsoid.h"

namespace kortavex {

Geocentric::Geocentric(double a, double b)
    : a_(a), b_(b), e2_((a * a - b * b) / (a * a)), b2OverA2_((b * b) / (a * a)) {}

void Geocentric::toGeocentric(point& q) const {
  const double phi = q.x * kDegToRad;
  const double lambda = q.y * kDegToRad;
  const double height = q.h;
  const double sinPhi = std::sin(phi), cosPhi = std::cos(phi);
  const double n = a_ / std::sqrt(1 - e2_ * sinPhi * sinPhi);
  q.x = (n + height) * cosPhi * std::cos(lambda);
  q.y = (n + height) * cosPhi * std::sin(lambda);
  q.h = (b2OverA2_ * n + height) * sinPhi;
}

void Geocentric::toGeographic(point& q) const {
  const double X = q.x, Y = q.y, Z = q.h;
  const double P = std::sqrt(X * X + Y * Y);
  if (P == 0) {
    // On the polar axis the longitude is undefined and the iteration divides
    // by cos(90 deg): take the pole itself.
    q.x = Z < 0 ? -90.0 : 90.0;
    q.y = 0.0;
    q.h = std::fabs(Z) - b_;
    return;
  }
  const double e2 = e2_;
  const double lambda = std::atan(Y / X);
  double phi = std::atan(Z / ((1 - e2) * P));
  double height = 0;
  // Six steps at most; a step that leaves the latitude as it was has reached
  // the fixed point, where every further step repeats the same numbers.
  for (int i = 0; i < 6; ++i) {
    const double sinPhi = std::sin(phi);
    const double n = a_ / std::sqrt(1 - e2 * sinPhi * sinPhi);
    height = P / std::cos(phi) - n;
    const double next = std::atan(Z / (P * (1 - e2 * n / (n + height))));
    if (next == phi) break;
    phi = next;
  }
  q.x = phi * kRadToDeg;
  q.h = height;
  q.y = lambda * kRadToDeg;
  if (X < 0) q.y += Y >= 0 ? 180 : -180;
}

// R3(w3) * R2(w2) * R1(w1), coordinate-frame sense, angles in arc-seconds:
// the exact product of the three axis rotations, whose small-angle form is
// the matrix of Guidance Note 7-2.
HelmertShift::HelmertShift(double rx, double ry, double rz, double tx, double ty, double tz,
                           double mX, double mY, double mZ)
    : t_{tx, ty, tz}, m_{mX, mY, mZ} {
  const double w1 = rx / 3600 * kDegToRad, w2 = ry / 3600 * kDegToRad, w3 = rz / 3600 * kDegToRad;
  const double c1 = std::cos(w1), s1 = std::sin(w1);
  const double c2 = std::cos(w2), s2 = std::sin(w2);
  const double c3 = std::cos(w3), s3 = std::sin(w3);
  const double r[3][3] = {{c2 * c3, s1 * s2 * c3 + c1 * s3, s1 * s3 - c1 * s2 * c3},
                          {-c2 * s3, c1 * c3 - s1 * s2 * s3, c1 * s2 * s3 + s1 * c3},
                          {s2, -s1 * c2, c1 * c2}};
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) r_[i][j] = r[i][j];
}

void HelmertShift::apply(point& q) const {
  double rotated[3];
  for (int i = 0; i < 3; ++i) rotated[i] = r_[i][0] * q.x + r_[i][1] * q.y + r_[i][2] * q.h;
  q.x = t_[0] + m_[0] * rotated[0];
  q.y = t_[1] + m_[1] * rotated[1];
  q.h = t_[2] + m_[2] * rotated[2];
}

void point::toECEF(point p, double a, double b) {
  Geocentric(a, b).toGeocentric(p);
  takeCoordinates(p);
}

void point::toLLA(point p, double a, double b) {
  Geocentric(a, b).toGeographic(p);
  takeCoordinates(p);
}

void point::helmert(point p, double rx, double ry, double rz, double tx, double ty, double tz,
                    double m) {
  helmert9(p, rx, ry, rz, tx, ty, tz, m, m, m);
}

void point::helmert9(point p, double rx, double ry, double rz, double tx, double ty, double tz,
                     double mX, double mY, double mZ) {
  HelmertShift(rx, ry, rz, tx, ty, tz, mX, mY, mZ).apply(p);
  takeCoordinates(p);
}

}  // namespace kortavex
