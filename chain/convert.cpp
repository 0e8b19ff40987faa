// The conversion chain: start step, datum shift through geocentric WGS84 (a
// Helmert transformation or an NTv2 grid), target step. What differs from
// family to family is read from its row in chain/datum_families.cpp.
#include "chain/convert.h"

#include <cmath>
#include <limits>

#include "chain/datum_families.h"
#include "engine/ellipsoid.h"

namespace kortavex {

namespace chain {
namespace {

const Ellipsoid& datumEllipsoid(const DatumFamily& family, const UserSystem& u) {
  return kEllipsoids[family.userDefined ? validEllipsoid(u.ellipsoid) : family.ellipsoid];
}

HelmertRow toWgs84(const DatumFamily& family, const UserSystem& u) {
  return family.userDefined ? u.toWgs84() : family.toWgs84;
}
HelmertRow fromWgs84(const DatumFamily& family, const UserSystem& u) {
  return family.userDefined ? u.fromWgs84() : family.fromWgs84;
}

// The three coordinates of `g`; the flag and text of `q` stay.
void takeCoordinates(point& q, const point& g) {
  q.x = g.x;
  q.y = g.y;
  q.h = g.h;
}

void applyHelmert(point& q, const HelmertRow& r) {
  point g;
  g.helmert(q, r.rx, r.ry, r.rz, r.tx, r.ty, r.tz, r.m);
  takeCoordinates(q, g);
}

void toGeocentric(point& q, const Ellipsoid& ellipsoid) {
  point g;
  g.toECEF(q, ellipsoid.a, ellipsoid.b);
  takeCoordinates(q, g);
}

void toGeographic(point& q, const Ellipsoid& ellipsoid) {
  point g;
  g.toLLA(q, ellipsoid.a, ellipsoid.b);
  takeCoordinates(q, g);
}

// The grid of a code that asks for one and whose family has one.
const GridShift* gridOf(const SystemCode& code, const DatumFamily& family) {
  return code.usesGrid() && family.grid ? &*family.grid : nullptr;
}

// The run's grid when it is the family's, else the grid as found now.
const GridFile& gridFile(const GridShift& shift, const GridHandle& runGrid) {
  if (runGrid && runGrid->grid() == shift.grid) return *runGrid;
  return *currentGridFile(shift.grid);
}

// Geographic on the start datum -> geocentric WGS84. False when a grid found no shift.
bool towardHub(point& q, const DatumFamily& family, const GridShift* grid, const UserSystem& u,
               const GridHandle& runGrid) {
  if (grid && gridShiftForward(gridFile(*grid, runGrid), q, q) != 1) return false;
  if (grid && grid->reachesWgs84) {
    toGeocentric(q, kEllipsoids[3]);  // ETRS89, taken as WGS84
    return true;
  }
  toGeocentric(q, datumEllipsoid(family, u));
  if (family.helmert) applyHelmert(q, toWgs84(family, u));
  return true;
}

// Geocentric WGS84 -> geographic on the target datum. False when a grid found no shift.
bool fromHub(point& q, const DatumFamily& family, const GridShift* grid, const UserSystem& u,
             const GridHandle& runGrid) {
  if (grid && grid->reachesWgs84) {
    toGeographic(q, kEllipsoids[3]);
  } else {
    if (family.helmert) applyHelmert(q, fromWgs84(family, u));
    toGeographic(q, datumEllipsoid(family, u));
  }
  return !grid || gridShiftReverse(gridFile(*grid, runGrid), q, q) == 1;
}

// Geographic systems take no step, but the user family's projection comes
// from the user's system, whatever its code says.
void runStep(Step step, point& q, const StepContext& c) {
  if (step && (c.family.userDefined || !c.code.isGeographic())) step(q, c);
}

// Geographic coordinates between the steps: beyond the poles, or a height
// that puts the point far from the earth (a reference height of 1e200, a
// user datum shift of absurd size), no formula of the chain holds, and the
// numbers it would give only look plausible. 10 000 km is above every
// height a user of these systems has, and far below where the geocentric
// conversion loses its digits; 1 000 km below the ellipsoid is deeper than
// the earth has room for any surveyed point (a height of -6 400 km would
// put the point through the centre, on the far side).
constexpr double kHighestHeight = 1e7;
constexpr double kDeepestHeight = -1e6;

void markIfNoPosition(point& q, int bit) {
  if (!(std::abs(q.x) <= 90) || !(q.h >= kDeepestHeight && q.h <= kHighestHeight) || !std::isfinite(q.y))
    q.flag |= bit;
}

// Beyond 1e7 degrees a double holds an angle to less than the eight
// decimals the results show: such a value names no direction at all, and
// whatever it was turned into would pass for a point.
constexpr double kLargestAngle = 1e7;

// A latitude and longitude as entered: beyond +-90 and +-180 degrees outside
// the frame of every geographic system, as the frame check marks them; an
// angle that names no direction leaves nothing to convert.
void markEnteredAngles(point& q) {
  if (!(std::abs(q.x) <= 90 && std::abs(q.y) <= 180)) q.flag |= FLAG_START_FRAME;
  if (!(std::abs(q.x) <= kLargestAngle && std::abs(q.y) <= kLargestAngle))
    q.x = q.y = std::numeric_limits<double>::quiet_NaN();
}

// A result that is no number (a degenerate user system, a value far beyond
// any frame) lies outside every frame: it must never pass for a good result.
point markedIfNoNumbers(point q) {
  if (!std::isfinite(q.y) || !std::isfinite(q.x) || !std::isfinite(q.h)) q.flag |= FLAG_TARGET_FRAME;
  return q;
}

}  // namespace

point convertPoint(point p, const SystemCode& start, const SystemCode& target,
                   const UserSystem& u, const GridHandle& runGrid) {
  const DatumFamily& startFamily = datumFamily(start);
  const DatumFamily& targetFamily = datumFamily(target);
  const bool datumShift = !start.sameFamily(target);
  if (!datumShift && startFamily.oneSystem) return markedIfNoNumbers(p);

  point q = p;
  q.txt.clear();
  if (start.isGeographic() && !startFamily.userDefined) markEnteredAngles(q);
  runStep(startFamily.start, q, {start, startFamily, u, datumShift});
  markIfNoPosition(q, FLAG_START_FRAME);
  if (datumShift) {
    if (!towardHub(q, startFamily, gridOf(start, startFamily), u, runGrid)) {
      q.flag |= FLAG_START_GRID;
      return markedIfNoNumbers(q);
    }
    if (!fromHub(q, targetFamily, gridOf(target, targetFamily), u, runGrid)) {
      q.flag |= FLAG_TARGET_GRID;
      return markedIfNoNumbers(q);
    }
    markIfNoPosition(q, FLAG_TARGET_FRAME);
  }
  runStep(targetFamily.target, q, {target, targetFamily, u, datumShift});
  return markedIfNoNumbers(q);
}

}  // namespace chain

point point::convert(point p, const std::string& start, const std::string& target, double dx,
                     double dy, double dz, double scale, double rx, double ry, double rz,
                     double centralMeridian, double latitudeOfOrigin, double northParallel,
                     double southParallel, double falseEasting, double falseNorthing,
                     int ellipsoid, int projection) const {
  const chain::UserSystem user{dx, dy, dz, scale, rx, ry, rz, centralMeridian, latitudeOfOrigin,
                               northParallel, southParallel, falseEasting, falseNorthing,
                               ellipsoid, projection};
  return chain::convertPoint(p, SystemCode(start), SystemCode(target), user);
}

}  // namespace kortavex
