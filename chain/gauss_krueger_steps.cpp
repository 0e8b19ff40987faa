// Austrian Gauss-Krueger strips and federal grid (BMN) on MGI, German
// Gauss-Krueger zones on DHDN and S42/83.
#include <cmath>

#include "chain/steps.h"
#include "engine/ellipsoid.h"

namespace kortavex {

namespace chain {
namespace {

constexpr double kAustrianNorthingOffset = 5000000;
constexpr double kRoundTripTolerance = 0.1;  // metres, of the transverse Mercator round trips

// The federal grid (BMN) is the variant "1" of an Austrian strip.
bool isFederalGrid(const StepContext& c) { return c.code.variant() == '1'; }

// Strip meridian east of Greenwich: the zone counts degrees east of Ferro
// (17 deg 40' west of Greenwich); the datum-shift path has always used one
// more digit of that constant.
double austrianMeridian(const StepContext& c) {
  return c.code.zone() - (c.datumShift ? 17.6666666666667 : 17.6666666667);
}

// False easting of the federal grid: 150 000 m for M28, 450 000 for M31, 750 000 for M34.
double federalEasting(const StepContext& c) {
  return ((c.code.zone() - 25) / 3) * 300000.0 - 150000.0;
}

// Frames are written as what lies inside, so that a value that is no number
// (a latitude beyond the pole has no projection) lies outside.
bool outsideAustrianFrame(const point& q) {
  return !(q.y >= -150000 && q.y <= 150000 && q.x >= 5100000 && q.x <= 5450000);
}

bool outsideGermanFrame(const point& q) {
  return !(q.y >= -150000 && q.y <= 150000 && q.x >= 5200000 && q.x <= 6200000);
}

void projectBack(point& q, int ellipsoid, double meridian) {
  point g;
  g.toEll(q, ellipsoid, 1);
  q.x = g.x;
  q.y = g.y + meridian;
}

void projectForward(point& q, int ellipsoid, double meridian) {
  point g;
  q.y -= meridian;
  g.toGK(q, ellipsoid, 1);
  q.x = g.x;
  q.y = g.y;
}

}  // namespace

// Written as what holds, so that a result that is no number fails.
bool transverseMercatorForward(point& q, int ellipsoid, int mode) {
  const point geographic = q;
  q.toGK(geographic, ellipsoid, mode);
  point again;
  again.toEll(q, ellipsoid, mode);
  const double east = (again.y - geographic.y) * std::cos(geographic.x * kDegToRad);
  return std::hypot(again.x - geographic.x, east) * kEllipsoids[validEllipsoid(ellipsoid)].a * kDegToRad <=
         kRoundTripTolerance;
}

bool transverseMercatorBack(point& q, int ellipsoid, int mode) {
  const point grid = q;
  q.toEll(grid, ellipsoid, mode);
  point again;
  again.toGK(q, ellipsoid, mode);
  return std::hypot(again.x - grid.x, again.y - grid.y) <= kRoundTripTolerance;
}

void austrianGaussKruegerStart(point& q, const StepContext& c) {
  if (q.x < kAustrianNorthingOffset) q.x += kAustrianNorthingOffset;  // short or full northing
  if (isFederalGrid(c)) q.y -= federalEasting(c);
  if (outsideAustrianFrame(q)) q.flag |= FLAG_START_FRAME;
  projectBack(q, c.family.ellipsoid, austrianMeridian(c));
}

void austrianGaussKruegerTarget(point& q, const StepContext& c) {
  projectForward(q, c.family.ellipsoid, austrianMeridian(c));
  if (outsideAustrianFrame(q)) q.flag |= FLAG_TARGET_FRAME;
  q.x -= kAustrianNorthingOffset;
  if (isFederalGrid(c)) q.y += federalEasting(c);
}

void germanGaussKruegerStart(point& q, const StepContext& c) {
  const double zoneMillions = c.code.zone() * 1000000.0;
  if (q.y < 1000000) q.y += zoneMillions;  // easting without its zone digit
  q.y -= zoneMillions + 500000;
  if (outsideGermanFrame(q)) q.flag |= FLAG_START_FRAME;
  projectBack(q, c.family.ellipsoid, 3.0 * c.code.zone());
}

void germanGaussKruegerTarget(point& q, const StepContext& c) {
  projectForward(q, c.family.ellipsoid, 3.0 * c.code.zone());
  if (outsideGermanFrame(q)) q.flag |= FLAG_TARGET_FRAME;
  q.y += c.code.zone() * 1000000.0 + 500000;
}

}  // namespace chain

}  // namespace kortavex
